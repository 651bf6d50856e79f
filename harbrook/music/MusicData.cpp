// The music document: its texts, the transfer list and its properties, the edit data file and
// the space and copy of the built folder. The checks and the build job have files of their own.
#include "music/MusicData.h"

#include <mood/MoodDetector.h>
#include <outside/Textaid.h>
#include <platform/Cp932.h>
#include <songbase/Songbase.h>

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

// Message texts of codes 9 to 28, in code order.
constexpr const char* kMusicTexts[] = {
    "指定のトラックが見つかりません。",
    "指定のプレイリストが見つかりません。",
    "トラックの最大数は99曲です。",
    "プレイリストの最大数は999です。",
    "NAVIで再生できないファイルです。",
    "トラックが入っていないプレイリストがあります。",
    "プレイリストがありません。",
    "曲調検出：曲調検出失敗",
    "曲調検出：音楽ファイル名取得エラー",
    "曲調検出：ファイル名異常",
    "曲調検出：曲調検出結果設定失敗",
    "曲調検出：曲調検出フラグ設定失敗",
    "音楽転送：ファイル出力終了",
    "音楽転送：ファイル出力失敗",
    "トラックを追加できませんでした。",
    "空のプレイリストを削除します。",
    "音楽ファイルが見つかりません。",
    "作業フォルダ内のファイルが見つかりません。",
    "不正なファイル名です。",
    "プレイリストを追加できません。",
};

constexpr std::size_t kTitleBytes = 32;
constexpr std::size_t kTrackReleaseYearChars = 7;

template <std::size_t N, std::size_t M>
void CopyField(char (&field)[N], const char (&source)[M]) {
    platform::copyCp932Field(field, N, platform::fieldText(source, M));
}


}  // namespace

CMusicData::CMusicData() {
    for (const char* text : kMusicTexts) {
        [[maybe_unused]] int code = AddErrorText(text);
        assert(code >= kTrackNotFound && code <= kPlayListAddFailed);
    }
    CSongbase::Initialize();
}

CMusicData::~CMusicData() {
    m_Pool.StopAndWait();
    CSongbase::Release();
}

const char* CMusicData::MusicText(int code) { return kMusicTexts[code - kTrackNotFound]; }

int CMusicData::Fail(int code) {
    SetResultCode(code);
    return 0;
}

bool CMusicData::ValidList(int list) {
    if (list >= 0 && list < CSongbase::GetPlayListCount()) return true;
    SetResultCode(kPlayListNotFound);
    return false;
}

Songbase_Track* CMusicData::TrackOrCode(int list, int track) {
    if (!ValidList(list)) return nullptr;
    Songbase_Track* record = nullptr;
    if (track < 0 || !CSongbase::GetTrackData(list, track, &record) || !record) {
        SetResultCode(kTrackNotFound);
        return nullptr;
    }
    return record;
}

// --- Edit data file ---

bool CMusicData::Load(const std::string& path) {
    m_Modified = false;
    if (CSongbase::ReadEditData(path.c_str())) return true;
    SetResultCode(kCannotRead);
    return false;
}

bool CMusicData::Save(const std::string& path) {
    m_Modified = false;
    if (CSongbase::WriteEditData(path.c_str())) return true;
    SetResultCode(kCannotWrite);
    return false;
}

// --- The transfer list ---

int CMusicData::NewPlayList(const char* name) {
    int index = -1;
    if (!CSongbase::CreatePlayList(&index)) {
        SetResultCode(kTooManyPlayLists);
        return kEAbort;
    }
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetPlayListInfo(index, &info) || !info) {
        SetResultCode(kPlayListNotFound);
        return kEAbort;
    }
    const char* title = name ? name : kDefaultPlayListName;
    std::string_view text(title, ::strnlen(title, kTitleBytes + 1));
    platform::copyCp932Field(info->title, sizeof info->title, text);
    m_Modified = true;
    return 0;
}

int CMusicData::AddFile(int list, const std::string& path) {
    if (!ValidList(list)) return kEAbort;
    if (CSongbase::GetTrackCount(list) >= kMaxTracksPerList) {
        SetResultCode(kTooManyTracks);
        return kEAbort;
    }
    if (path.empty() || path.size() > kMaxAddPathBytes) {
        m_Report.AddPathLine(path, MusicCheckReport::ReasonText(
                                       MusicCheckReport::Reason::UnreadablePath));
        return kEFail;
    }
    if (!CheckFile(path)) return kEFail;
    return AddCheckedFile(list, path);
}

int CMusicData::AddCheckedFile(int list, const std::string& path) {
    const int track = CSongbase::GetTrackCount(list);
    if (!CSongbase::SetTrackInfo(list, track, path.c_str())) {
        m_Report.AddPathLine(path,
                             MusicCheckReport::ReasonText(MusicCheckReport::Reason::AddFailed));
        return kEFail;
    }
    ConvertTrackTexts(list, track);
    m_Modified = true;
    return 0;
}

void CMusicData::ConvertTrackTexts(int list, int track) {
    AVT_Tk_DetailInfo* detail = nullptr;
    if (!CSongbase::GetTrackInfo(list, track, &detail) || !detail) return;
    const int mode = 0;
    CTextaid::ConvNaviToPcString(detail->title, mode);
    CTextaid::ConvNaviToPcString(detail->artist, mode);
}

int CMusicData::Delete(int list, int track) {
    if (!ValidList(list)) return 0;
    if (track == -1) {
        if (!CSongbase::DestroyPlayList(list)) return Fail(kPlayListNotFound);
    } else {
        if (!TrackOrCode(list, track)) return 0;
        if (!CSongbase::SetTrackInfo(list, track, static_cast<const char*>(nullptr))) {
            return Fail(kTrackNotFound);
        }
    }
    m_Modified = true;
    return 1;
}

int CMusicData::SwapPlayLists(int a, int b) {
    if (!ValidList(a) || !ValidList(b)) return 0;
    if (!CSongbase::ChangePlayListOrder(a, b)) return Fail(kPlayListNotFound);
    m_Modified = true;
    return 1;
}

int CMusicData::SwapTracks(int list, int a, int b) {
    if (!TrackOrCode(list, a) || !TrackOrCode(list, b)) return 0;
    if (!CSongbase::ChangeTrackOrder(list, a, b)) return Fail(kTrackNotFound);
    m_Modified = true;
    return 1;
}

int CMusicData::SortByTagTrackNo(int list, int first) {
    if (!ValidList(list)) return 0;
    const int count = CSongbase::GetTrackCount(list);
    for (int i = std::max(first, 0); i < count - 1; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (CSongbase::GetTagTrackNo(list, j) < CSongbase::GetTagTrackNo(list, i) &&
                !SwapTracks(list, i, j)) {
                return 0;
            }
        }
    }
    return 1;
}

int CMusicData::GetProperties(int list, int track, MusicProperties* out) {
    if (!out || !ValidList(list)) return 0;
    if (track != -1 && !TrackOrCode(list, track)) return 0;
    std::memset(out, 0, sizeof *out);
    if (track == -1) {
        FillPlayListProperties(list, out);
    } else {
        FillTrackProperties(list, track, out);
    }
    return 1;
}

void CMusicData::FillPlayListProperties(int list, MusicProperties* out) {
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetPlayListInfo(list, &info) || !info) return;
    CopyField(out->title, info->title);
    CopyField(out->reading, info->titleReading);
    CopyField(out->artist, info->artist);
    CopyField(out->artistReading, info->artistReading);
    CopyField(out->releaseYear, info->releaseYear);
    out->genre = info->genre;
    out->minutes = info->minutes;
    out->seconds = info->seconds;
    out->trackCount = info->trackCount;
}

void CMusicData::FillTrackProperties(int list, int track, MusicProperties* out) {
    Songbase_Track* record = nullptr;
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetTrackData(list, track, &record) || !record) return;
    const AVT_Tk_DetailInfo& detail = record->detail;
    CopyField(out->title, detail.title);
    CopyField(out->reading, detail.titleReading);
    CopyField(out->artist, detail.artist);
    if (CSongbase::GetPlayListInfo(list, &info) && info) {
        CopyField(out->releaseYear, info->releaseYear);
    }
    out->genre = detail.genre;
    out->tagTrackNo = static_cast<std::uint16_t>(CSongbase::GetTagTrackNo(list, track));
    out->minutes = detail.minutes;
    out->seconds = detail.seconds;
    out->codec = record->master.codec != 0 ? record->master.codec : detail.codec;
    out->bitRate = detail.bitRate;
    struct stat st {};
    std::tm local{};
    const std::string path(platform::fieldText(record->path, sizeof record->path));
    if (::stat(path.c_str(), &st) == 0 && ::localtime_r(&st.st_mtime, &local)) {
        out->fileYear = local.tm_year + 1900;
        out->fileMonth = local.tm_mon + 1;
        out->fileDay = local.tm_mday;
    }
}

int CMusicData::SetProperties(int list, int track, const MusicProperties& in) {
    if (!ValidList(list)) return 0;
    AVT_Pl_PlInfo info{};
    AVT_Pl_PlInfo* stored = nullptr;
    if (!CSongbase::GetPlayListInfo(list, &stored) || !stored) return Fail(kPlayListNotFound);
    info = *stored;
    if (track == -1) {
        CopyField(info.title, in.title);
        CopyField(info.titleReading, in.reading);
        CopyField(info.artist, in.artist);
        CopyField(info.artistReading, in.artistReading);
        CopyField(info.releaseYear, in.releaseYear);
        info.genre = in.genre;
    } else {
        Songbase_Track* record = TrackOrCode(list, track);
        if (!record) return 0;
        AVT_Tk_DetailInfo detail = record->detail;
        CopyField(detail.title, in.title);
        CopyField(detail.titleReading, in.reading);
        CopyField(detail.artist, in.artist);
        detail.genre = in.genre;
        if (!CSongbase::SetTrackInfo(list, track, detail)) return Fail(kTrackNotFound);
        const std::string_view year = platform::fieldText(in.releaseYear, sizeof in.releaseYear);
        platform::copyCp932Field(info.releaseYear, sizeof info.releaseYear,
                                 year.substr(0, kTrackReleaseYearChars));
    }
    if (!CSongbase::SetPlayListInfo(list, info)) return Fail(kPlayListNotFound);
    CSongbase::UpdatePlayList(list);
    m_Modified = true;
    return 1;
}

int CMusicData::CopyOutTrack(int list, int track, Songbase_Track* out) {
    const Songbase_Track* record = TrackOrCode(list, track);
    if (!record || !out) return 0;
    *out = *record;
    return 1;
}

int CMusicData::CopyOutPlayList(int list, Songbase_List* out) {
    Songbase_List* record = nullptr;
    if (!out || !ValidList(list)) return 0;
    if (!CSongbase::GetPlayListData(list, &record) || !record) return Fail(kPlayListNotFound);
    *out = *record;
    return 1;
}

int CMusicData::InsertTrack(int list, int track, const Songbase_Track& record) {
    if (!ValidList(list)) return kEAbort;
    const int count = CSongbase::GetTrackCount(list);
    if (count >= kMaxTracksPerList) {
        SetResultCode(kTooManyTracks);
        return kEAbort;
    }
    if (track < 0 || track > count) {
        SetResultCode(kTrackNotFound);
        return kEAbort;
    }
    if (!CSongbase::InsertTrackData(list, track, record)) {
        SetResultCode(kTrackAddFailed);
        return kEAbort;
    }
    m_Modified = true;
    return 0;
}

int CMusicData::InsertPlayList(int list, const Songbase_List& record) {
    const int count = CSongbase::GetPlayListCount();
    if (count >= kMaxPlayLists) {
        SetResultCode(kTooManyPlayLists);
        return kEAbort;
    }
    if (list < 0 || list > count) {
        SetResultCode(kPlayListNotFound);
        return kEAbort;
    }
    if (!CSongbase::InsertPlayListData(list, record)) {
        SetResultCode(kPlayListAddFailed);
        return kEAbort;
    }
    m_Modified = true;
    return 0;
}

int CMusicData::ClearAll() {
    for (int list = CSongbase::GetPlayListCount() - 1; list >= 0; --list) {
        if (!CSongbase::DestroyPlayList(list)) return Fail(kPlayListNotFound);
        m_Modified = true;
    }
    return 1;
}

bool CMusicData::ReleaseYearCheck(std::string_view text) {
    if (text.empty() || text.size() > 4) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const int year = std::atoi(std::string(text).c_str());
    return year >= 1000 && year <= 9999;
}

// --- Space and the copy to removable media ---

std::uint64_t CMusicData::RequiredBytes() const {
    return CSongbase::GetTransFileSize(nullptr) + CSongbase::GetMaxDecodeFileSize();
}

std::uint64_t CMusicData::MediaBytes(const std::string& driveRoot) const {
    return CSongbase::GetTransFileSize(driveRoot.c_str());
}

bool CMusicData::CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                             platform::MessageTarget* progress, platform::Event* cancel) {
    namespace fs = std::filesystem;
    ClearCopyLists();
    const fs::path source = fs::path(sourceFolder) / "AVMTR";
    const fs::path dest = fs::path(destFolder) / "AVMTR";
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    }
    if (names.empty()) {
        SetResultCode(kWorkFileMissing);
        return false;
    }
    // Every file before the index that names it: the TRACK files, then the PLINFO files, then
    // AVMTR.PPD, so that a card pulled early never lists what it does not hold.
    const auto rank = [](const std::string& name) {
        if (SameFileName(name, "AVMTR.PPD")) return 2;
        return SameFileName(std::string_view(name).substr(0, 6), "PLINFO") ? 1 : 0;
    };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
    });
    fs::create_directories(dest, ec);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0 && rank(names[i]) != rank(names[i - 1])) MarkIndexPair(i);
        m_SourcePaths.push_back((source / names[i]).string());
        m_DestPaths.push_back((dest / names[i]).string());
    }
    return CTransferData::CopyToMedia(sourceFolder, destFolder, progress, cancel);
}
