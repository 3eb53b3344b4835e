#include "runtime/number_format.h"

#include <charconv>
#include <cmath>

namespace kz {

QString Format(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0)
        return QStringLiteral("0");  // also for -0

    // to_chars' general form at precision 15 is the legacy rule exactly: the
    // exponent form when the rounded exponent is < -4 or >= 15, trailing
    // zeros dropped; and unlike printf it ignores the locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

QString FormatPercent(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // The digits the legacy formatting rounds: the value's 15 significant ones.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value * 100 * scale, std::chars_format::scientific, 14);
    double seen = 0;
    std::from_chars(buffer, result.ptr, seen);
    const double rounded = std::round(seen) / scale;
    char out[48];
    char* end =
        std::to_chars(out, out + sizeof out - 1, rounded == 0 ? 0.0 : rounded, std::chars_format::fixed, decimals)
            .ptr;
    *end++ = '%';
    return QString::fromLatin1(out, end - out);
}

}  // namespace kz
