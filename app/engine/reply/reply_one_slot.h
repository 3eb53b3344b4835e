// A reply-sheet line of one answer slot takes its value bare: "12" for
// choice 12, a text without slashes for a free text. Before such a value is
// read it is rewritten into the written-out form.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

// Rewrites the value that starts at position p (1-based, a character of the
// text, not a line end) and runs to the end of its line: a whole number from
// 1 to choiceCount - 1 becomes "." n ".", any other value of two characters
// or more a free text "/" value "/" ("/*" value "*/" when it starts with
// "*"). The value ends before a "[" (a question name and the blanks before
// it), and a "-" that then closes it or the line is no part of it, nor is the
// "¶" after that "-"; a line that already holds a "/" and a value already
// dotted are left alone.
// Returns whether the text changed; it then holds "." or "/" at p.
bool RewriteOneSlotValue(QString& reply, int p, Integer choiceCount);

}  // namespace kz
