// Searching a text within one line.
#pragma once

#include <QString>

namespace kz {

// The 1-based position of find in s at or after start, as InStr gives it, but
// 0 when a CR lies between start and that position. Precondition start >= 1.
int InStrInLine(int start, const QString& s, const QString& find);

}  // namespace kz
