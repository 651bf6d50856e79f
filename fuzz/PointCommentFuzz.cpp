// Comment files come from the unit and the user's disk: any bytes must read as a comment of at
// most 4096 bytes with CR LF line ends, no NUL and no half character at the cut, and a comment
// written back and read again must not change.
#include "support/MemoryFile.h"

#include <points/PointCommentFileReader.h>
#include <points/PointResult.h>

#include <platform/Cp932.h>

#include <cstdint>
#include <string>

using points::PointCommentFileReader;

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

std::string readComment(const std::uint8_t* data, std::size_t size) {
    std::string comment = "unchanged";
    check(PointCommentFileReader::read(fuzzsupport::memoryFile(data, size), comment) ==
          points::kPointOk);
    return comment;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string comment = readComment(data, size);
    check(comment.size() <= PointCommentFileReader::kMaxCommentBytes);
    check(comment.find('\0') == std::string::npos);
    for (std::size_t i = comment.find('\n'); i != std::string::npos; i = comment.find('\n', i + 1))
        check(i > 0 && comment[i - 1] == '\r');
    check(platform::cp932CutLength(comment, comment.size()) == comment.size());
    const auto* written = reinterpret_cast<const std::uint8_t*>(comment.data());
    check(readComment(written, comment.size()) == comment);
    return 0;
}
