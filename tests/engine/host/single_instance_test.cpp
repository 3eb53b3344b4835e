#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include "host/single_instance.h"
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

TEST(SingleInstanceTest, FolderWithoutRoomForALockDoesNotRefuse)
{
    QTemporaryDir folder;
    InstanceLock lock(folder.filePath("missing"));
    EXPECT_TRUE(lock.tryAcquire());
}

}  // namespace
}  // namespace kz
