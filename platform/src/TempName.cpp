#include <platform/TempName.h>

#include <fcntl.h>
#include <cerrno>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace platform {

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::string tempFolder() {
    const char* dir = std::getenv("TMPDIR");
    return withTrailingSlash(dir && *dir ? dir : "/tmp");
}

std::string cacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/') return withTrailingSlash(cache) + "harbrook/";
    const char* home = std::getenv("HOME");
    return withTrailingSlash(home && *home ? home : "/tmp") + ".cache/harbrook/";
}

namespace {
std::string nameFor(const std::string& folder, const std::string& prefix, unsigned number) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", number & 0xFFFFu);
    return withTrailingSlash(folder) + prefix + hex + ".TMP";
}
}  // namespace

std::string tempFileName(const std::string& folder, const std::string& prefix, unsigned unique) {
    if (unique != 0) return nameFor(folder, prefix, unique);
    std::minstd_rand engine{std::random_device{}()};
    unsigned start = static_cast<unsigned>(engine() % 0xFFFF) + 1;
    for (unsigned i = 0; i < 0xFFFF; ++i) {
        unsigned number = (start + i - 1) % 0xFFFF + 1;
        std::string name = nameFor(folder, prefix, number);
        int fd = ::open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

}  // namespace platform
