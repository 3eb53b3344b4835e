#include <gtest/gtest.h>

#include "host/settings.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "reply/reply_rtf.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz::test {
namespace {

const QString Mark = QStringLiteral("\\'81\\'F7");  // "¶"
const QString Colours =
    QStringLiteral("{\\colortbl\\red17\\green34\\blue51;\\red0\\green0\\blue255;\\red255\\green0\\blue0;"
                   "\\red128\\green128\\blue128;\\red0\\green128\\blue0;}\\cf0 ");
// Font "ＭＳ 明朝", 10.5 points.
const QString Header =
    QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset128 \\'82\\'6C\\'82\\'72 \\'96\\'BE\\'92\\'A9;}"
                   "{\\f2\\fcharset128 \\'82\\'6C\\'82\\'72 \\'96\\'BE\\'92\\'A9;}}\\plain \\f1 \\fs21 ")
    + Colours;

// Three questions on three reply lines, the second line beginning inside q1:
//   line 0: q0 "色" (one answer, choice 3 with text), q1 slot 0
//   line 1: q1 "[趣味]" slot 1 (up to 2 answers, 12 choices, choice 2 with text)
//   line 2: q2 "年代", asked only when q0 is 1
// Sample 0: q0 = 3 "a/b", q1 = 11 and 2 "*x", q2 = 2.
class ReplyRtfTest : public SurveyFixture {
protected:
    void SetUp() override
    {
        FontRec& font = settings.FontRecs[FontSlot::Reply];
        font.Name = QStringLiteral("ＭＳ 明朝");
        font.Size = 10.5F;
        font.ForeColor = 0x332211;
        settings.ColourTable = {0xFF0000, 0x0000FF, 0x808080, 0x008000};

        AddQuestion(1, 4, {3});
        SetQuestionText(0, QStringLiteral("色"));
        AddQuestion(2, 12, {2});
        SetQuestionText(1, QStringLiteral("[趣味]"));
        AddQuestion(1, 3);
        SetQuestionText(2, QStringLiteral("年代"));
        survey.QuestionLimit[2] = MakeCondition(0, {Row(3, 0, 1)});
        BuildLayout();
        const Integer starts[] = {MakeQC(0, 0), MakeQC(1, 1), MakeQC(2, 0), MakeQC(3, 0)};
        for (size_t k = 0; k < survey.ParagraphStart.size(); ++k)
            survey.ParagraphStart[k] = starts[std::min<size_t>(k, 3)];

        AddSample(1);
        WriteSampleAnswers(workspace, 0, {1, 2, 1}, {3, 11, 2, 2},
                           {QStringLiteral("a/b"), {}, QStringLiteral("*x"), {}});
    }

    QString Build(Integer cursorQ, Integer cursorN, int flags, Integer caretQ = -1, int* caret = nullptr,
                  const QString& tail = {})
    {
        int place = -7;
        const QString rtf = BuildReplyRTF(workspace, settings, 0, cursorQ, cursorN, place, caretQ, tail, flags);
        if (caret)
            *caret = place;
        return rtf;
    }
};

TEST_F(ReplyRtfTest, WholeSampleWithNamesAndLineMarks)
{
    int caret = 0;
    const QString rtf = Build(3, 0, ReplyShowNames | ReplyShowReturns, 1, &caret);
    const QString lineBreak = QStringLiteral("\\cf4 ") + Mark + QStringLiteral("\\cf0 \\par ");
    EXPECT_EQ(rtf,
              Header +
                  // q0: name, the answer and its text holding "/", the closing "-"
                  QStringLiteral("\\cf0 \\cf4 [\\'90\\'46]\\cf0 \\cf0 3\\cf1 /*\\f2 a/b\\f1 */\\cf0 \\cf4 -\\cf0 ") +
                  // q1: the brackets of its name made full-width, a dotted 11,
                  // the line break before slot 1, a text beginning with "*"
                  QStringLiteral("\\cf0 \\cf4 [\\'81\\'6D\\'8E\\'EF\\'96\\'A1\\'81\\'6E]\\cf0 \\cf0 .11.") + lineBreak
                  + QStringLiteral("2\\cf1 /*\\f2 *x\\f1 */\\cf0 \\cf4 -\\cf0 ") +
                  // q2 is not asked of this sample: colour 3, also after its name
                  QStringLiteral("\\cf3 ") + lineBreak
                  + QStringLiteral("\\cf4 [\\'94\\'4E\\'91\\'E3]\\cf0 \\cf3 2\\cf4 -\\cf0 ") +
                  // complete: the caret's line after the last one
                  lineBreak + QStringLiteral("\\par }"));
    // Shown: "[色]3/*a/b*/-[［趣味］].11.¶" CR LF "2/**x*/-": after q1.
    EXPECT_EQ(caret, 33);
}

TEST_F(ReplyRtfTest, CutAtTheCursorWithoutNamesOrMarks)
{
    int caret = 0;
    const QString rtf = Build(1, 1, 0, 1, &caret, QStringLiteral("表"));
    EXPECT_EQ(rtf, Header
                       + QStringLiteral("\\cf0 3\\cf1 /*\\f2 a/b\\f1 */\\cf0 \\cf4 -\\cf0 "
                                        "\\cf0 .11.\\par \\'95\\'5C\\par }"));
    // The cursor's question is the caret's: the end before the tail, "3/*a/b*/-.11." CR LF.
    EXPECT_EQ(caret, 15);
}

TEST_F(ReplyRtfTest, NamesTheQuestionToAnswerNext)
{
    int caret = 0;
    const QString rtf = Build(2, 0, ReplyShowNames, 0, &caret);
    EXPECT_TRUE(rtf.endsWith(QStringLiteral("2\\cf1 /*\\f2 *x\\f1 */\\cf0 \\cf4 -\\cf0 "
                                            "\\cf3 \\par \\cf4 [\\'94\\'4E\\'91\\'E3]\\cf0  \\par }")))
        << qPrintable(rtf);
    EXPECT_EQ(caret, 12);  // "[色]3/*a/b*/-"
}

TEST_F(ReplyRtfTest, QuestionAskedWhenItsConditionHolds)
{
    WriteSampleAnswers(workspace, 0, {1, 1, 1}, {1, 0, 2}, {});
    const QString rtf = Build(3, 0, 0);
    EXPECT_TRUE(rtf.endsWith(QStringLiteral("\\cf0 \\par 2\\cf4 -\\cf0 \\par \\par }"))) << qPrintable(rtf);
    EXPECT_FALSE(rtf.contains(QStringLiteral("\\cf3 ")));
}

TEST_F(ReplyRtfTest, FinishedQuestionClosesOnTheLineOfItsLastAnswer)
{
    WriteSampleAnswers(workspace, 0, {1, 1, 1}, {1, 11, 2}, {});
    int caret = 0;
    // Not "11" CR LF "-": an empty line opening a line of several slots is
    // passed over when read back, and the "-" would land on the wrong line.
    EXPECT_TRUE(Build(3, 0, ReplyShowReturns, 1, &caret)
                    .contains(QStringLiteral("\\cf0 .11.\\cf4 -\\cf0 \\cf4 ") + Mark
                              + QStringLiteral("\\cf0 \\par \\cf0 \\cf4 ")));
    EXPECT_EQ(caret, 10);  // "1-.11.-¶" CR LF: after the whole question
}

TEST_F(ReplyRtfTest, HeaderFollowsTheReplyFont)
{
    FontRec& font = settings.FontRecs[FontSlot::Reply];
    font.Name = QStringLiteral("Arial");
    font.Size = 9.75F;
    font.Bold = true;
    font.Italic = true;
    EXPECT_TRUE(Build(0, 0, 0).startsWith(QStringLiteral(
        "{\\rtf1\\ansi{\\fonttbl{\\f1 Arial;}{\\f2\\fcharset128 Arial;}}\\plain \\f1 \\fs19 \\b \\i {\\colortbl")));

    // Half-width katakana are single bytes of the code page.
    font.Name = QStringLiteral("ｺﾞｼｯｸ");
    EXPECT_TRUE(
        Build(0, 0, 0).startsWith(QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f1 \\'BA\\'DE\\'BC\\'AF\\'B8;}")));

    font = FontRec{};
    font.ForeColor = 0x332211;
    EXPECT_EQ(Build(0, 0, 0),
              QStringLiteral("{\\rtf1\\ansi{\\fonttbl}\\plain \\f1 ") + Colours + QStringLiteral("\\cf0 \\par }"));
}

TEST_F(ReplyRtfTest, ChoiceBeyondItsCodeStyleIsDotted)
{
    survey.Questions[1].CodeStyle = CodeStyleCapitals;  // "A" to "Z": 11 is "K"
    survey.Questions[0].CodeStyle = CodeStyleCapitals;
    survey.Questions[0].ChoiceCount = 28;
    BuildLayout();
    samples.Samples.clear();
    AddSample(1);
    WriteSampleAnswers(workspace, 0, {1, 1, 1}, {27, 11, 0}, {});
    // 27 would be "[" and open a question name.
    const QString rtf = Build(2, 0, 0);
    EXPECT_TRUE(rtf.contains(QStringLiteral("\\cf0 .27.\\cf4 -\\cf0 \\cf0 K\\cf4 -"))) << qPrintable(rtf);
}

TEST_F(ReplyRtfTest, DamagedLineTablesNeverBreakPastTheirEnd)
{
    // No table at all: one line, no break per slot.
    survey.ParagraphStart.fill(0);
    EXPECT_FALSE(Build(3, 0, 0).contains(QStringLiteral("\\par \\par")));
    // Bounds past the last question end the questionnaire.
    survey.ParagraphStart.fill(MakeQC(9, 0));
    survey.ParagraphStart[0] = 0;
    EXPECT_TRUE(Build(3, 0, 0).endsWith(QStringLiteral("-\\cf0 \\par \\par }")));
    EXPECT_EQ(Build(3, 0, 0).count(QStringLiteral("\\par ")), 2);
}

}  // namespace
}  // namespace kz::test
