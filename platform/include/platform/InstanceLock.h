#pragma once
// Marks that a copy of the program is running: an exclusive lock on a file named after the
// program's title in $XDG_RUNTIME_DIR (or the temporary folder). The lock is released by the
// system when the process ends, so a crashed copy never blocks the next start.
#include <string>

namespace platform {

class InstanceLock {
public:
    explicit InstanceLock(std::string title);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock; false when another copy holds it or the lock
    // file cannot be made.
    bool acquire();
    void release();
    bool held() const { return m_fd >= 0; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace platform
