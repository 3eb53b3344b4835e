// The columns of a count sheet, from its display menus: per result column a
// block of a label column (the first block, or every block when ordered by
// count, since each then orders its own choices), one or two value columns
// and, when asked for, a narrow spacer.
#pragma once

#include <vector>

#include "runtime/vbtypes.h"

namespace kz {

// The checked states of the sheet's display menus.
struct DisplayMenus {
    // The checked percent item: 0 "人数だけ表示", 1 "人数と％を表示",
    // 2 "％だけ表示"; -1 none.
    int percentItem = 1;
    bool sort = false;   // "多い順に並び変える"
    bool space = false;  // "個別限定の間に空白を入れる"
};

// Bits of DisplayOptions, as page files store them. The low two bits are
// the percent mode: 1 counts only, 3 counts and percentages, 2 percentages
// only, 0 when no percent item is checked.
enum DisplayOption : Integer {
    ShowCounts = 1,
    ShowPercents = 2,
    OrderByCount = 4,
    SpacerColumns = 8,
};

struct ColumnPlan {
    // First grid column of each result column's block; the entry after the
    // last block is the number of grid columns.
    std::vector<Integer> ColStart;
    Integer DisplayOptions = 0;
};

ColumnPlan PlanColumns(const DisplayMenus& menus, Integer limitCount);

// The result column whose block holds grid column `col`; -1 for a column of
// no block, as the one that closes a sheet without spacers.
int BlockOfColumn(const ColumnPlan& plan, int col);

// The menus that DisplayOptions (as a page file stores them) stand for.
DisplayMenus DisplayMenusOf(Integer displayOptions);

// The grid columns of one block; -1 for a column the block does not have.
struct BlockColumns {
    int label = -1;
    int firstValue = 0;
    int secondValue = -1;
    int spacer = -1;
    // Where the block's counts and percentages go.
    int count = -1;
    int percent = -1;
};

BlockColumns ColumnsOfBlock(const std::vector<Integer>& colStart, Integer displayOptions, int L);

}  // namespace kz
