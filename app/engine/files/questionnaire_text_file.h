// The questionnaire's structure as comma-separated text: its questions with
// their own conditions, and their choices. Written for other programs;
// nothing here reads it back.
#pragma once

#include <QString>

#include "model/workspace.h"

namespace kz {

inline const QString QuestionnaireTextMagic = QStringLiteral("Kelvor Zuntabo Questionaire Text Data Since 96.7A");

// The file's text, lines ended by CR LF: the magic, the data file's path,
// title, author and question count; then per question a line "q,label,text,
// MaxAnswers,CodeStyle,ChoiceCount," followed by "KindRank,question,choice,"
// for each entry of its condition up to and including the end entry (a
// condition without one stops after its last entry), one line "q,c,label,
// Attr" per choice from 1, and an empty line. Texts are written as they are.
QString QuestionnaireTextFile(const Workspace& ws);

}  // namespace kz
