#include "ProbeCache.h"

#include <sys/stat.h>

#include <chrono>
#include <ctime>

namespace soundkit {
namespace {

constexpr std::int64_t kNsPerSecond = 1000000000;
// Longer than the coarsest tick of a file system's clock.
constexpr std::int64_t kClockTickNs = 50000000;

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * kNsPerSecond + t.tv_nsec;
}

}  // namespace

ProbeCache& ProbeCache::instance() {
    static ProbeCache cache;
    return cache;
}

std::optional<ProbeCache::Stamp> ProbeCache::stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                 static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim)};
}

std::int64_t ProbeCache::nowNs() {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

std::optional<SourceDetails> ProbeCache::find(const std::string& path, const Stamp& stamp,
                                              bool needsAudio) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || !(it->second.stamp == stamp)) return std::nullopt;
    if (needsAudio && !it->second.audioProbed) return std::nullopt;
    return it->second.details;
}

void ProbeCache::keep(const std::string& path, const Stamp& stamp, std::int64_t startedNs,
                      const SourceDetails& details, bool audioProbed) {
    if (stamp.modifiedNs + kClockTickNs > startedNs) return;
    std::lock_guard lock(m_mutex);
    auto [it, added] = m_entries.insert_or_assign(path, Entry{stamp, details, audioProbed});
    if (!added) return;
    m_order.push_back(path);
    while (m_order.size() > kMaxEntries) {
        m_entries.erase(m_order.front());
        m_order.pop_front();
    }
}

}  // namespace soundkit
