// The legacy string functions, counting positions from 1 in UTF-16 units.
#pragma once

#include <QString>

namespace kz {

// The part of s from position start (1-based), at most length characters;
// a negative length means "to the end". A start past the end gives "".
// Precondition start >= 1 (the legacy call failed otherwise); a smaller
// start asserts in debug builds and counts as 1.
QString Mid(const QString& s, int start, int length = -1);

// The first / last n characters; all of s when n >= Len(s), "" when n <= 0.
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);

// The 1-based position of the first find in s at or after start; 0 when
// there is none. Case counts. An empty find is found at start when
// start <= Len(s) + 1. Precondition start >= 1, handled as in Mid.
int InStr(int start, const QString& s, const QString& find);
int InStr(const QString& s, const QString& find);

}  // namespace kz
