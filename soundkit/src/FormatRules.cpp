#include "FormatRules.h"

#include <soundkit/Soundkit.h>

#include <algorithm>
#include <array>

namespace soundkit {
namespace {

constexpr std::array<std::uint32_t, 3> kMp3Rates = {44100, 22050, 11025};
constexpr std::array<std::uint32_t, 15> kMp3BitRates = {
    32000, 40000, 48000, 56000, 64000, 80000, 96000, 112000,
    128000, 144000, 160000, 192000, 224000, 256000, 320000};
constexpr std::uint32_t kWmaRate = 44100;
constexpr std::array<std::uint32_t, 7> kWmaBitRates = {48000, 64000, 80000, 96000,
                                                       128000, 160000, 192000};
constexpr std::uint32_t kWmaVbrMin = 40000;
constexpr std::uint32_t kWmaVbrMax = 355000;

template <typename List>
bool contains(const List& list, std::uint32_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

std::uint32_t FormatRules::roundToKbit(std::uint32_t bitsPerSecond) {
    std::uint64_t kbit = bitsPerSecond / 1000 + (bitsPerSecond % 1000 >= 500 ? 1 : 0);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(kbit * 1000, UINT32_MAX));
}

int FormatRules::check(const WaveFormat& format, bool drm, bool vbr, std::uint64_t fileSize) {
    if (drm) return SK_CHECK_DRM;
    if (format.channels > 2) return SK_CHECK_CHANNELS;
    if (fileSize > kSoundkitMaxFileSize) return SK_CHECK_FILE_SIZE;
    switch (format.formatTag) {
    case kFormatTagMp3:
        return checkMp3(format);
    case kFormatTagWmaV2:
    case kFormatTagWmaPro:
        return checkWma(format, vbr);
    default:
        return SK_CHECK_FORMAT_TAG;
    }
}

int FormatRules::checkMp3(const WaveFormat& format) {
    if (!contains(kMp3Rates, format.samplesPerSec)) return SK_CHECK_SAMPLE_RATE;
    std::uint64_t bitRate = std::uint64_t(format.avgBytesPerSec) * 8;
    if (bitRate > UINT32_MAX || !contains(kMp3BitRates, static_cast<std::uint32_t>(bitRate)))
        return SK_CHECK_BIT_RATE;
    return SK_CHECK_OK;
}

int FormatRules::checkWma(const WaveFormat& format, bool vbr) {
    if (format.formatTag != kFormatTagWmaV2) return SK_CHECK_FORMAT_TAG;
    if (format.samplesPerSec != kWmaRate) return SK_CHECK_SAMPLE_RATE;
    std::uint64_t raw = std::uint64_t(format.avgBytesPerSec) * 8;
    std::uint32_t bitRate = roundToKbit(static_cast<std::uint32_t>(std::min<std::uint64_t>(raw, UINT32_MAX)));
    bool ok = vbr ? bitRate >= kWmaVbrMin && bitRate <= kWmaVbrMax : contains(kWmaBitRates, bitRate);
    return ok ? SK_CHECK_OK : SK_CHECK_BIT_RATE;
}

}  // namespace soundkit
