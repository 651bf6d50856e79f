#pragma once
// Common base of the three data stores (music document, myDB store, point store): a result code
// that indexes a table of Japanese error texts, the store's load/save of its PC-side file, the
// bare names of the files a transfer announces, and the copier that sends the store's prepared
// files to a removable drive in 256 KiB chunks, one chunk per Step() on the UI thread.
#include <platform/Event.h>
#include <platform/MessageNumbers.h>
#include <platform/MessageTarget.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CTransferData {
public:
    // Result codes of the base; each store appends its own texts from kFirstStoreCode on.
    enum : int {
        kOk = 0,
        kFileNotFound = 1,  // a source file's size cannot be read
        kCannotRead = 2,    // opening the source or the destination, or reading a chunk, failed
        kNoMemory = 3,
        kCancelled = 4,     // the user cancelled (no text: nothing is shown)
        kDiskFull = 5,      // writing a chunk (or finishing the destination) failed
        kOtherError = 6,    // any other failure while opening
        kCardError = 7,
        kCannotWrite = 8,
        kFirstStoreCode = 9,
    };

    // Progress messages sent to the progress window (see Step()).
    static constexpr unsigned kMsgCopyProgress = platform::msg::kCopyProgress;
    static constexpr unsigned kMsgTransferFile = platform::msg::kTransferFile;
    static constexpr std::size_t kCopyBufferSize = 0x40000;
    // Pause after the final progress message so the user sees the full bar.
    static constexpr std::chrono::milliseconds kCompletionPause{300};

    CTransferData();
    virtual ~CTransferData();
    CTransferData(const CTransferData&) = delete;
    CTransferData& operator=(const CTransferData&) = delete;

    // Fills the copy lists and starts the copier. Stores override it, fill m_SourcePaths and
    // m_DestPaths, and end by calling this base version, which copies the lists as they stand.
    // `progress` and `cancel` may be null; both must outlive the copy.
    virtual bool CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                             platform::MessageTarget* progress, platform::Event* cancel);
    // The store's PC-side file.
    virtual bool Load(const std::string& path) = 0;
    virtual bool Save(const std::string& path) = 0;
    virtual int ResultCode() const;
    // The table entry for the result code; empty means "show nothing".
    virtual std::string ErrorText() const;

    bool Succeeded() const { return m_ResultCode == kOk; }

    // One unit of copy work. True while more work remains; false once the copy has ended
    // (then Succeeded()/ErrorText() tell how). Calling it with no copy in progress returns false.
    bool Step();
    // True between a successful StartCopy and the Step() that returns false.
    bool Copying() const { return m_Buffer != nullptr; }

    // Bare names (no folder) of the files whose transfer is announced, in transfer order.
    const std::vector<std::string>& TransferFileNames() const { return m_TransferFileNames; }
    // Index of the first transfer file name equal to `bareName` (see SameFileName), or -1.
    int FindTransferFileName(std::string_view bareName) const;

    // The part of `path` after its last '/'. (A backslash is no separator here: in code page 932
    // it can be the second byte of a double-byte character.)
    static std::string_view BareFileName(std::string_view path);
    // Case-insensitive comparison of code page 932 file names: ASCII letters fold, the second
    // byte of a double-byte character is compared as it stands.
    static bool SameFileName(std::string_view a, std::string_view b);

    // The pause after a completed copy (kCompletionPause unless changed, e.g. by tests).
    void SetCompletionPause(std::chrono::milliseconds pause) { m_CompletionPause = pause; }

protected:
    // The base part of CopyToMedia: takes the lists as filled, measures the sources and prepares
    // the first step. False (result code 1) when a source's size cannot be read.
    bool StartCopy(platform::MessageTarget* progress, platform::Event* cancel);

    void SetResultCode(int code) { m_ResultCode = code; }
    // Appends a store text to the error table and returns its code (9, 10, ... in call order).
    int AddErrorText(std::string text);
    void ClearCopyLists();
    // Pair `index` (of the copy lists) is an index file naming files copied before it: the
    // medium is flushed before it is begun. The last pair is always flushed.
    void MarkIndexPair(std::size_t index) { m_IndexPairs.push_back(index); }
    // Chunks are copied by the kernel where source and destination allow it, else through the
    // copy buffer; false forces the buffer (tests use it to cover both ways).
    void AllowKernelCopy(bool allow) { m_KernelCopyAllowed = allow; }

    // Copy lists: entry i of m_SourcePaths is copied to entry i of m_DestPaths.
    std::vector<std::string> m_SourcePaths;
    std::vector<std::string> m_DestPaths;
    std::vector<std::string> m_TransferFileNames;

private:
    enum class StepState { Open = 0, CopyChunk = 1, Close = 2 };

    void OpenNextPair();
    void CopyChunk();
    int TransferChunk(std::size_t n);  // result code
    bool ClosePair();
    void AnnounceTransferFile(const std::string& sourcePath);
    void FlushIfIndexFollows();
    void SendProgress(std::uint64_t total, std::uint64_t done);
    void CloseFiles();
    void EndCopy();

    int m_SourceFd = -1;
    int m_DestFd = -1;
    StepState m_State = StepState::Open;
    std::size_t m_FileIndex = 0;
    std::int64_t m_Position = 0;  // 64-bit: files of 2 GiB or more must not wrap
    std::int64_t m_Length = 0;
    platform::Event* m_CancelEvent = nullptr;
    platform::MessageTarget* m_ProgressWindow = nullptr;
    std::unique_ptr<unsigned char[]> m_Buffer;
    std::size_t m_FileCount = 0;
    std::uint64_t m_GrandTotal = 0;
    std::uint64_t m_CopiedSoFar = 0;
    unsigned m_ProgressShift = 10;
    std::string m_AnnouncedName;
    std::vector<std::size_t> m_IndexPairs;
    std::vector<std::string> m_ErrorTexts;
    int m_ResultCode = kOk;
    std::chrono::milliseconds m_CompletionPause = kCompletionPause;
    bool m_KernelCopyAllowed = true;
    bool m_KernelCopy = true;
};
