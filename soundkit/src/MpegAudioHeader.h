#pragma once
// The 4-byte header of an MPEG audio frame: layer, sampling frequency, bit rate and channel
// count, read without decoding any audio.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace soundkit {

struct MpegAudioHeader {
    int layer = 0;             // 1, 2 or 3
    int sampleRate = 0;        // Hz
    int bitRate = 0;           // bit/s (0 for the "free format" index)
    int channels = 0;          // 1 or 2
    int frameSize = 0;         // bytes, this header included; 0 for the "free format" index

    // Parses the header at the start of `bytes`; nullopt when it is not a valid frame header.
    static std::optional<MpegAudioHeader> parse(const std::uint8_t* bytes, std::size_t size);
};

}  // namespace soundkit
