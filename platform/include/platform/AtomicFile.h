#pragma once
// Saving that never leaves a half-written file behind: the content goes to a temporary file in the
// target's folder, is flushed to disk, and only then replaces the target by rename.
#include <cstddef>
#include <cstdio>
#include <string>

namespace platform {

class AtomicFile {
public:
    explicit AtomicFile(std::string targetPath);
    ~AtomicFile();  // discards the temporary file unless commit() succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file; false when it cannot be created.
    bool open();
    bool write(const void* data, std::size_t size);
    // Flushes, syncs and renames over the target. False leaves the target untouched.
    bool commit();
    void discard();

    std::FILE* stream() const { return m_file; }
    const std::string& temporaryPath() const { return m_tempPath; }

private:
    std::string m_target;
    std::string m_tempPath;
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};

}  // namespace platform
