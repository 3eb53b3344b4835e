// Only one copy of the program runs from a program folder. The running copy
// holds a lock file in the folder; a lock left behind by a copy that crashed
// is recognised (its process is gone) and taken over.
#pragma once

#include <QLockFile>
#include <QString>

namespace kz {

class InstanceLock {
public:
    explicit InstanceLock(const QString& folder);

    // False when another running copy holds the folder. A folder where no
    // lock file can be made (read-only) cannot tell; the copy may run.
    bool tryAcquire();
    void release() { lock_.unlock(); }

private:
    QLockFile lock_;
};

// True when this copy may run; it then holds `lock` until it ends or
// releases it. Otherwise beeps and says that another copy runs.
bool ClaimSingleInstance(InstanceLock& lock);

// Ends the program at once when another copy runs from the same program
// folder.
void CheckPrevInstance();

}  // namespace kz
