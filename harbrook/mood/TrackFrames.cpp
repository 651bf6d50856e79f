#include <mood/TrackFrames.h>

#include <mood/FrameRecord.h>

namespace mood {

bool TrackFrames::Parse(const std::uint16_t* words, int frameCount) {
    count = frameCount;
    for (int i = 0; i < count; ++i) {
        const std::uint16_t* r = words + i * kRecordWords;
        if (r[0] != kRecordSync && r[0] != kRecordSyncAlternative) return false;
        gainShift[i] = r[1] & 0xFF;
        mid[i] = r[2] >> 8;
        low[i] = low2[i] = r[2] & 0xFF;
        const int p = static_cast<std::int16_t>(r[3]);
        peak[i] = p < 0 ? -p : p;
        roughness[i] = r[5] >> 8;
        centre[i] = r[5] & 0xFF;
    }
    for (int i = 0; i < count; ++i) {
        const int w = words[i * kRecordWords + 4];
        type0[i] = w >> 12 & 0xF;
        root0[i] = w >> 8 & 0xF;
        type1[i] = w >> 4 & 0xF;
        root1[i] = w & 0xF;
        if (type0[i] > 6 || type1[i] > 6 || root0[i] > 11 || root1[i] > 11) return false;
    }
    return true;
}

}  // namespace mood
