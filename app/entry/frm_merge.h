// The import window: one window for the jobs its caller names in the
// command label lblFormat: importing a text-input file ("TXT") or a
// delimited file ("CSV") record by record into the entry window,
// exporting a listing sheet's samples as a delimited file ("OUTPUT"), and
// the network questionnaire's jobs: writing its forms ("WWWHTML") and
// reading the answers returned from it ("WWWANS").
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include "imports/csv_fields.h"
#include "imports/import_entry.h"
#include "imports/import_lines.h"
#include "imports/import_record.h"
#include "imports/network_answers.h"
#include "runtime/vbtypes.h"
#include "widgets/command_label.h"
#include "widgets/kz_form.h"

namespace kz {

class frmMerge : public widgets::KzForm {
    Q_OBJECT
public:
    frmMerge();

    // The result sheet whose listed samples the "OUTPUT" job writes (a
    // window implementing ListedSamples); set by the sheet before it shows
    // the window. Once the sheet is gone the job does nothing.
    QPointer<QObject> ParentGrid;

    std::array<QGroupBox*, 3> frameMake;
    std::array<QLabel*, 7> Label3;
    // frameMake(0): the network questionnaire forms.
    std::array<QRadioButton*, 2> optKind;
    QLineEdit* txtDistName;
    QComboBox* cmbDistQno;
    QCheckBox* chkEssayFull;
    QPushButton* cmdDo;
    QPushButton* cmdCancel;
    QPushButton* cmdHelpContext;
    // frameMake(1): reading network answers.
    std::array<QLineEdit*, 2> txtDir;
    std::array<QPushButton*, 2> cmdFileRef;
    QLabel* lblDistName;
    QPushButton* cmdGetWWW;
    QPushButton* cmdGetCancel;
    QPushButton* SSCommand1;
    // frameMake(2): the delimited settings.
    QLabel* Label1;
    QWidget* Picture1;
    QRadioButton* optComma;
    QRadioButton* optTab;
    QRadioButton* optSpace;
    QLabel* Label8;
    QRadioButton* optDouble;
    QRadioButton* optSingle;
    QRadioButton* optNo;
    QLabel* Label7;
    QCheckBox* chkNoEssay;
    QPushButton* cmdConfig;
    // The import panel.
    QWidget* importPanel;
    QLabel* Label2;
    QLabel* lblFormatL;
    QLabel* Label6;
    CommandLabel* lblFileName;
    QLabel* lblFileLen;
    QLabel* Label4;
    QLabel* lblSeek;
    QLabel* Label5;
    QLabel* lblInportNum;
    QCheckBox* chkNoMessage;
    QPushButton* cmdGo;
    QPushButton* cmdBack;
    QPushButton* cmdStop;
    QPushButton* cmdClose;
    CommandLabel* lblFormat;

    // The delimited settings as the frame holds them.
    CsvSettings csvSettings() const;

protected:
    void formLoad() override;
    void formQueryClose(bool& cancel) override;
    void formUnload(bool& cancel) override;

private:
    void buildFrames();
    void buildPanel();
    void connectControls();
    void formatWritten(const QString& format);
    void fileNameWritten(const QString& path);
    // Shows frameMake(index) over the panel; -1 shows the panel.
    void showFrame(int index);
    void configured();

    // The network questionnaire (frm_merge_network.cpp).
    void cmdDo_Click();
    void cmdGetWWW_Click();
    // The network answer import proper; false when the folders were refused.
    bool importNetworkAnswers();
    // Hands one network answer to the entry window as a new sample.
    HandOver SendWWWSample(const WWWAnswer& answer);

    // The import run (frm_merge_import.cpp).
    void cmdGo_Click();
    void cmdBack_Click();
    void cmdStop_Click();
    void cmdClose_Click();
    // How a run over the records ended.
    enum class RunEnd {
        FileEnded,   // every record was read
        Refused,     // a record was not stored
        Stopped,     // the user stopped
        Failed,      // the file could not be read
        WindowGone,  // the window or the questionnaire went meanwhile
    };
    // Running: only Stop is on; idle: every button but Stop.
    void showRunning(bool running);
    // Why the file is refused for its encoding; "" also when Stop ended the check.
    QString encodingProblem();
    RunEnd readRecords(ImportLines& lines);
    // Hands the record to the entry window, or has a refused one told; true
    // when it was stored.
    bool handOver(const ImportRecord& record);
    // Ends the run at the end of the file.
    void finishRun();
    // The preview shows the line read last.
    void showLineRead();
    // A record the entry window refused, still there for the user to
    // correct: once the run goes on, stops or the window closes, it is
    // dropped when it is still empty and counted when it is not.
    void settleRefusedRecord();
    // lblSeek and lblInportNum from SeekPos and the records stored.
    void showProgress();
    // A closing message, with the note on the records the checks corrected.
    QString withCorrections(const QString& message) const;

    // Byte positions from 1: where the next record and the last one start.
    qint64 SeekPos = 1;
    qint64 SeekPrev = 1;
    QString FieldSeparator = QStringLiteral(",");
    QString QuoteChar;
    bool running_ = false;
    QString lineRead_;
    Long storedCount_ = 0;
    bool refusedPending_ = false;
    CorrectedRecords corrected_;
};

}  // namespace kz
