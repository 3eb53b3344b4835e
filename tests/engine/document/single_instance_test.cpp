#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "document/single_instance.h"
#include "host/program_folder.h"
#include "support/scripted_ui.h"

namespace kz {
namespace {

TEST(SingleInstanceTest, SecondCopyIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir folder;
    InstanceLock second(folder.path());
    test::ScriptedUi ui;
    {
        InstanceLock first(folder.path());
        EXPECT_TRUE(ClaimSingleInstance(first));
        EXPECT_TRUE(first.tryAcquire());  // asking again keeps it
        ui.expectBox(vbOK);
        EXPECT_FALSE(ClaimSingleInstance(second));
        EXPECT_EQ(ui.beeps(), 1);
        ASSERT_EQ(ui.boxes().size(), 1u);
        EXPECT_EQ(ui.boxes()[0].prompt, "既に起動しているKelvorzunがあります");
        EXPECT_EQ(ui.boxes()[0].style, vbExclamation);
        QTemporaryDir otherFolder;
        InstanceLock other(otherFolder.path());
        EXPECT_TRUE(other.tryAcquire());
    }
    EXPECT_TRUE(ClaimSingleInstance(second));
}

TEST(SingleInstanceTest, LockOfACrashedCopyDoesNotBlock)
{
    QTemporaryDir folder;
    // A child process takes the lock and dies without releasing it.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock crashed(folder.path());
        _exit(crashed.tryAcquire() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(folder.filePath("kelvorzun.lock")));

    InstanceLock next(folder.path());
    EXPECT_TRUE(next.tryAcquire());
}

TEST(SingleInstanceTest, WhateverALockFileHoldsItIsTakenWhenNoRunningCopyHoldsIt)
{
    const auto write = [](const QByteArray& bytes) {
        return [bytes](const QString& lock) {
            QFile file(lock);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
    };
    struct Case {
        const char* name;
        std::function<bool(const QString& lock)> leave;
    };
    const Case cases[] = {
        {"empty", write({})},
        {"garbage", write(QByteArray("\xff\x00garbage\n", 11))},
        {"another computer", write(QByteArray::number(getpid()) + "\nkelvorzun\nanother-host\n")},
        {"unreadable", [&](const QString& lock) { return write("1\n")(lock) && chmod(lock.toLocal8Bit(), 0) == 0; }},
        {"empty folder", [](const QString& lock) { return QDir().mkdir(lock); }},
        {"folder with a file",
         [&](const QString& lock) { return QDir().mkdir(lock) && write("x")(lock + "/inside"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(c.leave(folder.filePath("kelvorzun.lock")));
        InstanceLock first(folder.path());
        EXPECT_TRUE(first.tryAcquire());
        // It is a lock all the same (where this user can open it at all).
        InstanceLock second(folder.path());
        if (std::string_view(c.name) != "unreadable" || geteuid() == 0) {
            EXPECT_FALSE(second.tryAcquire());
        }
    }
}

TEST(SingleInstanceTest, RunningCopyBlocksUntilItIsKilled)
{
    QTemporaryDir folder;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        InstanceLock running(folder.path());
        const char held = running.tryAcquire() ? 'y' : 'n';
        (void)!write(ready[1], &held, 1);
        pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');

    InstanceLock next(folder.path());
    EXPECT_FALSE(next.tryAcquire());
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_TRUE(next.tryAcquire());
    close(ready[0]);
    close(ready[1]);
}

TEST(SingleInstanceTest, ProgramsTheCopyStartedDoNotKeepTheLock)
{
    QTemporaryDir folder;
    auto running = std::make_unique<InstanceLock>(folder.path());
    ASSERT_TRUE(running->tryAcquire());
    // A program started by the copy (a plug-in host) outlives it.
    int execed[2];
    ASSERT_EQ(pipe2(execed, O_CLOEXEC), 0);
    const pid_t started = fork();
    ASSERT_GE(started, 0);
    if (started == 0) {
        execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(execed[1]);
    char none = 0;
    ASSERT_EQ(read(execed[0], &none, 1), 0);  // end of file: the exec closed the child's end
    close(execed[0]);
    running.reset();

    InstanceLock next(folder.path());
    EXPECT_TRUE(next.tryAcquire());
    kill(started, SIGKILL);
    waitpid(started, nullptr, 0);
}

TEST(SingleInstanceTest, ALinkUnderTheLockNameMakesNoFileWhereItPoints)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("elsewhere");
    ASSERT_TRUE(QFile::link(target, folder.filePath("kelvorzun.lock")));
    InstanceLock lock(folder.path());
    EXPECT_TRUE(lock.tryAcquire());
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(QFileInfo(folder.filePath("kelvorzun.lock")).isSymLink());
}

TEST(SingleInstanceTest, FolderWithoutRoomForALockDoesNotRefuse)
{
    QTemporaryDir folder;
    InstanceLock lock(folder.filePath("missing"));
    EXPECT_TRUE(lock.tryAcquire());
}

// Start-up's check: a second copy from the same program folder ends at
// once (a normal end), before anything else; the only copy goes on.
TEST(SingleInstanceTest, ASecondCopyFromTheSameFolderEndsAtStartUp)
{
    QTemporaryDir folder;
    SetProgramFolderForTest(folder.path());
    constexpr int WentOn = 3;
    const auto startUp = [] {
        const pid_t copy = fork();
        if (copy == 0) {
            CheckPrevInstance();
            _exit(WentOn);
        }
        int status = 0;
        waitpid(copy, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(startUp(), WentOn);
    {
        InstanceLock running(folder.path());
        ASSERT_TRUE(running.tryAcquire());
        EXPECT_EQ(startUp(), EXIT_SUCCESS);
    }
    EXPECT_EQ(startUp(), WentOn);
    SetProgramFolderForTest({});
}

}  // namespace
}  // namespace kz
