#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "files/data_file_merge.h"
#include "host/long_job.h"
#include "model/answer_store.h"
#include "model/limit_eval.h"
#include "support/data_file_test_base.h"

namespace kz::test {
namespace {

const QString WrongFormat = QStringLiteral("ファイル形式がKelvorzun95年9月版以降の形式ではありません。一度個別に読み"
                                           "込んで、保存してから取り込んでください。");

// The base questionnaire's samples: Q1 of 10 is 男, of 20 その他 with a text,
// of 30 女 (meeting stored limit 1).
std::vector<SampleContents> BaseSamples()
{
    return {{10, {{1}, {1}}, {}, 0}, {20, {{3}, {2}}, {{0, QStringLiteral("元の記述")}}, 0}, {30, {{2}, {}}, {}, 1}};
}

class MergeDataFileTest : public DataFileTest {
protected:
    void SetUp() override
    {
        DataFileTest::SetUp();
        Open(SurveyFile(BaseSamples()));
        basePath_ = document.CurrentFilePath;
        unloadsBefore_ = ui_.formsUnloaded();
    }

    // Writes the other computer's file and merges it.
    Integer Merge(const DataFileFixture& other)
    {
        const QString file = path(QStringLiteral("other.kz"));
        EXPECT_TRUE(WriteDataFile(file, other));
        return MergeDataFile(workspace, file);
    }

    // A refused merge leaves the samples, the path and the mark as they were.
    void ExpectUnchanged()
    {
        EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 20, 30}));
        EXPECT_EQ(samples.Samples.texts(1).text(0), QStringLiteral("元の記述"));
        EXPECT_FALSE(IsModified(document));
        EXPECT_EQ(document.CurrentFilePath, basePath_);
    }

    QString lastBox() const { return ui_.boxes().empty() ? QString() : ui_.boxes().back().prompt; }

    QString basePath_;
    int unloadsBefore_ = 0;
};

TEST_F(MergeDataFileTest, TakesNewIDsInOrderDropsPresentOnesAndKeepsThePath)
{
    ui_.expectBox(vbOK);
    const Integer result = Merge(SurveyFile({{25, {{1}, {1}}, {}, 0},
                                             {20, {{3}, {3}}, {{0, QStringLiteral("他の記述")}}, 0},
                                             {5, {{2}, {}}, {}, 0},
                                             {40, {{1}, {1, 2}}, {}, 0}}));

    EXPECT_EQ(result, 1);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{5, 10, 20, 25, 30, 40}));
    EXPECT_EQ(lastBox(), QStringLiteral("3サンプル、取り込みました"));
    EXPECT_EQ(samples.Samples.texts(2).text(0), QStringLiteral("元の記述"));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(document.CurrentFilePath, basePath_);
    EXPECT_EQ(ui_.formsUnloaded(), unloadsBefore_ + 1);
    EXPECT_TRUE(ui_.progressTexts().contains(QStringLiteral("回答 4/4 取り込み数:2")));
}

TEST_F(MergeDataFileTest, EverySampleKeepsItsAnswersAndTexts)
{
    const std::vector<SampleContents> others = {
        {25, {{1}, {1, 2}}, {{1, QStringLiteral("二十五")}}, 0},
        {5, {{3}, {3}}, {{0, QStringLiteral("五")}, {1, QStringLiteral("五の二")}}, 0},
        {40, {{2}, {}}, {}, 0},
        {15, {{3}, {2, 3}}, {{0, QStringLiteral("十五")}, {2, QStringLiteral("十五の三")}}, 0}};
    ui_.expectBox(vbOK);
    ASSERT_EQ(Merge(SurveyFile(others)), 1);

    std::vector<SampleContents> expected = BaseSamples();
    expected.insert(expected.end(), others.begin(), others.end());
    std::sort(expected.begin(), expected.end(),
              [](const SampleContents& a, const SampleContents& b) { return a.id < b.id; });
    ASSERT_EQ(SampleCount(samples), static_cast<Long>(expected.size()));
    for (Long pos = 0; pos < SampleCount(samples); ++pos) {
        const SampleContents& wantSample = expected[static_cast<size_t>(pos)];
        SCOPED_TRACE(wantSample.id);
        EXPECT_EQ(samples.Samples.id(pos), wantSample.id);
        for (Integer q = 0; q < 2; ++q) {
            Integer count = 0;
            QVector<Integer> codes;
            PopQuestionAnswers(workspace, pos, q, count, codes);
            const std::vector<Integer> want = wantSample.answers[static_cast<size_t>(q)].empty()
                                                  ? std::vector<Integer>{0}
                                                  : wantSample.answers[static_cast<size_t>(q)];
            EXPECT_EQ(std::vector<Integer>(codes.begin(), codes.begin() + count), want);
        }
        EXPECT_EQ(TextsOf(pos), SlotTexts(wantSample.texts.begin(), wantSample.texts.end()));
    }
}

TEST_F(MergeDataFileTest, DroppedSampleLeavesNoFreeTextOnTheNextOne)
{
    ui_.expectBox(vbOK);
    ASSERT_EQ(
        Merge(SurveyFile({{20, {{3}, {3, 1}}, {{0, QStringLiteral("落ちる")}, {1, QStringLiteral("落ちる2")}}, 0},
                          {21, {{1}, {1}}, {}, 0}})),
        1);

    ASSERT_EQ(TableIDs(), (std::vector<Long>{10, 20, 21, 30}));
    for (int slot = 0; slot < survey.EssayCount; ++slot)
        EXPECT_TRUE(samples.Samples.texts(2).text(slot).isEmpty()) << slot;
}

TEST_F(MergeDataFileTest, StoredLimitFlagsOfTakenSamplesAreComputedHere)
{
    ui_.expectBox(vbOK);
    // The other file's flags are stale; only 41 (Q1 女) meets stored limit 1,
    // and every sample meets the empty ones.
    ASSERT_EQ(Merge(SurveyFile({{41, {{2}, {}}, {}, 0x1234}, {42, {{1}, {1}}, {}, 0x1235}})), 1);

    EXPECT_EQ(samples.Samples.flags(3), Integer(-1));
    EXPECT_EQ(samples.Samples.flags(4), Integer(-2));
    for (Long s : {3, 4}) {
        const Integer merged = samples.Samples.flags(s);
        UpdateSampleLimits(workspace, s);
        EXPECT_EQ(samples.Samples.flags(s), merged);
    }
}

TEST_F(MergeDataFileTest, AllPresentTakesNothingButCompletes)
{
    ui_.expectBox(vbOK);
    EXPECT_EQ(Merge(SurveyFile({{30, {{1}, {}}, {}, 0}, {10, {{2}, {}}, {}, 0}})), 1);

    EXPECT_EQ(lastBox(), QStringLiteral("0サンプル、取り込みました"));
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 20, 30}));
    EXPECT_EQ(samples.Samples.answers(0)[0], PackAnswers(TwoQuestions(), {{1}, {1}})[0]);
}

TEST_F(MergeDataFileTest, TwoNewSamplesWithOneIDAreBothTakenInFileOrder)
{
    ui_.expectBox(vbOK);
    ASSERT_EQ(
        Merge(SurveyFile({{35, {{2}, {}}, {}, 0}, {15, {{1}, {}}, {}, 0}, {15, {{2}, {}}, {}, 0}, {12, {}, {}, 0}})),
        1);

    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 12, 15, 15, 20, 30, 35}));
    EXPECT_EQ(samples.Samples.answers(2)[0], PackAnswers(TwoQuestions(), {{1}, {}})[0]);
    EXPECT_EQ(samples.Samples.answers(3)[0], PackAnswers(TwoQuestions(), {{2}, {}})[0]);
}

TEST_F(MergeDataFileTest, IntoAQuestionnaireWithoutSamplesTakesEverySample)
{
    Open(SurveyFile({}));
    // The empty table is as wide as this questionnaire's samples, whatever
    // it held before.
    EXPECT_EQ(samples.Samples.answerWords(), AnswerWordsPerSample(survey));
    samples.Samples.reshape(5);
    ui_.expectBox(vbOK);

    EXPECT_EQ(Merge(SurveyFile({{7, {{1}, {}}, {}, 0}, {3, {{2}, {}}, {}, 0}})), 1);

    EXPECT_EQ(TableIDs(), (std::vector<Long>{3, 7}));
    EXPECT_EQ(samples.Samples.answerWords(), AnswerWordsPerSample(survey));
    EXPECT_EQ(samples.Samples.answers(0)[0], PackAnswers(TwoQuestions(), {{2}, {}})[0]);
    EXPECT_TRUE(ui_.progressTexts().contains(QStringLiteral("整理 1/0")));
}

TEST_F(MergeDataFileTest, DifferencesOutsideTheStructureAreMergedWithoutAWord)
{
    DataFileFixture other = SurveyFile({{50, {{1}, {}}, {}, 0}});
    other.Questions[0].Text = FixedQuestionText(QStringLiteral("問1"), QStringLiteral("別の文"));
    other.Questions[1].Choices[0].Block = QStringLiteral("本\r0\r0");
    other.Questions[1].CodeStyle = 3;
    other.Questions[1].Condition = {};
    other.Limits[0] = {};
    other.Limits[5] = {{1, MakeQC(1, 1)}};
    other.ParagraphStarts = {0, 0};
    other.CheckOptions = 0;
    other.Password = QStringLiteral("unused");
    ui_.expectBox(vbOK);

    EXPECT_EQ(Merge(other), 1);

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_EQ(survey.CheckOptions, 7);
    EXPECT_EQ(survey.LimitTable[5][1].KindRank, 0);
    EXPECT_TRUE(ui_.passwordsAsked().isEmpty());
}

TEST_F(MergeDataFileTest, TitleMismatchCancelledRefuses)
{
    DataFileFixture other = SurveyFile({{50, {{1}, {}}, {}, 0}});
    other.Title = QStringLiteral("別調査");
    ui_.expectBox(vbCancel);

    EXPECT_EQ(Merge(other), 0);

    EXPECT_EQ(lastBox(), QStringLiteral("タイトルが一致しません(別調査) 続行しますか"));
    EXPECT_EQ(ui_.boxes().back().style, vbOKCancel);
    ExpectUnchanged();
    EXPECT_EQ(ui_.formsUnloaded(), unloadsBefore_ + 1);
}

TEST_F(MergeDataFileTest, TitleMismatchAcceptedGoesOnToPasswordAndAuthor)
{
    DataFileFixture other = SurveyFile({{50, {{1}, {}}, {}, 0}});
    other.Title = QStringLiteral("別調査");
    other.Author = QStringLiteral("別人");
    other.ProtectLevel = 1;
    other.Password = QStringLiteral("key");
    ui_.expectBox(vbOK);
    ui_.expectPassword(true);
    ui_.expectBox(vbCancel);

    EXPECT_EQ(Merge(other), 0);

    EXPECT_EQ(ui_.passwordsAsked(), QStringList{QStringLiteral("key")});
    EXPECT_EQ(lastBox(), QStringLiteral("制作者名が一致しません(別人) 続行しますか"));
    ExpectUnchanged();
}

TEST_F(MergeDataFileTest, LockedFileNeedsItsPassword)
{
    DataFileFixture other = SurveyFile({{50, {{1}, {}}, {}, 0}});
    other.ProtectLevel = 2;
    other.Password = QStringLiteral("abc");

    ui_.expectPassword(false);
    EXPECT_EQ(Merge(other), 0);
    EXPECT_TRUE(ui_.boxes().empty());
    ExpectUnchanged();

    ui_.expectPassword(true);
    ui_.expectBox(vbOK);
    EXPECT_EQ(Merge(other), 1);
    EXPECT_EQ(ui_.passwordsAsked(), (QStringList{QStringLiteral("abc"), QStringLiteral("abc")}));
    EXPECT_EQ(TableIDs(), (std::vector<Long>{10, 20, 30, 50}));
}

TEST_F(MergeDataFileTest, EachStructureMismatchIsNamed)
{
    struct Case {
        std::function<void(DataFileFixture&)> change;
        QString message;
        int style;
    };
    const std::vector<Case> cases = {
        {[](DataFileFixture& f) { f.Questions.push_back(f.Questions[0]); },
         QStringLiteral("質問数が違う(3個)ため、取り込めません"), vbOKOnly},
        {[](DataFileFixture& f) { f.Questions[1].MaxAnswers = 1; },
         QStringLiteral("Q2の[複数]回答数が違う(1個)ため、取り込めません"), vbExclamation},
        {[](DataFileFixture& f) { f.Questions[0].Choices.pop_back(); },
         QStringLiteral("Q1の選択肢数が違う(3個)ため、取り込めません"), vbExclamation},
        {[](DataFileFixture& f) { f.Questions[1].Choices[2].Attr = 1; },
         QStringLiteral("Q2 (3)の選択肢の種類が違うので、取り込めません"), vbExclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        DataFileFixture other = SurveyFile({});
        c.change(other);
        ui_.expectBox(vbOK);

        EXPECT_EQ(Merge(other), 0);

        EXPECT_EQ(lastBox(), c.message);
        EXPECT_EQ(ui_.boxes().back().style, c.style);
        ExpectUnchanged();
    }
}

TEST_F(MergeDataFileTest, OnlyTheCurrentGenerationIsMerged)
{
    for (Integer version : {Integer(1002), Integer(2001)}) {
        DataFileFixture other = SurveyFile({});
        other.Version = version;
        ui_.expectBox(vbOK);

        EXPECT_EQ(Merge(other), 0);

        EXPECT_EQ(lastBox(), WrongFormat);
        ExpectUnchanged();
    }
}

TEST_F(MergeDataFileTest, StopWhileReadingOrArrangingLeavesTheTable)
{
    const DataFileFixture other = SurveyFile({{1, {{1}, {}}, {}, 0}, {2, {{1}, {}}, {}, 0}});
    // With a report at every step, reading reports at each of the two
    // samples, arranging at each position.
    const LongJobPacing everyStep(0);
    for (int reportsBeforeStop : {0, 1, 2, 3}) {
        SCOPED_TRACE(reportsBeforeStop);
        for (int i = 0; i < reportsBeforeStop; ++i)
            ui_.scriptProgress(true);
        ui_.scriptProgress(false);

        EXPECT_EQ(Merge(other), 0);

        ExpectUnchanged();
    }
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(MergeDataFileTest, ALargeFileIsReadUnderTheProgressWindowWhoseStopIsHeard)
{
    // 1.2 MB of free texts: the stop comes while the file is read.
    std::vector<SampleContents> others;
    for (Long id = 1; id <= 40; ++id)
        others.push_back({id, {{3}, {}}, {{0, QString(30000, u'x')}}, 0});
    const qsizetype reports = ui_.progressTexts().size();
    const LongJobPacing everyStep(0);
    ui_.scriptProgress(false);
    EXPECT_EQ(Merge(SurveyFile(others)), 0);
    EXPECT_EQ(ui_.progressTexts().mid(reports), QStringList{QString()});
    ExpectUnchanged();
}

TEST_F(MergeDataFileTest, DamagedFileIsAReadErrorThatLeavesTheTable)
{
    const QByteArray good = BuildDataFile(SurveyFile({{1, {{1}, {}}, {{0, QStringLiteral("記述")}}, 0}}));
    // Cut inside the sample block, and a free-text slot past the table.
    DataFileFixture badSlot = SurveyFile({{1, {{3}, {}}, {{3, QStringLiteral("外")}}, 0}});
    for (const QByteArray& bytes : {good.left(good.size() - 40), BuildDataFile(badSlot)}) {
        ASSERT_TRUE(WriteBytes(path(QStringLiteral("other.kz")), bytes));
        ui_.expectBox(vbOK);

        EXPECT_EQ(MergeDataFile(workspace, path(QStringLiteral("other.kz"))), 0);

        EXPECT_TRUE(lastBox().endsWith(
            QStringLiteral("\r\n取り込みを中止しました。今まで扱っていたデータは変わっていません。")));
        EXPECT_EQ(ui_.boxes().back().style, vbExclamation);
        ExpectUnchanged();
        // As the message says, what was loaded may still be saved.
        EXPECT_LT(document.ProtectLevel, 2);
    }
}

}  // namespace
}  // namespace kz::test
