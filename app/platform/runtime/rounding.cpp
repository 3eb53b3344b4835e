#include "runtime/rounding.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace kz {
namespace {

template <typename T>
bool Fits(double v)
{
    const double r = RoundHalfEven(v);
    return r >= std::numeric_limits<T>::min() && r <= std::numeric_limits<T>::max();
}

template <typename T>
T Convert(double v)
{
    const double r = RoundHalfEven(v);
    if (std::isnan(r))
        return 0;
    if (r <= std::numeric_limits<T>::min())
        return std::numeric_limits<T>::min();
    if (r >= std::numeric_limits<T>::max())
        return std::numeric_limits<T>::max();
    return T(r);
}

}  // namespace

double RoundHalfEven(double v)
{
    // v - floor(v) is exact in binary floating point, so the comparison with
    // one half is too; no dependence on the current rounding mode.
    const double below = std::floor(v);
    const double fraction = v - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

bool FitsInteger(double v) { return Fits<Integer>(v); }

bool FitsLong(double v) { return Fits<Long>(v); }

Integer CInt(double v)
{
    Q_ASSERT_X(FitsInteger(v), "CInt", "value outside the Integer range");
    return Convert<Integer>(v);
}

Long CLng(double v)
{
    Q_ASSERT_X(FitsLong(v), "CLng", "value outside the Long range");
    return Convert<Long>(v);
}

}  // namespace kz
