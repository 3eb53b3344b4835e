// Colours as the settings keep them: red + green * 256 + blue * 65536.
#pragma once

#include <QColor>

#include "runtime/vbtypes.h"

namespace kz {

inline QColor ColourOf(Long rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

inline Long RgbOf(const QColor& colour) { return colour.red() + colour.green() * 256 + colour.blue() * 65536; }

}  // namespace kz
