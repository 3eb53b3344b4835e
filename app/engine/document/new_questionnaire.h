// The steps that set up a new questionnaire as the new-questionnaire wizard
// takes them: a new unnamed document, then a blank questionnaire or the
// structure of the one loaded, and at the end the document named by its
// first save. The wizard may go back and forward over its pages; the record
// of what was done tells it when doing a step again would throw work away.
#pragma once

#include <QString>

#include "host/settings.h"
#include "model/workspace.h"

namespace kz {

struct NewQuestionnaireSteps {
    // The new unnamed document exists: the old one is gone from memory.
    bool newDocument = false;
    // The structure was chosen, blank or the loaded one.
    bool structureChosen = false;
    // The questionnaire was blanked: the loaded structure is gone.
    bool blank = false;
};

// A new unnamed document without samples. A hidden questionnaire (locked at
// level 2) offers no structure to build on, so it is blanked as well.
void StartNewDocument(Workspace& ws, const Settings& computer, NewQuestionnaireSteps& steps, bool hiddenBase);

// Keeps the loaded questionnaire's questions, conditions and reply lines, or
// blanks it.
void ChooseStructure(Workspace& ws, NewQuestionnaireSteps& steps, bool useLoaded);

// Whether the structure choice would throw away what was set up since it
// was first made.
inline bool ChoiceLosesWork(const NewQuestionnaireSteps& steps, bool useLoaded)
{
    return steps.structureChosen && !useLoaded;
}

// The default questionnaire ready for answers: one reply line per question
// and its answer layout.
void NewBlankQuestionnaire(Workspace& ws);

// The new document saved as `path`: it is named and unlocked.
void CompleteNewDocument(DocumentState& state, const QString& path);

}  // namespace kz
