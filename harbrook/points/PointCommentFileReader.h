#pragma once
// Reads a point's comment file (DETAIL/*.txt): CP932 text that may come with any line ends.
#include <cstddef>
#include <string>
#include <string_view>

namespace points {

class PointCommentFileReader {
public:
    static constexpr std::size_t kMaxCommentBytes = 4096;

    // Reads at most 4097 bytes, makes every line end CR LF, keeps at most 4096 bytes (cut on a
    // character boundary; the text ends at a NUL byte). Result code: 0 or
    // kCommentReadFailed (24); `comment` changes only on success.
    static int read(const std::string& path, std::string& comment);

    // Every CR LF and every bare LF becomes CR LF.
    static std::string withCrLfLineEnds(std::string_view text);
    // At most 4096 bytes of `text`, ending before a NUL and never inside a double-byte character.
    static std::string cutComment(std::string_view text);
};

}  // namespace points
