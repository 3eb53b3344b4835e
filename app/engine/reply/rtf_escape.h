// Escaping plain text for the entry window's rich text.
#pragma once

#include <QString>

namespace kz {

// Every "\", "{", "}", character below 32 or from 128 becomes "\'hh" per byte
// of its CP932 form (upper-case hex); other characters stay.
QString RtfEscape(const QString& s);

}  // namespace kz
