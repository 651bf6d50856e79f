#include "TransferJob.h"

#include "SetLanding.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace shuttler {

namespace {

constexpr std::size_t kChunkSize = 256 * 1024;
constexpr std::size_t kRecordPathLimit = sizeof(ShuttlerFileProgress::path) - 1;

unsigned writeErrorCode(int error) {
    return (error == ENOSPC || error == EDQUOT || error == EFBIG) ? CShuttler::kUnitFull
                                                                 : CShuttler::kWriteFailed;
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    // Closes now and reports a delayed write error.
    bool close() {
        int result = ::close(fd);
        fd = -1;
        return result == 0;
    }
};

unsigned percentOf(std::int64_t done, std::int64_t length) {
    return length <= 0 ? 100u : static_cast<unsigned>(done * 100 / length);
}

}  // namespace

TransferJob::TransferJob(TransferPlan plan, MessageQueue& queue, const std::atomic<bool>& stop,
                         ShuttlerFaults faults, bool log)
    : m_plan(std::move(plan)), m_queue(queue), m_stop(stop), m_faults(faults), m_log(log) {}

bool TransferJob::stopRequested() const { return m_stop.load(std::memory_order_relaxed); }

unsigned TransferJob::run() {
    if (m_plan.files.empty() && m_plan.emptyCode != CShuttler::kOk) return m_plan.emptyCode;
    for (const FilePair& pair : m_plan.files) {
        if (pair.pcPath.native().size() > kRecordPathLimit) return CShuttler::kPathTooLong;
    }
    SetLanding landing(m_plan);
    unsigned result = landing.prepare();
    if (result == CShuttler::kOk) result = copyAll();
    if (result == CShuttler::kOk) result = landing.land();
    if (result != CShuttler::kOk) landing.discard();
    return result;
}

unsigned TransferJob::copyAll() {
    for (std::size_t i = 0; i <= m_plan.files.size(); ++i) {
        if (m_faults.failAfterFiles >= 0 && static_cast<std::size_t>(m_faults.failAfterFiles) == i) {
            return m_faults.failCode;
        }
        if (stopRequested()) return CShuttler::kStopped;
        if (i == m_plan.files.size()) break;
        unsigned result = copyFile(m_plan.files[i]);
        if (result != CShuttler::kOk) return result;
    }
    return CShuttler::kOk;
}

unsigned TransferJob::copyFile(const FilePair& pair) {
    if (m_log) std::fprintf(stderr, "shuttler: %s -> %s\n", pair.source.c_str(), pair.dest.c_str());
    Descriptor source{::open(pair.source.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat status {};
    if (source.fd < 0 || ::fstat(source.fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return CShuttler::kReadFailed;
    }
    std::error_code ec;
    fs::create_directories(pair.dest.parent_path(), ec);
    Descriptor dest{::open(pair.dest.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)};
    if (dest.fd < 0) return writeErrorCode(errno);

    m_queue.pushProgress(pair.pcPath.native(), 0);
    unsigned result = copyChunks(source.fd, dest.fd, status.st_size, pair);
    if (result != CShuttler::kOk) return result;
    if (!dest.close()) return writeErrorCode(errno);
    if (status.st_size == 0) m_queue.pushProgress(pair.pcPath.native(), 100);
    return CShuttler::kOk;
}

unsigned TransferJob::copyChunks(int source, int dest, std::int64_t length, const FilePair& pair) {
    auto buffer = std::make_unique<char[]>(kChunkSize);
    std::int64_t done = 0;
    unsigned lastPercent = 0;
    while (done < length) {
        if (stopRequested()) return CShuttler::kStopped;
        ssize_t got = ::read(source, buffer.get(), kChunkSize);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return CShuttler::kReadFailed;  // error, or the file shrank meanwhile
        for (ssize_t written = 0; written < got;) {
            ssize_t n = ::write(dest, buffer.get() + written, static_cast<std::size_t>(got - written));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return writeErrorCode(n < 0 ? errno : ENOSPC);
            written += n;
        }
        done += got;
        unsigned percent = percentOf(done, length);
        if (percent != lastPercent) m_queue.pushProgress(pair.pcPath.native(), percent);
        lastPercent = percent;
        if (m_faults.chunkDelay.count() > 0) std::this_thread::sleep_for(m_faults.chunkDelay);
    }
    return CShuttler::kOk;
}

}  // namespace shuttler
