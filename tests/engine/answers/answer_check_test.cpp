#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "answers/answer_check.h"
#include "answers/free_text_match.h"
#include "answers/question_limit_check.h"
#include "model/answer_store.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/instr_in_line.h"

namespace kz {
namespace {

using test::Row;

struct Answers {
    std::vector<Integer> codes;
    std::vector<QString> texts;
    bool operator==(const Answers&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Answers& a)
{
    for (size_t i = 0; i < a.codes.size(); ++i)
        os << a.codes[i] << "/" << a.texts[i].toStdString() << " ";
    return os;
}

Answers Take(Integer count, const QVector<Integer>& codes, const QVector<QString>& texts)
{
    Answers a;
    for (int i = 0; i < count; ++i) {
        a.codes.push_back(codes[i]);
        a.texts.push_back(texts.value(i));
    }
    return a;
}

class AnswerFixture : public test::SurveyFixture {
protected:
    void SetAttr(Integer q, Integer c, std::initializer_list<ChoiceAttr> bits)
    {
        for (ChoiceAttr bit : bits)
            survey.Choices(q, c).Attr |= Integer(1 << bit);
    }

    // Stored answers of one question, with "" for a question without free text.
    Answers Stored(Long sample, Integer q)
    {
        Integer count = 0;
        QVector<Integer> codes;
        QVector<QString> texts;
        ReadQuestionAnswers(workspace, sample, q, count, codes, texts);
        return Take(count, codes, texts);
    }

    void Store(Long sample, Integer q, std::vector<Integer> codes, std::vector<QString> texts = {})
    {
        texts.resize(codes.size());
        WriteQuestionAnswers(workspace, sample, q, static_cast<Integer>(codes.size()),
                             QVector<Integer>(codes.begin(), codes.end()),
                             QVector<QString>(texts.begin(), texts.end()));
    }
};

// Question 1 "好きな色": up to 3 answers of choices 0..4; choice 1 may be
// selected repeatedly, choice 3 takes free text, choice 4 is the other choice
// with free text. Question 2 "年代": one answer of 0..2, no free text.
class AnswerCheckTest : public AnswerFixture {
protected:
    void SetUp() override
    {
        SurveyFixture::SetUp();
        AddQuestion(3, 5, {3, 4});
        SetQuestionText(0, QStringLiteral("好きな色"));
        SetAttr(0, 1, {AttrMultiple});
        SetAttr(0, 4, {AttrOther});
        AddQuestion(1, 3);
        SetQuestionText(1, QStringLiteral("年代"));
        BuildLayout();
        AddSample(1);
    }

    Answers Check(Integer q, std::vector<Integer> codes, std::vector<QString> texts = {}, bool report = false,
                  bool duplicates = true, ReportContext* context = nullptr)
    {
        texts.resize(codes.size());
        auto count = static_cast<Integer>(codes.size());
        QVector<Integer> c(codes.begin(), codes.end());
        QVector<QString> t(texts.begin(), texts.end());
        CheckQuestionAnswers(survey, 0, q, count, c, t, report, duplicates, context);
        return Take(count, c, t);
    }

    static ReportContext Context(const QString& reply, QVector<int> starts)
    {
        ReportContext context;
        context.reply = reply;
        context.answerStart = starts;
        context.answerLength = QVector<int>(starts.size(), 1);
        return context;
    }

    QString OnlyBox() const
    {
        EXPECT_EQ(ui_.boxes().size(), 1u);
        if (ui_.boxes().empty())
            return {};
        EXPECT_EQ(ui_.boxes()[0].style, vbExclamation);
        return ui_.boxes()[0].prompt;
    }

    test::ScriptedUi ui_;
};

Answers A(std::vector<Integer> codes, std::vector<QString> texts = {})
{
    texts.resize(codes.size());
    return {std::move(codes), std::move(texts)};
}

const Answers Unanswered = A({0});

// A single answer found sound is one the checks leave as it is; one found
// unsound is one they change.
TEST_F(AnswerCheckTest, ASingleAnswerIsSoundExactlyWhenTheChecksKeepIt)
{
    survey.CheckOptions = 0;
    const struct {
        Integer q;
        Integer code;
        const char* text;
        bool sound;
        Answers checked;
    } cases[] = {
        {0, 2, "", true, A({2})},         {0, 4, "", true, A({4})},       // the last choice
        {0, 3, "t", true, A({3}, {"t"})},                                 // a text on a choice that takes one
        {0, 0, "", true, Unanswered},     {0, 5, "", false, Unanswered},  // past the last choice
        {0, -1, "", false, Unanswered},                                   // a deleted choice
        {0, 2, "t", false, A({2})},                                       // a text on a choice that takes none
        {1, 0, "t", false, Unanswered},                                   // a text beside no answer
        {1, 3, "", false, Unanswered},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.q << ": " << test.code << " '" << test.text << "'");
        EXPECT_EQ(SoundSingleAnswer(survey, test.q, test.code, QString::fromUtf8(test.text)), test.sound);
        EXPECT_EQ(Check(test.q, {test.code}, {QString::fromUtf8(test.text)}), test.checked);
    }
}

// --- option 1: answers to choices that do not exist ---

TEST_F(AnswerCheckTest, MissingChoiceBecomesTheOtherChoiceOnlyWithOption1)
{
    survey.CheckOptions = CheckMissingToOther;
    EXPECT_EQ(Check(0, {9}), A({4}));
    EXPECT_EQ(Check(0, {-1, 2}), A({4, 2}));
    EXPECT_EQ(Check(1, {5}), Unanswered) << "a question without other choice drops it";

    survey.CheckOptions = 0;
    EXPECT_EQ(Check(0, {9}), Unanswered);
    EXPECT_EQ(Check(0, {2, 9, 3}, {"", "", "t"}), A({2, 3}, {"", "t"}));
    EXPECT_EQ(Check(0, {9, 9, 9}), Unanswered);
}

TEST_F(AnswerCheckTest, MissingChoiceReportShowsTheTypedAnswer)
{
    ui_.expectBox(vbOK);
    ReportContext context = Context(QStringLiteral("x.12."), {3});
    context.answerLength[0] = 2;
    Check(0, {12}, {}, true, true, &context);
    EXPECT_EQ(OnlyBox(), QStringLiteral("Q1 好きな色の回答は存在しない選択肢(12)を回答してます"));
}

// --- option 2: free text beside a choice without free text ---

TEST_F(AnswerCheckTest, MisplacedTextMovesToTheOtherChoiceOnlyWithOption2)
{
    survey.CheckOptions = CheckEssayToOther;
    EXPECT_EQ(Check(0, {2, 3}, {"x", "y"}), A({4, 3}, {"x", "y"}));
    survey.CheckOptions = 0;
    EXPECT_EQ(Check(0, {2, 3}, {"x", "y"}), A({2, 3}, {"", "y"}));
}

TEST_F(AnswerCheckTest, MisplacedTextIsClearedWhenTheOtherChoiceTakesNoText)
{
    survey.Choices(0, 4).Attr &= Integer(~(1 << AttrEssay));
    survey.CheckOptions = CheckEssayToOther;
    EXPECT_EQ(Check(0, {2}, {"x"}), A({2}));
}

TEST_F(AnswerCheckTest, MisplacedTextReport)
{
    ui_.expectBox(vbOK);
    ReportContext context = Context(QStringLiteral("2/x/"), {1});
    Check(0, {2}, {"x"}, true, true, &context);
    EXPECT_EQ(OnlyBox(), QStringLiteral("Q1 好きな色の回答(2)は記述選択肢ではないのに記述文があります"));
}

// --- duplicates ---

TEST_F(AnswerCheckTest, DuplicateLeavesOneAnswerWhateverOption4)
{
    for (Integer options : {0, int(CheckDropExclusive)}) {
        survey.CheckOptions = options;
        EXPECT_EQ(Check(0, {2, 2}), A({2})) << "options " << options;
        EXPECT_EQ(Check(0, {2, 3, 2}, {"", "a", ""}), A({2, 3}, {"", "a"}));
    }
    EXPECT_EQ(Check(0, {2, 2}, {}, false, false), A({2, 2})) << "duplicates not looked for";
}

TEST_F(AnswerCheckTest, OtherAndMultipleChoicesMayRepeatWithoutText)
{
    EXPECT_EQ(Check(0, {4, 4}), A({4, 4}));
    EXPECT_EQ(Check(0, {1, 1}), A({1, 1}));
    EXPECT_EQ(Check(0, {4, 4}, {"a", "a"}), A({4}, {"a"}));
    EXPECT_EQ(Check(0, {4, 4}, {"a", "b"}), A({4, 4}, {"a", "b"}));
    EXPECT_EQ(Check(0, {3, 3}, {"a", "a"}), A({3}, {"a"}));
}

TEST_F(AnswerCheckTest, DuplicateReportPointsAtTheLaterAnswer)
{
    ui_.expectBox(vbOK);
    ReportContext context = Context(QStringLiteral("2 3 2"), {1, 3, 5});
    Check(0, {2, 3, 2}, {}, true, true, &context);
    EXPECT_EQ(OnlyBox(), QStringLiteral("Q1 好きな色の複数回答に重複(2)がありました。取り除いておきます"));
    EXPECT_EQ(context.answerStart, (QVector<int>{1, 3}));
}

// --- option 4: exclusive answers among others ---

TEST_F(AnswerCheckTest, ExclusiveNoAnswerAmongOthers)
{
    survey.CheckOptions = CheckDropExclusive;
    EXPECT_EQ(Check(0, {0, 3}, {"", "t"}), A({3}, {"t"}));
    survey.CheckOptions = 0;
    EXPECT_EQ(Check(0, {0, 3}, {"", "t"}), Unanswered) << "the other answers go, texts with them";
}

TEST_F(AnswerCheckTest, ExclusiveChoiceAmongOthers)
{
    SetAttr(0, 2, {AttrExclusive});
    survey.CheckOptions = CheckDropExclusive;
    EXPECT_EQ(Check(0, {1, 2, 3}), A({1, 3}));
    EXPECT_EQ(Check(0, {2, 0}), A({0})) << "one answer is left, never none";
    survey.CheckOptions = 0;
    EXPECT_EQ(Check(0, {1, 2, 3}), A({2}));
    EXPECT_EQ(Check(0, {2, 0}), A({2})) << "the first exclusive answer stays";
}

TEST_F(AnswerCheckTest, ExclusiveReportsNameTheRepair)
{
    ui_.expectBox(vbOK);
    ui_.expectBox(vbOK);
    ReportContext context = Context(QStringLiteral("03"), {1, 2});
    survey.CheckOptions = CheckDropExclusive;
    Check(0, {0, 3}, {}, true, true, &context);
    ReportContext again = Context(QStringLiteral("03"), {1, 2});
    survey.CheckOptions = 0;
    Check(0, {0, 3}, {}, true, true, &again);
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].prompt,
              QStringLiteral("Q1 好きな色の複数回答に排他回答(0)が混じっていました。排他回答を取り除いておきます。"));
    EXPECT_EQ(ui_.boxes()[1].prompt, QStringLiteral("Q1 好きな色の複数回答に排他回答(0)が混じっていました。"
                                                    "排他回答以外の回答を取り除いておきます。"));
}

// --- answers that could not be packed ---

TEST_F(AnswerCheckTest, RemovalNeverLeavesAZeroForALaterStep)
{
    survey.CheckOptions = 0;  // exclusive answers would keep a stray 0 and drop the rest
    EXPECT_EQ(Check(0, {2, 2}), A({2}));
    EXPECT_EQ(Check(0, {2, 9}), A({2}));
    EXPECT_EQ(Check(0, {9, 2, 2}), A({2}));
}

TEST_F(AnswerCheckTest, NonExclusiveZeroAmongAnswersIsDropped)
{
    survey.Choices(0, 0).Attr = 0;  // as the default questionnaire leaves it
    EXPECT_EQ(Check(0, {0, 3}, {"", "t"}), A({3}, {"t"}));
    EXPECT_EQ(Check(0, {2, 0, 3}), A({2, 3}));
}

TEST_F(AnswerCheckTest, UnansweredQuestionKeepsNoTextAndRaisesNoReport)
{
    EXPECT_EQ(Check(0, {0}, {"old"}, true), Unanswered);
    EXPECT_EQ(Check(1, {}, {}, true), Unanswered);
}

// A 0 left alone once the answers to missing choices are gone was given
// beside them: a text on it is a finding as on any answer.
TEST_F(AnswerCheckTest, ATextOnA0LeftByMissingChoicesIsReported)
{
    for (const auto& [options, checked] :
         {std::pair{0, Unanswered}, std::pair{int(CheckEssayToOther), A({4}, {"x"})}}) {
        survey.CheckOptions = options;
        ui_.expectBox(vbOK);
        ui_.expectBox(vbOK);
        ReportContext context = Context(QStringLiteral("9 0/x/"), {1, 3});
        EXPECT_EQ(Check(0, {9, 0}, {"", "x"}, true, true, &context), checked);
        EXPECT_EQ(context.findings, 2);
        EXPECT_EQ(ui_.boxes().back().prompt,
                  QStringLiteral("Q1 好きな色の回答(0)は記述選択肢ではないのに記述文があります"));
    }
}

// A structure change can leave more answers than MaxAnswers, some naming
// choices that are gone: those give way before the list is cut.
TEST_F(AnswerCheckTest, AnswersBeyondMaxAnswersAreCutAfterMissingChoicesGaveWay)
{
    const struct {
        Integer options;
        Integer q;
        std::vector<Integer> codes;
        Answers checked;
    } cases[] = {
        {0, 0, {1, 2, 3, 4}, A({1, 2, 3})},
        {0, 1, {1, 2}, A({1})},
        {0, 1, {7, 2}, A({2})},
        {0, 0, {9, 1, 9, 2, 3}, A({1, 2, 3})},
        {CheckMissingToOther, 0, {9, 1, 2, 3}, A({4, 1, 2})},
        {CheckMissingToOther, 1, {7, 7, 1}, A({1})},  // no other choice to turn into
    };
    for (const auto& test : cases) {
        survey.CheckOptions = test.options;
        EXPECT_EQ(Check(test.q, test.codes), test.checked) << test.options << " " << test.q;
    }
}

TEST_F(AnswerCheckTest, ContextFollowsRemovedAnswers)
{
    ui_.expectBox(vbOK);
    ui_.expectBox(vbOK);
    ReportContext context = Context(QStringLiteral("1 9 2/x/"), {1, 3, 5});
    survey.CheckOptions = 0;
    EXPECT_EQ(Check(0, {1, 9, 2}, {"", "", "x"}, true, true, &context), A({1, 2}));
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].prompt, QStringLiteral("Q1 好きな色の回答は存在しない選択肢(9)を回答してます"));
    EXPECT_EQ(ui_.boxes()[1].prompt, QStringLiteral("Q1 好きな色の回答(2)は記述選択肢ではないのに記述文があります"));
    EXPECT_EQ(context.answerStart, (QVector<int>{1, 5}));
}

// The entry window may silence reports (while the import window runs) and
// marks the answer while the box is up.
class RecordingView : public ReplyView {
public:
    bool wants = true;
    std::vector<std::pair<int, int>> marks;
    int restored = 0;
    bool wantsReports() const override { return wants; }
    void markAnswer(int start, int length) override { marks.emplace_back(start, length); }
    void restoreText() override { ++restored; }
};

TEST_F(AnswerCheckTest, ViewDecidesAndMarks)
{
    RecordingView view;
    ReportContext context = Context(QStringLiteral("1 9"), {1, 3});
    context.view = &view;
    view.wants = false;
    EXPECT_EQ(Check(0, {1, 9}, {}, true, true, &context), A({1}));
    EXPECT_TRUE(view.marks.empty());

    ui_.expectBox(vbOK);
    view.wants = true;
    context = Context(QStringLiteral("1 9"), {1, 3});
    context.view = &view;
    Check(0, {1, 9}, {}, true, true, &context);
    EXPECT_EQ(view.marks, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(view.restored, 1);
}

// --- a whole sample ---

TEST_F(AnswerCheckTest, SampleCheckKeepsTheFlatArraysAligned)
{
    ui_.expectBox(vbOK);
    ui_.expectBox(vbOK);
    QVector<Integer> counts{3, 1};
    QVector<Integer> codes{2, 2, 3, 7};
    QVector<QString> texts{"", "", "t", ""};
    ReportContext context = Context(QStringLiteral("2 2 3/t/-7"), {1, 3, 5, 10});
    CheckSampleAnswers(survey, 0, counts, codes, texts, true, &context);
    EXPECT_EQ(counts, (QVector<Integer>{2, 1}));
    EXPECT_EQ(Take(3, codes, texts), A({2, 3, 0}, {"", "t", ""}));
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[1].prompt, QStringLiteral("Q2 年代の回答は存在しない選択肢(7)を回答してます"));
    EXPECT_EQ(context.answerStart, (QVector<int>{1, 5, 10}));
}

TEST_F(AnswerCheckTest, SampleCheckOfAQuestionWithoutAnswersOverwritesNothing)
{
    QVector<Integer> counts{0, 1};
    QVector<Integer> codes{2};
    QVector<QString> texts{""};
    CheckSampleAnswers(survey, 0, counts, codes, texts, false, nullptr);
    EXPECT_EQ(counts, (QVector<Integer>{1, 1}));
    EXPECT_EQ(Take(2, codes, texts), A({0, 2}));
}

TEST_F(AnswerCheckTest, SampleCheckGivesAnEmptyContextEntryToAQuestionWithoutAnswers)
{
    ui_.expectBox(vbOK);
    QVector<Integer> counts{0, 1};
    QVector<Integer> codes{7};
    QVector<QString> texts{""};
    ReportContext context = Context(QStringLiteral("-7"), {2});
    CheckSampleAnswers(survey, 0, counts, codes, texts, true, &context);
    EXPECT_EQ(OnlyBox(), QStringLiteral("Q2 年代の回答は存在しない選択肢(7)を回答してます"));
    EXPECT_EQ(context.answerStart, (QVector<int>{0, 2}));
}

// --- question limits ---

// Question 1 "親" (0..2), question 2 "子" (0..2, choice 2 with free text, up to
// two answers) asked only of those who gave 1 to question 1.
class QuestionLimitTest : public AnswerCheckTest {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(1, 3);
        SetQuestionText(0, QStringLiteral("親"));
        AddQuestion(2, 3, {2});
        SetQuestionText(1, QStringLiteral("子"));
        AddQuestion(1, 3);
        survey.QuestionLimit[1] = test::MakeCondition(0, {Row(3, 0, 1)});
        BuildLayout();
        AddSample(1);
    }
};

TEST_F(QuestionLimitTest, UnansweredParentIsCompletedWithOption8Clear)
{
    survey.LimitTable[0] = test::MakeCondition(0, {Row(3, 0, 1)});
    Store(0, 1, {2}, {"memo"});
    EXPECT_EQ(samples.Samples.flags(0) & 1, 0);
    CheckSampleLimits(workspace, 0, false, nullptr);
    EXPECT_EQ(Stored(0, 0), A({1}));
    EXPECT_EQ(Stored(0, 1), A({2}, {"memo"}));
    EXPECT_EQ(samples.Samples.flags(0) & 1, 1) << "stored limits see the completed parent";
}

TEST_F(QuestionLimitTest, QuestionBecomesUnansweredWithOption8AndLosesItsTexts)
{
    survey.CheckOptions = CheckLimitToUnanswered;
    Store(0, 1, {2, 2}, {"memo", "more"});
    CheckSampleLimits(workspace, 0, false, nullptr);
    EXPECT_EQ(Stored(0, 0), Unanswered);
    EXPECT_EQ(Stored(0, 1), Unanswered);
    EXPECT_TRUE(samples.Samples.texts(0).isEmpty());
}

TEST_F(QuestionLimitTest, AnsweredParentLeavesTheFindingAsItIs)
{
    Store(0, 0, {2});
    Store(0, 1, {1});
    CheckSampleLimits(workspace, 0, false, nullptr);
    EXPECT_EQ(Stored(0, 0), A({2}));
    EXPECT_EQ(Stored(0, 1), A({1}));
}

TEST_F(QuestionLimitTest, UnansweredQuestionOutsideItsLimitIsLeftAlone)
{
    CheckSampleLimits(workspace, 0, true, nullptr);  // no box expected
    EXPECT_EQ(Stored(0, 0), Unanswered);
}

TEST_F(QuestionLimitTest, LimitsThatCannotBeCompletedMakeTheQuestionUnanswered)
{
    const std::vector<Condition> limits = {
        test::MakeCondition(0, {Row(4, 0, 1)}),  // an exclusion
        test::MakeCondition(0, {Row(3, 0, 7)}),  // a choice the parent does not have
    };
    for (const Condition& limit : limits) {
        survey.QuestionLimit[1] = limit;
        Store(0, 0, {0});
        Store(0, 1, {1});
        if (limit[1].KindRank == 4)
            Store(0, 0, {1});  // the exclusion fails only when the parent has the answer
        CheckSampleLimits(workspace, 0, false, nullptr);
        const Answers parent = Stored(0, 0);
        EXPECT_LT(parent.codes[0], survey.Questions[0].ChoiceCount);
        EXPECT_EQ(Stored(0, 1), Unanswered) << "limit row code " << limit[1].Code;
    }
}

TEST_F(QuestionLimitTest, RowOnChoice0OfAnUnansweredParentLeavesTheFinding)
{
    // Asked of those who left question 1 unanswered and gave 1 to question 3.
    survey.QuestionLimit[1] = test::MakeCondition(0, {Row(3, 0, 0), Row(3, 2, 1)});
    Store(0, 1, {1});
    CheckSampleLimits(workspace, 0, false, nullptr);
    EXPECT_EQ(Stored(0, 0), Unanswered);
    EXPECT_EQ(Stored(0, 1), A({1}));
}

TEST_F(QuestionLimitTest, ChainOfParentsIsCompletedUpwards)
{
    survey.QuestionLimit[1] = test::MakeCondition(0, {Row(3, 0, 2)});
    survey.QuestionLimit[2] = test::MakeCondition(0, {Row(3, 1, 1)});
    Store(0, 2, {2});
    CheckSampleLimits(workspace, 0, false, nullptr);
    EXPECT_EQ(Stored(0, 0), A({2}));
    EXPECT_EQ(Stored(0, 1), A({1}));
    EXPECT_EQ(Stored(0, 2), A({2}));
}

TEST_F(QuestionLimitTest, CycleOfLimitsEnds)
{
    survey.QuestionLimit[0] = test::MakeCondition(0, {Row(3, 1, 1)});
    Store(0, 1, {2});
    CheckSampleLimits(workspace, 0, false, nullptr);
    EXPECT_EQ(Stored(0, 0), A({1}));
    EXPECT_EQ(Stored(0, 1), A({2}));
}

TEST_F(QuestionLimitTest, ReportAndContextFollowTheStoredAnswers)
{
    survey.CheckOptions = CheckLimitToUnanswered;
    survey.QuestionLimit[2] = test::MakeCondition(0, {Row(3, 0, 2)});
    Store(0, 1, {1, 2}, {"", "z"});
    Store(0, 2, {1});
    ui_.expectBox(vbOK);
    ui_.expectBox(vbOK);
    ReportContext context = Context(QStringLiteral("0-12/z/-1"), {1, 3, 4, 9});
    CheckSampleLimits(workspace, 0, true, &context);
    ASSERT_EQ(ui_.boxes().size(), 2u);
    EXPECT_EQ(ui_.boxes()[0].prompt, QStringLiteral("Q2 子の回答(1)は質問の限定に合致していません。"));
    EXPECT_EQ(ui_.boxes()[1].prompt, QStringLiteral("Q3 3質問の回答(1)は質問の限定に合致していません。"));
    EXPECT_EQ(context.answerStart, (QVector<int>{1, 3, 9}));
}

// --- the free-text listing's matcher ---

// Question 1: up to 3 answers; choice 1 free text, choice 2 a coded choice,
// choice 3 a quantity. Question 2: no free text.
class FreeTextMatchTest : public AnswerFixture {
protected:
    void SetUp() override
    {
        SurveyFixture::SetUp();
        AddQuestion(3, 5, {1, 2, 3});
        SetAttr(0, 2, {AttrCoded});
        SetAttr(0, 3, {AttrQuantity});
        AddQuestion(1, 3);
        BuildLayout();
        AddSample(1);
        Store(0, 0, {1, 2, 3}, {"blue sky", "B2:label", "12"});
        Store(0, 1, {2});
    }

    Answers Match(const FreeTextRequest& request, const Condition& cond = {})
    {
        Integer count = -1;
        QVector<Integer> codes;
        QVector<QString> texts;
        const bool matched = MatchSampleQuestion(workspace, 0, request, cond, count, codes, texts);
        EXPECT_EQ(matched, count > 0);
        return Take(count, codes, texts);
    }

    static FreeTextRequest Request(Integer xq, Integer mode)
    {
        FreeTextRequest r;
        r.XQno = xq;
        r.CrossMode = mode;
        return r;
    }
};

TEST_F(FreeTextMatchTest, SampleOutsideTheConditionIsNotListed)
{
    EXPECT_EQ(Match(Request(5, 5), test::MakeCondition(0, {Row(3, 1, 1)})), A({}));
    EXPECT_EQ(Match(Request(5, 5), test::MakeCondition(0, {Row(3, 1, 2)})).codes.size(), 3u);
}

TEST_F(FreeTextMatchTest, ChoiceSelector)
{
    EXPECT_EQ(Match(Request(2, 5)), A({2}, {"B2:label"}));
    Store(0, 0, {0});
    EXPECT_EQ(Match(Request(5, 5)), A({})) << "every choice but 無回答";
    EXPECT_EQ(Match(Request(0, 5)), A({0}));
    EXPECT_EQ(Match(Request(5, -1)), A({0})) << "no criterion: every answer";
}

TEST_F(FreeTextMatchTest, TextCriteria)
{
    Store(0, 0, {1, 1, 3}, {"", "blue sky", "12"});
    EXPECT_EQ(Match(Request(1, 0)), A({1}, {""}));
    EXPECT_EQ(Match(Request(1, 1)), A({1}, {"blue sky"}));
    FreeTextRequest contains = Request(5, 2);
    contains.EssayText = QStringLiteral("sky");
    EXPECT_EQ(Match(contains), A({1}, {"blue sky"}));
    contains.EssayText = QStringLiteral("Sky");
    EXPECT_EQ(Match(contains), A({}));
}

TEST_F(FreeTextMatchTest, QuantityAndCodeJudgeACodedChoiceByItsCode)
{
    Store(0, 0, {2, 3}, {"15:label", "12"});
    FreeTextRequest qty = Request(5, 3);
    qty.QtyMin = 12;
    qty.QtyMax = 15;
    EXPECT_EQ(Match(qty), A({2, 3}, {"15:label", "12"}));
    qty.QtyMin = 13;
    EXPECT_EQ(Match(qty), A({2}, {"15:label"}));

    Store(0, 0, {2, 2, 1}, {"B2:x", "C1:y", "B3"});
    FreeTextRequest code = Request(5, 4);
    code.CodeFrom = QStringLiteral("B1");
    code.CodeTo = QStringLiteral("B3");
    EXPECT_EQ(Match(code), A({2, 1}, {"B2:x", "B3"}));
}

TEST_F(FreeTextMatchTest, QuestionWithoutFreeTextGivesEmptyTexts)
{
    FreeTextRequest r = Request(2, 0);
    r.Qno = 1;
    EXPECT_EQ(Match(r), A({2}, {""}));
}

TEST(InStrInLineTest, StopsAtTheLineEnd)
{
    const QString s = QStringLiteral("ab\rcd");
    EXPECT_EQ(InStrInLine(1, s, QStringLiteral("c")), 0);
    EXPECT_EQ(InStrInLine(4, s, QStringLiteral("c")), 4);
    EXPECT_EQ(InStrInLine(1, s, QStringLiteral("b")), 2);
    EXPECT_EQ(InStrInLine(2, s, QStringLiteral("x")), 0);
}

}  // namespace
}  // namespace kz
