#include "MpegAudioHeader.h"

namespace soundkit {
namespace {

// kbit/s by [MPEG-1 ? 0 : 1][layer - 1][index]; index 0 is free format, 15 is invalid.
constexpr int kBitRates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
};
constexpr int kSampleRates[3] = {44100, 48000, 32000};

}  // namespace

std::optional<MpegAudioHeader> MpegAudioHeader::parse(const std::uint8_t* bytes, std::size_t size) {
    if (!bytes || size < 4) return std::nullopt;
    if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return std::nullopt;
    int version = (bytes[1] >> 3) & 3;  // 0: MPEG-2.5, 2: MPEG-2, 3: MPEG-1
    int layerBits = (bytes[1] >> 1) & 3;
    int bitRateIndex = bytes[2] >> 4;
    int rateIndex = (bytes[2] >> 2) & 3;
    if (version == 1 || layerBits == 0 || bitRateIndex == 15 || rateIndex == 3) return std::nullopt;
    MpegAudioHeader h;
    h.layer = 4 - layerBits;
    int divisor = version == 3 ? 1 : version == 2 ? 2 : 4;
    h.sampleRate = kSampleRates[rateIndex] / divisor;
    h.bitRate = kBitRates[version == 3 ? 0 : 1][h.layer - 1][bitRateIndex] * 1000;
    h.channels = (bytes[3] >> 6) == 3 ? 1 : 2;
    const int padding = (bytes[2] >> 1) & 1;
    if (h.bitRate > 0) {
        if (h.layer == 1) {
            h.frameSize = (12 * h.bitRate / h.sampleRate + padding) * 4;
        } else {
            // Layer III of MPEG-2 and 2.5 holds half the samples per frame of MPEG-1.
            const int halfFrame = h.layer == 3 && version != 3 ? 2 : 1;
            h.frameSize = 144 * h.bitRate / (h.sampleRate * halfFrame) + padding;
        }
    }
    return h;
}

}  // namespace soundkit
