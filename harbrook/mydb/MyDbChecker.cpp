#include <mydb/MyDbChecker.h>

#include <mydb/MyDbData.h>
#include <mydb/MyDbFieldCheck.h>

namespace {

MyDbCheckResult failure(int code, int row = 0) {
    return {code, row};
}

}  // namespace

MyDbCheckResult MyDbChecker::Check(const std::vector<MyDbRow>& rows) {
    if (rows.size() > static_cast<std::size_t>(CMyDbData::kMaxRows))
        return failure(CMyDbData::kTooManyRows);
    int playlists = 0;
    long long trackCount = 0;
    int rowNumber = 0;
    for (const MyDbRow& row : rows) {
        ++rowNumber;
        const MyDbRowKind kind = mydb::rowKind(row);
        if (kind == MyDbRowKind::Blank) continue;
        if (kind == MyDbRowKind::Unknown) return failure(CMyDbData::kBadCommand, rowNumber);
        const std::string_view no = mydb::fieldText(row, MyDbField::No);
        if (no.empty()) return failure(CMyDbData::kMissingNo, rowNumber);
        const long long number = MyDbFieldCheck::LeadingValue(no);
        if (kind == MyDbRowKind::Playlist) {
            if (++playlists > CMyDbData::kMaxPlaylists)
                return failure(CMyDbData::kTooManyPlaylists);
            trackCount = number;
            continue;
        }
        if (trackCount == 0) return failure(CMyDbData::kNoPlaylist, rowNumber);
        if (number > trackCount) return failure(CMyDbData::kTrackNumberTooLarge, rowNumber);
    }
    return {};
}
