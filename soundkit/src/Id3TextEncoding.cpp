#include "Id3TextEncoding.h"

#include <cstring>
#include <fstream>

namespace soundkit {
namespace {

constexpr std::size_t kTagHeader = 10;

std::uint32_t syncsafe(const unsigned char* b) {
    return (std::uint32_t(b[0] & 0x7F) << 21) | (std::uint32_t(b[1] & 0x7F) << 14) |
           (std::uint32_t(b[2] & 0x7F) << 7) | std::uint32_t(b[3] & 0x7F);
}

std::uint32_t bigEndian(const unsigned char* b, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b[i];
    return v;
}

}  // namespace

Id3TextEncoding Id3TextEncoding::read(const std::string& path) {
    Id3TextEncoding result;
    std::ifstream in(path, std::ios::binary);
    unsigned char header[kTagHeader];
    if (!in.read(reinterpret_cast<char*>(header), kTagHeader)) return result;
    int version = header[3];
    if (std::memcmp(header, "ID3", 3) != 0 || version < 2 || version > 4) return result;
    const bool unsynchronised = header[5] & 0x80;
    if (unsynchronised && version < 4) return result;  // frame headers may be altered: unknown
    const std::uint64_t tagEnd = kTagHeader + syncsafe(header + 6);
    std::uint64_t pos = kTagHeader;
    if (header[5] & 0x40 && version >= 3) {  // extended header
        unsigned char ext[4];
        if (!in.read(reinterpret_cast<char*>(ext), 4)) return result;
        pos += version == 4 ? syncsafe(ext) : 4 + bigEndian(ext, 4);
    }
    const int idSize = version == 2 ? 3 : 4;
    const std::uint64_t frameHeader = version == 2 ? 6 : 10;
    while (pos + frameHeader < tagEnd) {
        unsigned char f[11] = {};  // frame header + the encoding byte
        in.seekg(static_cast<std::streamoff>(pos));
        if (!in.read(reinterpret_cast<char*>(f), static_cast<std::streamsize>(frameHeader + 1))) break;
        if (f[0] == 0) break;  // padding
        std::uint32_t size = version == 2 ? bigEndian(f + 3, 3)
                           : version == 4 ? syncsafe(f + 4)
                                          : bigEndian(f + 4, 4);
        std::string id(reinterpret_cast<char*>(f), static_cast<std::size_t>(idSize));
        std::uint8_t encoding = f[frameHeader];
        if (size > 0 && (id == "TIT2" || id == "TT2") && !result.title) result.title = encoding;
        if (size > 0 && (id == "TPE1" || id == "TP1") && !result.artist) result.artist = encoding;
        pos += frameHeader + size;
    }
    return result;
}

}  // namespace soundkit
