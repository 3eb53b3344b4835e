#include <gtest/gtest.h>

#include "document/new_questionnaire.h"
#include "host/program_folder.h"
#include "model/answer_store.h"
#include "model/document.h"
#include "model/question_codes.h"
#include "support/enter_reply.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

// A loaded two-question questionnaire with lines of its own, one sample and
// a file of its own, locked at `level`.
class NewQuestionnaireTest : public test::SurveyFixture {
protected:
    void Load(Integer level)
    {
        survey.Title = QStringLiteral("通勤調査");
        AddQuestion(1, 4);
        AddQuestion(2, 6);
        BuildLayout();
        survey.ParagraphStart.fill(MakeQC(2, 0));
        survey.ParagraphStart[0] = 0;
        survey.ParagraphStart[1] = MakeQC(1, 1);
        survey.ParagraphExeDLL[1] = -1;
        AddSample(101);
        document.CurrentFilePath = QStringLiteral("/data/commute.kz");
        document.ProtectLevel = level;
    }
    test::ScriptedUi ui_;
};

TEST_F(NewQuestionnaireTest, TheNewDocumentIsUnnamedAndBlankOnlyForAHiddenBase)
{
    for (const Integer level : {0, 1, 2}) {
        Reset();
        Load(level);
        NewQuestionnaireSteps steps;
        StartNewDocument(workspace, settings, steps, level >= 2);
        EXPECT_EQ(SampleCount(samples), 0);
        EXPECT_EQ(document.CurrentFilePath, AppDir() + QStringLiteral("new.kz"));
        EXPECT_TRUE(document.untitled);
        EXPECT_FALSE(HasChosenPath(document));
        EXPECT_EQ(document.ProtectLevel, 0);
        EXPECT_TRUE(steps.newDocument);
        EXPECT_EQ(steps.blank, level >= 2) << level;
        EXPECT_EQ(steps.structureChosen, level >= 2);
        // The structure stays until it is chosen; a hidden one is gone.
        EXPECT_EQ(survey.QuestionCount, level >= 2 ? 1 : 2);
        EXPECT_EQ(survey.Title, level >= 2 ? "新規アンケート" : "通勤調査");
    }
}

TEST_F(NewQuestionnaireTest, TheLoadedStructureKeepsItsLines)
{
    Load(0);
    NewQuestionnaireSteps steps;
    StartNewDocument(workspace, settings, steps, false);
    ChooseStructure(workspace, steps, true);
    EXPECT_TRUE(steps.structureChosen);
    EXPECT_FALSE(steps.blank);
    EXPECT_EQ(survey.QuestionCount, 2);
    EXPECT_EQ(survey.ParagraphStart[1], MakeQC(1, 1));
    EXPECT_EQ(survey.ParagraphExeDLL[1], -1);
}

// One line per question, so the entry takes answers at once; the layout
// is the new questionnaire's, not the old one's.
TEST_F(NewQuestionnaireTest, ABlankQuestionnaireHasOneLinePerQuestion)
{
    Load(0);
    NewQuestionnaireSteps steps;
    StartNewDocument(workspace, settings, steps, false);
    ChooseStructure(workspace, steps, false);
    EXPECT_TRUE(steps.blank);
    EXPECT_EQ(survey.QuestionCount, 1);
    EXPECT_EQ(survey.ParagraphStart[0], 0);
    EXPECT_EQ(survey.ParagraphStart[1], MakeQC(1, 0));
    EXPECT_EQ(survey.ParagraphStart[256], MakeQC(1, 0));
    EXPECT_EQ(survey.ParagraphExeDLL[1], 0);
    EXPECT_EQ(survey.AnswerLayout[1].BitOffset, survey.AnswerLayout[0].BitsPerSlot);
    EXPECT_EQ(test::EnterReply(workspace, 1, QStringLiteral("1")), "");
    Integer count = 0;
    QVector<Integer> codes;
    PopQuestionAnswers(workspace, 0, 0, count, codes);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(codes[0], 1);
}

TEST_F(NewQuestionnaireTest, OnlyBlankingAgainLosesWork)
{
    struct Case {
        bool chosen;
        bool useLoaded;
        bool loses;
    };
    for (const Case& c :
         {Case{false, false, false}, Case{false, true, false}, Case{true, true, false}, Case{true, false, true}}) {
        NewQuestionnaireSteps steps;
        steps.structureChosen = c.chosen;
        EXPECT_EQ(ChoiceLosesWork(steps, c.useLoaded), c.loses) << c.chosen << c.useLoaded;
    }
}

TEST_F(NewQuestionnaireTest, ASavedNewDocumentIsNamedAndUnlocked)
{
    Load(2);
    NewQuestionnaireSteps steps;
    StartNewDocument(workspace, settings, steps, true);
    document.ProtectLevel = 1;
    CompleteNewDocument(document, QStringLiteral("/data/new survey.kz"));
    EXPECT_EQ(document.CurrentFilePath, "/data/new survey.kz");
    EXPECT_TRUE(HasChosenPath(document));
    EXPECT_EQ(document.ProtectLevel, 0);
    EXPECT_FALSE(document.menusLocked);
}

TEST_F(NewQuestionnaireTest, OnlyAChosenOrOpenedPathIsSavedWithoutAsking)
{
    struct Case {
        QString path;
        bool untitled;
        bool chosen;
    };
    for (const Case& c : {Case{QStringLiteral("/data/a.kz"), false, true}, Case{QString(), false, false},
                          Case{UnsavablePath, false, false}, Case{AppDir() + "new.kz", true, false}}) {
        document.CurrentFilePath = c.path;
        document.untitled = c.untitled;
        EXPECT_EQ(HasChosenPath(document), c.chosen) << c.path.toStdString();
    }
}

}  // namespace
}  // namespace kz
