// Writing a stored sample back as the entry window's coloured reply text.
#pragma once

#include <QString>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

struct Settings;

// What the reply text shows besides the answers; the bits of the settings'
// ColourSlot::DisplayFlags, which the entry window's menu toggles.
enum ReplyDisplayFlag : int {
    ReplyShowNames = 1,    // "[" name "]" before each question's answers
    ReplyShowReturns = 2,  // "¶" before each line break
};

// The answers of the workspace's sample Dno in reply notation as rich text, one paragraph
// per reply-sheet line: every question before CursorQ in full and closed by
// "-" (on the line of its last answer), then the first CursorN slots of
// question CursorQ, then (with names shown) the name of question CursorQ and
// the escaped Tail. Fonts and colours come from this computer's reply font
// and ReplyColourSlots; a question whose own condition the sample does not
// meet is in the NotApplicable colour.
// Caret (out) is set, 0-based in the displayed plain text with CR LF as two
// characters, to the place after question CaretQ; it is left alone when
// CaretQ is none of the questions written.
QString BuildReplyRTF(const Workspace& ws, const Settings& computer, Long Dno, Integer CursorQ, Integer CursorN,
                      int& Caret, Integer CaretQ, const QString& Tail, int displayFlags);

}  // namespace kz
