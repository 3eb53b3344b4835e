// The import run: the file is read record by record from SeekPos, and each
// record goes to the entry window, which parses, checks and stores it as if
// it had been typed. A record the entry window refuses stops the run and
// stays there for the user to correct.
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>

#include "document/workspace.h"
#include "frm_add_data.h"
#include "frm_merge.h"
#include "frm_preview.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "imports/delimited_import.h"
#include "imports/import_encoding.h"
#include "imports/text_input_import.h"
#include "model/sample_table.h"
#include "runtime/rounding.h"
#include "runtime/val.h"
#include "texts/choice_texts.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

namespace {

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

frmAddData& frmMerge::entryWindow()
{
    auto& entry = Forms::instance<frmAddData>();
    if (!entry.isVisible())
        entry.show();
    return entry;
}

void frmMerge::cmdGo_Click()
{
    cmdStop->setEnabled(true);
    for (QPushButton* button : {cmdGo, cmdClose, cmdBack})
        button->setEnabled(false);
    settleRefusedRecord();
    // A file in another encoding is refused before any of it is stored.
    const QString encoding = SeekPos == 1 ? ImportEncodingProblem(lblFileName->text()) : QString();
    if (!encoding.isEmpty()) {
        MsgBox(encoding, vbExclamation);
        return;
    }
    ImportLines lines;
    if (!lines.open(lblFileName->text(), SeekPos - 1)) {
        MsgBox(FailedRecord(lines.errorString(), QString()).message, vbExclamation);
        return;
    }
    const QPointer<frmMerge> alive(this);
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

frmMerge::RunEnd frmMerge::readRecords(ImportLines& lines)
{
    const QPointer<frmMerge> alive(this);
    const Long generation = ProgramWorkspace().samples.generation;
    // Between records the other windows get their turn (Stop, the entry
    // window), paced so that they cost the run little.
    LongJob job(QFileInfo(lblFileName->text()).size(), QString(), LongJob::Bar::Fills, [this](const QString&, float) {
        showProgress();
        showLineRead();
        return true;
    });
    // The entry window shows the records as they come at the pace the user
    // can see them, not one by one.
    QPointer<frmAddData> held;
    const auto release = qScopeGuard([&held] {
        if (held)
            held->releaseReplyDisplay();
    });
    while (!lines.atEnd()) {
        frmAddData& entry = entryWindow();
        if (held != &entry) {
            held = &entry;
            entry.holdReplyDisplay();
        }
        entry.stbInput->clear();
        const ImportRecord record = readRecord(lines);
        lineRead_ = record.line;
        if (record.kind == ImportRecord::Kind::Failed) {
            MsgBox(record.message, vbExclamation);
            return RunEnd::Failed;
        }
        bool stored = false;
        if (record.kind == ImportRecord::Kind::Refused) {
            MsgBox(record.message, record.icon);
            entry.stbInput->setText(record.status);
        } else if (record.kind == ImportRecord::Kind::Sample) {
            stored = handOver(entry, record);
        }
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

void frmMerge::showLineRead()
{
    auto* preview = Forms::loaded<frmPreview>();
    if (preview && !lineRead_.isEmpty())
        preview->showLine(lineRead_);
}

void frmMerge::cmdBack_Click()
{
    SeekPos = SeekPrev;
    cmdGo_Click();
}

void frmMerge::cmdStop_Click()
{
    cmdStop->setEnabled(false);
    for (QPushButton* button : {cmdGo, cmdClose, cmdBack})
        button->setEnabled(true);
    settleRefusedRecord();
}

void frmMerge::cmdClose_Click()
{
    if (MsgBox(QStringLiteral("取り込みを終了ます"), vbOKCancel | vbExclamation) == vbOK)
        Forms::unload(*this);
}

void frmMerge::finishRun()
{
    MsgBox(QStringLiteral("終了しました"), vbInformation);
    cmdStop->setEnabled(false);
    cmdGo->setEnabled(false);
    cmdClose_Click();
}

ImportRecord frmMerge::readRecord(ImportLines& lines)
{
    if (lblFormat->text() != QLatin1String("CSV"))
        return ReadTextInputRecord(lines);
    const CsvSettings csv = csvSettings();
    return ReadDelimitedRecord(ProgramWorkspace(), lines, csv, MarkEssayQuestions(csv.noEssay));
}

bool frmMerge::handOver(frmAddData& entry, const ImportRecord& record)
{
    if (!entry.stbInput->text().isEmpty())
        return false;
    entry.txtIDno->setText(QString::number(record.ID));
    if (!newSample(entry, QStringLiteral("NEW")))
        return false;
    refusedID_ = record.ID;
    refusedGeneration_ = ProgramWorkspace().samples.generation;
    if (!enterReply(entry, record.reply))
        return false;
    refusedID_.reset();
    return true;
}

std::optional<Long> frmMerge::newSample(frmAddData& entry, const QString& command)
{
    entry.lblDno->setCaption(QString());
    entry.lblDno->setCaption(command);
    const double ID = Val(entry.txtIDno->text());
    // A sample the entry window could not add takes no reply: it would land
    // in the sample shown before.
    if (!entry.stbInput->text().isEmpty() || !FitsLong(ID) || FindSamplePos(CLng(ID)) < 0) {
        if (entry.stbInput->text().isEmpty())
            entry.stbInput->setText(QStringLiteral("もうサンプルを入力できません"));
        return std::nullopt;
    }
    return CLng(ID);
}

bool frmMerge::enterReply(frmAddData& entry, const QString& reply)
{
    entry.txtReply->setText(reply + CrLf);
    entry.lblDno->setCaption(QStringLiteral("INPUT"));
    return entry.stbInput->text().isEmpty();
}

void frmMerge::settleRefusedRecord()
{
    const std::optional<Long> ID = std::exchange(refusedID_, std::nullopt);
    if (!ID || ProgramWorkspace().samples.generation != refusedGeneration_)
        return;
    const Long Dno = FindSamplePos(*ID);
    if (Dno < 0)
        return;
    auto* entry = Forms::loaded<frmAddData>();
    if (entry && entry->lblNowDno->text() == QString::number(Dno))
        entry->DropEmptySample(Dno);
    // Corrected in the entry window, it counts as imported.
    if (FindSamplePos(*ID) >= 0) {
        ++storedCount_;
        showProgress();
    }
}

}  // namespace kz
