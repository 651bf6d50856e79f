#include "ProbeCache.h"

#include "MediaModule.h"

#include <sys/stat.h>

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

ProbeCache::~ProbeCache() {
    Save();
}

std::optional<ProbeCache::Stamp> ProbeCache::stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                 static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim),
                 nanoseconds(st.st_ctim)};
}

std::int64_t ProbeCache::nowNs() {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

SourceDetails ProbeCache::inspect(const std::string& path, bool probeAudio) {
    const auto stamp = stampOf(path);
    if (!stamp) return {};
    if (auto kept = find(path, *stamp, probeAudio)) return *kept;
    const MediaFunctions* media = MediaModule::functions();
    if (!media) return {};
    const std::int64_t started = nowNs();
    SourceDetails details = media->inspect(path, probeAudio);
    // A file that changed while it was read may have given a mixture of old and new.
    if (stampOf(path) == stamp) keep(path, *stamp, started, details, probeAudio);
    return details;
}

void ProbeCache::UseFile(const std::string& file) {
    std::lock_guard lock(m_mutex);
    SaveLocked();
    if (file.empty()) {
        m_store.reset();
    } else {
        m_store.emplace(file);
    }
    m_loaded = false;
}

std::optional<SourceDetails> ProbeCache::find(const std::string& path, const Stamp& stamp,
                                              bool needsAudio) {
    std::lock_guard lock(m_mutex);
    LoadFileLocked();
    const auto it = m_entries.find(path);
    if (it == m_entries.end() || !(it->second.stamp == stamp)) return std::nullopt;
    if (needsAudio && !it->second.audioProbed) return std::nullopt;
    return it->second.details;
}

void ProbeCache::keep(const std::string& path, const Stamp& stamp, std::int64_t startedNs,
                      const SourceDetails& details, bool audioProbed) {
    if (stamp.modifiedNs + kClockTickNs > startedNs || stamp.changedNs + kClockTickNs > startedNs)
        return;
    std::lock_guard lock(m_mutex);
    InsertLocked(path, Entry{stamp, details, audioProbed});
    m_changed = true;
}

void ProbeCache::InsertLocked(const std::string& path, Entry entry) {
    auto [it, added] = m_entries.insert_or_assign(path, std::move(entry));
    if (!added) return;
    m_order.push_back(path);
    while (m_order.size() > kMaxEntries) {
        m_entries.erase(m_order.front());
        m_order.pop_front();
    }
}

void ProbeCache::LoadFileLocked() {
    if (m_loaded || !m_store) return;
    m_loaded = true;
    // Probes of this run are newer than the file's.
    for (ProbeRecord& r : m_store->Load()) {
        if (m_entries.count(r.path) == 0)
            InsertLocked(r.path, Entry{r.stamp, std::move(r.details), r.audioProbed});
    }
}

bool ProbeCache::Save() {
    std::lock_guard lock(m_mutex);
    return SaveLocked();
}

bool ProbeCache::SaveLocked() {
    if (!m_store || !m_changed) return true;
    // Another process may have kept probes meanwhile: those of its files this run has not seen
    // stay, as the oldest; this run's follow in their order.
    std::vector<ProbeRecord> records;
    for (ProbeRecord& r : m_store->Load()) {
        if (m_entries.count(r.path) == 0) records.push_back(std::move(r));
    }
    for (const std::string& path : m_order) {
        const Entry& e = m_entries.at(path);
        records.push_back(ProbeRecord{path, e.stamp, e.details, e.audioProbed});
    }
    if (records.size() > kMaxKeptEntries)
        records.erase(records.begin(), records.end() - static_cast<std::ptrdiff_t>(kMaxKeptEntries));
    m_changed = false;
    return m_store->Save(records);
}

}  // namespace soundkit
