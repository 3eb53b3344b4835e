#include "tabulation/count_sheet.h"

#include <algorithm>
#include <iterator>

#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/condition_arrays.h"
#include "model/workspace.h"
#include "runtime/number_format.h"
#include "tabulation/count_samples.h"
#include "tabulation/result_order.h"
#include "texts/condition_texts.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");
// Blocks named in the message about refused blocks; the rest are counted.
constexpr qsizetype RefusedBlocksNamed = 10;

QString StatusText(const TotalOptionRec& option, Integer q, int L)
{
    return QStringLiteral("質問:Q%1/Q%2まで  限定条件:%3/%4")
        .arg(q + 1)
        .arg(option.ToQno + 1)
        .arg(L + 1)
        .arg(option.LimitCount);
}

void TellRefusedBlocks(const QStringList& refused)
{
    if (refused.isEmpty())
        return;
    QString text =
        QStringLiteral("質問の限定、全体の限定、個別の限定を合わせると%1行を超えるため、次の集計はしていません。")
            .arg(LastRowEntry);
    for (const QString& block : refused.mid(0, RefusedBlocksNamed))
        text += CrLf + block;
    if (refused.size() > RefusedBlocksNamed)
        text += CrLf + QStringLiteral("ほか%1件").arg(refused.size() - RefusedBlocksNamed);
    MsgBox(text, vbExclamation);
}

// The rows (on a first run), the columns and the condition texts; the
// sheet shows conditions in their short form.
void PlanSheet(const Survey& questionnaire, CountSheet& sheet, const DisplayMenus& menus)
{
    TotalOptionRec& option = sheet.SheetOption;
    sheet.OverallText = ConditionText(questionnaire, option.Limits[0], false);
    if (!sheet.totaled)
        PlanRows(questionnaire, option, sheet.result);
    sheet.columns = PlanColumns(menus, option.LimitCount);
    sheet.ColumnText.clear();
    for (int L = 0; L < option.LimitCount; ++L)
        sheet.ColumnText.push_back(ConditionText(questionnaire, option.Limits[static_cast<size_t>(L) + 1], false));
}

// The blocks of column L whose conditions fit together; the others are
// named in `refused`.
ColumnBlocks BlocksOfColumn(const Survey& questionnaire, const TotalOptionRec& option, int L, QStringList& refused)
{
    ColumnBlocks blocks;
    for (Integer q = option.Qno; q <= option.ToQno; ++q) {
        if (const std::optional<Condition> cond = WorkingCondition(questionnaire, option, q, L)) {
            blocks.questions.push_back(q);
            blocks.conds.push_back(*cond);
        } else {
            refused.push_back(QStringLiteral("Q%1 個別の限定%2").arg(q + 1).arg(L + 1));
        }
    }
    return blocks;
}

}  // namespace

void RunCountSheet(const Workspace& ws, CountSheet& sheet, const DisplayMenus& menus, CountSheetView& view,
                   int threads)
{
    const Survey& questionnaire = ws.survey;
    const TotalOptionRec& option = sheet.SheetOption;
    ResultTable& table = sheet.result;
    const bool counting = !sheet.totaled;
    const bool reorder = counting || menus.sort != sheet.sorted;
    PlanSheet(questionnaire, sheet, menus);
    view.layOut(sheet);

    // One job over every column, each of SampleCount positions and its end.
    // The share shown is the whole job's, as a progress bar's would be; the
    // status names the column.
    const Long sampleCount = static_cast<Long>(ws.samples.Samples.size());
    const qint64 perColumn = qint64{sampleCount} + 1;
    LongJob job(qint64{option.LimitCount} * perColumn, {}, LongJob::Bar::Fills,
                [&](const QString&, float share) { return view.showProgress(FormatPercent(share, 0)); });
    QString status;
    const auto showStatus = [&](Integer q, int L) {
        status = StatusText(option, q, L);
        view.showStatus(status);
    };
    QStringList refused;
    bool stopped = false;
    for (int L = 0; L < option.LimitCount && !stopped; ++L) {
        const qint64 first = qint64{L} * perColumn;
        const auto poll = [&](Long reached) { return job.step(first + reached); };
        if (counting) {
            // Every block of the column is counted in one pass, under the
            // status of its first block.
            showStatus(option.Qno, L);
            const ColumnBlocks blocks = BlocksOfColumn(questionnaire, option, L, refused);
            if (!CountSamples(ws, option, table, L, blocks, poll, threads)) {
                stopped = true;
                break;
            }
            // The column is whole and is shown; a stop seen now ends the run after it.
            stopped = !poll(sampleCount);
        }
        std::vector<SheetCell> cells;
        for (Integer q = option.Qno; q <= option.ToQno; ++q) {
            showStatus(q, L);
            if (reorder && table.counted(q, L))
                SortResultRows(questionnaire, table, q, L, menus.sort);
            std::ranges::move(BlockCells(questionnaire, sheet, q, L), std::back_inserter(cells));
        }
        view.showColumn(L, std::move(cells));
    }
    if (counting)
        sheet.stoppedAt = stopped ? status : QString();
    else if (!sheet.stoppedAt.isEmpty())
        view.showStatus(sheet.stoppedAt);
    sheet.totaled = true;
    sheet.sorted = menus.sort;
    TellRefusedBlocks(refused);
}

}  // namespace kz
