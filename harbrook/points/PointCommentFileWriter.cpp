#include <points/PointCommentFileWriter.h>

#include <points/PointFileIo.h>
#include <points/PointResult.h>

namespace points {

int PointCommentFileWriter::write(const std::string& path, std::string_view comment) {
    return writeWholeFile(path, comment.data(), comment.size()) ? kPointOk : kCommentSaveFailed;
}

}  // namespace points
