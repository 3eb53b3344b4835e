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

}  // namespace
}  // namespace kz
