#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "sheet_fixture.h"
#include "tabulation/request_columns.h"
#include "tabulation/total_request.h"

namespace kz {
namespace {

using namespace test;

// The codes each of columns 1..LimitCount requires in its first row.
QList<Integer> FirstRowCodes(const TotalOptionRec& request)
{
    QList<Integer> codes;
    for (int column = 1; column <= request.LimitCount; ++column)
        codes << request.Limits[static_cast<size_t>(column)][1].Code;
    return codes;
}

// A condition requiring choice c of the gender question.
Condition GenderIs(Integer c) { return MakeCondition(0, {Row(Required, Gender, c)}); }

using RequestColumnsTest = CafeSheetTest;

TEST_F(RequestColumnsTest, TwoQuestionCrossGivesChoiceZeroLast)
{
    TotalOptionRec request;
    request.Limits[0] = GenderIs(1);
    CrossByQuestion(request, survey, Orders);
    EXPECT_EQ(request.LimitCount, 5);
    EXPECT_EQ(FirstRowCodes(request), (QList<Integer>{MakeQC(Orders, 1), MakeQC(Orders, 2), MakeQC(Orders, 3),
                                                      MakeQC(Orders, 4), MakeQC(Orders, 0)}));
    for (int column = 1; column <= 5; ++column) {
        const Condition& cond = request.Limits[static_cast<size_t>(column)];
        EXPECT_EQ(cond[0].Code, 0);
        EXPECT_EQ(cond[1].KindRank, KindRequired) << "any rank";
        EXPECT_EQ(cond[2].KindRank, KindEnd);
    }
    // The overall condition is never a column's business.
    EXPECT_EQ(request.Limits[0][1].Code, MakeQC(Gender, 1));
    EXPECT_EQ(ColumnLines(survey, request).last(), "以上↑");
    EXPECT_EQ(ColumnLines(survey, request).size(), 6);

    // A cross by a question with fewer choices empties the columns left over.
    CrossByQuestion(request, survey, Gender);
    EXPECT_EQ(request.LimitCount, 3);
    EXPECT_EQ(request.Limits[4][1].KindRank, KindEnd);
}

TEST_F(RequestColumnsTest, StoredLimitCrossTakesTheDefinedLimitsInNumberOrder)
{
    TotalOptionRec request;
    CrossByStoredLimits(request, survey);
    EXPECT_EQ(request.LimitCount, 1) << "none defined: one empty column";
    EXPECT_EQ(ColumnLines(survey, request), (QStringList{"条件なし", "以上↑"}));

    survey.LimitTable[5] = GenderIs(2);
    survey.LimitTable[2] = GenderIs(1);
    CrossByStoredLimits(request, survey);
    EXPECT_EQ(FirstRowCodes(request), (QList<Integer>{MakeQC(Gender, 1), MakeQC(Gender, 2)}));
    EXPECT_EQ(request.Limits[3][1].KindRank, KindEnd);
}

TEST_F(RequestColumnsTest, InsertAndDeleteByLine)
{
    struct Case {
        const char* what;
        int line;
        QList<Integer> codes;  // after inserting choice 9's column at `line`
    };
    // Columns: choice 1, choice 2; lines 0, 1 and the end line 2.
    const Case inserts[] = {
        {"before the first", 0, {9, 1, 2}},
        {"before the second", 1, {1, 9, 2}},
        {"at the end line", 2, {1, 2, 9}},
        {"with no line selected", -1, {1, 2, 9}},
    };
    for (const Case& c : inserts) {
        TotalOptionRec request;
        CopyColumns(request, Request(0, 0, {GenderIs(1), GenderIs(2)}));
        ASSERT_TRUE(InsertColumn(request, c.line, GenderIs(9))) << c.what;
        QList<Integer> expected;
        for (Integer choice : c.codes)
            expected << MakeQC(Gender, choice);
        EXPECT_EQ(FirstRowCodes(request), expected) << c.what;
    }

    TotalOptionRec request;
    CopyColumns(request, Request(0, 0, {GenderIs(1), GenderIs(2), GenderIs(3)}));
    EXPECT_FALSE(DeleteColumn(request, 3)) << "the end line";
    EXPECT_FALSE(DeleteColumn(request, -1)) << "no line";
    ASSERT_TRUE(DeleteColumn(request, 1));
    EXPECT_EQ(FirstRowCodes(request), (QList<Integer>{MakeQC(Gender, 1), MakeQC(Gender, 3)}));
    EXPECT_EQ(request.Limits[3][1].KindRank, KindEnd) << "the last used column emptied";
    ASSERT_TRUE(DeleteColumn(request, 0));
    EXPECT_FALSE(DeleteColumn(request, 0)) << "the only column stays";
    EXPECT_EQ(FirstRowCodes(request), QList<Integer>{MakeQC(Gender, 3)});
}

TEST_F(RequestColumnsTest, The129thColumnIsRefusedWithAMessage)
{
    TotalOptionRec request;
    for (int n = 1; n < MaxLimitCount; ++n)
        ASSERT_TRUE(InsertColumn(request, -1, GenderIs(1)));
    ASSERT_EQ(request.LimitCount, MaxLimitCount);
    EXPECT_TRUE(ui.boxes().empty());

    ui.expectBox(vbOK);
    EXPECT_FALSE(ColumnRoomLeft(request));
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].prompt, "個別の限定は128個までです。");
    const TotalOptionRec before = request;
    EXPECT_FALSE(InsertColumn(request, 0, GenderIs(2)));
    EXPECT_EQ(request.LimitCount, MaxLimitCount);
    EXPECT_EQ(request.Limits[1][1].Code, before.Limits[1][1].Code);
    EXPECT_EQ(request.Limits[MaxLimitCount][1].Code, MakeQC(Gender, 1));
}

TEST_F(RequestColumnsTest, CopiedColumnsAreKeptWithinTheTable)
{
    TotalOptionRec from = Request(0, 0, {GenderIs(1), GenderIs(2)});
    TotalOptionRec request;
    CrossByQuestion(request, survey, Orders);
    CopyColumns(request, from);
    EXPECT_EQ(request.LimitCount, 2);
    EXPECT_EQ(request.Limits[3][1].KindRank, KindEnd);
    from.LimitCount = 0;
    CopyColumns(request, from);
    EXPECT_EQ(request.LimitCount, 1);
    from.LimitCount = 500;
    CopyColumns(request, from);
    EXPECT_EQ(request.LimitCount, MaxLimitCount);
}

TEST(TotalRequestTest, CodedRequestTakesTheRangeInAscendingOrder)
{
    struct Case {
        Integer question, toQuestion, qno, toQno;
    };
    for (const Case& c : {Case{1, 1, 1, 1}, Case{0, 2, 0, 2}, Case{2, 0, 0, 2}}) {
        CodedRequestPage page;
        page.question = c.question;
        page.toQuestion = c.toQuestion;
        const TotalOptionRec request = CodedRequest(TotalOptionRec{}, page);
        EXPECT_EQ(request.Qno, c.qno);
        EXPECT_EQ(request.ToQno, c.toQno);
    }

    TotalOptionRec work;
    work.Limits[0] = GenderIs(2);
    work.LimitCount = 3;
    work.XQno = 7;
    CodedRequestPage page;
    page.title = "題";
    page.rank = 2;
    page.rough = true;
    page.crossMode = 1;
    page.crossQuestion = 4;
    TotalOptionRec request = CodedRequest(work, page);
    EXPECT_EQ(request.Title, "題");
    EXPECT_EQ(request.Kind, TotalCodedAnswers);
    EXPECT_EQ(request.Rank, 2);
    EXPECT_TRUE(request.Rough);
    EXPECT_EQ(request.CrossMode, 1);
    EXPECT_EQ(request.XQno, 7) << "only a two-question cross names its question";
    EXPECT_EQ(request.LimitCount, 3);
    EXPECT_EQ(request.Limits[0][1].Code, MakeQC(Gender, 2));
    page.crossMode = 0;
    EXPECT_EQ(CodedRequest(work, page).XQno, 4);
}

TEST(TotalRequestTest, FreeTextCriterionFollowsTheOptions)
{
    struct Case {
        const char* what;
        bool anyAnswer;
        Integer answerOption, textOption, crossMode;
    };
    const Case cases[] = {
        {"no free text", false, WithoutText, TextContains, WithoutText},
        {"a free text, no condition on it", false, WithText, AnyAnswer, WithText},
        {"a text", false, WithText, TextContains, TextContains},
        {"quantities", false, WithText, QuantityBetween, QuantityBetween},
        {"codes", false, WithText, CodeBetween, CodeBetween},
        {"no text condition", false, NoTextCondition, CodeBetween, NoTextCondition},
        {"not used, whatever is selected", true, WithText, QuantityBetween, AnyAnswer},
    };
    for (const Case& c : cases) {
        FreeTextRequestPage page;
        page.anyAnswer = c.anyAnswer;
        page.answerOption = c.answerOption;
        page.textOption = c.textOption;
        EXPECT_EQ(FreeTextRequest(TotalOptionRec{}, page).CrossMode, c.crossMode) << c.what;
    }
}

TEST(TotalRequestTest, FreeTextRequestTakesOnlyItsCriterionsValues)
{
    TotalOptionRec work;
    work.ToQno = 4;
    work.LimitCount = 6;
    work.EssayText = "前";
    FreeTextRequestPage page;
    page.question = 2;
    page.choice = 3;
    page.rank = 1;
    page.answerOption = WithText;
    page.textOption = QuantityBetween;
    page.values = {"語", 1.5, 9, "A", "C"};
    const TotalOptionRec request = FreeTextRequest(work, page);
    EXPECT_EQ(request.Kind, TotalFreeTexts);
    EXPECT_EQ(request.Qno, 2);
    EXPECT_EQ(request.ToQno, 4);
    EXPECT_EQ(request.XQno, 3);
    EXPECT_EQ(request.Rank, 1);
    EXPECT_EQ(request.LimitCount, 1);
    EXPECT_EQ(request.QtyMin, 1.5);
    EXPECT_EQ(request.QtyMax, 9);
    EXPECT_EQ(request.EssayText, "前");
    EXPECT_EQ(request.CodeFrom, "");

    FreeTextCondition loaded;
    LoadFreeTextCondition(loaded, request, QuantityBetween);
    EXPECT_EQ(loaded.lower, 1.5);
    EXPECT_EQ(loaded.text, "");
    EXPECT_EQ(FreeTextConditionText(loaded, QuantityBetween), "1.5 ～ 9");
    EXPECT_EQ(FreeTextConditionText(page.values, CodeBetween), "A ～ C");
    EXPECT_EQ(FreeTextConditionText(page.values, WithText), "");
}

// Answers each input box with the next typed text, or Cancel for none, and
// keeps what each box showed as "title|name|range|caution|text".
class InputBoxes : public ScriptedUi {
public:
    std::deque<std::optional<QString>> typed;
    QStringList shown;

    bool inputBox(const QString& title, const QString& name, const QString& range, const QString& caution,
                  QString& text) override
    {
        shown << QStringList{title, name, range, caution, text}.join(u'|');
        if (typed.empty()) {
            ADD_FAILURE() << "unexpected input box " << title.toStdString();
            return false;
        }
        const std::optional<QString> answer = typed.front();
        typed.pop_front();
        if (answer)
            text = *answer;
        return answer.has_value();
    }
};

TEST(TotalRequestTest, FreeTextConditionsAreAskedBoundByBoundAndComeOutInOrder)
{
    const FreeTextCondition last{"前", 1, 5, "B", "D"};
    const std::nullopt_t cancel = std::nullopt;
    struct Case {
        Integer criterion;
        std::vector<std::optional<QString>> typed;
        QStringList shown;
        QString condition;  // as the window shows it
    };
    const Case cases[] = {
        {TextContains, {"駅"}, {"記述の条件|記述=||条件を指定しないことも出来ます|前"}, "駅"},
        {TextContains, {cancel}, {"記述の条件|記述=||条件を指定しないことも出来ます|前"}, "前"},
        {QuantityBetween, {"10", "2.5"}, {"数量の条件|最小値は|||1", "数量の条件|最大値は|10～||5"}, "2.5 ～ 10"},
        {QuantityBetween, {cancel, "x"}, {"数量の条件|最小値は|||1", "数量の条件|最大値は|1～||5"}, "0 ～ 1"},
        {CodeBetween, {"C", "A"}, {"ｺｰﾄﾞの条件|最小値は|||B", "ｺｰﾄﾞの条件|最大値は|C～||D"}, "A ～ C"},
        {CodeBetween, {"b", cancel}, {"ｺｰﾄﾞの条件|最小値は|||B", "ｺｰﾄﾞの条件|最大値は|b～||D"}, "D ～ b"},
        {WithText, {}, {}, ""},
    };
    for (const Case& c : cases) {
        InputBoxes boxes;
        boxes.typed.assign(c.typed.begin(), c.typed.end());
        FreeTextCondition values = last;
        AskFreeTextCondition(values, c.criterion);
        SCOPED_TRACE(c.condition.toStdString());
        EXPECT_EQ(boxes.shown, c.shown);
        EXPECT_EQ(FreeTextConditionText(values, c.criterion), c.condition);
    }
}

TEST_F(RequestColumnsTest, ListsOfRanksAndChoices)
{
    EXPECT_EQ(RankList(1), (QStringList{"全順位", "1位"}));
    EXPECT_EQ(RankList(3), (QStringList{"全順位", "1位", "2位", "3位"}));
    const QStringList choices = ChoiceSelectorList(survey, Gender);
    ASSERT_EQ(choices.size(), 4);
    EXPECT_TRUE(choices[1].contains("男性"));
    EXPECT_EQ(choices.last(), "全選択肢(無回答除く)");
    EXPECT_FALSE(RoughCountingOffered(199));
    EXPECT_TRUE(RoughCountingOffered(200));
}

}  // namespace
}  // namespace kz
