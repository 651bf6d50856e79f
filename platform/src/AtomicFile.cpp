#include <platform/AtomicFile.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace platform {

AtomicFile::AtomicFile(std::string targetPath) : m_target(std::move(targetPath)) {}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open() {
    discard();
    m_tempPath = m_target + ".XXXXXX";
    int fd = ::mkstemp(m_tempPath.data());
    if (fd < 0) {
        m_tempPath.clear();
        return false;
    }
    ::fchmod(fd, 0644);
    m_file = ::fdopen(fd, "wb");
    if (!m_file) {
        ::close(fd);
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
        return false;
    }
    m_failed = false;
    return true;
}

bool AtomicFile::write(const void* data, std::size_t size) {
    if (!m_file || m_failed) return false;
    if (size > 0 && std::fwrite(data, 1, size, m_file) != size) m_failed = true;
    return !m_failed;
}

bool AtomicFile::commit() {
    if (!m_file) return false;
    bool ok = !m_failed && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    ok = (std::fclose(m_file) == 0) && ok;
    m_file = nullptr;
    if (ok && std::rename(m_tempPath.c_str(), m_target.c_str()) == 0) {
        m_tempPath.clear();
        return true;
    }
    ::unlink(m_tempPath.c_str());
    m_tempPath.clear();
    return false;
}

void AtomicFile::discard() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}

}  // namespace platform
