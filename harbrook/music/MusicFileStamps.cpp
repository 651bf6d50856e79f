#include "music/MusicFileStamps.h"

#include <sys/stat.h>

std::optional<MusicFileStamps::Stamp> MusicFileStamps::Of(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    constexpr std::int64_t kNsPerSecond = 1000000000;
    return Stamp{static_cast<std::uint64_t>(st.st_size),
                 static_cast<std::int64_t>(st.st_mtim.tv_sec) * kNsPerSecond + st.st_mtim.tv_nsec};
}

bool MusicFileStamps::Unchanged(const std::string& path) const {
    const auto kept = m_stamps.find(path);
    if (kept == m_stamps.end()) return false;
    const auto now = Of(path);
    return now && *now == kept->second;
}
