#pragma once
// Opens a music file once and gathers what the format check and the track information need:
// the audio stream's WAVEFORMATEX, the DRM and VBR flags of a WMA, the file size, the playing
// time and the tags. Audio is decoded only on request, and then only the first packets.
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
    // Title and artist in code page 932, the track number tag as UTF-8; empty when absent, but
    // for the title, which is then the file's name without its extension.
    std::string title;
    std::string artist;
    std::string track;
    // Probed on request: the first packets decode to samples, and the playing time the header
    // claims is not far beyond what the file's bytes can hold (a file cut short).
    bool audioPresent = false;
};

class SourceInspector {
public:
    // No single file may keep a check busy longer than this.
    static constexpr std::chrono::seconds kTimeLimit{10};

    // Opens the file and reads its details (ProbeCache::inspect spares unchanged files this).
    static SourceDetails inspect(const std::string& path, bool probeAudio = false);

private:
    // Replaces FFmpeg's reading of ID3 text whose frames do not say how it is encoded.
    static void readLegacyText(const std::string& path, SourceDetails& details);
};

}  // namespace soundkit
