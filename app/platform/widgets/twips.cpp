#include "widgets/twips.h"

#include <cmath>

namespace kz::widgets {

namespace {

constexpr qreal TwipsPerInch = 1440;

}  // namespace

int TwipsToPixels(int twips, qreal dpi) { return int(std::lround(twips * dpi / TwipsPerInch)); }

int PixelsToTwips(int pixels, qreal dpi) { return int(std::lround(pixels * TwipsPerInch / dpi)); }

}  // namespace kz::widgets
