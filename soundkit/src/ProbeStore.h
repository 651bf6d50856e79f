#pragma once
// The probe cache's file: the probes of one run kept for the next, so that sending an unchanged
// collection again opens none of its files (and need not load FFmpeg at all). The whole file is
// read at once and replaced whole (temporary file + rename); a damaged or foreign file reads as
// empty. A probe belongs to a file only while every part of its stamp is unchanged.
#include "SourceInspector.h"

#include <cstdint>
#include <string>
#include <vector>

namespace soundkit {

// What identifies one state of a file: any rewrite changes the change time, even one that puts
// the modification time back.
struct ProbeStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const ProbeStamp&) const = default;
};
static_assert(sizeof(ProbeStamp) == 40, "kept in the file as it is: no padding");

struct ProbeRecord {
    std::string path;
    ProbeStamp stamp;
    SourceDetails details;
    bool audioProbed = false;
};

class ProbeStore {
public:
    // Raised whenever the probe gives other details for the same file.
    static constexpr std::uint32_t kProbeVersion = 1;
    // Paths and tag texts longer than this are not kept (no real entry comes near).
    static constexpr std::size_t kMaxText = 4096;

    explicit ProbeStore(std::string file) : m_file(std::move(file)) {}
    // cacheFolder() + "probes".
    static std::string DefaultFile();

    // The records in the file, oldest first; none when it is missing, damaged or of another
    // version.
    std::vector<ProbeRecord> Load() const;
    bool Save(const std::vector<ProbeRecord>& records) const;

    const std::string& File() const { return m_file; }

private:
    std::string m_file;
};

}  // namespace soundkit
