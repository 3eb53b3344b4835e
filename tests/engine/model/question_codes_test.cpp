#include <gtest/gtest.h>

#include "model/question_codes.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

TEST(QCodeTest, MakeAndSplit)
{
    EXPECT_EQ(MakeQC(3, 5), 389);
    Integer q = -1;
    Integer c = -1;
    SplitQC(389, q, c);
    EXPECT_EQ(q, 3);
    EXPECT_EQ(c, 5);
    EXPECT_EQ(QCChoice(389), 5);
    // The end mark after a full questionnaire folds to a negative Integer and splits unsigned.
    EXPECT_EQ(MakeQC(256, 0), INT16_MIN);
    SplitQC(MakeQC(256, 0), q, c);
    EXPECT_EQ(q, 256);
    EXPECT_EQ(c, 0);
    SplitQC(-1, q, c);
    EXPECT_EQ(q, 511);
    EXPECT_EQ(c, 127);
}

class CodeStyleTest : public test::SurveyFixture {
protected:
    Integer QuestionOfStyle(Integer style)
    {
        const Integer q = AddQuestion(1, 128);
        survey.Questions[q].CodeStyle = style;
        return q;
    }
};

TEST_F(CodeStyleTest, CodeTextsAtTheBoundariesOfEachStyle)
{
    struct Case {
        Integer style;
        Integer choice;
        const char* code;
    };
    const Case cases[] = {
        {0, 0, "0"},   {0, 9, "9"},  {0, 10, ".10."}, {0, 12, ".12."}, {0, 127, ".127."}, {1, 9, "9"},
        {1, 10, "a"},  {1, 12, "c"}, {1, 35, "z"},    {1, 36, "{"},    {1, 41, "?"},  // code 128: no character of its own
        {1, 90, "ｱ"},  // the rule runs on into the katakana codes
        {2, 0, "0"},   {2, 1, "ｱ"},  {2, 12, "ｼ"},    {2, 44, "ﾜ"},    {2, 45, "ﾝ"},      {2, 47, "ﾟ"},
        {2, 48, "?"},   // a lead byte
        {2, 127, "?"},  // beyond one byte
        {3, 0, "0"},   {3, 1, "A"},  {3, 12, "L"},    {3, 26, "Z"},    {3, 27, "["},      {4, 1, ""},
        {-1, 1, ""},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ChoiceCodeText(survey, QuestionOfStyle(k.style), k.choice), QString::fromUtf8(k.code))
            << "style " << k.style << " choice " << k.choice;
}

TEST_F(CodeStyleTest, EveryCodeOfAStyleReadsBackAsItsChoice)
{
    struct Span {
        Integer style;
        Integer last;
    };
    for (const Span& span : {Span{0, 127}, Span{1, 35}, Span{2, 45}, Span{3, 25}}) {
        const Integer q = QuestionOfStyle(span.style);
        for (Integer c = 0; c <= span.last; ++c) {
            QString code = ChoiceCodeText(survey, q, c);
            if (code.startsWith(u'.'))
                code = code.mid(1, code.size() - 2);  // the entry window reads between the points
            EXPECT_EQ(ChoiceNumberFromCode(survey, q, code), c) << "style " << span.style << " choice " << c;
        }
    }
}

TEST_F(CodeStyleTest, StylesNoneToTwoReadEverySymbolSet)
{
    for (Integer style : {0, 1, 2}) {
        const Integer q = QuestionOfStyle(style);
        SCOPED_TRACE(style);
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "c"), 12);
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "Z"), 35);
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "ﾝ"), 45);
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "ｦ"), 0);  // code 166, before "ｱ"
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "ﾞ"), 0);  // code 222, after "ﾝ"
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "["), 0);
        EXPECT_EQ(ChoiceNumberFromCode(survey, q, "Ａ"), 0);  // full-width: two bytes
    }
}

TEST_F(CodeStyleTest, CapitalsReadLettersFromOne)
{
    const Integer q = QuestionOfStyle(3);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "7"), 7);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "c"), 3);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "z"), 26);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "ｱ"), 0);
    EXPECT_EQ(ChoiceNumberFromCode(survey, QuestionOfStyle(7), "5"), 0);
}

TEST_F(CodeStyleTest, LongerTextIsItsRoundedNumber)
{
    for (Integer style : {0, 1, 2, 3, 7})
        EXPECT_EQ(ChoiceNumberFromCode(survey, QuestionOfStyle(style), "15"), 15) << style;
    const Integer q = QuestionOfStyle(0);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, ""), 0);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "12abc"), 12);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "2.5"), 2);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "3.5"), 4);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "99999"), 32767);
    EXPECT_EQ(ChoiceNumberFromCode(survey, q, "-99999"), -32768);
}

}  // namespace
}  // namespace kz
