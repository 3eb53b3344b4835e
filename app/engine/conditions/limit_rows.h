// The rows of a condition as the limit editor writes them, one at a time. The
// editor's list shows a header line, one line per row and a footer line, so
// a line number names a row (1 to n), the header (0) or the footer (n + 1).
//
// The rows always keep a range whole: a range end ("から") follows a row on
// the same question with a lower choice, and no row is put between the two.
// The evaluation relies on that. Refusals are told the user as they happen.
#pragma once

#include <array>

#include "model/survey_types.h"
#include "runtime/vbtypes.h"

namespace kz {

inline constexpr int MaxLimitRows = 14;

// The rows shown and edited: up to the end entry, at most MaxLimitRows.
int LimitRowCount(const Condition& rows);

// A row the user asks for: a kind (KindOr to KindExclude), the question and
// choice, and the rank of the answer (0: any).
struct LimitRowRequest {
    Integer kind = 0;
    Integer question = 0;
    Integer choice = 0;
    Integer rank = 0;
};

struct LimitRowWrite {
    bool written = false;
    // The line of the written row.
    int line = 0;
    // A range end was asked with a rank: the editor shows "any rank" again.
    bool rankReset = false;
};

// Writes the row at `line`, the rows from there moving down (the header
// counts as line 1, the footer appends). Refused with a message, and the rows
// left as they were: a 15th row; a row between a range start and its end; an
// alternative as the first row; a range end with a rank, on another question
// than the row before, or on its choice. A range end at the first row or
// behind another range end is written as a required row. A range end on a
// lower choice than the row before swaps the two choices, so ranges run
// upwards.
LimitRowWrite WriteLimitRow(Condition& rows, int line, const LimitRowRequest& request);

// Deletes the row at `line`; a range start goes with its end. The number of
// rows removed; 0, with a beep, when the line is not a row.
int DeleteLimitRow(Condition& rows, int line);

// Ends the condition at entry 1; the head stays.
void ClearLimitRows(Condition& rows);

// The head mask requiring the stored limits marked in `required`, and back.
Integer HeadMask(const std::array<bool, StoredLimitCount>& required);
std::array<bool, StoredLimitCount> RequiredStoredLimits(Integer headMask);

}  // namespace kz
