#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "widgets/folder_lists.h"

namespace kz::widgets {
namespace {

class FolderListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
        QFile file(dir.filePath("a.kz"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
};

TEST_F(FolderListsTest, FolderListShowsTheChainThenTheSubfolders)
{
    DirList list;
    QSignalSpy changed(&list, &DirList::pathChanged);
    ASSERT_TRUE(list.setPath(dir.path()));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(list.path(), QDir::cleanPath(dir.path()));
    EXPECT_EQ(list.item(0)->text(), "/");
    EXPECT_EQ(list.item(list.count() - 1)->text().trimmed(), "sub");
    EXPECT_EQ(list.currentRow(), list.count() - 2);  // the folder itself
    // Opening the subfolder by its line.
    emit list.itemDoubleClicked(list.item(list.count() - 1));
    EXPECT_EQ(list.path(), QDir::cleanPath(dir.filePath("sub")));
}

TEST_F(FolderListsTest, UnreadableFolderChangesNothing)
{
    DirList list;
    ASSERT_TRUE(list.setPath(dir.path()));
    EXPECT_FALSE(list.setPath(dir.filePath("missing")));
    EXPECT_FALSE(list.setPath(dir.filePath("a.kz")));
    EXPECT_EQ(list.path(), QDir::cleanPath(dir.path()));
}

TEST_F(FolderListsTest, FileListAndDriveOfAPath)
{
    FileList files;
    files.setPath(dir.path());
    ASSERT_EQ(files.count(), 1);
    EXPECT_EQ(files.item(0)->text(), "a.kz");
    EXPECT_EQ(DriveList::driveOf(dir.path()), "/");
}

}  // namespace
}  // namespace kz::widgets
