// Imported records: each becomes a new sample through the parse, checks and
// store of a typed reply. The window shows the stored ones at the pace the
// import lets events in, not one by one, and a refused one at once, whole,
// for the user to correct.
#include <QMetaObject>

#include "entry/entry_messages.h"
#include "entry/frm_add_data.h"
#include "host/ui_seam.h"
#include "model/sample_table.h"
#include "model/workspace.h"
#include "reply/reply_parse.h"
#include "shell/program_state.h"

namespace kz {

namespace {

using Kind = ImportOutcome::Kind;
using Result = ImportedEntry::Result;

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

ImportOutcome frmAddData::enterImported(const ImportedRecord& record)
{
    // As before another sample is shown: what is pending in the shown one (a
    // correction, an external process's text) is committed first.
    if (chkChanged->isChecked())
        CommitReply(QString());
    if (!stbInput->text().isEmpty())
        stbInput->clear();
    QString reply = record.reply + CrLf;
    parsedReply_ = &reply;
    const ImportedEntry entry = EnterImportedRecord(ProgramWorkspace(), ProgramSettings(), record.ID, reply, this);
    parsedReply_ = nullptr;
    const StoredReply stored{entry.Dno, entry.CursorQ, entry.CursorN, entry.Caret, entry.CaretQ};
    switch (entry.result) {
    case Result::Stored:
        // The external process runs on the record as after a commit, shown.
        if (entry.Status == ExeDllStatus)
            showImported(stored, entry.Status);
        else
            showImportedLater(entry.ID, stored);
        return {Kind::Stored, {}, entry.ID, entry.findings > 0};
    case Result::Refused:
        showRefusedImport(entry, reply);
        return {Kind::Refused, entry.Status, entry.ID};
    case Result::NoIDLeft:
        noIDLeft();
        return {Kind::Stopped, stbInput->text()};
    case Result::TableFull:
        return stopImport(QStringLiteral("もうサンプルを入力できません"),
                          QStringLiteral("もうサンプルを入力できません"));
    case Result::IDInUse:
        return stopImport(IDInUseMessage(entry.ID), IDInUseMessage(entry.ID));
    }
    return {};
}

ImportOutcome frmAddData::stopImport(const QString& message, const QString& status)
{
    MsgBox(message, vbExclamation);
    stbInput->setText(status);
    return {Kind::Stopped, status};
}

void frmAddData::showImported(const StoredReply& reply, const QString& Status)
{
    importToShow_.reset();
    EnableEntryControls();
    showPosition(reply.Dno);
    showCommitted(reply, Status);
}

void frmAddData::showImportedLater(Long ID, const StoredReply& reply)
{
    // What the user does next belongs to this sample.
    setShownDno(reply.Dno);
    const bool queued = importToShow_.has_value();
    importToShow_ = ImportToShow{ID, reply};
    if (queued)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            const std::optional<ImportToShow> shown = std::exchange(importToShow_, std::nullopt);
            // Another sample may be shown by now; later records may have
            // moved this one.
            if (!shown || FindSamplePos(ProgramWorkspace().samples.Samples, shown->ID) != shownDno())
                return;
            StoredReply reply = shown->reply;
            reply.Dno = shownDno();
            showImported(reply, QString());
        },
        Qt::QueuedConnection);
}

void frmAddData::showRefusedImport(const ImportedEntry& entry, const QString& reply)
{
    refusedImport_ = entry.ID;
    EnableEntryControls();
    showPosition(entry.Dno);
    writeReply(reply, ReplyForm::Typed);
    setChanged(false);
    showRefusal(entry.Caret, entry.Status);
}

bool frmAddData::settleRefusedImport()
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const std::optional<Long> ID = std::exchange(refusedImport_, std::nullopt);
    if (!ID)
        return false;
    const Long Dno = FindSamplePos(samples.Samples, *ID);
    if (Dno < 0)
        return false;
    if (Dno == shownDno()) {
        // A correction typed and not yet committed counts.
        if (chkChanged->isChecked())
            CommitReply(QString());
        DropEmptySample(Dno);
    }
    return FindSamplePos(samples.Samples, *ID) >= 0;
}

}  // namespace kz
