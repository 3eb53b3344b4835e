// Reading the reply notation of one sample: one line per reply-sheet
// paragraph, a choice symbol per answer, free texts between slashes, "-" to
// close a question. The parse checks and stores the answers into the sample
// and finds the question to ask next.
#pragma once

#include <QString>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

class ReplyView;

// The status of a successful parse whose last line asks for the external process.
inline const QString ExeDllStatus = QStringLiteral("EXEDLL");

// Parses Reply and, when it reads without error, stores its answers into
// sample Dno of the workspace (checked and repaired by the answer checks, which report through
// `view` when one is given).
//   Reply    in: the typed text (CR LF line ends); out: the text with its
//            one-slot lines rewritten, also when the parse fails.
//   CursorQ, CursorN  out: the question the next answer goes to and the
//            answers already in it (CursorQ = QuestionCount: complete).
//   Caret    in: the caret as the reply box gives it (the characters before
//            it); an answer that ends at the caret lies under it.
//            out: the error position, 1-based.
//   CaretQ   out: the question of the answer under the caret, else CursorQ
//            (after an error -1 when none was read).
//   Status   out: "" stored; ExeDllStatus stored and the external process is
//            due; otherwise the error message, and nothing was stored.
//   Findings out, when given: the answers the checks repaired (or found at
//            fault) while storing, whether `view` showed them or not.
// Positions are 1-based and count CR LF as two characters.
void ParseReply(Workspace& ws, Long Dno, QString& Reply, Integer& CursorQ, Integer& CursorN, int& Caret,
                Integer& CaretQ, QString& Status, ReplyView* view = nullptr, int* Findings = nullptr);

}  // namespace kz
