#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include "runtime/file_errors.h"

namespace kz {
namespace {

TEST(FileErrorText, CommonErrorsInTheirOwnWordsOthersWithTheirNumber)
{
    const std::pair<int, const char*> cases[] = {
        {ENOSPC, "ディスクの空き容量が足りません。"},
        {EDQUOT, "ディスクの空き容量が足りません。"},
        {EROFS, "読み取り専用のディスクには書き込めません。"},
        {EACCES, "ファイルへのアクセスが許可されていません。"},
        {EPERM, "ファイルへのアクセスが許可されていません。"},
        {ENOENT, "ファイルまたはフォルダーが見つかりません。"},
        {ENOTDIR, "ファイルまたはフォルダーが見つかりません。"},
        {EIO, "ファイルの読み書きでエラーが発生しました。(エラー番号 5)"},
        {0, "ファイルの読み書きでエラーが発生しました。"},
    };
    for (const auto& [error, text] : cases)
        EXPECT_EQ(FileErrorText(error), QString::fromUtf8(text)) << error;
}

TEST(OpenForReading, OpensAFileAndTellsWhyAnythingElseFails)
{
    QTemporaryDir folder;
    QFile written(folder.filePath("a.kz"));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("data");
    written.close();

    QFile file(folder.filePath("a.kz"));
    EXPECT_EQ(OpenForReading(file), 0);
    EXPECT_EQ(file.readAll(), "data");

    const std::pair<QString, int> failures[] = {
        {folder.filePath("missing.kz"), ENOENT},
        {folder.filePath("a.kz/b.kz"), ENOTDIR},
        {folder.path(), EISDIR},
    };
    for (const auto& [path, error] : failures) {
        QFile other(path);
        EXPECT_EQ(OpenForReading(other), error) << path.toStdString();
        EXPECT_FALSE(other.isOpen());
    }
}

}  // namespace
}  // namespace kz
