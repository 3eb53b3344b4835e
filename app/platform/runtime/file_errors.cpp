#include "runtime/file_errors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kz {

QString FileErrorText(int osError)
{
    switch (osError) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EROFS:
        return QStringLiteral("読み取り専用のディスクには書き込めません。");
    case EACCES:
    case EPERM:
        return QStringLiteral("ファイルへのアクセスが許可されていません。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ファイルまたはフォルダーが見つかりません。");
    case ENODEV:
        return QStringLiteral("通常のファイルではありません(装置やパイプなどは読み込めません)。");
    case 0:
        return QStringLiteral("ファイルの読み書きでエラーが発生しました。");
    default:
        return QStringLiteral("ファイルの読み書きでエラーが発生しました。(エラー番号 %1)").arg(osError);
    }
}

int OpenForReading(QFile& file)
{
    // Opened here rather than by QFile, whose error tells no reason; without
    // waiting for a pipe's writer, as only its kind is to be seen.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat info {};
    int error = ::fstat(fd, &info) != 0  ? errno
                : S_ISDIR(info.st_mode)  ? EISDIR
                : !S_ISREG(info.st_mode) ? ENODEV
                                         : 0;
    if (error == 0 && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        error = EIO;
    if (error != 0)
        ::close(fd);
    return error;
}

}  // namespace kz
