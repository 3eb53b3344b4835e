#include <gtest/gtest.h>

#include "model/question_codes.h"
#include "model/useful.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

TEST(PathPartsTest, SplitAtTheLastSlash)
{
    const std::tuple<QString, QString, QString> cases[] = {
        {"/home/u/調査.kz", "/home/u/", "調査.kz"},
        {"調査.kz", "", "調査.kz"},
        {"/home/u/", "/home/u/", ""},
        {"", "", ""},
        {"/d/a\\b.kz", "/d/", "a\\b.kz"},  // a backslash belongs to the name here
    };
    for (const auto& [path, folder, name] : cases) {
        EXPECT_EQ(PathFolder(path), folder) << path.toStdString();
        EXPECT_EQ(PathFileName(path), name) << path.toStdString();
    }
}

class IsNextChoiceTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(3, 5);
        AddQuestion(2, 5);
    }
    void lines(std::initializer_list<Integer> codes)
    {
        std::copy(codes.begin(), codes.end(), survey.ParagraphStart.begin());
    }
};

TEST_F(IsNextChoiceTest, FollowingSlotsAndTheNextQuestion)
{
    lines({MakeQC(0, 0), MakeQC(0, 1), MakeQC(0, 2), MakeQC(1, 0), MakeQC(1, 1)});
    for (Integer k = 0; k < 4; ++k)
        EXPECT_EQ(IsNextChoice(survey, k), 1) << k;
}

TEST_F(IsNextChoiceTest, GapsJumpsAndCodesBeyondTheTable)
{
    lines({MakeQC(0, 0), MakeQC(0, 2), MakeQC(1, 1), MakeQC(0, 1), MakeQC(1, 0), Integer(-1), 0});
    EXPECT_EQ(IsNextChoice(survey, 0), 0);  // slot 1 skipped
    EXPECT_EQ(IsNextChoice(survey, 1), 0);  // next question, but not its slot 0
    EXPECT_EQ(IsNextChoice(survey, 2), 0);  // backwards
    EXPECT_EQ(IsNextChoice(survey, 3), 0);  // slot 1 is not the last of question 0
    EXPECT_EQ(IsNextChoice(survey, 5), 0);  // read as question 511, which has no last slot
    survey.ParagraphStart[255] = MakeQC(1, 0);
    survey.ParagraphStart[256] = MakeQC(1, 1);
    EXPECT_EQ(IsNextChoice(survey, 255), 1);
    EXPECT_EQ(IsNextChoice(survey, 256), 0);
}

}  // namespace
}  // namespace kz
