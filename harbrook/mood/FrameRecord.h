#pragma once
// The 12-byte record that one analysis frame leaves for the track analysis: six 16-bit words.
#include <cstdint>

namespace mood {

constexpr std::uint16_t kRecordSync = 0xFFFB;
constexpr std::uint16_t kRecordSyncAlternative = 0xFFF0;

struct FrameRecordFields {
    int gainShift = 0;
    int midLevel = 0;
    int lowLevel = 0;
    int peak = 0;
    int root0 = 0, type0 = 0, root1 = 0, type1 = 0;
    int roughness = 0;
    int centre = 0;
};

inline void PackFrameRecord(const FrameRecordFields& f, std::uint16_t* words) {
    words[0] = kRecordSync;
    words[1] = static_cast<std::uint16_t>(0xFA00 | f.gainShift);
    words[2] = static_cast<std::uint16_t>(f.midLevel << 8 | f.lowLevel);
    words[3] = static_cast<std::uint16_t>(f.peak);
    words[4] = static_cast<std::uint16_t>(f.type0 << 12 | f.root0 << 8 | f.type1 << 4 | f.root1);
    words[5] = static_cast<std::uint16_t>(f.roughness << 8 | f.centre);
}

}  // namespace mood
