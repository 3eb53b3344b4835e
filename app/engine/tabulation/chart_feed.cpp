#include "tabulation/chart_feed.h"

#include <algorithm>
#include <vector>

#include "model/question_codes.h"
#include "model/survey.h"
#include "runtime/number_format.h"
#include "tabulation/count_sheet.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

// The chart control takes no longer texts.
constexpr int ChartTextLength = 80;
// Conditions of a column that takes everyone.
const QString NoCondition = QStringLiteral("条件なし");

QString Cut(const QString& text) { return text.left(ChartTextLength); }

double Share(Long n, Long base) { return base > 0 ? static_cast<double>(n) / base : 0.0; }

// One question's block in one result column: each column orders its own
// rows. Its counts are taken by choice once, as the chart asks for each
// choice in every column.
class Block {
public:
    Block(const Survey& questionnaire, const ResultTable& table, Integer q, int L)
        : counts_(static_cast<size_t>(questionnaire.Questions[q].ChoiceCount), 0)
    {
        const int baseRow = BaseRow(questionnaire, table, q);
        base_ = table.count(L, baseRow);
        for (int row = table.RowStart[q] + BlockHeadRows; row < baseRow; ++row) {
            const Integer c = QCChoice(table.code(L, row));
            if (c >= static_cast<Integer>(counts_.size()))
                continue;
            order_.push_back(c);
            counts_[static_cast<size_t>(c)] = table.count(L, row);
        }
    }

    Long base() const { return base_; }
    Long count(Integer c) const { return counts_[static_cast<size_t>(c)]; }
    // The choices in the order the block shows them.
    const std::vector<Integer>& order() const { return order_; }

private:
    std::vector<Long> counts_;
    std::vector<Integer> order_;
    Long base_ = 0;
};

// The choices with a count in any sent column, at least two: when fewer
// have one, the lowest-numbered others fill up.
std::vector<Integer> ChartedChoices(const std::vector<Block>& blocks, Integer choiceCount, bool reverse)
{
    std::vector<bool> marked(static_cast<size_t>(choiceCount), false);
    int markedCount = 0;
    for (Integer c = 0; c < choiceCount; ++c) {
        marked[c] = std::any_of(blocks.begin(), blocks.end(), [c](const Block& block) { return block.count(c) > 0; });
        markedCount += marked[c] ? 1 : 0;
    }
    for (Integer c = 0; c < choiceCount && markedCount < 2; ++c)
        if (!marked[c]) {
            marked[c] = true;
            ++markedCount;
        }
    std::vector<Integer> choices;
    for (Integer c : blocks.front().order())
        if (marked[c])
            choices.push_back(c);
    if (reverse)
        std::reverse(choices.begin(), choices.end());
    return choices;
}

}  // namespace

std::optional<ChartFeed> FeedChart(const Survey& questionnaire, const CountSheet& sheet,
                                   const ChartFeedOptions& options, int row, int col, ChartFeedState& state)
{
    const TotalOptionRec& option = sheet.SheetOption;
    const ResultTable& table = sheet.result;
    if (option.LimitCount < 1 || table.columns < option.LimitCount || row < 0 || row >= table.rows
        || sheet.columns.ColStart.size() < 2)
        return std::nullopt;
    const Integer code = table.code(0, row);
    if (code < 0)
        return std::nullopt;
    Integer q = 0;
    Integer c = 0;
    SplitQC(code, q, c);
    if (c == 0 || q < option.Qno || q > option.ToQno)
        return std::nullopt;
    const int blockUnder = BlockOfColumn(sheet.columns, col);
    // The column that closes the sheet stands beside the last block.
    const int L = blockUnder >= 0 ? blockUnder : static_cast<int>(sheet.columns.ColStart.size()) - 2;
    if (q == state.LastGraphQ && !(options.oneColumn && L != state.LastGraphCol))
        return std::nullopt;
    state.LastGraphQ = state.shownQ = q;
    state.LastGraphCol = state.shownCol = L;

    std::vector<int> sent;
    if (options.oneColumn)
        sent.push_back(L);
    else
        for (int column = 0; column < option.LimitCount; ++column)
            sent.push_back(column);
    std::vector<Block> blocks;
    for (int column : sent)
        blocks.emplace_back(questionnaire, table, q, column);

    ChartFeed feed;
    feed.title = QuestionHeading(questionnaire, q, HeadingText | HeadingMax);
    const QString onlyColumn = sent.size() == 1 ? sheet.ColumnText.value(sent.front()) : QString();
    if (sent.size() == 1 && onlyColumn != NoCondition)
        feed.title += QLatin1Char('[') + onlyColumn + QLatin1Char(']');
    feed.title = Cut(feed.title);

    QVariantList header{QVariant()};
    for (int column : sent)
        header << Cut(sheet.ColumnText.value(column));
    feed.data << header;
    const Block firstColumn(questionnaire, table, q, 0);
    for (Integer choice : ChartedChoices(blocks, questionnaire.Questions[q].ChoiceCount, options.reverse)) {
        QString label = ChoiceLabel(questionnaire, q, choice, false, false);
        if (options.percentLabels)
            label += FormatPercent(Share(firstColumn.count(choice), firstColumn.base()), 0);
        QVariantList values{Cut(label)};
        for (const Block& block : blocks) {
            const Long n = block.count(choice);
            values << (options.percentValues ? Share(n, block.base()) * 100 : static_cast<double>(n));
        }
        feed.data << values;
    }
    return feed;
}

std::optional<ChartFeed> FeedChartAgain(const Survey& questionnaire, const CountSheet& sheet,
                                        const ChartFeedOptions& options, ChartFeedState& state)
{
    const TotalOptionRec& option = sheet.SheetOption;
    const ResultTable& table = sheet.result;
    const Integer q = state.shownQ;
    if (q < option.Qno || q > option.ToQno || option.LimitCount < 1 || table.columns < option.LimitCount
        || sheet.columns.ColStart.size() <= static_cast<size_t>(option.LimitCount))
        return std::nullopt;
    const int L = std::min(state.shownCol, option.LimitCount - 1);
    // Any choice row of the question but the no-answer one sends it.
    for (int row = table.RowStart[q] + BlockHeadRows; row < BaseRow(questionnaire, table, q); ++row) {
        if (table.code(0, row) >= 0 && QCChoice(table.code(0, row)) > 0) {
            state.LastGraphQ = -1;
            return FeedChart(questionnaire, sheet, options, row, sheet.columns.ColStart[static_cast<size_t>(L)],
                             state);
        }
    }
    return std::nullopt;
}

}  // namespace kz
