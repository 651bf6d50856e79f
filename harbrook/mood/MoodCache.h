#pragma once
// Mood results kept between runs, so that a music file once analysed is never decoded again:
// one small file per result, named by a hash of the music file's bytes, its size and the
// detector's version. Entries are written whole or not at all (temporary file + rename); a
// damaged entry is ignored and removed. Safe for several threads and processes at once.
#include <mood/MoodResult.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace mood {

class MoodCache {
public:
    static constexpr std::size_t kMaxEntries = 50000;

    struct Key {
        std::uint64_t hash = 0;
        std::uint64_t size = 0;
    };
    // One detection's outcome: its return code, the analysis status and the result words.
    struct Entry {
        std::int32_t code = 0;
        std::int32_t status = 0;
        MoodResult result{};
    };

    // Entries live in `folder`, created when the first entry is stored.
    explicit MoodCache(std::string folder = DefaultFolder());

    // $XDG_CACHE_HOME/harbrook/mood/, or ~/.cache/harbrook/mood/ when that is not set.
    static std::string DefaultFolder();
    // The key of a music file's content; nullopt when it cannot be read.
    static std::optional<Key> KeyOf(const std::string& musicFile);
    // Whether a detection outcome belongs in the cache: a completed analysis, or a track too
    // short to analyse. The same bytes always give them again.
    static bool Keeps(int detectCode);

    // The entry for `key`; a hit counts as a use, so it is dropped last.
    std::optional<Entry> Find(const Key& key) const;
    bool Store(const Key& key, const Entry& entry) const;
    // Drops the least recently used entries beyond `limit`, and leftovers of interrupted
    // writes.
    void Prune(std::size_t limit = kMaxEntries) const;

    const std::string& Folder() const { return m_folder; }

private:
    std::string EntryPath(const Key& key) const;

    std::string m_folder;
};

}  // namespace mood
