#pragma once
// The audio stream parameters the checks work on, laid out like the 18-byte WAVEFORMATEX the
// unit's rules are written against.
#include <cstdint>

namespace soundkit {

constexpr std::uint16_t kFormatTagPcm = 0x0001;
constexpr std::uint16_t kFormatTagMpeg = 0x0050;  // MPEG audio layer 1/2
constexpr std::uint16_t kFormatTagMp3 = 0x0055;
constexpr std::uint16_t kFormatTagWmaV1 = 0x0160;
constexpr std::uint16_t kFormatTagWmaV2 = 0x0161;
constexpr std::uint16_t kFormatTagWmaPro = 0x0162;

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

}  // namespace soundkit
