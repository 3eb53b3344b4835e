// The question editor's rules that compute something: which symbol set a
// question's choices fit, the quantity bounds, whether a text file can serve
// as a code table, the "other" choice already marked, a new question's
// record and the hierarchy's condition copy.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// The symbol set a question of choiceCount choices ("無回答" included)
// shows when `style` is chosen: the style itself when every choice has a
// symbol in it, otherwise 0 ("0-127").
Integer FittingCodeStyle(Integer style, Integer choiceCount);

// A quantity's bounds as entered, the smaller first.
std::pair<double, double> OrderedBounds(double low, double high);

// The first line that keeps a text file from being a code table (one code
// and label pair per line: a line with two commas or more that is neither
// empty nor a "'" comment); nothing when every line is valid.
std::optional<QString> InvalidCodeTableLine(const QStringList& lines);

// The question's stored text from its three parts: name, sentence and limit
// description, each ended by CR, cut to the 128-character field.
QString JoinQuestionText(const QString& name, const QString& sentence, const QString& limitText);

// Question q becomes a new question of choiceCount choices: named "質問" and
// its 1-based number, one answer allowed, no condition, choice 0 "無回答"
// exclusive and the other choices empty. Returns the symbol set the record
// carried before (the caller re-applies it when the choices fit).
Integer MakeNewQuestion(Survey& questionnaire, Integer q, Integer choiceCount);

// Question dst takes question src's condition (and so src's parent): the
// head and the rows up to and including the first ending row.
void CopyParentLimit(Survey& questionnaire, Integer src, Integer dst);

}  // namespace kz
