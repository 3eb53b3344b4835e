#include "tabulation/column_plan.h"

#include <algorithm>
#include <iterator>

namespace kz {

namespace {

constexpr int CountsAndPercentsItem = 1;
constexpr Integer PercentModes[] = {ShowCounts, ShowCounts | ShowPercents, ShowPercents};

}  // namespace

ColumnPlan PlanColumns(const DisplayMenus& menus, Integer limitCount)
{
    ColumnPlan plan;
    plan.ColStart.assign(static_cast<size_t>(limitCount) + 1, 0);
    Integer col = 0;
    for (int L = 0; L < limitCount; ++L) {
        if (menus.sort || L == 0)
            ++col;
        ++col;
        if (menus.percentItem == CountsAndPercentsItem)
            ++col;
        if (menus.space)
            ++col;
        plan.ColStart[static_cast<size_t>(L) + 1] = col;
    }
    // Without spacers one more column closes the sheet.
    if (!menus.space)
        ++plan.ColStart.back();
    if (menus.percentItem >= 0 && menus.percentItem < static_cast<int>(std::size(PercentModes)))
        plan.DisplayOptions = PercentModes[menus.percentItem];
    if (menus.sort)
        plan.DisplayOptions |= OrderByCount;
    if (menus.space)
        plan.DisplayOptions |= SpacerColumns;
    return plan;
}

int BlockOfColumn(const ColumnPlan& plan, int col)
{
    const std::vector<Integer>& colStart = plan.ColStart;
    if (colStart.size() < 2)
        return -1;
    // Without spacers the last grid column closes the sheet, beside the blocks.
    const int blocksEnd = (plan.DisplayOptions & SpacerColumns) ? colStart.back() : colStart.back() - 1;
    if (col < colStart.front() || col >= blocksEnd)
        return -1;
    const auto next = std::upper_bound(colStart.begin(), colStart.end(), col);
    return static_cast<int>(next - colStart.begin()) - 1;
}

DisplayMenus DisplayMenusOf(Integer displayOptions)
{
    DisplayMenus menus;
    const Integer mode = displayOptions & (ShowCounts | ShowPercents);
    const auto item = std::find(std::begin(PercentModes), std::end(PercentModes), mode);
    menus.percentItem = item == std::end(PercentModes) ? -1 : static_cast<int>(item - std::begin(PercentModes));
    menus.sort = (displayOptions & OrderByCount) != 0;
    menus.space = (displayOptions & SpacerColumns) != 0;
    return menus;
}

BlockColumns ColumnsOfBlock(const std::vector<Integer>& colStart, Integer displayOptions, int L)
{
    BlockColumns block;
    int col = colStart[static_cast<size_t>(L)];
    if (L == 0 || (displayOptions & OrderByCount))
        block.label = col++;
    block.firstValue = col++;
    const Integer mode = displayOptions & (ShowCounts | ShowPercents);
    if (mode == (ShowCounts | ShowPercents))
        block.secondValue = col++;
    if (displayOptions & SpacerColumns)
        block.spacer = col;
    if (mode & ShowCounts)
        block.count = block.firstValue;
    if (mode == ShowPercents)
        block.percent = block.firstValue;
    else if (mode & ShowPercents)
        block.percent = block.secondValue;
    return block;
}

}  // namespace kz
