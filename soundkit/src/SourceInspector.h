#pragma once
// Opens a music file once and gathers what the format check and the track information need:
// the audio stream's WAVEFORMATEX, the DRM and VBR flags of a WMA, the file size, the playing
// time and the tags. No audio is decoded.
#include "WaveFormat.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace soundkit {

struct SourceDetails {
    enum class Status { Ok, Unreadable, Protected };
    Status status = Status::Unreadable;
    WaveFormat format;
    bool vbr = false;
    std::uint64_t fileSize = 0;
    std::uint64_t duration100ns = 0;
    // Tags as UTF-8, empty when absent.
    std::string title;
    std::string artist;
    std::string track;
    // True when the tag may be Shift_JIS mis-declared as Latin-1 (ID3 text frames).
    bool titleFromLatin1 = false;
    bool artistFromLatin1 = false;
};

class SourceInspector {
public:
    // No single file may keep a check busy longer than this.
    static constexpr std::chrono::seconds kTimeLimit{10};

    static SourceDetails inspect(const std::string& path);
};

}  // namespace soundkit
