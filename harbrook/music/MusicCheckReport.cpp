#include "music/MusicCheckReport.h"

#include <soundkit/Soundkit.h>

#include <cstdio>

namespace {

constexpr std::string_view kHeader = "プレイリストNO\tトラックNO\tファイルパス\tエラー内容\r";

std::string Numbered(const char* format, int a, int b) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

}  // namespace

void MusicCheckReport::Clear() { m_text.assign(kHeader); }

void MusicCheckReport::Append(std::string_view prefix, std::string_view reason) {
    m_text.append(prefix);
    m_text.append(reason);
    m_text.push_back('\r');
}

void MusicCheckReport::AddTrackLine(int playList, int track, std::string_view path,
                                    std::string_view reason) {
    std::string prefix = Numbered("%03d\t%02d\t", playList, track);
    prefix.append(path);
    prefix.push_back('\t');
    Append(prefix, reason);
}

void MusicCheckReport::AddPathLine(std::string_view path, std::string_view reason) {
    std::string prefix = " - \t - \t";
    prefix.append(path);
    prefix.push_back('\t');
    Append(prefix, reason);
}

void MusicCheckReport::AddEmptyPlayListLine(int playList) {
    Append(Numbered("%03d\t00\t - \t", playList, 0), ReasonText(Reason::EmptyPlayList));
}

void MusicCheckReport::AddNoPlayListLine() {
    Append("000\t00\t - \t", ReasonText(Reason::NoPlayList));
}

void MusicCheckReport::AddRemovedPlayListLine(std::string_view title, std::string_view message) {
    std::string prefix(title);
    prefix.append("\t\t\t");
    Append(prefix, message);
}

std::string_view MusicCheckReport::FormatReason(int checkCode) {
    switch (checkCode) {
    case SK_CHECK_EXTENSION: return "ファイル拡張子不正";
    case SK_CHECK_SAMPLE_RATE: return "サンプリング周波数不正";
    case SK_CHECK_BIT_RATE: return "ビットレート不正";
    case SK_CHECK_DRM: return "DRM付き不正";
    case SK_CHECK_FORMAT_TAG: return "フォーマットタグが MP3(0x0055) WMA(0x0161) 以外";
    case SK_CHECK_CHANNELS: return "チャンネル数不正";
    case SK_CHECK_FILE_SIZE: return "ファイルサイズ不正";
    default: return "フォーマット情報取得できず";
    }
}

std::string_view MusicCheckReport::ReasonText(Reason reason) {
    switch (reason) {
    case Reason::FileMissing: return "ファイルが存在しない";
    case Reason::UnreadablePath: return "読み取れない形式のファイルパス";
    case Reason::AddFailed: return "ファイル追加エラー";
    case Reason::EmptyPlayList: return "トラックが入っていないプレイリスト";
    case Reason::NoPlayList: return "プレイリストが存在しない";
    case Reason::ChangedSinceCheck: return "チェック後に変更されたファイル";
    }
    return {};
}
