#include "model/document_events.h"

#include "model/document.h"
#include "model/survey.h"

namespace kz {

DocumentEvents& documentEvents()
{
    static DocumentEvents events;
    return events;
}

void AnnounceCaption(const Survey& questionnaire, const DocumentState& state)
{
    if (state.ProtectLevel < 2)
        emit documentEvents().captionChanged(questionnaire.Title);
}

}  // namespace kz
