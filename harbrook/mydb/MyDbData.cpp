#include <mydb/MyDbData.h>

#include <mydb/MyDbChecker.h>
#include <mydb/MyDbFieldCheck.h>
#include <mydb/MyDbFileReader.h>
#include <mydb/MyDbFileWriter.h>
#include <outside/Fileaid.h>
#include <platform/TempName.h>

#include <cassert>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// Error texts of codes 9 to 17, in code order.
constexpr const char* kErrorTexts[] = {
    "myDBの読み込み時にエラーが発生しました。",
    "myDBの保存時にエラーが発生しました。",
    "プレイリスト数が100個を超えています。",
    "xx行目に不正なコマンドが設定されています。",
    "xx行目：#Playlistで指定されたトラック数より大きな値が設定されています。",
    "最大行数は10000行です。",
    "xx行目のNOが入力されていません。",
    "myDB形式でないファイルです。",
    "xx行目：対応するプレイリストがありません",
    "シフトJISのテキストではないため、myDBとして読み込めません。",
};

// The message that replaces the table entry when a check fails on a given row.
const char* rowMessageFormat(int code) {
    switch (code) {
        case CMyDbData::kBadCommand:
            return "%d行に不正なコマンドが設定されています";
        case CMyDbData::kTrackNumberTooLarge:
            return "%d行目：#Playlistで指定されたトラック数より大きな値が設定されています";
        case CMyDbData::kMissingNo:
            return "%d行目のNOが入力されていません";
        case CMyDbData::kNoPlaylist:
            return "%d行目：対応するプレイリストがありません";
        case CMyDbData::kNotCodePage932:
            return "%d行目：シフトJISのテキストではないため、myDBとして読み込めません。";
        default:
            return nullptr;
    }
}

std::string formatRowMessage(const char* format, int row) {
    char text[256];
    std::snprintf(text, sizeof text, format, row);
    return text;
}

}  // namespace

CMyDbData::CMyDbData() {
    for (const char* text : kErrorTexts) {
        [[maybe_unused]] int code = AddErrorText(text);
        assert(code >= kLoadError && code <= kNotCodePage932);
    }
}

bool CMyDbData::Load(const std::string& path) {
    MyDbFileReader::Result read = MyDbFileReader::Read(path);
    SetResultCode(read.code);
    if (read.code != kOk) {
        SetRowMessage(read.code, read.line);
        return false;
    }
    m_Rows = std::move(read.rows);
    m_Emptied = std::move(read.emptied);
    m_Modified = false;
    return true;
}

void CMyDbData::SetRowMessage(int code, int row) {
    const char* format = rowMessageFormat(code);
    if (format && row > 0) {
        m_RowMessageCode = code;
        m_RowMessage = formatRowMessage(format, row);
    }
}

bool CMyDbData::WriteRows(const std::string& path) {
    if (!MyDbFileWriter::Write(path, m_Rows)) {
        SetResultCode(kSaveError);
        return false;
    }
    SetResultCode(kOk);
    return true;
}

bool CMyDbData::Save(const std::string& path) {
    if (!WriteRows(path)) return false;
    m_Modified = false;
    return true;
}

bool CMyDbData::CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                            platform::MessageTarget* progress, platform::Event* cancel) {
    ClearCopyLists();
    m_SourcePaths.push_back(platform::withTrailingSlash(sourceFolder) + kFileName);
    m_DestPaths.push_back(platform::withTrailingSlash(destFolder) + kFileName);
    return StartCopy(progress, cancel);
}

std::string CMyDbData::ErrorText() const {
    if (ResultCode() == m_RowMessageCode && !m_RowMessage.empty()) return m_RowMessage;
    return CTransferData::ErrorText();
}

bool CMyDbData::GetRow(int index, MyDbRow& row) const {
    if (index < 0 || index >= GetRowCount()) return false;
    row = m_Rows[static_cast<std::size_t>(index)];
    return true;
}

bool CMyDbData::InsertRow(int index, const MyDbRow& row) {
    if (index < 0) {
        SetResultCode(kOtherError);
        return false;
    }
    // An index past the limit would pad the table beyond 10000 rows.
    if (GetRowCount() >= kMaxRows || index >= kMaxRows) {
        SetResultCode(kTooManyRows);
        return false;
    }
    const auto at = static_cast<std::size_t>(index);
    if (at < m_Rows.size()) {
        m_Rows.insert(m_Rows.begin() + index, row);
    } else {
        m_Rows.resize(at, mydb::blankRow());
        m_Rows.push_back(row);
    }
    m_Modified = true;
    return true;
}

bool CMyDbData::ReplaceRow(int index, const MyDbRow& row) {
    if (index < 0 || index >= GetRowCount()) return false;
    m_Rows[static_cast<std::size_t>(index)] = row;
    m_Modified = true;
    return true;
}

bool CMyDbData::DeleteRow(int index) {
    if (index < 0 || index >= GetRowCount()) return false;
    m_Rows.erase(m_Rows.begin() + index);
    m_Modified = true;
    return true;
}

void CMyDbData::RemoveAllRows() {
    m_Rows.clear();
}

bool CMyDbData::CheckFull() {
    const bool full = GetRowCount() >= kMaxRows;
    SetResultCode(full ? int{kTooManyRows} : int{kOk});
    return full;
}

bool CMyDbData::Check() {
    const MyDbCheckResult result = MyDbChecker::Check(m_Rows);
    SetResultCode(result.code);
    SetRowMessage(result.code, result.row);
    return result.code == kOk;
}

bool CMyDbData::NumberCheck(std::string_view text, int minimum, int maximum, int maxLength) {
    return MyDbFieldCheck::NumberCheck(text, minimum, maximum, maxLength);
}

bool CMyDbData::YearCheck(std::string_view text) {
    return MyDbFieldCheck::YearCheck(text);
}

bool CMyDbData::WriteForUsb(const std::string& workFolder) {
    const std::string folder = platform::withTrailingSlash(workFolder) + kUsbFolder;
    std::error_code error;
    std::filesystem::create_directory(folder, error);  // an existing folder is fine
    m_TransferFileNames.assign(1, kFileName);
    return WriteRows(folder + "/" + kFileName);
}

bool CMyDbData::WriteForMedia(const std::string& workFolder) {
    return WriteRows(platform::withTrailingSlash(workFolder) + kFileName);
}

std::uint64_t CMyDbData::EstimatedFileBytes() const {
    std::uint64_t bytes = 0;
    for (const MyDbRow& row : m_Rows) {
        for (int f = 0; f < kMyDbFieldCount; ++f)
            bytes += mydb::fieldText(row, static_cast<MyDbField>(f)).size();
        bytes += 10;  // the TABs and the line end
    }
    return bytes;
}

std::uint64_t CMyDbData::RequiredBytes() const {
    return MediaBytes(platform::tempFolder());
}

std::uint64_t CMyDbData::MediaBytes(const std::string& driveRoot) const {
    return CFileaid::GetSizeOnDisk(driveRoot.c_str(), EstimatedFileBytes());
}
