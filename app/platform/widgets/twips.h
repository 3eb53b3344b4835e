// Twips, the unit the windows' sizes are written in (1440 to the logical
// inch), and the pixels Qt lays out in. Sizes are kept in twips and turned
// into pixels only where they reach a widget.
#pragma once

#include <QtGlobal>

namespace kz::widgets {

int TwipsToPixels(int twips, qreal dpi);
int PixelsToTwips(int pixels, qreal dpi);

}  // namespace kz::widgets
