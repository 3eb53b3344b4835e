#include <gtest/gtest.h>

#include "document/document_routines.h"
#include "document/menu_state.h"
#include "host/program_folder.h"
#include "model/document.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

class DocumentRoutinesTest : public test::SurveyFixture {
protected:
    test::ScriptedUi ui_;
};

TEST_F(DocumentRoutinesTest, UnsavableLocksEverythingButTheKey)
{
    document.CurrentFilePath = QStringLiteral("/data/a.kz");
    SetUnsavable(document);
    EXPECT_EQ(document.ProtectLevel, 2);
    EXPECT_EQ(document.CurrentFilePath, UnsavablePath);
    EXPECT_FALSE(IsModified(document));
    EXPECT_TRUE(document.menusLocked);
    EXPECT_EQ(document.menuLockLevel, 2);
}

TEST_F(DocumentRoutinesTest, NewFileResetsTheFileStateOnly)
{
    AddQuestion(1, 3);
    BuildLayout();
    AddSample(4);
    survey.Title = QStringLiteral("元の調査");
    survey.LimitTable[3][1] = {3, 1};
    survey.Password = QStringLiteral("pw");
    survey.ExternProcessName = QStringLiteral("x.dll");
    document = {2, QStringLiteral("/data/a.kz"), QStringLiteral("net"), 5, true};
    document.menuLockLevel = 2;

    InitNewFile(workspace, settings);
    EXPECT_EQ(SampleCount(samples), 0);
    EXPECT_EQ(samples.NextIDCursor, -1);
    EXPECT_EQ(document.CurrentFilePath, AppDir() + QStringLiteral("new.kz"));
    EXPECT_EQ(document.ProtectLevel, 0);
    EXPECT_EQ(document.WWWDistName, QStringLiteral("newfile"));
    EXPECT_EQ(document.WWWDistQno, 0);
    EXPECT_FALSE(document.WWWEssayFull);
    EXPECT_TRUE(survey.Password.isEmpty());
    EXPECT_TRUE(survey.ExternProcessName.isEmpty());
    // The questionnaire and the menus stay.
    EXPECT_EQ(survey.Title, QStringLiteral("元の調査"));
    EXPECT_EQ(survey.QuestionCount, 1);
    EXPECT_EQ(survey.LimitTable[3][1].KindRank, 3);
    EXPECT_EQ(document.menuLockLevel, 2);
}

TEST_F(DocumentRoutinesTest, NewQuestionnaireIsOneQuestionWithTwoChoices)
{
    AddQuestion(3, 9, {2});
    AddQuestion(1, 2);
    BuildLayout();
    AddSample(7);
    survey.QuestionLimit[0][1] = {1, 128};
    survey.LimitTable[15][4] = {3, 130};
    survey.ParagraphStart[256] = 99;
    survey.ParagraphExeDLL[10] = -1;
    survey.CheckOptions = 2;

    NewQuestionnaire(survey);
    EXPECT_EQ(survey.Title, QStringLiteral("新規アンケート"));
    EXPECT_EQ(survey.Author, QStringLiteral("＊＊＊＊"));
    EXPECT_EQ(survey.QuestionCount, 1);
    const QuestionRec& q = survey.Questions[0];
    EXPECT_EQ(q.Text.size(), 128);
    EXPECT_TRUE(q.Text.startsWith(QStringLiteral("質問1\r質問文はここで書き込んでいく･･･\r ")));
    EXPECT_EQ(q.MaxAnswers, 1);
    EXPECT_EQ(q.ChoiceCount, 2);
    EXPECT_EQ(q.CodeStyle, 0);
    EXPECT_EQ(survey.QuestionLimit[0][1].KindRank, 0);
    EXPECT_EQ(survey.Choices(0, 0).Text, QStringLiteral("無回答"));
    EXPECT_EQ(survey.Choices(0, 0).Attr, 0);  // not the exclusive bit a load gives it
    EXPECT_EQ(survey.Choices(0, 1).Text, QStringLiteral("選択肢はここで･･･"));
    EXPECT_EQ(survey.ParagraphExeDLL[10], 0);
    EXPECT_EQ(survey.ParagraphStart[255], 0);
    EXPECT_EQ(survey.ParagraphStart[256], 99);  // entry 256 is left
    EXPECT_EQ(survey.LimitTable[15][4].KindRank, 0);
    EXPECT_EQ(survey.LimitTable[15][4].Code, 130);  // codes are left
    EXPECT_EQ(survey.CheckOptions, 15);
    // Samples and the layout are not its business.
    EXPECT_EQ(SampleCount(samples), 1);
    EXPECT_EQ(survey.AnswerLayout[0].Slots, 3);
}

}  // namespace
}  // namespace kz
