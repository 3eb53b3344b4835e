#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>

#include <algorithm>
#include <functional>
#include <random>

#include "files/data_file_save.h"
#include "files/data_file_write.h"
#include "host/long_job.h"
#include "support/data_file_test_base.h"
#include "support/listed_rows.h"
#include "support/text_setup.h"
#include "texts/choice_texts.h"

namespace kz::test {
namespace {

const QString Cancelled = QStringLiteral("保存がｷｬﾝｾﾙされました。");
const QString Failed = QStringLiteral("正しく保存出来ませんでした。");

std::vector<SampleContents> ThreeSamples()
{
    return {{10, {{1}, {1, 2}}, {}, 0},
            {20, {{3}, {3}}, {{0, QStringLiteral("自転車")}, {1, QStringLiteral("釣り")}}, 0},
            {30, {{2}, {}}, {}, 1}};
}

class SaveDataFileTest : public DataFileTest {
protected:
    void TearDown() override
    {
        SetSaveWriteLimit(-1);
        DataFileTest::TearDown();
    }

    // Saves `file` once as a first version with one sample less than now,
    // and returns its bytes.
    QByteArray SaveFirstVersion(const QString& file)
    {
        const SampleStore all = samples.Samples;
        samples.Samples.resize(SampleCount(samples) - 1);
        EXPECT_TRUE(SaveDataFile(workspace, settings, file));
        samples.Samples = all;
        SetModified(document);
        return ReadAll(file);
    }
};

TEST_F(SaveDataFileTest, WritesExactlyTheBytesOfTheFileItWasLoadedFrom)
{
    const DataFileFixture fixture = SurveyFile(ThreeSamples());
    Open(fixture);
    const QString target = path(QStringLiteral("copy.kz"));

    EXPECT_TRUE(SaveDataFile(workspace, settings, target));

    EXPECT_EQ(ReadAll(target), BuildDataFile(fixture));
    EXPECT_TRUE(ui_.boxes().empty());
}

TEST_F(SaveDataFileTest, PadsQuestionTextsAndGoesFromAnEmptySampleTableStraightToTheTail)
{
    // Built in memory, not loaded: the question text is short and unpadded.
    AddQuestion(1, 2);
    survey.Questions[0].Text = QStringLiteral("Q1\r\r\r");
    SetChoiceText(survey, 0, 1, QStringLiteral("はい"));
    survey.Title = QStringLiteral("空");
    survey.Author = QStringLiteral("誰か");
    survey.Password = QStringLiteral("pw");
    document.ProtectLevel = 1;
    document.WWWDistName = QStringLiteral("newfile");
    BuildLayout();
    const QString target = path(QStringLiteral("empty.kz"));

    EXPECT_TRUE(SaveDataFile(workspace, settings, target));

    DataFileFixture expected;
    expected.Title = survey.Title;
    expected.Author = survey.Author;
    expected.Password = QStringLiteral("pw");
    expected.ProtectLevel = 1;
    FixtureQuestion q;
    q.Text = QStringLiteral("Q1\r\r\r").leftJustified(128, u' ');
    q.Choices = {{QStringLiteral("はい\r0\r0"), 0}};
    expected.Questions = {q};
    expected.CheckOptions = 0;
    expected.Tail = FixtureTail{3, QStringLiteral("newfile"), 0, false, std::vector<Integer>{}, QString()};
    EXPECT_EQ(ReadAll(target), BuildDataFile(expected));
}

TEST_F(SaveDataFileTest, SaveThenLoadGivesBackEveryTableAndEverySample)
{
    std::mt19937 random(7);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int q = 0; q < 12; ++q) {
        const auto choices = static_cast<Integer>(pick(2, 127));
        AddQuestion(static_cast<Integer>(pick(1, 5)), choices, {1});
        survey.Questions[q].Text = QStringLiteral("Q%1\r問%1\r\r").arg(q + 1).leftJustified(128, u' ');
        survey.Questions[q].CodeStyle = static_cast<Integer>(q % 4);
        for (Integer c = 1; c < choices; ++c) {
            ChoiceRec& choice = survey.Choices(q, c);
            choice.Text = QStringLiteral("選択肢%1").arg(c);
            if (c % 3 == 0)
                choice.CodeFile = QStringLiteral("codes%1.txt").arg(c);
            else
                choice.High = c * 1.5;
            choice.Attr = static_cast<Integer>(choice.Attr | (c % 7 == 0 ? 1 << AttrExclusive : 0));
        }
        if (q > 0)
            survey.QuestionLimit[q] = MakeCondition(0, {Row(1, 0, 1), Row(4, Integer(q - 1), 2)});
    }
    survey.LimitTable[3] = MakeCondition(0, {Row(3, 2, 1, 1)});
    for (size_t k = 0; k < survey.ParagraphStart.size(); ++k)
        survey.ParagraphStart[k] = MakeQC(static_cast<Integer>(std::min<size_t>(k, 5)), 0);
    survey.ParagraphExeDLL[2] = -1;
    survey.ExternProcessName = QStringLiteral("Kz.Extern");
    survey.CheckOptions = 11;
    survey.Title = QStringLiteral("往復");
    survey.Author = QStringLiteral("検査");
    survey.Password = QStringLiteral("Secret1");
    document.WWWDistName = QStringLiteral("roundtrip");
    document.WWWDistQno = 4;
    document.WWWEssayFull = true;
    BuildLayout();
    for (Long id = 1; id <= 300; ++id) {
        const Long s = AddSample(id * 3);
        samples.Samples.setFlags(s, static_cast<Integer>(pick(0, 0xFFFF)));
        // Narrow slots cannot hold a value the loader refuses.
        for (int w = 0; w < survey.AnoBytes / 2; ++w)
            samples.Samples.answers(s)[w] = static_cast<Integer>(pick(0, 0xFFFF) & 0x3F3F);
        for (int e = 0; e < survey.EssayCount; ++e)
            if (pick(0, 3) == 0)
                samples.Samples.texts(s).setText(e, QStringLiteral("記述%1-%2").arg(id).arg(e));
    }
    const Survey saved = survey;
    const SampleStore savedSamples = samples.Samples;
    const DocumentState savedDocument = document;
    const QString target = path(QStringLiteral("round.kz"));
    ASSERT_TRUE(SaveDataFile(workspace, settings, target));

    Reset();
    QString file = target;
    ASSERT_EQ(LoadDataFile(workspace, settings, file, OpenQuestionnaire), 1);

    EXPECT_EQ(survey.Title, saved.Title);
    EXPECT_EQ(survey.Author, saved.Author);
    EXPECT_EQ(survey.Password, saved.Password);
    EXPECT_EQ(document.ProtectLevel, savedDocument.ProtectLevel);
    ASSERT_EQ(survey.QuestionCount, saved.QuestionCount);
    for (int q = 0; q < saved.QuestionCount; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(survey.Questions[q].Text, saved.Questions[q].Text);
        EXPECT_EQ(survey.Questions[q].MaxAnswers, saved.Questions[q].MaxAnswers);
        EXPECT_EQ(survey.Questions[q].ChoiceCount, saved.Questions[q].ChoiceCount);
        EXPECT_EQ(survey.Questions[q].CodeStyle, saved.Questions[q].CodeStyle);
        for (int c = 0; c < saved.Questions[q].ChoiceCount; ++c) {
            EXPECT_EQ(survey.Choices(q, c).Text, saved.Choices(q, c).Text);
            EXPECT_EQ(survey.Choices(q, c).CodeFile, saved.Choices(q, c).CodeFile);
            if (saved.Choices(q, c).CodeFile.isEmpty()) {
                EXPECT_EQ(survey.Choices(q, c).Low, saved.Choices(q, c).Low);
                EXPECT_EQ(survey.Choices(q, c).High, saved.Choices(q, c).High);
            }
            EXPECT_EQ(survey.Choices(q, c).Attr, saved.Choices(q, c).Attr);
        }
        for (size_t i = 1; i < 16 && (i == 1 || saved.QuestionLimit[q][i - 1].KindRank != 0); ++i) {
            EXPECT_EQ(survey.QuestionLimit[q][i].KindRank, saved.QuestionLimit[q][i].KindRank);
            if (saved.QuestionLimit[q][i].KindRank != 0) {
                EXPECT_EQ(survey.QuestionLimit[q][i].Code, saved.QuestionLimit[q][i].Code);
            }
        }
    }
    for (int L = 0; L < StoredLimitCount; ++L)
        for (size_t i = 1; i < 16; ++i)
            EXPECT_EQ(survey.LimitTable[L][i].KindRank, saved.LimitTable[L][i].KindRank);
    EXPECT_EQ(survey.LimitTable[3][1].Code, saved.LimitTable[3][1].Code);
    EXPECT_EQ(survey.ParagraphStart, saved.ParagraphStart);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(survey.ParagraphExeDLL[k] != 0, saved.ParagraphExeDLL[k] != 0) << k;
    EXPECT_EQ(survey.CheckOptions, saved.CheckOptions);
    EXPECT_EQ(survey.ExternProcessName, saved.ExternProcessName);
    EXPECT_EQ(document.WWWDistName, savedDocument.WWWDistName);
    EXPECT_EQ(document.WWWDistQno, savedDocument.WWWDistQno);
    EXPECT_EQ(document.WWWEssayFull, savedDocument.WWWEssayFull);

    ASSERT_EQ(SampleCount(samples), savedSamples.size());
    const SampleStore& got = samples.Samples;
    for (Long s = 0; s < SampleCount(samples); ++s) {
        ASSERT_EQ(got.id(s), savedSamples.id(s));
        EXPECT_EQ(got.flags(s), savedSamples.flags(s));
        EXPECT_TRUE(std::equal(got.answers(s), got.answers(s) + survey.AnoBytes / 2, savedSamples.answers(s))) << s;
        EXPECT_EQ(got.texts(s), savedSamples.texts(s)) << s;
    }
}

TEST_F(SaveDataFileTest, FirstSaveUnderANewNameLeavesNoBackupAndMarksTheQuestionnaireSaved)
{
    Open(SurveyFile(ThreeSamples()));
    SetModified(document);
    const QString target = path(QStringLiteral("new.kz"));
    const int shown = ui_.processingShown();
    const int ended = ui_.processingEnded();

    EXPECT_TRUE(SaveDataFile(workspace, settings, target));

    EXPECT_EQ(FolderEntries(), (QStringList{QStringLiteral("base.kz"), QStringLiteral("new.kz")}));
    EXPECT_FALSE(IsModified(document));
    EXPECT_EQ(samples.SavedSampleCount, 3);
    EXPECT_GT(samples.LastSaveTime, 40000.0);
    EXPECT_EQ(settings.MRUFiles[0], target);
    EXPECT_EQ(ui_.processingShown(), shown + 1);
    EXPECT_FALSE(ui_.lastProcessingFatal());  // a stop leaves the previous file as it was
    EXPECT_EQ(ui_.processingEnded(), ended + 1);
    EXPECT_FALSE(ui_.hourglass());
}

TEST_F(SaveDataFileTest, SecondSaveKeepsTheFirstInTheBackup)
{
    Open(SurveyFile(ThreeSamples()));
    const QString target = path(QStringLiteral("data.kz"));
    const QByteArray first = SaveFirstVersion(target);

    EXPECT_TRUE(SaveDataFile(workspace, settings, target));

    EXPECT_EQ(ReadAll(path(QStringLiteral("data.kz~"))), first);
    EXPECT_NE(ReadAll(target), first);
    EXPECT_EQ(ReadAll(target), ReadAll(path(QStringLiteral("base.kz"))));
}

TEST_F(SaveDataFileTest, RefusesAnExistingTargetNamedLikeABackupInAnyCase)
{
    Open(SurveyFile(ThreeSamples()));
    for (const QString& name : {QStringLiteral("X.KZ~"), QStringLiteral("x.kz~")}) {
        const QString target = path(name);
        ASSERT_TRUE(WriteBytes(target, "old"));
        ui_.expectBox(vbOK);

        EXPECT_FALSE(SaveDataFile(workspace, settings, target));

        EXPECT_EQ(ui_.boxes().back().prompt, QStringLiteral("ファイル名の拡張子を kz~ 以外にしてください"));
        EXPECT_EQ(ReadAll(target), "old");
    }
    EXPECT_EQ(FolderEntries().size(), 3);
}

TEST_F(SaveDataFileTest, BackupNameReplacesOnlyTheExtensionOfTheFileName)
{
    EXPECT_EQ(BackupFileName(QStringLiteral("C:\\a.b\\data")), QStringLiteral("C:\\a.b\\data.kz~"));
    EXPECT_EQ(BackupFileName(QStringLiteral("/d/x.tar.kz")), QStringLiteral("/d/x.tar.kz~"));
}

TEST_F(SaveDataFileTest, BackupStaysInAFolderWithADotAlsoForANameWithoutExtension)
{
    Open(SurveyFile(ThreeSamples()));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("a.b")));
    for (const QString& name : {QStringLiteral("data.kz"), QStringLiteral("data")}) {
        const QString target = path(QStringLiteral("a.b/") + name);
        const QByteArray first = SaveFirstVersion(target);
        EXPECT_TRUE(SaveDataFile(workspace, settings, target));
        EXPECT_EQ(ReadAll(path(QStringLiteral("a.b/data.kz~"))), first) << name.toStdString();
    }
    EXPECT_EQ(FolderEntries(QStringLiteral("a.b")),
              (QStringList{QStringLiteral("data"), QStringLiteral("data.kz"), QStringLiteral("data.kz~")}));
}

TEST_F(SaveDataFileTest, StopInEitherPhaseLeavesThePreviousFileAndBackupAndTheModifiedMark)
{
    Open(SurveyFile(ThreeSamples()));
    const QString target = path(QStringLiteral("data.kz"));
    const QByteArray first = SaveFirstVersion(target);
    ASSERT_TRUE(SaveDataFile(workspace, settings, target));
    const QByteArray second = ReadAll(target);
    SetModified(document);
    const double lastSave = samples.LastSaveTime;

    // With a report at every step, the two questions report once each, then
    // the samples report.
    const LongJobPacing everyStep(0);
    for (int reportsBeforeStop : {0, 2}) {
        for (int i = 0; i < reportsBeforeStop; ++i)
            ui_.scriptProgress(true);
        ui_.scriptProgress(false);
        ui_.expectBox(vbOK);

        EXPECT_FALSE(SaveDataFile(workspace, settings, target));

        EXPECT_EQ(ui_.boxes().back().prompt, Cancelled);
        EXPECT_EQ(ReadAll(target), second);
        EXPECT_EQ(ReadAll(path(QStringLiteral("data.kz~"))), first);
        EXPECT_TRUE(IsModified(document));
        EXPECT_EQ(samples.LastSaveTime, lastSave);
        EXPECT_EQ(FolderEntries().size(), 3) << FolderEntries().join(u' ').toStdString();
    }
}

TEST_F(SaveDataFileTest, StoppedSaveUnderANewNameLeavesNoFile)
{
    Open(SurveyFile(ThreeSamples()));
    ui_.scriptProgress(false);
    ui_.expectBox(vbOK);

    EXPECT_FALSE(SaveDataFile(workspace, settings, path(QStringLiteral("new.kz"))));

    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("base.kz")});
}

TEST_F(SaveDataFileTest, WriteFailureReportsAndLeavesThePreviousFile)
{
    Open(SurveyFile(ThreeSamples()));
    const QString target = path(QStringLiteral("base.kz"));
    const QByteArray previous = ReadAll(target);
    SetModified(document);
    SetSaveWriteLimit(100);
    ui_.expectBox(vbOK);

    EXPECT_FALSE(SaveDataFile(workspace, settings, target));

    ASSERT_EQ(ui_.boxes().size(), 1u);
    EXPECT_TRUE(ui_.boxes()[0].prompt.endsWith(QStringLiteral("\r\n") + Failed));
    EXPECT_EQ(ui_.boxes()[0].style, vbExclamation);
    EXPECT_EQ(ReadAll(target), previous);
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("base.kz")});
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(samples.SavedSampleCount, 3);
}

TEST_F(SaveDataFileTest, ContentTheFileCannotHoldFailsTheSaveInsteadOfWritingAnUnreadableFile)
{
    Open(SurveyFile(ThreeSamples()));
    const QString target = path(QStringLiteral("base.kz"));
    const QByteArray previous = ReadAll(target);
    const Survey good = survey;
    const auto fullCondition = [] {
        Condition cond{};
        for (size_t i = 1; i < cond.size(); ++i)
            cond[i] = Row(1, 0, 1);
        return cond;
    }();
    const std::vector<std::function<void()>> faults = {
        [&] { survey.QuestionLimit[1] = fullCondition; },
        [&] { survey.LimitTable[15] = fullCondition; },
        [this] { survey.Password = QStringLiteral("パス"); },
        [this] {
            for (size_t k = 0; k < survey.ParagraphStart.size(); ++k)
                survey.ParagraphStart[k] = static_cast<Integer>(k);
        },
        [this] { samples.Samples.texts(1).setText(0, QString(20000, QChar(0x3042))); },
    };
    for (size_t i = 0; i < faults.size(); ++i) {
        SCOPED_TRACE(i);
        survey = good;
        const QString essay = samples.Samples.texts(1).text(0);
        faults[i]();
        ui_.expectBox(vbOK);

        EXPECT_FALSE(SaveDataFile(workspace, settings, target));

        EXPECT_TRUE(ui_.boxes().back().prompt.endsWith(Failed));
        EXPECT_EQ(ReadAll(target), previous);
        samples.Samples.texts(1).setText(0, essay);
    }
}

TEST_F(SaveDataFileTest, ExportWritesTheListedSamplesInTheSheetOrderAndLeavesTheSavedState)
{
    AddQuestion(1, 4, {3});
    BuildLayout();
    for (Long id = 1; id <= 100; ++id) {
        const Long s = AddSample(id);
        samples.Samples.answers(s)[0] = static_cast<Integer>(id % 4);
        samples.Samples.texts(s).setText(0, id == 8 ? QStringLiteral("八") : QString());
    }
    SetModified(document);
    samples.SavedSampleCount = 60;
    samples.LastSaveTime = 45000.5;
    // 7 is listed on two rows and written once.
    test::ListedRows sheet({42, 7, 99, 7});
    const QString target = path(QStringLiteral("export.kz"));

    EXPECT_TRUE(SaveDataFile(workspace, settings, target, &sheet));

    QByteArray blocks;
    QBuffer buffer(&blocks);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    out.writeLong(3);
    for (Long s : {42, 7, 99})
        WriteSampleBlock(out, survey, samples.Samples, s);
    EXPECT_TRUE(ReadAll(target).contains(blocks));
    EXPECT_TRUE(IsModified(document));
    EXPECT_EQ(samples.SavedSampleCount, 60);
    EXPECT_EQ(samples.LastSaveTime, 45000.5);
    EXPECT_EQ(settings.MRUFiles[0], target);
    // The progress counts against the whole table.
    EXPECT_TRUE(ui_.progressTexts().contains(QStringLiteral("回答 100/100")));
}

TEST_F(SaveDataFileTest, ExportOfAPositionOutsideTheTableFails)
{
    AddQuestion(1, 2);
    BuildLayout();
    AddSample(1);
    test::ListedRows sheet({0, 1});
    ui_.expectBox(vbOK);

    EXPECT_FALSE(SaveDataFile(workspace, settings, path(QStringLiteral("export.kz")), &sheet));

    EXPECT_TRUE(ui_.boxes().back().prompt.endsWith(Failed));
    EXPECT_TRUE(FolderEntries().isEmpty());
}

}  // namespace
}  // namespace kz::test
