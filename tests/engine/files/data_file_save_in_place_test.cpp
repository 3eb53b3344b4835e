// How a save puts the new file in place: the file's name holds the previous
// or the new file, whole, at every step and after a failure at any step;
// links are followed; the system's reasons reach the user in words.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/data_file_save.h"
#include "files/file_commit.h"
#include "support/data_file_test_base.h"
#include "support/survey_fixture.h"

namespace kz::test {
namespace {

const QString Failed = QStringLiteral("正しく保存出来ませんでした。");

std::vector<SampleContents> ThreeSamples()
{
    return {{10, {{1}, {1, 2}}, {}, 0}, {20, {{3}, {3}}, {{0, QStringLiteral("自転車")}}, 0}, {30, {{2}, {}}, {}, 1}};
}

class SaveInPlaceTest : public DataFileTest {
protected:
    void SetUp() override
    {
        DataFileTest::SetUp();
        Open(SurveyFile(ThreeSamples()));
    }
    void TearDown() override
    {
        SetCommitStepHook({});
        DataFileTest::TearDown();
    }

    // The bytes a save of the questionnaire as it stands writes.
    QByteArray BytesOfASave()
    {
        const QString probe = path(QStringLiteral("probe.kz"));
        EXPECT_TRUE(SaveDataFile(workspace, settings, probe));
        const QByteArray bytes = ReadAll(probe);
        QFile::remove(probe);
        return bytes;
    }
};

TEST_F(SaveInPlaceTest, NameHoldsTheOldOrTheNewFileAtEveryStepAndAfterAFailureAtAnyStep)
{
    const QString target = path(QStringLiteral("data.kz"));
    const QString backup = path(QStringLiteral("data.kz~"));
    const QByteArray old = ReadAll(path(QStringLiteral("base.kz")));
    samples.Samples.resize(SampleCount(samples) - 1);
    const QByteArray fresh = BytesOfASave();
    ASSERT_NE(old, fresh);

    struct Case {
        CommitStep failingStep;
        int error;
        QString reason;
        bool replaced;  // the name holds the new file after the failure
    };
    const Case cases[] = {
        {CommitStep::SyncFile, EIO, QStringLiteral("ファイルの読み書きでエラーが発生しました。(エラー番号 5)"),
         false},
        {CommitStep::Backup, EACCES, QStringLiteral("ファイルへのアクセスが許可されていません。"), false},
        {CommitStep::Replace, ENOSPC, QStringLiteral("ディスクの空き容量が足りません。"), false},
        {CommitStep::SyncFolder, EROFS, QStringLiteral("読み取り専用のディスクには書き込めません。"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.failingStep));
        ASSERT_TRUE(WriteBytes(target, old));
        std::vector<CommitStep> seen;
        SetCommitStepHook([&](CommitStep step) {
            seen.push_back(step);
            const QByteArray now = ReadAll(target);
            EXPECT_TRUE(now == old || now == fresh)
                << "a part or nothing under the name before step " << static_cast<int>(step);
            return step == c.failingStep ? c.error : 0;
        });
        SetModified(document);
        ui_.expectBox(vbOK);

        EXPECT_FALSE(SaveDataFile(workspace, settings, target));

        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back(), c.failingStep);
        EXPECT_EQ(ReadAll(target), c.replaced ? fresh : old);
        EXPECT_TRUE(ui_.boxes().back().prompt.contains(c.reason)) << ui_.boxes().back().prompt.toStdString();
        EXPECT_TRUE(ui_.boxes().back().prompt.endsWith(Failed));
        EXPECT_TRUE(IsModified(document));
        for (const QString& entry : FolderEntries())
            EXPECT_TRUE(QStringList({"base.kz", "data.kz", "data.kz~"}).contains(entry)) << entry.toStdString();
    }

    ASSERT_TRUE(WriteBytes(target, old));
    SetCommitStepHook([&](CommitStep) {
        const QByteArray now = ReadAll(target);
        EXPECT_TRUE(now == old || now == fresh);
        return 0;
    });
    EXPECT_TRUE(SaveDataFile(workspace, settings, target));
    EXPECT_EQ(ReadAll(target), fresh);
    EXPECT_EQ(ReadAll(backup), old);
}

TEST_F(SaveInPlaceTest, SavingThroughASymbolicLinkWritesItsTargetKeepsTheLinkAndBacksUpBesideTheTarget)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("real")));
    const QString real = path(QStringLiteral("real/data.kz"));
    const QString link = path(QStringLiteral("data.kz"));
    ASSERT_TRUE(WriteBytes(real, "previous"));
    ASSERT_TRUE(QFile::link(QStringLiteral("real/data.kz"), link));

    EXPECT_TRUE(SaveDataFile(workspace, settings, link));

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(real), ReadAll(path(QStringLiteral("base.kz"))));
    EXPECT_EQ(ReadAll(path(QStringLiteral("real/data.kz~"))), "previous");
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("data.kz~"))));
    EXPECT_EQ(settings.MRUFiles[0], link);
}

TEST_F(SaveInPlaceTest, LinkToABackupNameIsRefusedLikeTheName)
{
    ASSERT_TRUE(WriteBytes(path(QStringLiteral("data.kz~")), "backup"));
    ASSERT_TRUE(QFile::link(QStringLiteral("data.kz~"), path(QStringLiteral("data.kz"))));
    ui_.expectBox(vbOK);

    EXPECT_FALSE(SaveDataFile(workspace, settings, path(QStringLiteral("data.kz"))));

    ASSERT_FALSE(ui_.boxes().empty());
    EXPECT_EQ(ui_.boxes().back().prompt, QStringLiteral("ファイル名の拡張子を kz~ 以外にしてください"));
    EXPECT_EQ(ReadAll(path(QStringLiteral("data.kz~"))), "backup");
}

// A folder holding a small file system of its own, mounted in a mount
// namespace of this test process alone, so nothing outlives the process.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : folder_(QFile::encodeName(folder))
    {
        mounted_ = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                   && ::mount("tmpfs", folder_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly()
    {
        return ::mount(nullptr, folder_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
};

TEST_F(SaveInPlaceTest, FullOrReadOnlyDiskIsReportedInWordsAndKeepsThePreviousFile)
{
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("small")));
    SmallDisk disk(path(QStringLiteral("small")));
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system can be mounted here (needs root): " << std::strerror(errno);
    const QString target = path(QStringLiteral("small/data.kz"));
    const QByteArray old = ReadAll(path(QStringLiteral("base.kz")));
    ASSERT_TRUE(WriteBytes(target, old));
    for (Long id = 100; id < 20000; ++id)
        AddSample(id);  // far more than the 64 KiB the disk holds

    const std::pair<bool, QString> cases[] = {{false, QStringLiteral("ディスクの空き容量が足りません。")},
                                              {true, QStringLiteral("読み取り専用のディスクには書き込めません。")}};
    for (const auto& [readOnly, reason] : cases) {
        if (readOnly) {
            ASSERT_TRUE(disk.makeReadOnly());
        }
        ui_.expectBox(vbOK);

        EXPECT_FALSE(SaveDataFile(workspace, settings, target));

        EXPECT_TRUE(ui_.boxes().back().prompt.contains(reason)) << ui_.boxes().back().prompt.toStdString();
        EXPECT_EQ(ReadAll(target), old);
        EXPECT_EQ(QDir(path(QStringLiteral("small"))).entryList(QDir::Files | QDir::Hidden), QStringList{"data.kz"});
    }
}

TEST_F(SaveInPlaceTest, LoadsWhileAnotherCopySavesTheSameFileAlwaysFindAWholeFile)
{
    const QString target = path(QStringLiteral("data.kz"));
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        // Two versions in turn, until the test ends this process.
        const SampleStore whole = samples.Samples;
        for (bool three = false;; three = !three) {
            if (three)
                samples.Samples = whole;
            else
                samples.Samples.resize(whole.size() - 1);
            ui_.expectBox(vbOK);  // a failed save would say so; it never comes
            SaveDataFile(workspace, settings, target);
        }
    }
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(target) && waited.elapsed() < 5000)
        usleep(1000);

    QElapsedTimer timer;
    timer.start();
    int loads = 0;
    while (timer.elapsed() < 1500) {
        QString file = target;
        if (LoadDataFile(workspace, settings, file, OpenQuestionnaire) != DataFileLoaded)
            break;
        EXPECT_TRUE(SampleCount(samples) == 2 || SampleCount(samples) == 3);
        ++loads;
    }
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    EXPECT_GE(timer.elapsed(), 1500) << "a load failed after " << loads << " loads";
    EXPECT_GT(loads, 0);
}

}  // namespace
}  // namespace kz::test
