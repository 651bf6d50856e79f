#include <points/PointFileIo.h>

#include <platform/AtomicFile.h>

#include <cstdio>

namespace points {

FileRead readFilePrefix(const std::string& path, std::size_t maxBytes,
                        std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return FileRead::CannotOpen;
    bytes.resize(maxBytes);
    std::size_t got = maxBytes > 0 ? std::fread(bytes.data(), 1, maxBytes, file) : 0;
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    bytes.resize(got);
    return failed ? FileRead::ReadError : FileRead::Ok;
}

bool writeWholeFile(const std::string& path, const void* data, std::size_t size) {
    platform::AtomicFile file(path);
    return file.open() && file.write(data, size) && file.commit();
}

}  // namespace points
