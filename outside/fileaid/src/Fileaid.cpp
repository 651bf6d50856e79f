#include <outside/Fileaid.h>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Fragment size of the volume holding `path` or its nearest existing ancestor; 0 when unknown.
std::uint64_t fragmentSize(const char* path) {
    fs::path probe = path;
    for (int depth = 0; depth < 256 && !probe.empty(); ++depth) {
        struct statvfs info;
        if (::statvfs(probe.c_str(), &info) == 0) return info.f_frsize ? info.f_frsize : info.f_bsize;
        fs::path parent = probe.parent_path();
        if (parent == probe) break;
        probe = parent;
    }
    return 0;
}

}  // namespace

int CFileaid::CheckFile(const char* path) {
    struct stat info;
    if (!path || !*path || ::stat(path, &info) != 0) return 0;
    return S_ISDIR(info.st_mode) ? 0 : 1;
}

int CFileaid::DeleteDirectory(const char* path) {
    if (!path || !*path) return 0;
    std::error_code ec;
    const fs::path folder = fs::path(path).lexically_normal();
    if (folder == folder.root_path()) return 0;
    if (!fs::is_directory(fs::symlink_status(folder, ec))) return 0;
    fs::remove_all(folder, ec);
    return ec ? 0 : 1;
}

std::uint64_t CFileaid::GetSizeOnDisk(const char* path, std::uint64_t size) {
    if (!path || size == 0) return size;
    const std::uint64_t fragment = fragmentSize(path);
    if (fragment == 0) return size;
    const std::uint64_t rest = size % fragment;
    if (rest == 0) return size;
    const std::uint64_t pad = fragment - rest;
    return size > std::numeric_limits<std::uint64_t>::max() - pad
               ? std::numeric_limits<std::uint64_t>::max()
               : size + pad;
}
