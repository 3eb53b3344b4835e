// The result of a count sheet: the rows of each question's block, and for
// each result column the choice code and the count on every row.
//
// Rows of the block of question q, from RowStart[q]: the heading, the
// overall condition, the column's condition, one row per choice in display
// order, the base row (the samples counted) and an empty separator. The
// four rows without a choice carry the header code MakeQC(q, 0) - 32768.
#pragma once

#include <array>
#include <vector>

#include "model/survey_types.h"

namespace kz {

struct Survey;
struct TotalOptionRec;

// A sheet ends before this row; the row plan cuts the question range there.
inline constexpr int SheetRowLimit = 1999;
// Rows of a block besides its choices.
inline constexpr int BlockExtraRows = 5;
// The rows of a block before its first choice row.
inline constexpr int BlockHeadRows = 3;

struct ResultTable {
    // First grid row of each question's block; RowStart[ToQno + 1] is the
    // number of grid rows.
    std::array<Integer, MaxQuestions + 1> RowStart{};
    int columns = 0;
    // Rows each column holds: the grid's rows and the two after them, which
    // the page writer reads past the last block.
    int rows = 0;
    std::vector<Integer> ResultCode;
    std::vector<Long> ResultCount;

    Integer& code(int L, int row) { return ResultCode[index(L, row)]; }
    Integer code(int L, int row) const { return ResultCode[index(L, row)]; }
    Long& count(int L, int row) { return ResultCount[index(L, row)]; }
    Long count(int L, int row) const { return ResultCount[index(L, row)]; }

    // Whether block (q, L) was counted to its end. A block left uncounted
    // (stopped, or refused for its condition) shows and writes nothing.
    bool counted(Integer q, int L) const { return blockCounted_[blockIndex(q, L)]; }
    void setCounted(Integer q, int L, bool counted) { blockCounted_[blockIndex(q, L)] = counted; }

    // Every cell zero, no block counted.
    void reset(int columnCount, int rowCount);

private:
    size_t index(int L, int row) const { return static_cast<size_t>(L) * static_cast<size_t>(rows) + row; }
    static size_t blockIndex(Integer q, int L) { return static_cast<size_t>(L) * MaxQuestions + q; }
    std::vector<bool> blockCounted_;
};

// The header code of the rows of q's block that hold no choice.
Integer BlockHeaderCode(Integer q);
// The base row of q's block.
int BaseRow(const Survey& questionnaire, const ResultTable& table, Integer q);

// Plans the blocks of option.Qno .. option.ToQno from row 1, below the fixed
// row. When a block would pass row SheetRowLimit the range is cut after the
// last question that fits: option.ToQno becomes that question and the user
// is told. The table is then sized for option.LimitCount columns, zeroed,
// and given the header codes of every block.
void PlanRows(const Survey& questionnaire, TotalOptionRec& option, ResultTable& table);

}  // namespace kz
