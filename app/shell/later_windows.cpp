#include "later_windows.h"

namespace kz {

LaterWindows laterWindows;

}  // namespace kz
