// The legacy general number format (Format or Str without a pattern).
#pragma once

#include <QString>

namespace kz {

// Up to 15 significant digits without trailing zeros and without a leading
// blank: "0", "2.5", "-3", "0.125". Magnitudes from 1E15 up and below 1E-4
// take the exponent form with a signed exponent of at least two digits:
// "1E+15", "1.5E-07". The "." is the decimal point whatever the locale.
// Values the legacy language could not hold print as "NaN", "Inf", "-Inf".
QString Format(double value);

// The legacy percent patterns "##0%" (decimals 0) and "##0.0%" (decimals 1):
// value * 100 with at least one whole digit, rounded half away from zero
// on its 15 significant digits as the legacy formatting sees them: 0.333
// gives "33.3%", 0.0125 "1.3%", 0 "0.0%".
QString FormatPercent(double value, int decimals);

}  // namespace kz
