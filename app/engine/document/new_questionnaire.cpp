#include "document/new_questionnaire.h"

#include "document/document_routines.h"
#include "document/menu_state.h"
#include "model/survey.h"
#include "reply/paragraph_table.h"

namespace kz {

void StartNewDocument(Workspace& ws, const Settings& computer, NewQuestionnaireSteps& steps, bool hiddenBase)
{
    InitNewFile(ws, computer);
    steps.newDocument = true;
    if (hiddenBase)
        ChooseStructure(ws, steps, false);
}

void ChooseStructure(Workspace& ws, NewQuestionnaireSteps& steps, bool useLoaded)
{
    steps.structureChosen = true;
    if (useLoaded)
        return;
    NewBlankQuestionnaire(ws);
    steps.blank = true;
}

void NewBlankQuestionnaire(Workspace& ws)
{
    NewQuestionnaire(ws.survey);
    // Lines that all start at the first slot leave the first line no room
    // for an answer: the entry window would refuse the first one.
    OneLinePerQuestion(ws.survey, ws.survey.QuestionCount);
    ComputeAnswerLayout(ws.survey);
}

void CompleteNewDocument(DocumentState& state, const QString& path)
{
    SetDocumentPath(state, path);
    UnlockMenus(state);
    state.ProtectLevel = 0;
}

}  // namespace kz
