#pragma once
// The probes of music files, shared by the format check and the track information while a file
// stays as it was probed (same file, size, modification and change time): adding a file and
// checking it again before a transfer then open it once, not three times. With a cache file
// (UseFile), probes are kept between runs too, so an unchanged collection is not opened again
// at all. Safe for several threads.
#include "ProbeStore.h"
#include "SourceInspector.h"

#include <soundkit/Export.h>

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace soundkit {

// Exported for the tests, which look into the process's one cache.
class SOUNDKIT_API ProbeCache {
public:
    // As many as the store can hold tracks.
    static constexpr std::size_t kMaxEntries = 65536;
    // Of which the cache file keeps the newest.
    static constexpr std::size_t kMaxKeptEntries = 50000;

    using Stamp = ProbeStamp;

    static ProbeCache& instance();
    // Writes the probes of this run to the cache file, if one is used.
    ~ProbeCache();

    // The stamp of a regular file; nullopt for anything else or a missing file.
    static std::optional<Stamp> stampOf(const std::string& path);
    // Now, on the clock that file times are taken from.
    static std::int64_t nowNs();

    // The file's details: kept ones while the file is unchanged, else probed by the media
    // module (and kept). Unreadable for anything but a regular file: opening a FIFO or a device
    // could block forever.
    SourceDetails inspect(const std::string& path, bool probeAudio);

    // Keeps probes in `file` between runs (read when first needed, written when the process
    // ends, or when another file is chosen); an empty name keeps them in memory only (the
    // default).
    void UseFile(const std::string& file);
    // Writes the probes kept so far (and those of other processes in the file since) now.
    bool Save();

    // A probe of the file with this stamp; one without the audio probe does not serve a request
    // that needs it.
    std::optional<SourceDetails> find(const std::string& path, const Stamp& stamp,
                                      bool needsAudio);
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

    ProbeCache() = default;
    // Under the lock: the cache file's records, once.
    void LoadFileLocked();
    void InsertLocked(const std::string& path, Entry entry);
    bool SaveLocked();

    std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_entries;
    std::deque<std::string> m_order;  // oldest first
    std::optional<ProbeStore> m_store;
    bool m_loaded = false;
    bool m_changed = false;
};

}  // namespace soundkit
