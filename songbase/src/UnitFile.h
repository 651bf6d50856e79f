#pragma once
// One unit .PPD file being written: the body goes first from offset 40, the 40-byte file header
// with the final size last. The cancel event is polled before and after every step; a file that
// is not finished (failure or cancel) is removed again, so no half-written file is left behind.
#include <songbase/Records.h>

#include <cstdint>
#include <string>

namespace platform {
class Event;
}

namespace songbase {

class UnitFile {
public:
    explicit UnitFile(platform::Event* cancel);
    ~UnitFile();
    UnitFile(const UnitFile&) = delete;
    UnitFile& operator=(const UnitFile&) = delete;

    // Creates (or truncates) the file and positions at the body.
    bool create(const std::string& path);
    bool write(const void* data, std::size_t size);
    // Copies exactly `size` bytes from the open descriptor `source` in chunks of at most 1 MiB
    // (file to file in the kernel where the file systems allow it), polling the cancel event
    // between chunks. Fails when the source ends early.
    bool copyFrom(int source, std::uint64_t size);
    // Stores the file's size in `header`, writes the header at offset 0 and closes the file.
    bool finish(AVT_FileHeader& header);
    // True when the cancel event is set.
    bool cancelled() const;

private:
    bool writeAll(const void* data, std::size_t size);

    platform::Event* m_cancel;
    int m_fd = -1;
    std::string m_path;
    std::uint64_t m_size = 0;
};

}  // namespace songbase
