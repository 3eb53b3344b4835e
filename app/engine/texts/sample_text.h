// One sample's answers as readable text, question after question, for the
// sample view.
#pragma once

#include <QString>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// The answers of the sample at position `sample` to the questions from
// `fromQ` up to below `endQ` (at most the last question). Each question is
// introduced by its label and " : ", or, with `withQuestions`, by a line
// "---- " label and sentence, and followed by an empty line. Its answers
// follow as "(code)text", with "/free text/ " after an answer that has
// one, separated by ", "; a question whose condition the sample does not
// meet reads "(該当せず)". Lines end with CR LF.
QString SampleViewText(const Workspace& ws, Long sample, Integer fromQ, Integer endQ, bool withQuestions);

// The position of the sample the view is told to show by the texts of a
// position and an ID. Positions move when samples are added or deleted, so
// the position is taken only while the sample there has the ID; otherwise,
// as when no position is given, the sample is found by its ID. -1 when no
// sample has the ID.
Long SampleViewPosition(const Workspace& ws, const QString& dno, const QString& idText);

}  // namespace kz
