#include <gtest/gtest.h>

#include "support/survey_fixture.h"
#include "texts/choice_texts.h"

namespace kz {
namespace {

constexpr Integer Bit(ChoiceAttr a) { return static_cast<Integer>(1 << a); }

class ChoiceTextsTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        q = AddQuestion(1, 13);
        survey.Questions[q].CodeStyle = 1;
        choice().Text = QStringLiteral("年齢");
        choice().CodeFile = QStringLiteral("codes.txt");
    }
    ChoiceRec& choice() { return survey.Choices(q, 12); }
    QString Tagged() { return ChoiceLabel(survey, q, 12, false, true); }
    Integer q = 0;
};

TEST_F(ChoiceTextsTest, CodeGoesInParentheses)
{
    EXPECT_EQ(ChoiceLabel(survey, q, 12, true, false), "(c)年齢");
    EXPECT_EQ(ChoiceLabel(survey, q, 12, false, false), "年齢");
    EXPECT_EQ(ChoiceLabel(survey, q, 0, true, true), "(0)無回答［排他］");
}

TEST_F(ChoiceTextsTest, FreeTextTags)
{
    choice().Low = 1;
    choice().High = 10;
    choice().Attr = Bit(AttrEssay) | Bit(AttrQuantity) | Bit(AttrCoded);
    EXPECT_EQ(Tagged(), "年齢［数値:1-10］");
    choice().Low = -2.5;
    choice().High = 1e20;
    EXPECT_EQ(Tagged(), "年齢［数値:-2.5-1E+20］");
    choice().Attr = Bit(AttrEssay) | Bit(AttrCoded);
    EXPECT_EQ(Tagged(), "年齢[ｺｰﾄﾞ:codes.txt]");
    choice().Attr = Bit(AttrEssay);
    EXPECT_EQ(Tagged(), "年齢［記述］");
    choice().Attr = Bit(AttrQuantity) | Bit(AttrCoded);  // nothing without free text
    EXPECT_EQ(Tagged(), "年齢");
}

TEST_F(ChoiceTextsTest, AllTagsInOrder)
{
    choice().Attr = Bit(AttrMultiple) | Bit(AttrOther) | Bit(AttrExclusive) | Bit(AttrEssay);
    EXPECT_EQ(ChoiceLabel(survey, q, 12, true, true), "(c)年齢［記述］［排他］［その他］［複数］");
}

TEST_F(ChoiceTextsTest, TextBlockSetsOnlyTheFieldsItNames)
{
    SetChoiceText(survey, q, 12, QStringLiteral("身長\r5\r20"));
    EXPECT_EQ(choice().Text, "身長");
    EXPECT_EQ(choice().Low, 5);
    EXPECT_EQ(choice().High, 20);
    EXPECT_EQ(choice().CodeFile, "codes.txt");
    SetChoiceText(survey, q, 12, QStringLiteral("職業\rjobs.txt"));
    EXPECT_EQ(choice().Text, "職業");
    EXPECT_EQ(choice().CodeFile, "jobs.txt");
    EXPECT_EQ(choice().Low, 5);
    SetChoiceText(survey, q, 12, QStringLiteral("新しい"));
    EXPECT_EQ(choice().Text, "新しい");
    EXPECT_EQ(choice().CodeFile, "jobs.txt");
    EXPECT_EQ(choice().High, 20);
}

TEST_F(ChoiceTextsTest, TextBlockRoundTrip)
{
    EXPECT_EQ(ChoiceTextBlock(survey, q, 12), "年齢\rcodes.txt");
    choice().CodeFile.clear();
    choice().Low = -1.25;
    choice().High = 3e-7;
    EXPECT_EQ(ChoiceTextBlock(survey, q, 12), "年齢\r-1.25\r3E-07");
    SetChoiceText(survey, q, 3, ChoiceTextBlock(survey, q, 12));
    EXPECT_EQ(survey.Choices(q, 3).Text, "年齢");
    EXPECT_DOUBLE_EQ(survey.Choices(q, 3).Low, -1.25);
    EXPECT_DOUBLE_EQ(survey.Choices(q, 3).High, 3e-7);
}

TEST_F(ChoiceTextsTest, OtherChoiceIsTheFirstMarkedFromOne)
{
    survey.Choices(q, 0).Attr |= Bit(AttrOther);
    survey.Choices(q, 13).Attr |= Bit(AttrOther);  // beyond ChoiceCount
    EXPECT_EQ(FindOtherChoice(survey, q), -1);
    survey.Choices(q, 7).Attr |= Bit(AttrOther);
    survey.Choices(q, 4).Attr |= Bit(AttrOther);
    EXPECT_EQ(FindOtherChoice(survey, q), 4);
    EXPECT_EQ(FindOtherChoice(survey, q, 4), 7) << "passing over the choice being marked";
    EXPECT_EQ(FindOtherChoice(survey, q, 7), 4);
    survey.Choices(q, 7).Attr = 0;
    EXPECT_EQ(FindOtherChoice(survey, q, 4), -1);
}

TEST_F(ChoiceTextsTest, EssayQuestionsMarked)
{
    const Integer essay = AddQuestion(1, 3, {2});
    const Integer zeroOnly = AddQuestion(1, 3);
    survey.Choices(zeroOnly, 0).Attr |= Bit(AttrEssay);  // choice 0 does not count
    EXPECT_EQ(MarkEssayQuestions(survey, false), (std::vector<bool>{true, true, true}));
    std::vector<bool> expected(3, false);
    expected[essay] = true;
    EXPECT_EQ(MarkEssayQuestions(survey, true), expected);
}

}  // namespace
}  // namespace kz
