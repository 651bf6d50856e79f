#include <mood/MoodCache.h>

#include <mood/MoodConstants.h>
#include <mood/MoodDetector.h>

#include <platform/AtomicFile.h>
#include <platform/ContentHash.h>
#include <platform/RegularFile.h>
#include <platform/TempName.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace mood {
namespace {

constexpr const char* kExtension = ".mood";
constexpr char kMagic[4] = {'H', 'B', 'M', 'C'};
// Leftovers of writes that never finished are removed once they are this old.
constexpr auto kLeftoverAge = std::chrono::hours(1);

#pragma pack(push, 1)
struct Record {
    char magic[4];
    std::uint32_t detectorVersion;
    std::uint64_t fileSize;
    std::uint64_t contentHash;
    std::int32_t code;
    std::int32_t status;
    std::int32_t words[kMoodWordCount];
    std::uint64_t check;  // hash of every byte before it
};
#pragma pack(pop)
static_assert(sizeof(Record) == 192);
static_assert(offsetof(Record, words) == 32 && offsetof(Record, check) == 184);

std::uint64_t checkOf(const Record& r) {
    platform::ContentHash hash;
    hash.update(&r, offsetof(Record, check));
    return hash.digest();
}

bool readRecord(const std::string& path, Record& r) {
    std::FILE* f = platform::fopenRegularFile(path.c_str());
    if (!f) return false;
    const bool whole = std::fread(&r, 1, sizeof r, f) == sizeof r && std::fgetc(f) == EOF;
    std::fclose(f);
    return whole;
}

}  // namespace

MoodCache::MoodCache(std::string folder)
    : m_folder(platform::withTrailingSlash(std::move(folder))) {}

std::string MoodCache::DefaultFolder() {
    return platform::cacheFolder() + "mood/";
}

std::optional<MoodCache::Key> MoodCache::KeyOf(const std::string& musicFile) {
    struct stat before {};
    if (::stat(musicFile.c_str(), &before) != 0) return std::nullopt;
    const auto hash = platform::ContentHash::ofFile(musicFile, kDetectorVersion);
    if (!hash) return std::nullopt;
    return Key{*hash, static_cast<std::uint64_t>(before.st_size)};
}

bool MoodCache::Keeps(int detectCode) {
    return detectCode == kDetectCompleted || detectCode == kDetectTooShort;
}

std::string MoodCache::EntryPath(const Key& key) const {
    char name[64];
    std::snprintf(name, sizeof name, "%016llx-%llx-v%u%s",
                  static_cast<unsigned long long>(key.hash),
                  static_cast<unsigned long long>(key.size), kDetectorVersion, kExtension);
    return m_folder + name;
}

std::optional<MoodCache::Entry> MoodCache::Find(const Key& key) const {
    const std::string path = EntryPath(key);
    Record r{};
    if (!readRecord(path, r)) {
        // Absent, or cut short: a short file is damaged, not merely missing.
        if (::access(path.c_str(), F_OK) == 0) ::unlink(path.c_str());
        return std::nullopt;
    }
    if (std::memcmp(r.magic, kMagic, 4) != 0 || r.check != checkOf(r) ||
        r.detectorVersion != kDetectorVersion || r.fileSize != key.size ||
        r.contentHash != key.hash || !Keeps(r.code)) {
        ::unlink(path.c_str());
        return std::nullopt;
    }
    ::utimensat(AT_FDCWD, path.c_str(), nullptr, 0);  // used now
    Entry e;
    e.code = r.code;
    e.status = r.status;
    std::memcpy(e.result.words, r.words, sizeof r.words);
    return e;
}

bool MoodCache::Store(const Key& key, const Entry& entry) const {
    if (!Keeps(entry.code)) return false;
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    Record r{};
    std::memcpy(r.magic, kMagic, 4);
    r.detectorVersion = kDetectorVersion;
    r.fileSize = key.size;
    r.contentHash = key.hash;
    r.code = entry.code;
    r.status = entry.status;
    std::memcpy(r.words, entry.result.words, sizeof r.words);
    r.check = checkOf(r);
    platform::AtomicFile file(EntryPath(key));
    return file.open() && file.write(&r, sizeof r) && file.commit();
}

void MoodCache::Prune(std::size_t limit) const {
    struct Found {
        fs::file_time_type time;
        fs::path path;
    };
    std::vector<Found> entries;
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code itemError;
        const auto time = it->last_write_time(itemError);
        if (itemError || !it->is_regular_file(itemError)) continue;
        if (it->path().extension() == kExtension) {
            entries.push_back({time, it->path()});
        } else if (now - time > kLeftoverAge) {
            fs::remove(it->path(), itemError);
        }
    }
    if (entries.size() <= limit) return;
    const auto oldestEnd = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() - limit);
    std::nth_element(entries.begin(), oldestEnd, entries.end(),
                     [](const Found& a, const Found& b) { return a.time < b.time; });
    for (auto it = entries.begin(); it != oldestEnd; ++it) fs::remove(it->path, ec);
}

}  // namespace mood
