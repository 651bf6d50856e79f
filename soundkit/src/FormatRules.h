#pragma once
// What the navigation unit can play: the accepted sampling frequencies and bit rates of MP3 and
// WMA, and the order in which a file's parameters are tested.
#include "WaveFormat.h"

#include <cstdint>

namespace soundkit {

class FormatRules {
public:
    // The check code (SoundkitCheck) for an opened file's parameters.
    static int check(const WaveFormat& format, bool drm, bool vbr, std::uint64_t fileSize);

    // Bit rate in bit/s rounded to whole kbit/s (half up), still in bit/s.
    static std::uint32_t roundToKbit(std::uint32_t bitsPerSecond);

private:
    static int checkMp3(const WaveFormat& format);
    static int checkWma(const WaveFormat& format, bool vbr);
};

}  // namespace soundkit
