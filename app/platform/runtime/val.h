// The legacy Val: the number a text starts with.
#pragma once

#include <QString>

namespace kz {

// Reads the number at the start of text and ignores whatever follows it.
// Blanks (space, tab, LF, CR) are skipped everywhere, also between digits:
// Val(" 1 2") = 12. Then an optional sign, digits, one "." and an exponent
// E/e/D/d with optional sign; the first character that cannot continue the
// number ends it. No number at all gives 0: Val("") = Val("abc") = 0.
// The "." is the decimal point whatever the locale.
//
// "&H" (hexadecimal) and "&O" (octal) read an unsigned literal and give it
// the type it would have had in the legacy language: up to &HFFFF it is an
// Integer (&HFFFF = -1, &H8000 = -32768), up to &HFFFFFFFF a Long
// (&HFFFFFFFF = -1); a wider literal, which raised an overflow there, gives
// its plain unsigned value here. A decimal number too large for a double
// gives +/-infinity, which the range checks (FitsInteger, FitsLong) reject.
double Val(const QString& text);

}  // namespace kz
