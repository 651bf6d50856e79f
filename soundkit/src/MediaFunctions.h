#pragma once
// What the media module (everything that needs FFmpeg) offers the rest of soundkit. The module
// is loaded on first use (see MediaModule), so checks served from the probe cache and runs that
// never touch music do not load FFmpeg's libraries at all.
#include "SourceInspector.h"

#include <soundkit/Soundkit.h>

#include <atomic>
#include <functional>
#include <string>

namespace soundkit {

struct MediaFunctions {
    // Raised whenever this table or the types it passes change, so a stale module is refused.
    static constexpr int kVersion = 1;
    static constexpr const char* kModuleFile = "libsoundkit-media.so";
    static constexpr const char* kEntryName = "soundkit_media_functions";

    int version = kVersion;
    // Probes a music file (SourceInspector::inspect).
    SourceDetails (*inspect)(const std::string& path, bool probeAudio) = nullptr;
    // Decodes a music file to a WAV file (WavDecoder::run); `progress` gets rising percentages.
    SoundkitDecodeError (*decode)(const std::atomic<bool>& stop,
                                  const std::function<void(int)>& progress,
                                  const std::string& source, const std::string& wavPath,
                                  const SoundkitPcmForm* form) = nullptr;
};

}  // namespace soundkit
