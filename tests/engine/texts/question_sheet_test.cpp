#include <gtest/gtest.h>

#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/question_sheet.h"

namespace kz {
namespace {

class QuestionSheetTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        for (const char* label : {"性別", "年齢", "交通"}) {
            const Integer q = AddQuestion(1, 3);
            SetQuestionText(q, QString::fromUtf8(label), QStringLiteral("どれですか"));
            survey.Choices(q, 1).Text = QStringLiteral("はい");
            survey.Choices(q, 2).Text = QStringLiteral("いいえ");
        }
        survey.Questions[2].MaxAnswers = 2;
        survey.Choices(2, 2).Attr = 1 << AttrEssay;
    }
};

TEST_F(QuestionSheetTest, HeadingThenEveryChoiceFromNoAnswer)
{
    EXPECT_EQ(QuestionSheetText(workspace, 2), "Q3 交通 どれですか［2つまで］\r\n"
                                               "(0)無回答［排他］\r\n"
                                               "(1)はい\r\n"
                                               "(2)いいえ［記述］\r\n");
}

// The question list writes a range of questions as its window shows each,
// one print line apiece: every sheet followed by one more line end.
TEST_F(QuestionSheetTest, ARangeIsEachSheetOfItFollowedByALineEnd)
{
    const QString crLf = QStringLiteral("\r\n");
    EXPECT_EQ(QuestionSheetsText(workspace, 2, 2), QuestionSheetText(workspace, 2) + crLf);
    EXPECT_EQ(QuestionSheetsText(workspace, 0, 1),
              QuestionSheetText(workspace, 0) + crLf + QuestionSheetText(workspace, 1) + crLf);
    EXPECT_TRUE(QuestionSheetsText(workspace, 0, 1).startsWith(QStringLiteral("Q1 性別 どれですか\r\n(0)無回答")));
}

}  // namespace
}  // namespace kz
