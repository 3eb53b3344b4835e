// The answer entry window: the answers of one sample at a time, typed in
// reply notation into a rich text box, stored on every commit and redrawn in
// colour, with the choices of the question to answer next beside them.
// Samples are reached by position (data number) or by ID; other windows
// drive the window through the command label lblDno.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <array>
#include <optional>

#include "answers/answer_report.h"
#include "imports/import_entry.h"
#include "runtime/vbtypes.h"
#include "widgets/command_label.h"
#include "widgets/kz_form.h"
#include "widgets/rich_text_box.h"

namespace kz {

class frmAddData : public widgets::KzForm, private ReplyView {
    Q_OBJECT
public:
    frmAddData();

    widgets::RichTextBox* txtReply;
    QLineEdit* txtDno;
    QScrollBar* scrDno;
    QLabel* lblMax;
    QLineEdit* txtIDno;
    QPushButton* cmdChangeID;
    QListWidget* lstChoices;
    QPushButton* cmdNextInput;
    QPushButton* cmdDelete;
    QPushButton* cmdExecute;
    QPushButton* cmdClose;
    QCheckBox* chkInputID;
    QLabel* stbInput;
    QLabel* Label7;
    QLabel* Label1;
    QLabel* Label2;
    // State kept in hidden controls, as other windows read and write it;
    // lblNowDno only displays the position shown.
    QCheckBox* chkChanged;
    QCheckBox* chkNew;
    QLabel* lblNowDno;
    CommandLabel* lblDno;
    QFrame* frmControl;

    QMenuBar* menuBar;
    QMenu* mnuFunction;
    QAction* mnuAnswer;
    QAction* mnuSearch;
    QMenu* mnuFont;
    QAction* mnuFontChange;
    QAction* mnuQDisp;
    QAction* mnuShowReturn;
    std::array<QAction*, 6> mnuColor;
    QMenu* mnuHelp;
    QAction* mnuHelpContent;
    QAction* mnuHelpContext;
    QAction* mnuHelpKeyword;

    // Removes the sample at Dno when none of its answers has a choice above
    // 0.
    void DropEmptySample(Long Dno);

    // Imported records (frm_add_data_import.cpp), as WindowServices hands
    // them over.
    ImportOutcome enterImported(const ImportedRecord& record);
    bool settleRefusedImport();

protected:
    void formLoad() override;
    void formQueryClose(bool& cancel) override;
    void formUnload(bool& cancel) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout and menus.
    void buildControls();
    void buildMenus();
    void connectControls();
    // The reply box's smallest size, from its font.
    void keepReplyReadable();

    // Samples and positions.
    void ShowSample();
    // The position, ID and scroll bar of the sample at Dno, shown.
    void showPosition(Long Dno);
    void EnableEntryControls();
    // False when no sample was added.
    bool AddSample(Long ID);
    void DeleteSample(Long Dno);
    void dropShownEmptySample();
    void commandWritten(const QString& caption);
    void refuseCommand(const QString& message);
    void autoNew();
    void noIDLeft();
    void showSampleByID();
    void stepPosition(int step);
    void scrollBarMoved(int value);
    void setScrollBarFor(Long Dno);
    void nextInput();
    void changeID();
    void deleteShownSample();
    void closeWindow();
    // The position shown, or -1 when no sample is shown.
    Long shownDno() const;
    // Also displayed in lblNowDno; -1 shows nothing.
    void setShownDno(Long Dno);
    Long shownDno_ = -1;
    // The sample table the window was opened on.
    Long tableGeneration_ = 0;

    // Commits.
    bool CommitReply(const QString& Insert);
    // A stored reply as the commit shows it: coloured, the caret placed, an
    // external process's Tail after it.
    struct StoredReply {
        Long Dno;
        Integer CursorQ;
        Integer CursorN;
        int Caret;
        Integer CaretQ;
    };
    void showCommitted(const StoredReply& reply, const QString& Status);
    void showStoredReply(const StoredReply& reply, const QString& Tail);
    // A refused reply: the message, the caret at the error.
    void showRefusal(int Caret, const QString& Status);
    void listChoices(Integer CursorQ);
    void setChanged(bool changed);
    enum class ReplyForm {
        Rich,     // coloured rich text
        Amended,  // the text as the parser rewrote it: the rest keeps its colours
        Typed,    // plain, as if typed
    };
    void writeReply(const QString& text, ReplyForm form);
    void replyChanged();
    void replyKeyDown(int key, Qt::KeyboardModifiers modifiers, bool* cancel);
    void replyKeyPress(const QString& text, bool* cancel);
    void replyLostFocus();
    void inputCommand();

    // Menus; display: flags, colours, fonts.
    void showSampleView();
    int displayFlags() const;
    void toggleDisplayFlag(QAction* item, int flag);
    void changeColour(int index);
    void changeFont();
    QString sampleRTF(Long Dno) const;

    // External process.
    QString externalTail(Long Dno, Integer CursorQ, Integer CursorN);
    void executeExternal();

    // The save reminder before a sample is added.
    void remindToSave();

    // Imported records.
    // A stored one shown, whole, after its commit.
    void showImported(const StoredReply& reply, const QString& Status);
    // The stored one to show next, shown at the next turn of events: the
    // import lets events in at the pace of its long job.
    void showImportedLater(Long ID, const StoredReply& reply);
    void showRefusedImport(const ImportedEntry& entry, const QString& reply);
    ImportOutcome stopImport(const QString& message, const QString& status);

    // The answer checks point at an answer while they report on it.
    bool wantsReports() const override;
    void markAnswer(int start, int length) override;
    void restoreText() override;

    // The imported sample waiting to be shown, by ID.
    struct ImportToShow {
        Long ID;
        StoredReply reply;
    };
    std::optional<ImportToShow> importToShow_;
    // The imported record refused last, by ID, until it is settled.
    std::optional<Long> refusedImport_;

    bool committing_ = false;
    // The text being parsed, while a commit's parse runs.
    const QString* parsedReply_ = nullptr;
    // The answer marked in the error colour and its colour before.
    int markedStart_ = 0;
    int markedLength_ = 0;
    QColor markedColour_;
};

}  // namespace kz
