#pragma once
// The size and modification time each music file had when the transfer check looked at it. The
// build job compares them again before and after it copies a file into its TRACK file, so that
// what reaches the unit is the file that was checked, never one cut short or replaced meanwhile.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

class MusicFileStamps {
public:
    struct Stamp {
        std::uint64_t size = 0;
        std::int64_t modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

    // The file's stamp now; nullopt when it cannot be read.
    static std::optional<Stamp> Of(const std::string& path);

    void Clear() { m_stamps.clear(); }
    // Remembers the stamp taken at the file's check.
    void Keep(const std::string& path, const Stamp& stamp) { m_stamps[path] = stamp; }
    // True when the file still has the stamp kept at its check (false without one).
    bool Unchanged(const std::string& path) const;

private:
    std::unordered_map<std::string, Stamp> m_stamps;
};
