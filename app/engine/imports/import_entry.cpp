#include "imports/import_entry.h"

#include <QStringList>

#include "document/menu_state.h"
#include "model/sample_table.h"
#include "reply/reply_parse.h"

namespace kz {

namespace {

// The IDs a note names.
constexpr qsizetype NamedIDs = 5;

}  // namespace

ImportedEntry EnterImportedRecord(Workspace& ws, const Settings& computer, std::optional<Long> ID, QString& reply,
                                  ReplyView* view)
{
    ImportedEntry entry;
    entry.ID = ID ? *ID : NextFreeID(ws.samples, computer);
    if (!ID && entry.ID == -1)
        return entry;
    if (SampleTableFull(ws)) {
        entry.result = ImportedEntry::Result::TableFull;
        return entry;
    }
    // Records come one after the other, each at once: no hourglass for each.
    entry.Dno = InsertSampleRec(ws.samples.Samples, ws.survey, entry.ID);
    if (entry.Dno < 0) {
        entry.result = ImportedEntry::Result::IDInUse;
        return entry;
    }
    // Once is enough: the mark is told to every window that shows it.
    if (!ws.document.modified)
        SetModified(ws.document);
    ParseReply(ws, entry.Dno, reply, entry.CursorQ, entry.CursorN, entry.Caret, entry.CaretQ, entry.Status, view,
               &entry.findings);
    const bool stored = entry.Status.isEmpty() || entry.Status == ExeDllStatus;
    entry.result = stored ? ImportedEntry::Result::Stored : ImportedEntry::Result::Refused;
    return entry;
}

bool SampleTableFull(const Workspace& ws)
{
    constexpr qint64 TableLimit = qint64{1} << 31;
    return (qint64{ws.samples.Samples.size()} + 1) * ws.survey.SampleBytes >= TableLimit;
}

void CorrectedRecords::add(Long ID)
{
    ++count_;
    if (first_.size() < NamedIDs)
        first_.push_back(ID);
}

void CorrectedRecords::clear()
{
    count_ = 0;
    first_.clear();
}

QString CorrectedRecords::note() const
{
    if (count_ == 0)
        return {};
    QStringList IDs;
    for (Long ID : first_)
        IDs << QString::number(ID);
    return QStringLiteral("回答を修正したサンプルが") + QString::number(count_) + QStringLiteral("件あります(ID ")
           + IDs.join(QStringLiteral(", "))
           + (count_ > first_.size() ? QStringLiteral(" ほか)。") : QStringLiteral(")。"));
}

}  // namespace kz
