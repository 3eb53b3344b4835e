#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>

#include "answers/answer_check.h"
#include "answers/question_limit_check.h"
#include "demo_survey.h"
#include "document/menu_state.h"
#include "files/data_file_load.h"
#include "files/file_header.h"
#include "host/settings.h"
#include "model/answer_store.h"
#include "model/document.h"
#include "model/limit_eval.h"
#include "model/sample_table.h"
#include "model/survey.h"
#include "reply/reply_parse.h"
#include "support/data_file_test_base.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

const QString CommittedFile = QStringLiteral(KZ_DEMO_FILE);

struct SampleAnswers {
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
};

// The answers of question q, codes and texts side by side.
std::vector<std::pair<Integer, QString>> AnswersTo(const SampleAnswers& a, Integer q)
{
    int first = 0;
    for (Integer p = 0; p < q; ++p)
        first += a.counts[p];
    std::vector<std::pair<Integer, QString>> answers;
    for (int i = first; i < first + a.counts[q]; ++i)
        answers.emplace_back(a.codes[i], a.texts[i]);
    return answers;
}

class DemoSurveyTest : public test::DataFileTest {
protected:
    SampleAnswers Read(Long pos)
    {
        SampleAnswers a;
        ReadSampleAnswers(workspace, pos, a.counts, a.codes, a.texts);
        return a;
    }

    // Loads a copy of the committed file as the open questionnaire.
    void LoadCommitted()
    {
        QString copy = path(QStringLiteral("demo.kz"));
        ASSERT_TRUE(QFile::copy(CommittedFile, copy));
        ASSERT_EQ(LoadDataFile(workspace, settings, copy, OpenQuestionnaire), 1);
    }
};

TEST_F(DemoSurveyTest, CommittedFileIsExactlyWhatTheGeneratorWritesNow)
{
    const QByteArray committed = ReadAll(CommittedFile);
    ASSERT_FALSE(committed.isEmpty()) << CommittedFile.toStdString();
    const QString fresh = path(QStringLiteral("demo.kz"));
    ASSERT_TRUE(demo::WriteDemoSurvey(fresh));
    EXPECT_EQ(ReadAll(fresh), committed) << "examples/demo.kz is out of date: run make_demo examples/demo.kz";

    // Writing over an older file leaves no backup beside it either.
    ASSERT_TRUE(demo::WriteDemoSurvey(fresh));
    EXPECT_EQ(ReadAll(fresh), committed);
    EXPECT_EQ(FolderEntries(), QStringList{"demo.kz"});
}

TEST_F(DemoSurveyTest, LoadedFileHoldsWhatTheGeneratorBuilt)
{
    LoadCommitted();
    EXPECT_EQ(survey.Title, "カフェ利用アンケート（デモ）");
    EXPECT_EQ(survey.QuestionCount, 8);
    EXPECT_EQ(SampleCount(samples), 36);
    // What the generator left in memory is what the file gives back.
    const Survey loadedSurvey = survey;
    const SampleStore loadedSamples = samples.Samples;
    demo::BuildDemoSurvey(workspace, settings);
    const SampleStore& built = samples.Samples;
    ASSERT_EQ(built.size(), loadedSamples.size());
    ASSERT_EQ(built.answerWords(), loadedSamples.answerWords());
    for (Long i = 0; i < loadedSamples.size(); ++i) {
        EXPECT_EQ(built.id(i), loadedSamples.id(i));
        EXPECT_EQ(built.flags(i), loadedSamples.flags(i));
        EXPECT_TRUE(std::equal(built.answers(i), built.answers(i) + built.answerWords(), loadedSamples.answers(i)));
        EXPECT_EQ(built.texts(i), loadedSamples.texts(i));
    }
    EXPECT_EQ(survey.CheckOptions, loadedSurvey.CheckOptions);
}

TEST_F(DemoSurveyTest, EverySamplePassesTheAnswerChecksUnchanged)
{
    LoadCommitted();
    for (Long pos = 0; pos < SampleCount(samples); ++pos) {
        SampleAnswers checked = Read(pos);
        const SampleAnswers stored = checked;
        CheckSampleAnswers(survey, pos, checked.counts, checked.codes, checked.texts, false, nullptr);
        EXPECT_EQ(checked.counts, stored.counts) << "sample " << samples.Samples.id(pos);
        EXPECT_EQ(checked.codes, stored.codes) << "sample " << samples.Samples.id(pos);
        EXPECT_EQ(checked.texts, stored.texts) << "sample " << samples.Samples.id(pos);

        CheckSampleLimits(workspace, pos, false, nullptr);
        const SampleAnswers afterLimits = Read(pos);
        EXPECT_EQ(afterLimits.codes, stored.codes) << "sample " << samples.Samples.id(pos);

        // The cached stored-limit flags agree with the stored limits.
        const Integer flags = samples.Samples.flags(pos);
        UpdateSampleLimits(workspace, pos);
        EXPECT_EQ(samples.Samples.flags(pos), flags);
    }
}

TEST_F(DemoSurveyTest, AnswersTypedOneLinePerQuestionAreStored)
{
    LoadCommitted();
    const Long pos = AppendSampleRec(workspace, 5000);
    QString reply = QStringLiteral("1\r\n2\r\n3");
    Integer cursorQ = 0, cursorN = 0, caretQ = -1;
    int caret = 0;
    QString status;
    ParseReply(workspace, pos, reply, cursorQ, cursorN, caret, caretQ, status);
    EXPECT_EQ(status, QString());
    EXPECT_EQ(cursorQ, 3);
    const SampleAnswers a = Read(pos);
    EXPECT_EQ(AnswersTo(a, 0).front().first, 1);
    EXPECT_EQ(AnswersTo(a, 1).front().first, 2);
    EXPECT_EQ(AnswersTo(a, 2).front().first, 3);
}

TEST_F(DemoSurveyTest, SamplesShowEveryKindOfAnswer)
{
    LoadCommitted();
    constexpr Integer Orders = 3, Spend = 4, Complaints = 6, Comments = 7;
    int regulars = 0, complaints = 0, otherOrders = 0, exclusiveOrders = 0, comments = 0;
    for (Long pos = 0; pos < SampleCount(samples); ++pos) {
        const SampleAnswers a = Read(pos);
        regulars += GetSampleFlag(samples.Samples, pos, 0) ? 1 : 0;
        for (const auto& [code, text] : AnswersTo(a, Orders)) {
            otherOrders += code == 5 && !text.isEmpty() ? 1 : 0;
            exclusiveOrders += code == 6 ? 1 : 0;
        }
        for (const auto& [code, text] : AnswersTo(a, Spend)) {
            if (code == 1) {
                bool number = false;
                const double yen = text.toDouble(&number);
                EXPECT_TRUE(number && yen >= survey.Choices(Spend, 1).Low && yen <= survey.Choices(Spend, 1).High)
                    << text.toStdString();
            }
        }
        complaints += AnswersTo(a, Complaints).front().first != 0 ? 1 : 0;
        comments += !AnswersTo(a, Comments).front().second.isEmpty() ? 1 : 0;
    }
    // The stored limit and the limited question pick some samples, not all.
    EXPECT_GT(regulars, 0);
    EXPECT_LT(regulars, SampleCount(samples));
    EXPECT_GT(complaints, 0);
    EXPECT_LT(complaints, SampleCount(samples));
    EXPECT_GT(otherOrders, 0);
    EXPECT_GT(exclusiveOrders, 0);
    EXPECT_GT(comments, 0);
}

}  // namespace
}  // namespace kz
