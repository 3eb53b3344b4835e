#include <gtest/gtest.h>

#include "model/answer_store.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/sample_text.h"

namespace kz {
namespace {

using test::Row;

// Q1 "性別" one answer of 男/女; Q2 "交通" up to three answers, 3 "その他"
// with free text; Q3 "車種", asked only of those who answered 2 to Q2.
class SampleTextTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(1, 3);
        SetQuestionText(0, QStringLiteral("性別"), QStringLiteral("あなたは？"));
        survey.Choices(0, 1).Text = QStringLiteral("男");
        survey.Choices(0, 2).Text = QStringLiteral("女");
        AddQuestion(3, 4, {3});
        SetQuestionText(1, QStringLiteral("交通"), QStringLiteral("手段は？"));
        survey.Choices(1, 1).Text = QStringLiteral("電車");
        survey.Choices(1, 2).Text = QStringLiteral("車");
        survey.Choices(1, 3).Text = QStringLiteral("その他");
        AddQuestion(1, 3);
        SetQuestionText(2, QStringLiteral("車種"));
        survey.Choices(2, 1).Text = QStringLiteral("軽");
        survey.QuestionLimit[2][1] = Row(3, 1, 2);
        BuildLayout();
        // Answers 女; 電車 and その他 "徒歩"; 軽 although Q3 does not apply.
        WriteSampleAnswers(workspace, AddSample(10), {1, 2, 1}, {2, 1, 3, 1},
                           {QString(), QString(), QStringLiteral("徒歩")});
        WriteSampleAnswers(workspace, AddSample(20), {1, 1, 1}, {1, 2, 1}, {});
    }
    const Workspace& ws = workspace;
};

TEST_F(SampleTextTest, NamesAndAnswersOnOneLinePerQuestion)
{
    EXPECT_EQ(SampleViewText(ws, 0, 0, 3, false), "性別 : (2)女\r\n"
                                                  "交通 : (1)電車, (3)その他/徒歩/ \r\n"
                                                  "車種 : (該当せず)\r\n");
    EXPECT_EQ(SampleViewText(ws, 1, 0, 3, false), "性別 : (1)男\r\n"
                                                  "交通 : (2)車\r\n"
                                                  "車種 : (1)軽\r\n");
}

TEST_F(SampleTextTest, WithQuestionsEachOneTakesAHeadingLineAndAnEmptyLine)
{
    EXPECT_EQ(SampleViewText(ws, 0, 1, 2, true), "---- 交通 手段は？\r\n"
                                                 "(1)電車, (3)その他/徒歩/ \r\n"
                                                 "\r\n");
}

TEST_F(SampleTextTest, TheRangeOfQuestionsShown)
{
    // From a later question, the answers before it are passed over.
    EXPECT_EQ(SampleViewText(ws, 0, 2, 3, false), "車種 : (該当せず)\r\n");
    // A first question beyond the last one to show gives nothing; the end
    // never passes the last question.
    EXPECT_EQ(SampleViewText(ws, 0, 2, 1, false), "");
    EXPECT_EQ(SampleViewText(ws, 1, 2, 99, false), "車種 : (1)軽\r\n");
}

TEST_F(SampleTextTest, ThePositionIsTakenOnlyWhileItsSampleHasTheID)
{
    struct Case {
        const char* dno;
        const char* id;
        Long expected;
    };
    const Case cases[] = {
        {"1", "20", 1},                      // position and ID agree
        {"", "20", 1},                       // no position: found by the ID
        {"0", "20", 1},                      // the samples moved: found by the ID again
        {"7", "10", 0},                      // past the end after deletions
        {"-1", "10", 0},   {"1", "30", -1},  // no sample has the ID
        {"0", "", -1},                       // ID 0
        {"0", "9E99", -1},                   // no Long
    };
    for (const Case& c : cases)
        EXPECT_EQ(SampleViewPosition(ws, QString::fromLatin1(c.dno), QString::fromLatin1(c.id)), c.expected)
            << c.dno << " / " << c.id;
}

}  // namespace
}  // namespace kz
