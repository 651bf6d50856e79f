// CSoundkit: the format check and the track information. Decoding is in SoundkitDecode.cpp.
#include <soundkit/Soundkit.h>

#include "FormatRules.h"
#include "ProbeCache.h"

#include <platform/Cp932.h>

#include <cstdlib>
#include <string>
#include <string_view>

using soundkit::FormatRules;
using soundkit::SourceDetails;
using soundkit::ProbeCache;

namespace {

constexpr std::uint32_t kVariableBitRate = 0xFFFFFFFF;
constexpr std::uint16_t kVariableKbit = 0xFFFF;
constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::size_t kTrackTextMax = 11;

bool hasPlayableExtension(std::string_view path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string ext(path.substr(dot + 1));
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return ext == "mp3" || ext == "wma";
}

bool isWma(const soundkit::WaveFormat& f) {
    return f.formatTag == soundkit::kFormatTagWmaV2 || f.formatTag == soundkit::kFormatTagWmaPro;
}

// Bit rate in bit/s as the information record holds it: 0xFFFFFFFF for a VBR WMA.
std::uint32_t infoBitRate(const SourceDetails& d) {
    if (isWma(d.format) && d.vbr) return kVariableBitRate;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t(d.format.avgBytesPerSec) * 8,
                                                              kVariableBitRate - 1));
}

std::uint16_t kbitForRecord(std::uint32_t bitsPerSecond) {
    if (bitsPerSecond == kVariableBitRate) return kVariableKbit;
    return static_cast<std::uint16_t>(FormatRules::roundToKbit(bitsPerSecond) / 1000);
}

// A track number given as text ("3", "3/12"): its leading decimal digits.
std::uint16_t trackNumber(const std::string& text) {
    std::string head = text.substr(0, kTrackTextMax);
    return static_cast<std::uint16_t>(std::strtoul(head.c_str(), nullptr, 10));
}

}  // namespace

CSoundkit::CSoundkit(platform::MessageTarget* target, unsigned progressMessage,
                     unsigned completionMessage)
    : m_target(target), m_progressMessage(progressMessage), m_completionMessage(completionMessage) {}

CSoundkit::CSoundkit(const CSoundkit& other)
    : m_target(other.m_target),
      m_progressMessage(other.m_progressMessage),
      m_completionMessage(other.m_completionMessage),
      m_stop(other.m_stop.load()) {}

CSoundkit& CSoundkit::operator=(const CSoundkit& other) {
    m_target = other.m_target;
    m_progressMessage = other.m_progressMessage;
    m_completionMessage = other.m_completionMessage;
    m_stop = other.m_stop.load();
    return *this;
}

void CSoundkit::UseProbeFile(const char* file) {
    ProbeCache::instance().UseFile(file ? file : "");
}

std::string CSoundkit::DefaultProbeFile() {
    return soundkit::ProbeStore::DefaultFile();
}

int CSoundkit::CheckFormat(const char* path) {
    if (!path || !hasPlayableExtension(path)) return SK_CHECK_EXTENSION;
    SourceDetails d = ProbeCache::instance().inspect(path, true);
    switch (d.status) {
    case SourceDetails::Status::Unreadable:
        return SK_CHECK_UNREADABLE;
    case SourceDetails::Status::Protected:
        return SK_CHECK_DRM;
    case SourceDetails::Status::Ok:
        break;
    }
    const int code = FormatRules::check(d.format, false, d.vbr, d.fileSize);
    // A file whose audio is not there cannot be played, whatever its header says.
    return code == SK_CHECK_OK && !d.audioPresent ? int{SK_CHECK_UNREADABLE} : code;
}

int CSoundkit::GetInfo(const char* path, AVT_Tk_DetailInfo* detail, unsigned short* tagTrackNo,
                       std::uint32_t* fileSize) {
    if (!path || !detail) return 0;
    SourceDetails d = ProbeCache::instance().inspect(path, false);
    if (d.status != SourceDetails::Status::Ok) return 0;
    std::uint16_t codec;
    if (d.format.formatTag == soundkit::kFormatTagMp3)
        codec = AVT_CODEC_MP3;
    else if (isWma(d.format))
        codec = AVT_CODEC_WMA;
    else
        return 0;

    std::uint64_t seconds = d.duration100ns / kTicksPerSecond;
    detail->codec = codec;
    detail->minutes = static_cast<std::uint16_t>(seconds / 60);
    detail->seconds = static_cast<std::uint16_t>(seconds % 60);
    detail->bitRate = kbitForRecord(infoBitRate(d));
    platform::copyCp932Field(detail->title, sizeof detail->title, d.title);
    platform::copyCp932Field(detail->artist, sizeof detail->artist, d.artist);
    if (tagTrackNo) *tagTrackNo = trackNumber(d.track);
    if (fileSize) *fileSize = static_cast<std::uint32_t>(d.fileSize);
    return 1;
}
