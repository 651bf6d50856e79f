#include "UnitFile.h"

#include <platform/Event.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <memory>
#include <new>

namespace songbase {

namespace {
constexpr std::size_t kChunkSize = 1 << 20;
}

UnitFile::UnitFile(platform::Event* cancel) : m_cancel(cancel) {}

UnitFile::~UnitFile() {
    if (m_fd < 0) return;
    ::close(m_fd);
    ::unlink(m_path.c_str());
}

bool UnitFile::cancelled() const { return m_cancel && m_cancel->isSet(); }

bool UnitFile::create(const std::string& path) {
    if (m_fd >= 0 || cancelled()) return false;
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0) return false;
    m_path = path;
    m_size = sizeof(AVT_FileHeader);
    return !cancelled() && ::lseek(m_fd, static_cast<off_t>(m_size), SEEK_SET) >= 0 &&
           !cancelled();
}

bool UnitFile::writeAll(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(m_fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
        m_size += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool UnitFile::write(const void* data, std::size_t size) {
    if (m_fd < 0 || cancelled()) return false;
    return writeAll(data, size) && !cancelled();
}

bool UnitFile::copyFrom(int source, std::uint64_t size) {
    if (m_fd < 0) return false;
    bool inKernel = true;
    std::unique_ptr<char[]> buffer;
    while (size > 0) {
        if (cancelled()) return false;
        const std::size_t want = size < kChunkSize ? static_cast<std::size_t>(size) : kChunkSize;
        ssize_t got;
        if (inKernel) {
            // The bytes go from file to file inside the kernel, as cp copies them.
            got = ::copy_file_range(source, nullptr, m_fd, nullptr, want, 0);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                            errno == EOPNOTSUPP)) {
                inKernel = false;  // not between these file systems: through a buffer
                continue;
            }
            if (got > 0) m_size += static_cast<std::uint64_t>(got);
        } else {
            if (!buffer) buffer.reset(new (std::nothrow) char[kChunkSize]);
            if (!buffer) return false;
            got = ::read(source, buffer.get(), want);
            if (got < 0 && errno == EINTR) continue;
            if (got > 0 && !write(buffer.get(), static_cast<std::size_t>(got))) return false;
        }
        if (got <= 0 || cancelled()) return false;  // the source ended early, or a failure
        size -= static_cast<std::uint64_t>(got);
    }
    return true;
}

bool UnitFile::finish(AVT_FileHeader& header) {
    if (m_fd < 0 || cancelled()) return false;
    if (m_size > std::numeric_limits<std::uint32_t>::max()) return false;
    AVT_FileHeader written = header;
    written.fileSize = static_cast<std::uint32_t>(m_size);
    if (::pwrite(m_fd, &written, sizeof written, 0) != static_cast<ssize_t>(sizeof written))
        return false;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        ::unlink(m_path.c_str());
        return false;
    }
    header.fileSize = written.fileSize;
    return true;
}

}  // namespace songbase
