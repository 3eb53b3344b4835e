#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <vector>

#include "answers/answer_check.h"
#include "design/structure_finish.h"
#include "files/data_file_save.h"
#include "host/long_job.h"
#include "model/answer_store.h"
#include "model/document.h"
#include "model/question_codes.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/choice_texts.h"

namespace kz::test {
namespace {

using Answers = std::vector<std::vector<Integer>>;  // per question, the codes in order

class SampleAnswersFixture : public SurveyFixture {
protected:
    void SetAnswers(Long s, const Answers& answers, const std::vector<QString>& texts = {})
    {
        QVector<Integer> counts;
        QVector<Integer> codes;
        for (const auto& list : answers) {
            counts.push_back(static_cast<Integer>(list.size()));
            for (Integer c : list)
                codes.push_back(c);
        }
        QVector<QString> flatTexts(codes.size());
        for (size_t i = 0; i < texts.size(); ++i)
            flatTexts[static_cast<qsizetype>(i)] = texts[i];
        WriteSampleAnswers(workspace, s, counts, codes, flatTexts);
    }

    Answers AnswersOf(Long s)
    {
        QVector<Integer> counts;
        QVector<Integer> codes;
        PopSampleAnswers(workspace, s, counts, codes);
        Answers answers;
        qsizetype k = 0;
        for (int q = 0; q < survey.QuestionCount; ++q) {
            answers.emplace_back(codes.begin() + k, codes.begin() + k + counts[q]);
            k += counts[q];
        }
        return answers;
    }
};

class StructureFinishTest : public SampleAnswersFixture {
protected:
    // Questions of 4 choices (1, 2, 3 and "無回答"), `maxAnswers` each.
    void build(std::initializer_list<Integer> maxAnswers, Long sampleCount)
    {
        for (Integer m : maxAnswers)
            AddQuestion(m, 4);
        BuildLayout();
        for (Long s = 0; s < sampleCount; ++s)
            AddSample(s + 1);
        OpenStructureEdit(survey, edit_);
    }

    void deleteChoice(Integer q, Integer c)
    {
        --survey.Questions[q].ChoiceCount;
        ShiftStructure(survey, edit_, q, c, -1);
        edit_.changed = edit_.numberingChanged = true;
    }
    void insertChoice(Integer q, Integer c)
    {
        ++survey.Questions[q].ChoiceCount;
        ShiftStructure(survey, edit_, q, c, +1);
        survey.Choices(q, c) = ChoiceRec{};
        edit_.changed = edit_.numberingChanged = true;
    }
    void insertQuestion(Integer q, Integer choiceCount)
    {
        ShiftStructure(survey, edit_, q, -1, +1);
        survey.Questions[q] = QuestionRec{QStringLiteral("new"), 1, choiceCount, 0};
        survey.Choices(q, 0) = ChoiceRec{QStringLiteral("無回答"), 0, 0, {}, 1 << AttrExclusive};
        for (int c = 1; c < choiceCount; ++c)
            survey.Choices(q, c) = ChoiceRec{};
        survey.QuestionLimit[static_cast<size_t>(q)] = Condition{};
        edit_.changed = edit_.numberingChanged = true;
    }
    void deleteQuestion(Integer q)
    {
        ShiftStructure(survey, edit_, q, -1, -1);
        edit_.changed = edit_.numberingChanged = true;
    }

    ScriptedUi ui_;
    StructureEdit edit_;
};

TEST_F(StructureFinishTest, DeletedChoiceIsRepairedByTheCorrectionOptions)
{
    struct Case {
        const char* name;
        Integer options;
        Answers expected;  // for the answers {3}, {2}, {1, 2, 3}
    };
    const std::vector<Case> cases = {
        {"missing choice removed", 0, {{2}, {0}, {1, 2}}},
        // The other choice may be answered twice (its free texts may differ).
        {"missing choice becomes the other choice", CheckMissingToOther, {{2}, {2}, {1, 2, 2}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Reset();
        build({1, 1, 3}, 1);
        for (int q = 0; q < 3; ++q)
            survey.Choices(q, 3).Attr = 1 << AttrOther;
        OpenStructureEdit(survey, edit_);
        SetAnswers(0, {{3}, {2}, {1, 2, 3}});
        survey.CheckOptions = test.options;
        for (Integer q = 0; q < 3; ++q)
            deleteChoice(q, 2);

        ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
        EXPECT_EQ(AnswersOf(0), test.expected);
    }
}

TEST_F(StructureFinishTest, AnswersFollowTheirQuestionsAndChoices)
{
    build({1, 2, 1}, 2);
    SetAnswers(0, {{1}, {2, 3}, {3}});
    SetAnswers(1, {{2}, {1}, {1}});
    insertQuestion(0, 3);
    deleteQuestion(1);   // the question that stood first
    insertChoice(1, 1);  // before choice 1 of the question moved by the insert
    deleteChoice(2, 2);

    ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
    EXPECT_EQ(AnswersOf(0), (Answers{{0}, {3, 4}, {2}}));
    EXPECT_EQ(AnswersOf(1), (Answers{{0}, {2}, {1}}));
}

TEST_F(StructureFinishTest, LoweredMaxAnswersKeepsTheFirstValidAnswers)
{
    build({3, 3}, 1);
    SetAnswers(0, {{1, 2, 3}, {2, 3, 1}});
    survey.Questions[0].MaxAnswers = 1;
    survey.Questions[1].MaxAnswers = 1;
    survey.CheckOptions = 0;
    deleteChoice(1, 2);  // Q2's first answer goes; its second is kept, not lost to the cut
    ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
    EXPECT_EQ(AnswersOf(0), (Answers{{1}, {2}}));
}

TEST_F(StructureFinishTest, FinishEmptiesStoredLimitsAndSetsEveryFlag)
{
    for (bool changed : {false, true}) {
        SCOPED_TRACE(changed);
        Reset();
        build({1}, 3);
        survey.LimitTable[0][1] = LimitItem{3, MakeQC(0, 1)};
        for (Long s = 0; s < 3; ++s)
            SetAnswers(s, {{static_cast<Integer>(s + 1)}});
        edit_.changed = changed;
        ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
        for (const Condition& limit : survey.LimitTable)
            for (const LimitItem& item : limit)
                EXPECT_EQ(item.KindRank, 0);
        for (Long s = 0; s < 3; ++s)
            EXPECT_EQ(samples.Samples.flags(s), -1);
    }
}

TEST_F(StructureFinishTest, EntryLinesResetAfterANumberingChangeAndStayWithinSlotsOtherwise)
{
    build({3, 3}, 0);
    survey.ParagraphStart[1] = MakeQC(0, 2);
    survey.ParagraphStart[2] = MakeQC(1, 1);
    survey.ParagraphExeDLL[1] = -1;
    survey.Questions[0].MaxAnswers = 2;
    survey.Questions[1].MaxAnswers = 1;
    edit_.changed = true;
    ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
    EXPECT_EQ(survey.ParagraphStart[1], MakeQC(0, 1));
    EXPECT_EQ(survey.ParagraphStart[2], MakeQC(1, 0));
    EXPECT_EQ(survey.ParagraphExeDLL[1], -1);

    OpenStructureEdit(survey, edit_);
    insertQuestion(1, 2);
    ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
    EXPECT_EQ(survey.ParagraphStart[0], 0);
    for (int i = 1; i <= 254; ++i)
        EXPECT_EQ(survey.ParagraphStart[static_cast<size_t>(i)], MakeQC(static_cast<Integer>(i), 0));
    EXPECT_EQ(survey.ParagraphStart[255], survey.ParagraphStart[254]);
    EXPECT_EQ(survey.ParagraphExeDLL[1], 0);
}

// The question before a finish warns of a long check of the samples and
// of stored limits in use, which the finish empties.
TEST_F(StructureFinishTest, FinishQuestionNamesTheCheckAndTheStoredLimitsItEmpties)
{
    const QString finish = QStringLiteral("終了します。");
    const QString slow = QStringLiteral("要回答チェックの時は時間がかかります。");
    const QString emptied = QStringLiteral("既成限定条件はすべて空になります。");
    struct Case {
        bool checksSamples;
        bool limitInUse;
        QString text;
    };
    const Case cases[] = {
        {false, false, finish},
        {true, false, finish + slow},
        {false, true, finish + emptied},
        {true, true, finish + slow + emptied},
    };
    for (const Case& c : cases) {
        survey.LimitTable[15] = c.limitInUse ? MakeCondition(0, {Row(3, 0, 1)}) : Condition{};
        EXPECT_EQ(FinishConfirmation(survey, c.checksSamples), c.text);
    }
    survey.LimitTable[15] = MakeCondition(4, {});
    EXPECT_EQ(FinishConfirmation(survey, false), finish) << "a head alone is no limit in use";
}

TEST_F(StructureFinishTest, TooLargeARecordIsRefusedBeforeAnythingChanges)
{
    build({1}, 2);
    SetAnswers(1, {{2}});
    const SampleStore before = samples.Samples;
    for (int q = 1; q < 40; ++q)
        insertQuestion(static_cast<Integer>(q), MaxChoices);
    for (int q = 1; q < 40; ++q)
        survey.Questions[q].MaxAnswers = 120;
    ui_.expectBox(vbOK);
    EXPECT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::TooLarge);
    EXPECT_TRUE(ui_.boxes().back().prompt.contains(QStringLiteral("32767")));
    EXPECT_EQ(samples.Samples, before);
    EXPECT_EQ(survey.QuestionCount, 40);  // the editor stays open on the edited structure
    EXPECT_EQ(ui_.beeps(), 0);
}

TEST_F(StructureFinishTest, TheFinishBeepsAtItsEndAlsoAfterAStop)
{
    LongJobPacing everyStep(0);
    build({1, 1}, 2);
    deleteChoice(0, 1);
    ui_.scriptProgress(false);
    ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Stopped);
    EXPECT_EQ(ui_.beeps(), 1);

    SaveRestoreStructure(survey, edit_, 0, true);  // editing goes on with the edited structure
    ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);
    EXPECT_EQ(ui_.beeps(), 2);
}

// A stop anywhere in the conversion leaves the saved file byte for byte as
// before, the structure at opening active.
TEST_F(StructureFinishTest, StopLeavesTheQuestionnaireAndSamplesIntact)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto save = [&](const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(SaveDataFile(workspace, settings, path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    for (int stopAt : {0, 30, 59}) {
        SCOPED_TRACE(stopAt);
        Reset();
        LongJobPacing everyStep(0);
        build({2, 1, 1}, 60);
        survey.Choices(0, 1).Attr = 1 << AttrEssay;
        survey.LimitTable[2][1] = LimitItem{3, MakeQC(1, 1)};
        survey.ParagraphStart[1] = MakeQC(1, 0);
        BuildLayout();
        OpenStructureEdit(survey, edit_);
        for (Long s = 0; s < 60; ++s)
            SetAnswers(s, {{1, static_cast<Integer>(s % 3 + 1)}, {static_cast<Integer>(s % 4)}, {3}},
                       {QStringLiteral("text %1").arg(s)});
        const QByteArray before = save(QStringLiteral("before.kz"));

        insertQuestion(0, 3);
        deleteChoice(2, 1);
        survey.Questions[1].MaxAnswers = 1;
        for (int i = 0; i < stopAt; ++i)
            ui_.scriptProgress(true);
        ui_.scriptProgress(false);
        ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Stopped);
        EXPECT_EQ(survey.QuestionCount, 3);
        EXPECT_EQ(save(QStringLiteral("after.kz")), before);
    }
}

// Random inserts, copies and deletes of questions and choices and changes of
// MaxAnswers: every surviving answer still names the same choice text in the
// same question, and conditions name the same questions and choices.
class ConversionProperty : public StructureFinishTest {
protected:
    std::mt19937 random_{20261209};
    int nextText_ = 0;

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    QString uniqueText() { return QStringLiteral("T%1").arg(nextText_++); }

    void buildRandom()
    {
        for (int q = 0; q < 8; ++q) {
            const Integer n = static_cast<Integer>(pick(3, 9));
            AddQuestion(static_cast<Integer>(pick(1, 3)), n);
            survey.Questions[q].Text = uniqueText();
            for (int c = 1; c < n; ++c)
                survey.Choices(q, c).Text = uniqueText();
            survey.Choices(q, n - 1).Attr = 1 << AttrOther;
            if (q >= 4)  // conditions on earlier questions
                survey.QuestionLimit[static_cast<size_t>(q)][1] =
                    LimitItem{3, MakeQC(static_cast<Integer>(pick(0, 3)), static_cast<Integer>(pick(1, 2)))};
        }
        BuildLayout();
        for (Long s = 0; s < 40; ++s) {
            AddSample(s + 1);
            Answers answers;
            for (int q = 0; q < survey.QuestionCount; ++q) {
                std::vector<Integer> list;
                const int want = pick(0, survey.Questions[q].MaxAnswers);
                for (int c = 1; c < survey.Questions[q].ChoiceCount && static_cast<int>(list.size()) < want; ++c)
                    if (pick(0, 1) == 1)
                        list.push_back(static_cast<Integer>(c));
                std::shuffle(list.begin(), list.end(), random_);
                answers.push_back(list.empty() ? std::vector<Integer>{0} : list);
            }
            SetAnswers(s, answers);
        }
    }

    void randomEdit()
    {
        const Integer q = static_cast<Integer>(pick(0, survey.QuestionCount - 1));
        const Integer choices = survey.Questions[q].ChoiceCount;
        switch (pick(0, 5)) {
        case 0:
            insertQuestion(q, static_cast<Integer>(pick(2, 5)));
            for (int c = 1; c < survey.Questions[q].ChoiceCount; ++c)
                survey.Choices(q, c).Text = uniqueText();
            break;
        case 1: {  // copy
            const Integer from = static_cast<Integer>(pick(0, survey.QuestionCount - 1));
            ShiftStructure(survey, edit_, q, -1, +1);
            const Integer src = from >= q ? static_cast<Integer>(from + 1) : from;
            survey.Questions[q] = survey.Questions[src];
            for (int c = 0; c < survey.Questions[src].ChoiceCount; ++c)
                survey.Choices(q, c) = survey.Choices(src, c);
            survey.QuestionLimit[static_cast<size_t>(q)] = survey.QuestionLimit[static_cast<size_t>(src)];
            edit_.changed = edit_.numberingChanged = true;
            break;
        }
        case 2:
            if (survey.QuestionCount > 1)
                deleteQuestion(q);
            break;
        case 3:
            if (choices < MaxChoices) {
                const Integer c = static_cast<Integer>(pick(1, choices));
                insertChoice(q, c);
                survey.Choices(q, c).Text = uniqueText();
            }
            break;
        case 4:
            if (choices > 2)
                deleteChoice(q, static_cast<Integer>(pick(1, choices - 1)));
            break;
        default:
            survey.Questions[q].MaxAnswers = static_cast<Integer>(pick(1, 3));
            edit_.changed = true;
        }
    }

    // Per question text, the choice texts a condition names.
    using Named = std::vector<std::pair<QString, QString>>;
    static Named ConditionNames(const Survey& s, const Condition& cond)
    {
        Named names;
        for (size_t k = 1; k < cond.size() && cond[k].KindRank != 0; ++k) {
            Integer p = 0;
            Integer c = 0;
            SplitQC(cond[k].Code, p, c);
            names.emplace_back(s.Questions[p].Text, s.Choices(p, c).Text);
        }
        return names;
    }
};

TEST_F(ConversionProperty, EverySurvivingAnswerKeepsItsChoiceText)
{
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        Reset();
        buildRandom();
        OpenStructureEdit(survey, edit_);
        survey.CheckOptions = static_cast<Integer>(CheckLimitToUnanswered | (round % 2 ? CheckMissingToOther : 0));
        const Survey before = survey;
        std::vector<Answers> answersBefore;
        for (Long s = 0; s < SampleCount(samples); ++s)
            answersBefore.push_back(AnswersOf(s));

        for (int i = 0; i < 10; ++i)
            randomEdit();
        ASSERT_EQ(FinishStructureEdit(workspace, edit_), FinishResult::Finished);

        for (int k = 0; k < before.QuestionCount; ++k) {
            const Integer q = edit_.QnoMap[static_cast<size_t>(k)];
            if (q < 0)
                continue;
            const Condition& limitBefore = before.QuestionLimit[static_cast<size_t>(k)];
            Named expectedNames;
            for (const auto& [question, choice] : ConditionNames(before, limitBefore)) {
                bool survives = false;
                for (int p = 0; p < survey.QuestionCount; ++p)
                    for (int c = 0; c < survey.Questions[p].ChoiceCount; ++c)
                        survives |= survey.Questions[p].Text == question && survey.Choices(p, c).Text == choice;
                if (survives)
                    expectedNames.emplace_back(question, choice);
            }
            EXPECT_EQ(ConditionNames(survey, survey.QuestionLimit[static_cast<size_t>(q)]), expectedNames);
            if (limitBefore[1].KindRank != 0)
                continue;  // its answers also answer to its limit

            const Integer other = FindOtherChoice(survey, q);
            for (Long s = 0; s < SampleCount(samples); ++s) {
                std::vector<QString> expected;
                for (Integer c : answersBefore[static_cast<size_t>(s)][static_cast<size_t>(k)]) {
                    const Integer now = edit_.CnoMap(c, k);
                    if (now >= 0)
                        expected.push_back(survey.Choices(q, now).Text);
                    else if (survey.CheckOptions & CheckMissingToOther && other >= 0)
                        expected.push_back(survey.Choices(q, other).Text);
                }
                if (expected.size() > static_cast<size_t>(survey.Questions[q].MaxAnswers))
                    expected.resize(static_cast<size_t>(survey.Questions[q].MaxAnswers));
                // Duplicates go, except of the other choice (its texts may differ).
                std::vector<QString> unique;
                for (const QString& text : expected)
                    if (std::find(unique.begin(), unique.end(), text) == unique.end()
                        || (other >= 0 && text == survey.Choices(q, other).Text))
                        unique.push_back(text);
                if (unique.empty())
                    unique.push_back(QStringLiteral("無回答"));
                std::vector<QString> actual;
                const Answers now = AnswersOf(s);
                for (Integer c : now[static_cast<size_t>(q)])
                    actual.push_back(survey.Choices(q, c).Text);
                EXPECT_EQ(actual, unique) << "sample " << s << " question " << q;
            }
        }
    }
}

}  // namespace
}  // namespace kz::test
