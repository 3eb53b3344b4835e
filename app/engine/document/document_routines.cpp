#include "document/document_routines.h"

#include "document/menu_state.h"
#include "host/program_folder.h"
#include "model/sample_table.h"
#include "texts/choice_texts.h"

namespace kz {

void SetUnsavable(DocumentState& state)
{
    state.ProtectLevel = 2;
    // The marker first: the menus take their look from both.
    state.CurrentFilePath = UnsavablePath;
    LockMenus(state);
}

void InitNewFile(Workspace& ws, const Settings& computer)
{
    ws.samples.Samples.clear();
    ++ws.samples.generation;
    ResetIDCursor(ws.samples, computer);
    DocumentState& state = ws.document;
    state.CurrentFilePath = AppDir() + QStringLiteral("new.kz");
    state.untitled = true;
    ws.survey.Password.clear();
    state.ProtectLevel = 0;
    state.WWWDistName = QStringLiteral("newfile");
    state.WWWDistQno = 0;
    state.WWWEssayFull = false;
    ws.survey.ExternProcessName.clear();
}

void NewQuestionnaire(Survey& questionnaire)
{
    questionnaire.Title = QStringLiteral("新規アンケート");
    questionnaire.Author = QStringLiteral("＊＊＊＊");
    questionnaire.QuestionCount = 1;

    QuestionRec& question = questionnaire.Questions[0];
    question.Text = QStringLiteral("質問1\r質問文はここで書き込んでいく･･･\r").leftJustified(128, u' ');
    question.MaxAnswers = 1;
    question.CodeStyle = 0;
    question.ChoiceCount = 2;
    questionnaire.QuestionLimit[0][0].KindRank = 0;
    questionnaire.QuestionLimit[0][1].KindRank = 0;

    SetChoiceText(questionnaire, 0, 0, QStringLiteral("無回答"));
    questionnaire.Choices(0, 0).Attr = 0;
    SetChoiceText(questionnaire, 0, 1, QStringLiteral("選択肢はここで･･･"));
    questionnaire.Choices(0, 1).Attr = 0;

    // Entry 256 is left as it was.
    for (int i = 0; i < MaxQuestions; ++i) {
        questionnaire.ParagraphStart[static_cast<size_t>(i)] = 0;
        questionnaire.ParagraphExeDLL[static_cast<size_t>(i)] = 0;
    }
    for (Condition& limit : questionnaire.LimitTable)
        for (LimitItem& item : limit)
            item.KindRank = 0;
    questionnaire.CheckOptions = 15;
}

}  // namespace kz
