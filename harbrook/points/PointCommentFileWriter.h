#pragma once
// Writes a point's comment file (DETAIL/*.txt): the comment's CP932 bytes exactly, CR LF line
// ends as held, no terminating NUL, no byte-order mark.
#include <string>
#include <string_view>

namespace points {

class PointCommentFileWriter {
public:
    // Result code: 0 or kCommentSaveFailed (23). A previous file is replaced only once the new
    // one is complete.
    static int write(const std::string& path, std::string_view comment);
};

}  // namespace points
