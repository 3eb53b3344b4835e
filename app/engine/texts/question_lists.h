// The rows of the choice and question lists that windows show. A window puts
// them into its list or combo box; a list passed by reference stands for the
// control's current entries (List(0), List(1), ...).
#pragma once

#include <QStringList>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// ChoiceLabel with code and tags of choices 1 to ChoiceCount - 1; the window
// selects the first row.
QStringList FillChoiceList(const Survey& questionnaire, Integer q);
// Rewrites list[c - 1] for the choices from c to the last.
void SetChoiceListItem(const Survey& questionnaire, QStringList& list, Integer q, Integer c);

// One heading per question ("Q" number and label); the window selects row 0.
QStringList FillQuestionList(const Survey& questionnaire);
// The same with the question editor's heading: number, label and the
// description of the question's limit.
QStringList FillQuestionList2(const Survey& questionnaire);

// Recomputes the questionnaire's limit depths and rewrites list[q] for the questions from
// `from` to the last: the question's number and label behind a tree prefix,
// "|  " per level above the first and "|  " (continuing the branch of the
// nearest question above at the same or a lower depth, whose limit is the
// same) or "+--" (opening a new branch). The window then selects row `from`.
void FillQuestionTree(Survey& questionnaire, QStringList& list, Integer from);

}  // namespace kz
