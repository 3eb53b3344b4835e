// Only one copy of the program runs from a program folder. The running copy
// holds the system's lock on the file "kelvorzun.lock" in the folder; the
// system lets go of it when the copy ends, however it ends, so whatever a
// crash or a power cut left under that name never blocks a start.
#pragma once

#include <QString>

namespace kz {

class InstanceLock {
public:
    explicit InstanceLock(const QString& folder);
    ~InstanceLock() { release(); }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another running copy holds the folder. A folder where no
    // lock file can be made or opened (read-only, or a symbolic link under
    // its name) cannot tell; the copy may run.
    bool tryAcquire();
    void release();

private:
    QString path_;
    int fd_ = -1;
};

// True when this copy may run; it then holds `lock` until it ends or
// releases it. Otherwise beeps and says that another copy runs.
bool ClaimSingleInstance(InstanceLock& lock);

// Ends the program at once when another copy runs from the same program
// folder.
void CheckPrevInstance();

}  // namespace kz
