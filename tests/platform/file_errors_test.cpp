#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

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
        {ENODEV, "通常のファイルではありません。"},
        {EIO, "ファイルの読み書きでエラーが発生しました。(エラー番号 5)"},
        {0, "ファイルの読み書きでエラーが発生しました。"},
    };
    for (const auto& [error, text] : cases)
        EXPECT_EQ(FileErrorText(error), QString::fromUtf8(text)) << error;
}

int OpenedWith(const QString& path)
{
    QFile file(path);
    const int error = OpenForReading(file);
    EXPECT_EQ(file.isOpen(), error == 0) << qPrintable(path);
    return error;
}

// Only a regular file is read: a pipe or a device could block the reader
// or never end.
TEST(OpenForReading, OpensRegularFilesOnly)
{
    QTemporaryDir dir;
    const QString regular = dir.filePath(QStringLiteral("a.kz"));
    QFile(regular).open(QIODevice::WriteOnly);
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A writer keeps the pipe open, as a program feeding it would.
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);

    const std::pair<QString, int> cases[] = {
        {regular, 0},
        {dir.path(), EISDIR},
        {dir.filePath(QStringLiteral("none.kz")), ENOENT},
        {fifo, ENODEV},
        {QStringLiteral("/dev/zero"), ENODEV},
    };
    for (const auto& [path, error] : cases)
        EXPECT_EQ(OpenedWith(path), error) << qPrintable(path);
    ::close(writer);
}

TEST(OpenForReading, APipeWithoutWriterDoesNotHoldTheOpen)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo")));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    std::future<int> opened = std::async(std::launch::async, [&] { return OpenedWith(QFile::decodeName(fifo)); });
    if (opened.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        // Let the blocked open go before failing.
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        opened.wait();
        ::close(writer);
        FAIL() << "the open waited for a writer";
    }
    EXPECT_EQ(opened.get(), ENODEV);
}

}  // namespace
}  // namespace kz
