#include <platform/InstanceLock.h>

#include <platform/TempName.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

InstanceLock::InstanceLock(std::string title) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime && *runtime ? withTrailingSlash(runtime) : tempFolder();
    m_path = folder + title + ".lock";
}

InstanceLock::~InstanceLock() { release(); }

bool InstanceLock::acquire() {
    if (m_fd >= 0) return true;
    int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::release() {
    if (m_fd < 0) return;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

}  // namespace platform
