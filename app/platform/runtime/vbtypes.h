// The widths every table and file field is built on.
#pragma once

#include <cstdint>

namespace kz {

using Integer = int16_t;  // 16-bit signed
using Long = int32_t;     // 32-bit signed

}  // namespace kz
