#include <gtest/gtest.h>

#include "design/essay_coding.h"
#include "model/answer_store.h"
#include "support/survey_fixture.h"

namespace kz::test {
namespace {

class EssayCodingTest : public SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(2, 4, {2, 3});
        BuildLayout();
        for (Long id = 1; id <= 3; ++id) {
            const Long s = AddSample(id);
            WriteQuestionAnswers(workspace, s, 0, 2, {2, 3}, {QStringLiteral("1:東京"), QStringLiteral("9:他")});
        }
    }
    QString TextOf(Long s, int slot)
    {
        Integer count = 0;
        QVector<Integer> codes;
        QVector<QString> texts;
        ReadQuestionAnswers(workspace, s, 0, count, codes, texts);
        return texts.value(slot);
    }
};

TEST_F(EssayCodingTest, RemovingCodesKeepsTheLabelOfThatChoiceOnly)
{
    EXPECT_TRUE(
        AssignEssayCodes(workspace, 0, 2, EssayCoding::RemoveCodes, [](const QString&, float) { return true; }));
    for (Long s = 0; s < 3; ++s) {
        EXPECT_EQ(TextOf(s, 0), QStringLiteral("東京"));
        EXPECT_EQ(TextOf(s, 1), QStringLiteral("9:他"));
    }
}

TEST_F(EssayCodingTest, AStopLeavesTheSamplesNotReached)
{
    const bool done = AssignEssayCodes(workspace, 0, 2, EssayCoding::RemoveCodes,
                                       [](const QString&, float ratio) { return ratio < 0.5f; });
    EXPECT_FALSE(done);
    EXPECT_EQ(TextOf(0, 0), QStringLiteral("東京")) << "the samples done stay coded";
    EXPECT_EQ(TextOf(2, 0), QStringLiteral("1:東京"));
}

}  // namespace
}  // namespace kz::test
