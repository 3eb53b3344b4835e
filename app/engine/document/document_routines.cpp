#include "document/document_routines.h"

#include "document/menu_state.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "model/document.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "texts/choice_texts.h"

namespace kz {

void SetUnsavable()
{
    document.ProtectLevel = 2;
    // The marker first: the menus take their look from both.
    document.CurrentFilePath = UnsavablePath;
    LockMenus();
}

void InitNewFile()
{
    samples.Samples.clear();
    ++samples.generation;
    ResetIDCursor(samples, settings);
    document.CurrentFilePath = AppDir() + QStringLiteral("new.kz");
    document.untitled = true;
    survey.Password.clear();
    document.ProtectLevel = 0;
    document.WWWDistName = QStringLiteral("newfile");
    document.WWWDistQno = 0;
    document.WWWEssayFull = false;
    survey.ExternProcessName.clear();
}

void NewQuestionnaire()
{
    survey.Title = QStringLiteral("新規アンケート");
    survey.Author = QStringLiteral("＊＊＊＊");
    survey.QuestionCount = 1;

    QuestionRec& question = survey.Questions[0];
    question.Text = QStringLiteral("質問1\r質問文はここで書き込んでいく･･･\r").leftJustified(128, u' ');
    question.MaxAnswers = 1;
    question.CodeStyle = 0;
    question.ChoiceCount = 2;
    survey.QuestionLimit[0][0].KindRank = 0;
    survey.QuestionLimit[0][1].KindRank = 0;

    SetChoiceText(survey, 0, 0, QStringLiteral("無回答"));
    survey.Choices(0, 0).Attr = 0;
    SetChoiceText(survey, 0, 1, QStringLiteral("選択肢はここで･･･"));
    survey.Choices(0, 1).Attr = 0;

    // Entry 256 is left as it was.
    for (int i = 0; i < MaxQuestions; ++i) {
        survey.ParagraphStart[static_cast<size_t>(i)] = 0;
        survey.ParagraphExeDLL[static_cast<size_t>(i)] = 0;
    }
    for (Condition& limit : survey.LimitTable)
        for (LimitItem& item : limit)
            item.KindRank = 0;
    survey.CheckOptions = 15;
}

}  // namespace kz
