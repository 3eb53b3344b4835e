// The import run: the file is read record by record from SeekPos, and each
// record is handed to the entry window, which parses, checks and stores it
// as if it had been typed. A record the entry window refuses stops the run
// and stays there for the user to correct.
#include <QFileInfo>
#include <QPointer>

#include "entry/frm_merge.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "imports/delimited_import.h"
#include "imports/import_encoding.h"
#include "imports/text_input_import.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "texts/choice_texts.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

void frmMerge::cmdGo_Click()
{
    showRunning(true);
    settleRefusedRecord();
    const QPointer<frmMerge> alive(this);
    // A file in another encoding is refused before any of it is stored.
    const QString encoding = SeekPos == 1 ? encodingProblem() : QString();
    // Closed or stopped during the check, the window has nothing to run.
    if (!alive || !Forms::isLoaded(*this) || !cmdStop->isEnabled())
        return;
    if (!encoding.isEmpty()) {
        MsgBox(encoding, vbExclamation);
        showRunning(false);
        return;
    }
    ImportLines lines;
    if (!lines.open(lblFileName->text(), SeekPos - 1)) {
        MsgBox(FailedRecord(lines.errorString(), QString()).message, vbExclamation);
        showRunning(false);
        return;
    }
    running_ = true;
    const RunEnd end = readRecords(lines);
    if (!alive || end == RunEnd::WindowGone)
        return;
    running_ = false;
    lines.close();
    showProgress();
    showLineRead();
    if (end == RunEnd::FileEnded)
        finishRun();
    else if (end == RunEnd::Refused)
        cmdStop->setEnabled(true);
}

QString frmMerge::encodingProblem()
{
    const QString path = lblFileName->text();
    // The check reads a large file to its end when nothing in it decides
    // sooner: Stop and the other windows get their turn meanwhile.
    const QPointer<frmMerge> alive(this);
    LongJob job(QFileInfo(path).size(), QString(), LongJob::Bar::Fills, [this, alive](const QString&, float) {
        return alive && Forms::isLoaded(*this) && cmdStop->isEnabled();
    });
    return ImportEncodingProblem(path, [&job](qint64 read) { return job.step(read); });
}

frmMerge::RunEnd frmMerge::readRecords(ImportLines& lines)
{
    const Survey& survey = ProgramWorkspace().survey;
    SampleTable& samples = ProgramWorkspace().samples;
    const Settings& settings = ProgramSettings();
    const QPointer<frmMerge> alive(this);
    const Long generation = ProgramWorkspace().samples.generation;
    // Between records the other windows get their turn (Stop, the entry
    // window showing the record stored last), paced so that they cost the
    // run little.
    LongJob job(QFileInfo(lblFileName->text()).size(), QString(), LongJob::Bar::Fills, [this](const QString&, float) {
        showProgress();
        showLineRead();
        return true;
    });
    // The settings and the questionnaire stay as they are for the run.
    const bool delimited = lblFormat->text() == QLatin1String("CSV");
    const CsvSettings csv = csvSettings();
    const std::vector<bool> textColumns = MarkEssayQuestions(survey, csv.noEssay);
    while (!lines.atEnd()) {
        const ImportRecord record = delimited ? ReadDelimitedRecord(ProgramWorkspace(), lines, csv, textColumns)
                                              : ReadTextInputRecord(samples, settings, lines);
        lineRead_ = record.line;
        if (record.kind == ImportRecord::Kind::Failed) {
            MsgBox(record.message, vbExclamation);
            return RunEnd::Failed;
        }
        const bool stored = handOver(record);
        SeekPrev = SeekPos;
        SeekPos = lines.pos() + 1;
        if (stored)
            ++storedCount_;
        if (lines.atEnd())
            break;
        job.step(SeekPos - 1);
        // The window or the questionnaire may have gone meanwhile.
        if (!alive || !Forms::isLoaded(*this) || ProgramWorkspace().samples.generation != generation)
            return RunEnd::WindowGone;
        // A stop settled the record in hand already.
        if (!cmdStop->isEnabled())
            return RunEnd::Stopped;
        if (!stored)
            return RunEnd::Refused;
    }
    return RunEnd::FileEnded;
}

bool frmMerge::handOver(const ImportRecord& record)
{
    switch (record.kind) {
    case ImportRecord::Kind::Sample:
        break;
    case ImportRecord::Kind::Refused:
        MsgBox(record.message, record.icon);
        windows().setEntryStatus(record.status);
        return false;
    default:
        return false;
    }
    const ImportOutcome outcome = windows().enterImported({record.ID, record.reply});
    refusedPending_ = outcome.kind == ImportOutcome::Kind::Refused;
    if (outcome.corrected)
        corrected_.add(outcome.ID);
    return outcome.kind == ImportOutcome::Kind::Stored;
}

void frmMerge::showLineRead()
{
    if (!lineRead_.isEmpty())
        windows().showLineInPreview(lineRead_);
}

void frmMerge::cmdBack_Click()
{
    SeekPos = SeekPrev;
    cmdGo_Click();
}

void frmMerge::cmdStop_Click()
{
    showRunning(false);
    settleRefusedRecord();
}

void frmMerge::showRunning(bool running)
{
    cmdStop->setEnabled(running);
    for (QPushButton* button : {cmdGo, cmdClose, cmdBack})
        button->setEnabled(!running);
}

void frmMerge::cmdClose_Click()
{
    if (MsgBox(QStringLiteral("取り込みを終了ます"), vbOKCancel | vbExclamation) == vbOK)
        Forms::unload(*this);
}

void frmMerge::finishRun()
{
    MsgBox(withCorrections(QStringLiteral("終了しました")), vbInformation);
    cmdStop->setEnabled(false);
    cmdGo->setEnabled(false);
    cmdClose_Click();
}

void frmMerge::settleRefusedRecord()
{
    // Corrected in the entry window, it counts as imported.
    if (std::exchange(refusedPending_, false) && windows().settleRefusedImport()) {
        ++storedCount_;
        showProgress();
    }
}

}  // namespace kz
