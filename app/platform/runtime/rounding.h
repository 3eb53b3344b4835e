// Rounding to whole numbers as the legacy conversions do it: half to even.
#pragma once

#include "runtime/vbtypes.h"

namespace kz {

// The nearest whole number; an exact half goes to the even neighbour:
// 2.5 -> 2, 3.5 -> 4, -2.5 -> -2, 0.5 -> 0.
double RoundHalfEven(double v);

// Whether CInt / CLng can take v once it is rounded. NaN and infinities
// fit neither.
bool FitsInteger(double v);
bool FitsLong(double v);

// v rounded half to even. Precondition: FitsInteger(v) / FitsLong(v); the
// legacy conversions raised an overflow there. Debug builds assert; release
// builds clamp to the nearest bound (NaN gives 0) rather than invoke
// undefined behaviour.
Integer CInt(double v);
Long CLng(double v);

}  // namespace kz
