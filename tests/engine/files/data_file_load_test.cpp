#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>
#include <malloc.h>

#include "document/menu_state.h"
#include "files/data_file_load.h"
#include "host/long_job.h"
#include "host/settings.h"
#include "model/answer_store.h"
#include "model/document.h"
#include "runtime/large_blocks.h"
#include "support/data_file_builder.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

using test::DataFileFixture;
using test::RichDataFile;
using test::SlotTexts;

class LoadTest : public test::SurveyFixture {
protected:
    std::vector<Integer> Answers(Long pos, Integer q)
    {
        Integer count = 0;
        QVector<Integer> codes;
        PopQuestionAnswers(workspace, pos, q, count, codes);
        return {codes.begin(), codes.begin() + count};
    }

    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("survey.kz"))
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(test::WriteBytes(path, bytes));
        return path;
    }
    Integer Load(const QByteArray& bytes, Integer mode = 1)
    {
        path_ = Write(bytes);
        QString name = path_;
        unloadsBefore_ = ui_.formsUnloaded();
        return LoadDataFile(workspace, settings, name, mode);
    }
    Integer Load(const DataFileFixture& fixture) { return Load(test::BuildDataFile(fixture)); }
    // A loaded questionnaire to tell whether a refused load left it alone.
    void LoadPrevious()
    {
        ASSERT_EQ(Load(RichDataFile(1003)), 1);
        previousPath_ = path_;
        SetModified(document);
        unloadsBefore_ = ui_.formsUnloaded();
    }
    void ExpectPreviousUntouched()
    {
        EXPECT_EQ(survey.Title, QStringLiteral("顧客満足度調査"));
        EXPECT_EQ(SampleCount(samples), 3);
        EXPECT_EQ(document.CurrentFilePath, previousPath_);
        EXPECT_TRUE(IsModified(document));
        // The windows may go on showing it.
        EXPECT_EQ(ui_.formsUnloaded(), unloadsBefore_);
    }
    // The read error: beep, the message naming the file, an unsavable document.
    void ExpectReadError(Integer result)
    {
        EXPECT_EQ(result, 0);
        ASSERT_FALSE(ui_.boxes().empty());
        EXPECT_TRUE(ui_.boxes().back().prompt.endsWith(
            QStringLiteral("\r\n") + path_
            + QStringLiteral("\r\n** "
                             "ファイル関係のエラーの場合、ディスク接続不良・破損、データ破損、またはデータがKelvorzun"
                             "用でない可能性があります。"
                             "\r\n今まで扱っていたデータも破壊されているので保存はしないで下さい。")))
            << ui_.boxes().back().prompt.toStdString();
        EXPECT_EQ(ui_.boxes().back().style, vbExclamation);
        EXPECT_EQ(document.ProtectLevel, 2);
        EXPECT_EQ(document.CurrentFilePath, UnsavablePath);
        EXPECT_FALSE(IsModified(document));
        EXPECT_EQ(document.menuLockLevel, 2);
        ExpectWindowsClosed();
    }
    // The previous questionnaire is gone: no window may go on showing it.
    void ExpectWindowsClosed() { EXPECT_EQ(ui_.formsUnloaded(), unloadsBefore_ + 1); }

    QTemporaryDir dir_;
    QString path_;
    QString previousPath_;
    int unloadsBefore_ = 0;
    test::ScriptedUi ui_;
};

TEST_F(LoadTest, CurrentGenerationFillsEveryTable)
{
    ASSERT_EQ(Load(RichDataFile(1003)), 1);
    EXPECT_EQ(survey.Title, QStringLiteral("顧客満足度調査"));
    EXPECT_EQ(survey.Password, QStringLiteral("kz9"));
    EXPECT_EQ(document.ProtectLevel, 1);
    EXPECT_EQ(survey.Author, QStringLiteral("調査部"));
    ASSERT_EQ(survey.QuestionCount, 3);

    const QuestionRec& q2 = survey.Questions[1];
    EXPECT_EQ(q2.Text, QStringLiteral("Q2\r理由\rQ1=1\r").leftJustified(128, u' '));
    EXPECT_EQ(q2.MaxAnswers, 3);
    EXPECT_EQ(q2.CodeStyle, 1);
    EXPECT_EQ(q2.ChoiceCount, 6);
    EXPECT_EQ(survey.QuestionLimit[1][1].KindRank, 3);
    EXPECT_EQ(survey.QuestionLimit[1][1].Code, 1);
    EXPECT_EQ(survey.QuestionLimit[1][2].KindRank, 0);
    EXPECT_EQ(survey.Choices(1, 0).Text, QStringLiteral("無回答"));
    EXPECT_EQ(survey.Choices(1, 0).Attr, 4);
    EXPECT_EQ(survey.Choices(1, 4).Text, QStringLiteral("数量"));
    EXPECT_EQ(survey.Choices(1, 4).Low, 1);
    EXPECT_EQ(survey.Choices(1, 4).High, 99);
    EXPECT_EQ(survey.Choices(1, 4).Attr, 3);
    EXPECT_EQ(survey.Choices(1, 5).CodeFile, QStringLiteral("codes.txt"));
    EXPECT_EQ(survey.Choices(2, 127).Text, QStringLiteral("c127"));

    EXPECT_EQ(survey.LimitTable[0][2].Code, 131);
    EXPECT_EQ(survey.LimitTable[0][3].KindRank, 0);
    EXPECT_EQ(survey.LimitTable[5][1].KindRank, 4);
    EXPECT_EQ(survey.ParagraphStart[1], 128);
    EXPECT_EQ(survey.ParagraphStart[2], 256);
    EXPECT_EQ(survey.ParagraphStart[256], 256);
    EXPECT_EQ(survey.CheckOptions, 7);
    EXPECT_EQ(survey.EssayCount, 4);

    EXPECT_EQ(document.WWWDistName, QStringLiteral("survey1"));
    EXPECT_EQ(document.WWWDistQno, 2);
    EXPECT_TRUE(document.WWWEssayFull);
    EXPECT_EQ(survey.ParagraphExeDLL[0], -1);
    EXPECT_EQ(survey.ParagraphExeDLL[1], 0);
    EXPECT_EQ(survey.ParagraphExeDLL[2], -1);
    EXPECT_EQ(survey.ExternProcessName, QStringLiteral("plugin.dll"));

    EXPECT_EQ(document.CurrentFilePath, path_);
    EXPECT_FALSE(IsModified(document));
    EXPECT_EQ(samples.SavedSampleCount, 3);
    EXPECT_GT(samples.LastSaveTime, 0);
    EXPECT_EQ(settings.MRUFiles[0], path_);
    EXPECT_EQ(ui_.formsUnloaded(), 1);
    EXPECT_EQ(ui_.beeps(), 1);
    EXPECT_EQ(ui_.processingEnded(), 1);
    // Lock level 1 keeps the caption; the editing menus follow the file's level.
    EXPECT_EQ(ui_.mainCaptions(), QStringList{survey.Title});
    EXPECT_EQ(document.menuLockLevel, 1);
}

TEST_F(LoadTest, SamplesAreSortedWithTheirAnswersAndTexts)
{
    settings.IDRangeLow = 1;
    settings.IDRangeHigh = 100;
    ASSERT_EQ(Load(RichDataFile(1003)), 1);
    EXPECT_EQ(TableIDs(), (std::vector<Long>{2, 5, 9}));
    EXPECT_EQ(samples.NextIDCursor, 9);
    EXPECT_EQ(samples.Samples.flags(1), 0x21);
    EXPECT_EQ(Answers(1, 0), std::vector<Integer>{3});
    EXPECT_EQ(Answers(1, 1), (std::vector<Integer>{2, 4, 5}));
    EXPECT_EQ(Answers(1, 2), std::vector<Integer>{127});
    EXPECT_EQ(TextsOf(1),
              (SlotTexts{{0, QStringLiteral("自由記述")}, {2, QStringLiteral("12")}, {3, QStringLiteral("C01")}}));
    EXPECT_EQ(TextsOf(0), SlotTexts{});
    EXPECT_EQ(samples.Samples.answerWords(), 3);  // two words and the spare
    EXPECT_TRUE(ui_.progressTexts().contains(QStringLiteral("回答 3/3")));
    EXPECT_TRUE(ui_.progressTexts().contains(QStringLiteral("サンプルIDの並びをチェック")));
}

TEST_F(LoadTest, OlderGenerationsArriveAsTheCurrentOne)
{
    for (Integer version : {Integer(1002), Integer(1001)}) {
        SCOPED_TRACE(version);
        ui_.expectBox(vbOK);  // the generation's notice
        ASSERT_EQ(Load(RichDataFile(version)), 1);
        EXPECT_TRUE(
            ui_.boxes().back().prompt.contains(QStringLiteral("保存すると95年9月版の形式のファイルになります。")));
        EXPECT_EQ(survey.Title, QStringLiteral("顧客満足度調査"));
        EXPECT_EQ(survey.Choices(1, 5).CodeFile, QStringLiteral("codes.txt"));
        EXPECT_EQ(survey.ParagraphStart[1], 128);
        EXPECT_EQ(survey.ParagraphStart[3], 256);
        EXPECT_EQ(TableIDs(), (std::vector<Long>{2, 5, 9}));
        // A text lands in the slot of its answer, whatever the generation stored.
        EXPECT_EQ(
            TextsOf(1),
            (SlotTexts{{0, QStringLiteral("自由記述")}, {2, QStringLiteral("12")}, {3, QStringLiteral("C01")}}));
        EXPECT_EQ(document.CurrentFilePath, path_);
        EXPECT_EQ(survey.ExternProcessName, QStringLiteral("plugin.dll"));
    }
}

TEST_F(LoadTest, OlderGenerationTextsWithoutTheirAnswerAreNotKept)
{
    DataFileFixture f = RichDataFile(1002);
    // ID 2 stores a text under an index no free-text answer of it reaches;
    // ID 9, read next, must not pick it up.
    f.Samples[1].Texts = {{1, QStringLiteral("迷子")}};
    f.Samples[2].Ano = test::PackAnswers(f.Questions, {{}, {4}, {}});
    ui_.expectBox(vbOK);
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(TextsOf(0), SlotTexts{});
    EXPECT_EQ(TextsOf(2), SlotTexts{});
}

TEST_F(LoadTest, FileWithoutSamplesSkipsTheSampleSectionAndReadsTheTail)
{
    DataFileFixture f = RichDataFile(1003);
    f.Samples.clear();
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(SampleCount(samples), 0);
    EXPECT_FALSE(ui_.progressTexts().contains(QStringLiteral("サンプルIDの並びをチェック")));
    EXPECT_EQ(survey.ExternProcessName, QStringLiteral("plugin.dll"));
}

TEST_F(LoadTest, TailMayEndAtAnyField)
{
    DataFileFixture f = RichDataFile(1003);
    f.Tail.reset();
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(document.WWWDistName, QStringLiteral("newfile"));
    EXPECT_EQ(document.WWWDistQno, 0);
    EXPECT_FALSE(document.WWWEssayFull);
    EXPECT_EQ(survey.ParagraphExeDLL[0], 0);
    EXPECT_TRUE(survey.ExternProcessName.isEmpty());

    f.Tail = test::FixtureTail{1, QStringLiteral("only"), 7, true, std::nullopt, std::nullopt};
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(document.WWWDistName, QStringLiteral("only"));
    EXPECT_EQ(document.WWWDistQno, 0);
    EXPECT_FALSE(document.WWWEssayFull);

    // Flags present, the name missing.
    f.Tail = test::FixtureTail{3, QStringLiteral("x"), 1, false, std::vector<Integer>{1}, std::nullopt};
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(survey.ParagraphExeDLL[0], -1);
    EXPECT_TRUE(survey.ExternProcessName.isEmpty());
}

TEST_F(LoadTest, ParagraphStartsEndAtTheFirstRepeat)
{
    DataFileFixture f = RichDataFile(1003);
    f.ParagraphStarts = {0, 256, 256};
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(survey.ParagraphStart[1], 256);
    for (int k = 3; k <= 256; ++k)
        ASSERT_EQ(survey.ParagraphStart[static_cast<size_t>(k)], 256) << k;
}

TEST_F(LoadTest, ValuesValidFilesHoldAreAccepted)
{
    DataFileFixture f = RichDataFile(1003);
    // A line start past the last question, as a structure change leaves it.
    f.ParagraphStarts = {0, 128 * 200, 128 * 200};
    // Stale bits after Q1's terminating 0, and an answer above Q2's choices.
    f.Samples[0].Ano = test::PackAnswers(f.Questions, {{1}, {0, 3}, {}});
    f.Samples[1].Ano = test::PackAnswers(f.Questions, {{1}, {7}, {}});
    ASSERT_EQ(Load(f), 1);
    EXPECT_EQ(survey.ParagraphStart[1], 128 * 200);
    EXPECT_EQ(Answers(1, 1), std::vector<Integer>{0});
    EXPECT_EQ(Answers(0, 1), std::vector<Integer>{7});
}

TEST_F(LoadTest, EndEntryWithAStaleCodeIsAccepted)
{
    DataFileFixture f = RichDataFile(1003);
    QByteArray bytes = test::BuildDataFile(f);
    // The end entry of Q2's condition follows its only row: give it Code 0x7FFF.
    test::FieldWriter row;
    row.integer(3);
    row.integer(1);
    row.integer(0);
    row.integer(0);
    const qsizetype at = bytes.indexOf(row.bytes());
    ASSERT_GT(at, 0);
    bytes[at + 6] = static_cast<char>(0xFF);
    bytes[at + 7] = static_cast<char>(0x7F);
    ASSERT_EQ(Load(bytes), 1);
    EXPECT_EQ(survey.QuestionLimit[1][2].KindRank, 0);
}

struct Damage {
    const char* what;
    std::function<void(DataFileFixture&)> apply;
};

TEST_F(LoadTest, CountsAndIndicesOutsideTheirRangeAreReadErrors)
{
    const std::vector<Damage> damages = {
        {"no questions", [](DataFileFixture& f) { f.Questions.clear(); }},
        {"257 questions", [](DataFileFixture& f) { f.Questions.resize(257, f.Questions[0]); }},
        {"protect level 3", [](DataFileFixture& f) { f.ProtectLevel = 3; }},
        {"max answers 0", [](DataFileFixture& f) { f.Questions[0].MaxAnswers = 0; }},
        {"max answers 128", [](DataFileFixture& f) { f.Questions[0].MaxAnswers = 128; }},
        {"choice count 0",
         [](DataFileFixture& f) {
             f.Questions[0].Choices.clear();
             f.Questions[0].ChoiceCountField = 0;
         }},
        {"choice count 129",
         [](DataFileFixture& f) {
             f.Questions[2].Choices.push_back({QStringLiteral("x"), 0});
         }},
        {"too many answer bits",
         [](DataFileFixture& f) {
             // 127 slots of 8 bits in each of 33 questions.
             f.Questions.assign(33, f.Questions[2]);
             for (auto& q : f.Questions)
                 q.MaxAnswers = 127;
             f.Samples.clear();
         }},
        {"condition of 15 rows",
         [](DataFileFixture& f) {
             f.Questions[1].Condition.assign(15, {1, 1});
         }},
        {"condition row naming a missing question",
         [](DataFileFixture& f) {
             f.Questions[0].Condition = {{1, 3 * 128}};
         }},
        {"stored limit naming a missing question",
         [](DataFileFixture& f) {
             f.Limits[15] = {{3, -1}};
         }},
        {"paragraph starts without a repeat",
         [](DataFileFixture& f) {
             f.ParagraphStarts.clear();
             for (int k = 0; k < 257; ++k)
                 f.ParagraphStarts.push_back(static_cast<Integer>(k));
         }},
        {"sample count beyond the file",
         [](DataFileFixture& f) {
             f.SampleCountField = 4;
             f.Tail.reset();
         }},
        {"sample count the file cannot hold", [](DataFileFixture& f) { f.SampleCountField = 1'000'000; }},
        {"negative sample count", [](DataFileFixture& f) { f.SampleCountField = -1; }},
        {"more texts than slots", [](DataFileFixture& f) { f.Samples[0].TextCountField = 5; }},
        {"text slot past the table", [](DataFileFixture& f) { f.Samples[0].Texts[0].first = 4; }},
        {"negative text slot", [](DataFileFixture& f) { f.Samples[0].Texts[0].first = -1; }},
        {"answer of 128",
         [](DataFileFixture& f) {
             f.Samples[1].Ano = test::PackAnswers(f.Questions, {{1}, {1}, {128}});
         }},
        {"file ending inside a sample",
         [](DataFileFixture& f) {
             f.Samples[2].Ano.pop_back();
             f.Tail.reset();
         }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        DataFileFixture f = RichDataFile(1003);
        damage.apply(f);
        ui_.expectBox(vbOK);
        ExpectReadError(Load(f));
    }
}

TEST_F(LoadTest, StructureTooLargeForASampleRecordIsRefusedBeforeItIsTakenOver)
{
    // 65 questions of 127 three-bit slots with free text: 24765 answer bits
    // fit, but 8255 free-text slots make a record of more than 32767 bytes.
    DataFileFixture f = RichDataFile(1003);
    f.Questions.assign(65, f.Questions[0]);
    for (auto& q : f.Questions)
        q.MaxAnswers = 127;
    f.Samples.clear();
    ui_.expectBox(vbOK);
    ExpectReadError(Load(f));
    EXPECT_EQ(survey.QuestionCount, 1);
    EXPECT_EQ(survey.AnoBytes, 2);
    EXPECT_EQ(survey.AnswerLayout[0].Slots, 1);
}

// The heap in use: the ordinary heap and the sample store's huge-page blocks.
size_t HeapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd + MappedLargeBlockBytes();
}

using FixtureTexts = decltype(test::FixtureSample::Texts);

// 60 questions of 127 answers to a choice of `attr` (1: with free text), and
// n samples that answer none, each with the free texts `text(id)`, if given.
DataFileFixture WideFile(Integer attr, Long n, const std::function<FixtureTexts(Long id)>& text = {})
{
    DataFileFixture f = RichDataFile(1003);
    test::FixtureQuestion question = f.Questions[0];
    question.MaxAnswers = 127;
    question.Choices = {{QStringLiteral("はい\r0\r0"), attr}};
    question.Condition.clear();
    f.Questions.assign(60, question);
    f.Limits = std::vector<std::vector<test::FixtureRow>>(16);
    f.ParagraphStarts = {0, 0};
    const std::vector<Integer> unanswered((60 * 127 * 2 + 15) / 16, 0);
    f.Samples.clear();
    for (Long id = 1; id <= n; ++id)
        f.Samples.push_back({id, 0, unanswered, text ? text(id) : FixtureTexts{}, {}});
    return f;
}

TEST_F(LoadTest, EmptyFreeTextSlotsTakeNoMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps its own heap, which mallinfo2 does not see";
#endif
    // 7620 free-text slots a sample, of which each sample fills one.
    const int samplesInFile = 2000;
    const DataFileFixture f = WideFile(1, samplesInFile, [](Long id) {
        return FixtureTexts{{static_cast<Integer>(id * 3 % 7620), QStringLiteral("記述%1").arg(id)}};
    });

    const size_t before = HeapInUse();
    ASSERT_EQ(Load(f), 1);
    const auto grown = static_cast<double>(HeapInUse() - before);

    ASSERT_EQ(survey.EssayCount, 7620);
    ASSERT_EQ(SampleCount(samples), samplesInFile);
    EXPECT_EQ(samples.Samples.texts(9).text(30), QStringLiteral("記述10"));
    // The answer words and texts, 60 bytes more a sample, and room for the
    // questionnaire and whole huge pages, about 8 MB. A slot kept for every sample
    // would take 7620 strings each, 366 MB.
    const double answersAndTexts = samplesInFile * (samples.Samples.answerWords() * 2.0 + 2 * 6);
    EXPECT_LT(grown, answersAndTexts + samplesInFile * 60.0 + (4 << 20))
        << grown / samplesInFile << " bytes a sample";
}

TEST_F(LoadTest, AFileOpenedOverALargerOneTakesTheMemoryOfAFreshOpen)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps its own heap, which mallinfo2 does not see";
#endif
    // Samples in the order of their IDs, as saved.
    DataFileFixture narrow = RichDataFile(1003);
    narrow.Samples.clear();
    for (Long id = 1; id <= 20000; ++id)
        narrow.Samples.push_back({id, 0, test::PackAnswers(narrow.Questions, {{2}}), {}, {}});
    // The heap above that of no samples, at its highest while the load's
    // jobs read their clock and after the load.
    const size_t empty = HeapInUse();
    const auto measure = [&] {
        size_t peak = 0;
        qint64 tick = 0;
        const LongJobPacing sampled(50, [&] {
            peak = std::max(peak, HeapInUse());
            return ++tick;
        });
        EXPECT_EQ(Load(narrow), 1);
        return std::pair(double(peak) - double(empty), double(HeapInUse()) - double(empty));
    };
    const auto fresh = measure();
    // 3.8 MB of answers, more than the narrow file holds in all.
    ASSERT_EQ(Load(WideFile(0, 2000)), 1);
    const auto over = measure();
    EXPECT_LT(over.first, fresh.first * 1.1 + 65536) << "peak";
    EXPECT_LT(over.second, fresh.second * 1.1 + 65536) << "steady";
}

TEST_F(LoadTest, ReadErrorKeepsOnlyTheSamplesReadCompletely)
{
    DataFileFixture f = RichDataFile(1003);
    f.Samples[0].SampleID = 1;  // already in order
    f.Samples[2].Texts = {{9, QStringLiteral("x")}};
    ui_.expectBox(vbOK);
    ExpectReadError(Load(f));
    EXPECT_EQ(TableIDs(), (std::vector<Long>{1, 2}));
    EXPECT_EQ(samples.Samples.answerWords(), 3);
}

TEST_F(LoadTest, StoppedLoadKeepsTheSamplesReadAndIsUnsavable)
{
    DataFileFixture f = RichDataFile(1003);
    for (Long id = 10; id < 200; ++id)
        f.Samples.push_back({id, 0, test::PackAnswers(f.Questions, {{2}}), {}, {}});
    // A report for every sample: stop at the tenth.
    const LongJobPacing everyStep(0);
    ui_.scriptProgress(true);  // the questions
    for (int i = 0; i < 9; ++i)
        ui_.scriptProgress(true);
    ui_.scriptProgress(false);
    EXPECT_EQ(Load(f), 0);
    EXPECT_EQ(SampleCount(samples), 9);
    EXPECT_EQ(ui_.progressTexts().last(), QStringLiteral("回答 10/193"));
    EXPECT_EQ(document.ProtectLevel, 2);
    EXPECT_EQ(document.CurrentFilePath, UnsavablePath);
    EXPECT_TRUE(ui_.mainCaptions().isEmpty());
    ExpectWindowsClosed();
}

TEST_F(LoadTest, ALargeFileIsReadUnderTheProgressWindowWhoseStopIsHeard)
{
    LoadPrevious();
    const qsizetype reports = ui_.progressTexts().size();
    const LongJobPacing everyStep(0);
    ui_.scriptProgress(false);
    // 1.9 MB: the stop comes while the file is read, before its questions.
    EXPECT_EQ(Load(WideFile(0, 1000)), 0);
    EXPECT_EQ(ui_.progressTexts().mid(reports), QStringList{QStringLiteral("質問など")});
    EXPECT_EQ(survey.Title, QStringLiteral("新規アンケート"));
    EXPECT_EQ(document.ProtectLevel, 2);
    ExpectWindowsClosed();
}

TEST_F(LoadTest, NothingOfThePreviousQuestionnaireSurvives)
{
    LoadPrevious();
    survey.Choices(0, 1).CodeFile = QStringLiteral("old.txt");
    survey.QuestionLimit[2][1] = {1, 5};
    survey.LimitTable[7][0].Code = 0x55;
    survey.Questions[200].ChoiceCount = 9;
    DataFileFixture f = RichDataFile(1003);
    f.Questions.resize(1);
    f.Questions[0].Choices = {{QStringLiteral("はい"), 0}};
    f.Limits = std::vector<std::vector<test::FixtureRow>>(16);
    f.Samples.clear();
    ASSERT_EQ(Load(f), 1);
    EXPECT_TRUE(survey.Choices(0, 1).CodeFile.isEmpty());
    EXPECT_EQ(survey.QuestionLimit[2][1].KindRank, 0);
    EXPECT_EQ(survey.LimitTable[7][0].Code, 0);
    EXPECT_EQ(survey.Questions[200].ChoiceCount, 0);
}

TEST_F(LoadTest, MissingFileLeavesTheQuestionnaireAlone)
{
    LoadPrevious();
    ui_.expectBox(vbOK);
    QString name = dir_.filePath(QStringLiteral("none.kz"));
    EXPECT_EQ(LoadDataFile(workspace, settings, name, 1), 0);
    EXPECT_EQ(ui_.boxes().back().prompt, name + QStringLiteral("が見つかりません"));
    EXPECT_EQ(ui_.boxes().back().style, vbCritical);
    ExpectPreviousUntouched();
}

TEST_F(LoadTest, RefusedHeaderLeavesTheQuestionnaireAlone)
{
    LoadPrevious();
    ui_.expectBox(vbOK);
    QString name = Write(QByteArray("not a data file"), QStringLiteral("other.kz"));
    EXPECT_EQ(LoadDataFile(workspace, settings, name, 1), 0);
    ExpectPreviousUntouched();

    // A data file offered as a tabulation result.
    ui_.expectBox(vbOK);
    name = Write(test::BuildDataFile(RichDataFile(1003)), QStringLiteral("other.kz"));
    EXPECT_EQ(LoadDataFile(workspace, settings, name, 2), 0);
    ExpectPreviousUntouched();
}

TEST_F(LoadTest, PageFilesAreHandedBack)
{
    LoadPrevious();
    test::FieldWriter page;
    page.integer(0);
    page.reversed(QString::fromLatin1(test::FixtureMagic(2001)));
    page.plain(previousPath_);
    QString name = Write(page.bytes(), QStringLiteral("result.kzp"));
    EXPECT_EQ(LoadDataFile(workspace, settings, name, 2), 2001);
    ExpectPreviousUntouched();

    test::FieldWriter other;
    other.integer(0);
    other.reversed(QString::fromLatin1(test::FixtureMagic(2001)));
    other.plain(QStringLiteral("/elsewhere/base.kz"));
    name = Write(other.bytes(), QStringLiteral("result.kzp"));
    ui_.expectBox(vbYes);
    EXPECT_EQ(LoadDataFile(workspace, settings, name, 1), 9001);
    EXPECT_EQ(name, QStringLiteral("/elsewhere/base.kz"));
    ExpectPreviousUntouched();
}

}  // namespace
}  // namespace kz
