#include <points/PointCommentFileReader.h>

#include <points/PointFileIo.h>
#include <points/PointResult.h>

#include <platform/Cp932.h>

#include <cstdint>
#include <vector>

namespace points {

std::string PointCommentFileReader::withCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // CR of CR LF
        if (text[i] == '\n') out += '\r';
        out += text[i];
    }
    return out;
}

std::string PointCommentFileReader::cutComment(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, platform::cp932CutLength(text, kMaxCommentBytes)));
}

int PointCommentFileReader::read(const std::string& path, std::string& comment) {
    std::vector<std::uint8_t> bytes;
    if (readFilePrefix(path, kMaxCommentBytes + 1, bytes) != FileRead::Ok)
        return kCommentReadFailed;
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    comment = cutComment(withCrLfLineEnds(raw));
    return kPointOk;
}

}  // namespace points
