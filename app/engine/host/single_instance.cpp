#include "host/single_instance.h"

#include <QDir>

#include <cstdlib>

#include "document/document.h"
#include "host/program_folder.h"
#include "host/ui_seam.h"

namespace kz {

InstanceLock::InstanceLock(const QString& folder) : lock_(QDir(folder).filePath(QStringLiteral("kelvorzun.lock")))
{
    // Only a dead owner makes a lock stale: a copy that runs for weeks keeps it.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::tryAcquire()
{
    return lock_.isLocked() || lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
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
