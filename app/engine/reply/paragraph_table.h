// The reply sheet's line breaks as the line-break window edits them: where
// each line of the reply begins (ParagraphStart) and on which lines the
// external process runs (ParagraphExeDLL).
#pragma once

#include <QString>

#include <vector>

#include "model/workspace.h"
#include "reply/reply_lines.h"
#include "runtime/vbtypes.h"

namespace kz {

// The highest line index the tables hold (entry 256 is never edited).
inline constexpr int LastParagraph = 255;

// The rows of the sheet: a line row where a line begins, a row per answer
// slot, and the end row after the last slot.
struct ParagraphRow {
    enum Kind { Line, Slot, End };
    Kind kind = Slot;
    // A line row's and the end row's own line; for a slot row, the next
    // line to begin after it.
    Integer line = 0;
    // A slot row's position code MakeQC(q, s); 0 for the others.
    Integer position = 0;
    QString text;
};

// Every row, walking the answer slots of all questions in order.
std::vector<ParagraphRow> ParagraphRows(const Workspace& ws);

// A line row's text: "■第<k + 1>行 " and a dashed rule that names the
// external process when the line runs it.
QString ParagraphLineText(const Workspace& ws, Integer k);

// Whether the line after line `paragraph` of the reply sheet starts at
// slot (q, s): writers of reply notation break the line there, asking for
// every slot.
inline bool LineStartsAt(const Survey& survey, int paragraph, Integer q, Integer s)
{
    return paragraph + 1 < int(survey.ParagraphStart.size()) && survey.ParagraphStart[paragraph + 1] == SlotOf(q, s);
}

// Starts line k at the slot `position`, moving the lines from k on up by
// one (entry 255 then repeats entry 254); the new line keeps line k's
// external-process flag. False, with nothing changed, when k + 2 is not
// below 256.
bool InsertParagraph(Workspace& ws, Integer k, Integer position);

// Removes line k, moving the later lines down by one (entry 255 then
// repeats entry 254).
void RemoveParagraph(Workspace& ws, Integer k);

// One line for each of the first `questions` questions, each beginning at
// its question's first slot; the entries from `questions` on mark the end.
// No line runs the external process.
void OneLinePerQuestion(Survey& questionnaire, Integer questions);

}  // namespace kz
