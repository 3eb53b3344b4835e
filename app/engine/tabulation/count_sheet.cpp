#include "tabulation/count_sheet.h"

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

}  // namespace

void RunCountSheet(const Workspace& ws, CountSheet& sheet, const DisplayMenus& menus, CountSheetView& view)
{
    const Survey& questionnaire = ws.survey;
    const TotalOptionRec& option = sheet.SheetOption;
    ResultTable& table = sheet.result;
    const bool counting = !sheet.totaled;
    const bool reorder = counting || menus.sort != sheet.sorted;
    PlanSheet(questionnaire, sheet, menus);
    view.layOut(sheet);

    // One job over every block, each of SampleCount positions and its end.
    const Long sampleCount = static_cast<Long>(ws.samples.Samples.size());
    const qint64 perBlock = qint64{sampleCount} + 1;
    const int questions = option.ToQno - option.Qno + 1;
    LongJob job(qint64{option.LimitCount} * questions * perBlock, {}, LongJob::Bar::Fills,
                [&](const QString& percent, float) { return view.showProgress(percent); });
    // The share of the current block's samples reached.
    const auto percentAt = [&](qint64 i) {
        const qint64 reached = i % perBlock;
        return FormatPercent(sampleCount > 0 ? double(reached) / sampleCount : 1.0, 0);
    };
    const auto step = [&](qint64 i) { return job.step(i, [&] { return percentAt(i); }); };
    QStringList refused;
    for (int L = 0; L < option.LimitCount; ++L) {
        for (Integer q = option.Qno; q <= option.ToQno; ++q) {
            view.showStatus(StatusText(option, q, L));
            const qint64 first = (qint64{L} * questions + (q - option.Qno)) * perBlock;
            if (counting) {
                const std::optional<Condition> cond = WorkingCondition(questionnaire, option, q, L);
                if (!cond)
                    refused.push_back(QStringLiteral("Q%1 個別の限定%2").arg(q + 1).arg(L + 1));
                else
                    CountSamples(ws, option, table, q, L, *cond, [&](Long s) { return step(first + s); });
            }
            if (reorder && table.counted(q, L))
                SortResultRows(questionnaire, table, q, L, menus.sort);
            // A stop leaves this column; the later columns leave at once.
            if (!step(first + sampleCount))
                break;
            view.showBlock(sheet, q, L);
        }
    }
    sheet.totaled = true;
    sheet.sorted = menus.sort;
    TellRefusedBlocks(refused);
}

}  // namespace kz
