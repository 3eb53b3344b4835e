#include "host/settings.h"

namespace kz {

Settings settings;

}  // namespace kz
