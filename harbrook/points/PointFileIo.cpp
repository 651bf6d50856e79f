#include <points/PointFileIo.h>

#include <platform/AtomicFile.h>
#include <platform/RegularFile.h>

#include <algorithm>
#include <cstdio>

namespace points {

FileRead readFilePrefix(const std::string& path, std::size_t maxBytes,
                        std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = platform::fopenRegularFile(path.c_str());
    if (!file) return FileRead::CannotOpen;
    // Grow as the file delivers, so a generous bound costs nothing for a small file.
    constexpr std::size_t kChunk = 256 * 1024;
    std::size_t got = 0;
    while (got < maxBytes) {
        bytes.resize(got + std::min(kChunk, maxBytes - got));
        const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file);
        got += n;
        if (got < bytes.size()) break;  // end of file or error
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    bytes.resize(got);
    return failed ? FileRead::ReadError : FileRead::Ok;
}

bool writeWholeFile(const std::string& path, const void* data, std::size_t size) {
    platform::AtomicFile file(path);
    return file.open() && file.write(data, size) && file.commit();
}

}  // namespace points
