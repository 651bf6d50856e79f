#pragma once
// A point's comment file (DETAIL/*.txt): the comment's CP932 bytes exactly, CR LF line ends, no
// terminating NUL, no byte-order mark.
#include <cstddef>
#include <string>
#include <string_view>

namespace points {

class PointCommentFile {
public:
    static constexpr std::size_t kMaxCommentBytes = 4096;

    // Reads at most 4097 bytes, makes every line end CR LF, keeps at most 4096 bytes (cut on a
    // character boundary; the text ends at a NUL byte). Result code: 0 or
    // kCommentReadFailed (24).
    static int read(const std::string& path, std::string& comment);

    // Writes the text's bytes to a new file. Result code: 0 or kCommentSaveFailed (23).
    static int write(const std::string& path, std::string_view comment);

    // Every CR LF and every bare LF becomes CR LF.
    static std::string withCrLfLineEnds(std::string_view text);
    // At most 4096 bytes of `text`, ending before a NUL and never inside a double-byte character.
    static std::string cutComment(std::string_view text);
};

}  // namespace points
