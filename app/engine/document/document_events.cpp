#include "document/document_events.h"

namespace kz {

DocumentEvents& documentEvents()
{
    static DocumentEvents events;
    return events;
}

}  // namespace kz
