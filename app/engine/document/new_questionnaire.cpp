#include "document/new_questionnaire.h"

#include "document/document_routines.h"
#include "document/menu_state.h"
#include "model/document.h"
#include "model/survey.h"
#include "model/workspace.h"
#include "reply/paragraph_table.h"

namespace kz {

void StartNewDocument(NewQuestionnaireSteps& steps, bool hiddenBase)
{
    InitNewFile();
    steps.newDocument = true;
    if (hiddenBase)
        ChooseStructure(steps, false);
}

void ChooseStructure(NewQuestionnaireSteps& steps, bool useLoaded)
{
    steps.structureChosen = true;
    if (useLoaded)
        return;
    NewBlankQuestionnaire();
    steps.blank = true;
}

void NewBlankQuestionnaire()
{
    NewQuestionnaire();
    // Lines that all start at the first slot leave the first line no room
    // for an answer: the entry window would refuse the first one.
    OneLinePerQuestion(ProgramWorkspace());
    ComputeAnswerLayout(survey);
}

void CompleteNewDocument(const QString& path)
{
    SetDocumentPath(document, path);
    UnlockMenus();
    document.ProtectLevel = 0;
}

}  // namespace kz
