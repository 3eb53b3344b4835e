#include "document/document.h"

namespace kz {

DocumentState document;

}  // namespace kz
