#pragma once
// The last probes of music files, shared by the format check and the track information while a
// file stays as it was probed (same file, size and modification time): adding a file and checking
// it again before a transfer then open it once, not three times. Safe for several threads.
#include "SourceInspector.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace soundkit {

class ProbeCache {
public:
    // As many as the store can hold tracks.
    static constexpr std::size_t kMaxEntries = 65536;

    struct Stamp {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::uint64_t size = 0;
        std::int64_t modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    static ProbeCache& instance();

    // The stamp of a regular file; nullopt for anything else or a missing file.
    static std::optional<Stamp> stampOf(const std::string& path);
    // Now, on the clock that file times are taken from.
    static std::int64_t nowNs();

    // A probe of the file with this stamp; one without the audio probe does not serve a request
    // that needs it.
    std::optional<SourceDetails> find(const std::string& path, const Stamp& stamp,
                                      bool needsAudio) const;
    // Keeps a probe that began at `startedNs` on a file that had `stamp` before and after it. A
    // file written just before the probe is not kept: a change within the same tick of the file
    // system's clock would leave its time as it was.
    void keep(const std::string& path, const Stamp& stamp, std::int64_t startedNs,
              const SourceDetails& details, bool audioProbed);

private:
    struct Entry {
        Stamp stamp;
        SourceDetails details;
        bool audioProbed = false;
    };

    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_entries;
    std::deque<std::string> m_order;  // oldest first
};

}  // namespace soundkit
