#include "document/single_instance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "host/program_folder.h"
#include "host/ui_seam.h"

namespace kz {

InstanceLock::InstanceLock(const QString& folder) : path_(QDir(folder).filePath(QStringLiteral("kelvorzun.lock"))) {}

bool InstanceLock::tryAcquire()
{
    if (fd_ >= 0)
        return true;
    // What the name holds does not matter (an empty or garbled file, one
    // written on another computer, a folder): only whether a running copy
    // holds its lock. Not inherited by the programs this copy starts, which
    // would hold it beyond its end. A symbolic link under the name is not
    // followed: the file would be made wherever it points.
    const QByteArray path = QFile::encodeName(path_);
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)  // a folder, or a file this user may only read
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;  // a file system without locks cannot tell
    }
    fd_ = fd;
    return true;
}

// The file stays: a copy that opened it just before could otherwise lock a
// file no longer under the name, beside a copy that makes a new one.
void InstanceLock::release()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
}

bool ClaimSingleInstance(InstanceLock& lock)
{
    if (lock.tryAcquire())
        return true;
    Beep();
    MsgBox(QStringLiteral("既に起動しているKelvorzunがあります"), vbExclamation);
    return false;
}

void CheckPrevInstance()
{
    // Held for the rest of the run.
    static InstanceLock lock(AppDir());
    if (!ClaimSingleInstance(lock))
        std::exit(EXIT_SUCCESS);
}

}  // namespace kz
