#pragma once
// Result codes of the point files and the point store. Codes 0 to 8 are the transfer base's; the
// store appends the texts of codes 9 to 28 to the base's table (pointErrorTexts()).
#include <string>
#include <vector>

namespace points {

enum PointResult : int {
    kPointOk = 0,
    kFileNotFound = 1,         // base: a missing path
    kFileUnreadable = 2,       // base: the group file cannot be opened or read
    kGeneralError = 6,         // base: paste outside slots 10 to 509
    kRecordFormatWrong = 9,
    kGroupFormatWrong = 10,
    kCommentFormatWrong = 11,
    kPictureFormatWrong = 12,
    kRecordFileBroken = 13,
    kGroupFileBroken = 14,
    kRecordSaveFailed = 15,
    kGroupSaveFailed = 16,
    kIndexSaveFailed = 17,
    kRecordLimit = 18,
    kRecordReadFailed = 19,
    kTooManyRecords = 20,
    kPointOutOfRange = 21,
    kTransferNotAllowed = 22,
    kCommentSaveFailed = 23,
    kCommentReadFailed = 24,
    kPictureSaveFailed = 25,
    kPictureReadFailed = 26,
    kNameMissing = 27,
    kPositionOutOfRange = 28,
};

constexpr int kFirstPointResult = kRecordFormatWrong;

// The texts of codes 9 to 28, in code order (UTF-8).
const std::vector<std::string>& pointErrorTexts();

}  // namespace points
