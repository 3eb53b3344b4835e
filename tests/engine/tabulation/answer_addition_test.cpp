// Adding an answer to listed samples: given choices, copies with shifts and
// bands, full and exclusive targets under the correction options, asking
// per sample, stops, and listings that outlive inserts.
#include <gtest/gtest.h>

#include "answers/answer_check.h"
#include "document/listed_samples.h"
#include "document/menu_state.h"
#include "host/long_job.h"
#include "model/answer_store.h"
#include "model/sample_table.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "tabulation/answer_addition.h"

namespace kz {
namespace {

// Q1 "購入": up to 2 of choices 0..7; choice 1 takes free text, 6 is
// exclusive. Q2 "金額": one answer, choice 1 a quantity. Q3 "店": one of
// 0..7. Samples ID 1..4, all unanswered.
enum : Integer { Target = 0, Quantity = 1, Source = 2 };

struct Answers {
    QVector<Integer> codes;
    QStringList texts;
    bool operator==(const Answers&) const = default;
};

void PrintTo(const Answers& a, std::ostream* out)
{
    for (int i = 0; i < a.codes.size(); ++i)
        *out << a.codes[i] << ':' << a.texts.value(i).toStdString() << ' ';
}

class FormWindow : public AnswerAdditionWindow {
public:
    AnswerAdditionForm form() override { return state; }
    void dropBands() override
    {
        state.CopyNum = false;
        ++drops;
    }

    AnswerAdditionForm state;
    int drops = 0;
};

class AnswerAdditionTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(2, 8, {1});
        survey.Choices(Target, 6).Attr |= 1 << AttrExclusive;
        AddQuestion(1, 3, {1});
        survey.Choices(Quantity, 1).Attr |= 1 << AttrQuantity;
        AddQuestion(1, 8);
        BuildLayout();
        for (Long id = 1; id <= 4; ++id)
            AddSample(id);
        survey.CheckOptions = CheckDropExclusive;
        listed.clear(samples);
    }

    void Store(Long id, Integer q, QVector<Integer> codes, QStringList texts = {})
    {
        while (texts.size() < codes.size())
            texts << QString();
        WriteQuestionAnswers(workspace, FindSamplePos(samples.Samples, id), q, static_cast<Integer>(codes.size()),
                             codes, QVector<QString>(texts.begin(), texts.end()));
    }
    Answers Stored(Long id, Integer q = Target)
    {
        Integer n = 0;
        QVector<Integer> codes;
        QVector<QString> texts;
        ReadQuestionAnswers(workspace, FindSamplePos(samples.Samples, id), q, n, codes, texts);
        Answers a;
        for (int i = 0; i < n; ++i) {
            a.codes << codes[i];
            a.texts << texts.value(i);
        }
        return a;
    }
    void List(std::initializer_list<Long> ids)
    {
        for (Long id : ids)
            listed.append(id);
    }
    Long Add(bool askEach = false) { return AddAnswersToListed(workspace, listed, askEach, window); }
    void Copy(Integer source, const char* shift)
    {
        window.state.copy = true;
        window.state.AddQno = source;
        window.state.Alpha = QString::fromLatin1(shift);
    }

    test::ScriptedUi ui;
    ListedSampleIds listed;
    FormWindow window;
};

Answers A(QVector<Integer> codes, QStringList texts = {})
{
    while (texts.size() < codes.size())
        texts << QString();
    return {codes, texts};
}

TEST_F(AnswerAdditionTest, GivenChoiceGoesToEachListedSampleOnceAndNowhereElse)
{
    List({1, 3, 3});
    window.state.Cno = 1;
    window.state.AddEssay = QStringLiteral("メモ");
    EXPECT_EQ(Add(), 2);
    // The unanswered 0 and the new answer: 0 is exclusive and goes.
    EXPECT_EQ(Stored(1), A({1}, {"メモ"}));
    EXPECT_EQ(Stored(3), A({1}, {"メモ"}));
    EXPECT_EQ(Stored(2), A({0}));
    EXPECT_EQ(Stored(4), A({0}));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(ui.processingEnded(), 1);
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(AnswerAdditionTest, FullTargetsRanksAndExclusiveChoicesUnderTheCorrectionOptions)
{
    struct Case {
        const char* name;
        QVector<Integer> before;
        Integer rank;
        Integer add;
        Integer options;
        Answers after;
    };
    const Case cases[] = {
        {"room left", {2}, 0, 3, CheckDropExclusive, A({2, 3})},
        {"full: the last answer is replaced", {2, 3}, 0, 4, CheckDropExclusive, A({2, 4})},
        {"rank 1 replaced", {2, 3}, 1, 5, CheckDropExclusive, A({5, 3})},
        {"rank 2 of one answer: unchanged", {2}, 2, 5, CheckDropExclusive, A({2})},
        {"exclusive dropped", {2, 3}, 0, 6, CheckDropExclusive, A({2})},
        {"exclusive kept, the others go", {2, 3}, 0, 6, 0, A({6})},
    };
    for (const Case& c : cases) {
        Store(1, Target, c.before);
        survey.CheckOptions = c.options;
        listed.clear(samples);
        List({1});
        window.state.Rank = c.rank;
        window.state.Cno = c.add;
        Add();
        EXPECT_EQ(Stored(1), c.after) << c.name;
    }
}

TEST_F(AnswerAdditionTest, CopiesAreShiftedWithinTheChoicesAndUnansweredSourcesAddNothing)
{
    Store(1, Source, {6});
    Store(2, Source, {5});
    Store(3, Source, {2});
    List({1, 2, 3, 4});
    Copy(Source, "3");
    EXPECT_EQ(Add(), 3);
    EXPECT_EQ(Stored(1), A({7}));
    EXPECT_EQ(Stored(2), A({7})) << "capped at the last choice";
    EXPECT_EQ(Stored(3), A({5}));
    EXPECT_EQ(Stored(4), A({0})) << "無回答 is not copied";

    struct Case {
        const char* shift;
        Integer code;
    };
    // A fractional shift rounds half to even: 2.5 gives 2, 3.5 gives 4.
    for (const Case& c : {Case{"1e30", 7}, Case{"-1e30", 0}, Case{"-1", 1}, Case{"abc", 2}, Case{"0.5", 2},
                          Case{"1.5", 4}, Case{"0.6", 3}, Case{"-1.5", 0}}) {
        window.state.Alpha = QString::fromLatin1(c.shift);
        EXPECT_EQ(AnswersToAdd(workspace, FindSamplePos(samples.Samples, 3), window.state, std::nullopt).codes,
                  QVector<Integer>{c.code})
            << c.shift;
    }
}

TEST_F(AnswerAdditionTest, QuantitiesTurnIntoBands)
{
    Store(1, Quantity, {1}, {"4"});
    Store(2, Quantity, {1}, {"5"});
    Store(3, Quantity, {1}, {""});
    Store(4, Quantity, {1}, {"1234567890"});
    Copy(Quantity, "0");
    const Band band{0, 5};
    struct Case {
        Long id;
        Integer code;
    };
    for (const Case& c : {Case{1, 1}, Case{2, 2}, Case{3, 0}, Case{4, 0}})
        EXPECT_EQ(AnswersToAdd(workspace, FindSamplePos(samples.Samples, c.id), window.state, band).codes,
                  QVector<Integer>{c.code})
            << c.id;
    Store(1, Quantity, {1}, {"-20"});
    EXPECT_EQ(AnswersToAdd(workspace, FindSamplePos(samples.Samples, 1), window.state, band).codes,
              QVector<Integer>{0})
        << "below the bands";
    Store(1, Quantity, {1}, {"500"});
    EXPECT_EQ(AnswersToAdd(workspace, FindSamplePos(samples.Samples, 1), window.state, band).codes,
              QVector<Integer>{7})
        << "above them";
    window.state.Alpha = QStringLiteral("2");
    Store(1, Quantity, {1}, {"4"});
    EXPECT_EQ(AnswersToAdd(workspace, FindSamplePos(samples.Samples, 1), window.state, band).codes,
              QVector<Integer>{0})
        << "below the shift";

    EXPECT_EQ(BandText(band), QStringLiteral("0～5未満を(1)、5～10未満を(2)...とします"));
    EXPECT_EQ(BandText({1.5, 2.5}), QStringLiteral("1.5～4未満を(1)、4～6.5未満を(2)...とします"));
}

TEST_F(AnswerAdditionTest, UnusableBandsSwitchTheConversionOff)
{
    struct Case {
        const char* start;
        const char* width;
        bool usable;
    };
    for (const Case& c : {Case{"0", "5", true}, Case{"", "5", false}, Case{"0", "", false}, Case{"0", "0", false},
                          Case{"0", "-5", false}, Case{"x", "5", false}, Case{"0", "1234567890", false}})
        EXPECT_EQ(ReadBand(QString::fromLatin1(c.start), QString::fromLatin1(c.width)).has_value(), c.usable)
            << c.start << " / " << c.width;

    Store(1, Quantity, {1}, {"12"});
    Store(2, Quantity, {1}, {"3"});
    List({1, 2});
    Copy(Quantity, "1");
    window.state.CopyNum = true;
    window.state.SetNumFrom = QStringLiteral("0");
    window.state.SetNumCno = QStringLiteral("0");
    Add();
    EXPECT_EQ(window.drops, 1) << "once, for every later sample";
    EXPECT_EQ(Stored(1), A({2})) << "copied and shifted as without bands";
}

TEST_F(AnswerAdditionTest, AskingPerSampleYesNoCancel)
{
    List({1, 2, 3});
    window.state.Cno = 3;
    ui.expectBox(vbYes);
    ui.expectBox(vbNo);
    ui.expectBox(vbCancel);
    EXPECT_EQ(Add(true), 1);
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].prompt, QStringLiteral("ＩＤ1のサンプルに指定の回答を追加します。"));
    EXPECT_EQ(Stored(1), A({3}));
    EXPECT_EQ(Stored(2), A({0}));
    EXPECT_EQ(Stored(3), A({0}));
    EXPECT_EQ(ui.processingEnded(), 1);
}

TEST_F(AnswerAdditionTest, StopKeepsTheChangedSamplesAndTheQuestionnaireSavable)
{
    LongJobPacing everyStep(0);
    List({1, 2, 3});
    window.state.Cno = 3;
    ui.scriptProgress(true);
    ui.scriptProgress(false);
    EXPECT_EQ(Add(), 1);
    EXPECT_EQ(Stored(1), A({3}));
    EXPECT_EQ(Stored(2), A({0}));
    EXPECT_FALSE(ui.lastProcessingFatal());
    EXPECT_TRUE(IsModified(document));
}

TEST_F(AnswerAdditionTest, SamplesInsertedOrDeletedAfterTheListingDoNotShiftIt)
{
    List({2, 3, 4});
    // The entry window inserts ID 0 before them all and deletes ID 3.
    samples.Samples.insert(0, 0);
    samples.Samples.copy(0, samples.Samples, 1);
    samples.Samples.setId(0, 0);
    samples.Samples.remove(FindSamplePos(samples.Samples, 3));
    window.state.Cno = 3;
    EXPECT_EQ(Add(), 2);
    EXPECT_EQ(Stored(0), A({0}));
    EXPECT_EQ(Stored(1), A({0}));
    EXPECT_EQ(Stored(2), A({3}));
    EXPECT_EQ(Stored(4), A({3}));
}

}  // namespace
}  // namespace kz
