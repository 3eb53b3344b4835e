// A choice's label with its attribute tags, and the text block in which a
// choice is stored.
#pragma once

#include <QString>

#include <vector>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// "(" code ")" when withCode, the choice's text, and with withTags its
// attribute tags: "［記述］", "［数値:Low-High］" or "[ｺｰﾄﾞ:CodeFile]",
// then "［排他］", "［その他］", "［複数］".
QString ChoiceLabel(const Survey& questionnaire, Integer q, Integer c, bool withCode, bool withTags);

// Stores a choice from its text block: "label", "label CR CodeFile" or
// "label CR Low CR High"; fields the block does not name keep their values.
void SetChoiceText(Survey& questionnaire, Integer q, Integer c, const QString& block);
// The text block the data file keeps: "Text CR CodeFile" for a coded choice,
// else "Text CR Low CR High".
QString ChoiceTextBlock(const Survey& questionnaire, Integer q, Integer c);

// The first choice from 1 marked as the question's other choice, passing
// over `except` (the editor asks for another one than a choice it marks);
// -1 when there is none.
Integer FindOtherChoice(const Survey& questionnaire, Integer q, Integer except = -1);

// One entry per question: true when a choice from 1 takes free text,
// otherwise !flag.
std::vector<bool> MarkEssayQuestions(const Survey& questionnaire, bool flag);

}  // namespace kz
