#include "transfer/TransferData.h"

#include <platform/Cp932.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Progress values stay below 2^20 so that a receiver may compute done * 100 / total in 32 bits.
constexpr unsigned kProgressBits = 20;

unsigned progressShiftFor(std::uint64_t grandTotal) {
    unsigned shift = 10;  // KiB below 1 GiB
    while ((grandTotal >> shift) >= (std::uint64_t{1} << kProgressBits)) ++shift;
    return shift;
}

char foldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Reads exactly `size` bytes unless the file ends or fails first; returns the count read or -1.
ssize_t readFully(int fd, unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

bool writeFully(int fd, const unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

CTransferData::CTransferData()
    : m_ErrorTexts{
          "",
          "ファイルが見つかりません。",
          "ファイルが読み込めません。",
          "メモリが足りません。",
          "",
          "ディスクの空きがありません。",
          "エラーが発生しました。",
          "CFカード転送エラー。",
          "ファイルが書き込めません。",
      } {}

CTransferData::~CTransferData() { CloseFiles(); }

bool CTransferData::CopyToMedia(const std::string& /*sourceFolder*/,
                                const std::string& /*destFolder*/,
                                platform::MessageTarget* progress, platform::Event* cancel) {
    return StartCopy(progress, cancel);
}

int CTransferData::ResultCode() const { return m_ResultCode; }

std::string CTransferData::ErrorText() const {
    if (m_ResultCode < 0 || static_cast<std::size_t>(m_ResultCode) >= m_ErrorTexts.size()) {
        return {};
    }
    return m_ErrorTexts[static_cast<std::size_t>(m_ResultCode)];
}

int CTransferData::AddErrorText(std::string text) {
    m_ErrorTexts.push_back(std::move(text));
    return static_cast<int>(m_ErrorTexts.size()) - 1;
}

void CTransferData::ClearCopyLists() {
    m_SourcePaths.clear();
    m_DestPaths.clear();
    m_IndexPairs.clear();
}

int CTransferData::FindTransferFileName(std::string_view bareName) const {
    for (std::size_t i = 0; i < m_TransferFileNames.size(); ++i) {
        if (SameFileName(m_TransferFileNames[i], bareName)) return static_cast<int>(i);
    }
    return -1;
}

std::string_view CTransferData::BareFileName(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool CTransferData::SameFileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (platform::isCp932LeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            // Both strings agree up to here, so both see a double-byte character.
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool CTransferData::StartCopy(platform::MessageTarget* progress, platform::Event* cancel) {
    CloseFiles();
    m_CancelEvent = cancel;
    m_ProgressWindow = progress;
    m_Buffer.reset(new (std::nothrow) unsigned char[kCopyBufferSize]);
    if (!m_Buffer) return false;

    m_State = StepState::Open;
    m_KernelCopy = m_KernelCopyAllowed;
    m_FileIndex = 0;
    m_CopiedSoFar = 0;
    m_GrandTotal = 0;
    // The lists are parallel; a destination missing for a source would be read out of range.
    m_FileCount = std::min(m_SourcePaths.size(), m_DestPaths.size());
    for (std::size_t i = 0; i < m_FileCount; ++i) {
        struct stat status {};
        if (::stat(m_SourcePaths[i].c_str(), &status) != 0) {
            m_ResultCode = kFileNotFound;
            m_Buffer.reset();
            return false;
        }
        m_GrandTotal += static_cast<std::uint64_t>(status.st_size);
    }
    m_ProgressShift = progressShiftFor(m_GrandTotal);
    m_AnnouncedName.clear();
    m_ResultCode = kOk;
    return true;
}

bool CTransferData::Step() {
    if (!m_Buffer) return false;
    switch (m_State) {
    case StepState::Open:
        OpenNextPair();
        return true;
    case StepState::CopyChunk:
        CopyChunk();
        return true;
    case StepState::Close:
        return ClosePair();
    }
    return false;
}

void CTransferData::OpenNextPair() {
    m_State = StepState::Close;
    if (m_FileIndex >= m_FileCount) return;  // an empty copy ends at once, successfully

    const std::string& source = m_SourcePaths[m_FileIndex];
    m_SourceFd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_SourceFd < 0) {
        m_ResultCode = kCannotRead;
        return;
    }
    struct stat status {};
    if (::fstat(m_SourceFd, &status) != 0) {
        m_ResultCode = kOtherError;
        return;
    }
    // A folder or device in the list cannot be copied as a file; refuse it before the
    // destination is created.
    if (!S_ISREG(status.st_mode)) {
        m_ResultCode = kCannotRead;
        return;
    }
    m_DestFd = ::open(m_DestPaths[m_FileIndex].c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                      0666);
    if (m_DestFd < 0) {
        m_ResultCode = kCannotRead;
        return;
    }
    AnnounceTransferFile(source);
    m_Length = status.st_size;
    m_Position = 0;
    if (m_Length > 0) m_State = StepState::CopyChunk;
}

void CTransferData::AnnounceTransferFile(const std::string& sourcePath) {
    std::string_view name = BareFileName(sourcePath);
    if (SameFileName(name, m_AnnouncedName)) return;
    m_AnnouncedName.clear();
    int index = FindTransferFileName(name);
    if (index < 0) return;
    if (m_ProgressWindow) {
        m_ProgressWindow->send(kMsgTransferFile, m_TransferFileNames.size(),
                               static_cast<platform::LParam>(index) + 1);
    }
    m_AnnouncedName = m_TransferFileNames[static_cast<std::size_t>(index)];
}

void CTransferData::CopyChunk() {
    std::size_t n = kCopyBufferSize;
    if (m_Length - m_Position < static_cast<std::int64_t>(n)) {
        n = static_cast<std::size_t>(m_Length - m_Position);
    }
    m_CopiedSoFar += n;
    SendProgress(m_GrandTotal >> m_ProgressShift, m_CopiedSoFar >> m_ProgressShift);

    int result = TransferChunk(n);
    if (result != kOk) {
        m_ResultCode = result;
        m_State = StepState::Close;
        return;
    }
    // The chunk starts on its way to the medium now, so that the flush that ends the file
    // waits for little more than the last chunk.
    ::sync_file_range(m_DestFd, m_Position, static_cast<off_t>(n), SYNC_FILE_RANGE_WRITE);
    m_Position += static_cast<std::int64_t>(n);
    if (m_CancelEvent && m_CancelEvent->isSet()) {
        m_ResultCode = kCancelled;
        m_State = StepState::Close;
        return;
    }
    if (m_Position >= m_Length) m_State = StepState::Close;
}

int CTransferData::TransferChunk(std::size_t n) {
    std::size_t done = 0;
    // Within one file system the kernel copies without the round trip through the buffer.
    while (m_KernelCopy && done < n) {
        ssize_t copied = ::copy_file_range(m_SourceFd, nullptr, m_DestFd, nullptr, n - done, 0);
        if (copied > 0) {
            done += static_cast<std::size_t>(copied);
        } else if (copied == 0) {
            return kCannotRead;  // the source shrank since it was opened
        } else if (errno == EINTR) {
            continue;
        } else if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP ||
                   errno == ETXTBSY || errno == EBADF) {
            m_KernelCopy = false;  // not between these files: use the buffer from here on
        } else {
            return kDiskFull;  // ENOSPC, EFBIG, EIO: the destination took no more
        }
    }
    if (done == n) return kOk;
    const std::size_t rest = n - done;
    // A source that shrank since it was opened counts as unreadable: the copy would be short.
    if (readFully(m_SourceFd, m_Buffer.get(), rest) != static_cast<ssize_t>(rest)) {
        return kCannotRead;
    }
    return writeFully(m_DestFd, m_Buffer.get(), rest) ? kOk : kDiskFull;
}

bool CTransferData::ClosePair() {
    FlushIfIndexFollows();
    CloseFiles();
    if (m_ResultCode != kOk) {
        EndCopy();
        return false;
    }
    if (m_FileIndex < m_FileCount) ++m_FileIndex;
    if (m_FileIndex < m_FileCount) {
        m_State = StepState::Open;
        return true;
    }
    SendProgress(1, 1);
    if (m_CompletionPause.count() > 0) std::this_thread::sleep_for(m_CompletionPause);
    EndCopy();
    m_ResultCode = kOk;
    return false;
}

// Everything copied so far reaches the medium before an index file that names it is begun, and
// the last file before the copy counts as done, so a card pulled early never holds an index
// naming files that are not there. One flush of the medium per index level, not one per file:
// flushing every file alone makes the journal commit a hundred times for a music set.
void CTransferData::FlushIfIndexFollows() {
    if (m_DestFd < 0 || m_ResultCode != kOk) return;
    const std::size_t next = m_FileIndex + 1;
    const bool last = next >= m_FileCount;
    const bool indexFollows =
        !last && std::find(m_IndexPairs.begin(), m_IndexPairs.end(), next) != m_IndexPairs.end();
    if (!last && !indexFollows) return;
    const int flushed = last ? ::fsync(m_DestFd) : ::syncfs(m_DestFd);
    if (flushed != 0 && errno != EINVAL) m_ResultCode = kDiskFull;
}

void CTransferData::SendProgress(std::uint64_t total, std::uint64_t done) {
    if (!m_ProgressWindow) return;
    m_ProgressWindow->send(kMsgCopyProgress, static_cast<platform::WParam>(total),
                           static_cast<platform::LParam>(done));
}

void CTransferData::CloseFiles() {
    if (m_SourceFd >= 0) ::close(m_SourceFd);
    m_SourceFd = -1;
    if (m_DestFd >= 0) {
        // Delayed write errors (a full card, a pulled card) surface here.
        if (::close(m_DestFd) != 0 && m_ResultCode == kOk) m_ResultCode = kDiskFull;
    }
    m_DestFd = -1;
}

void CTransferData::EndCopy() {
    CloseFiles();
    m_Buffer.reset();
}
