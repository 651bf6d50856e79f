#include <mood/FrameBands.h>

namespace mood {

int BandLevel(const float* db, int first, int last) {
    int sum = 0;
    for (int i = first; i <= last; ++i)
        if (db[i] > -30.0f) sum += static_cast<int>(db[i]) + 30;
    return sum / 2;
}

int SpectralCentre(const float* db) {
    float total = 0.0f;
    float weighted = 0.0f;
    for (int i = 0; i < kBins; ++i) {
        const float tilt = static_cast<float>(i) * 0.0625f;
        const float v = db[i];
        if (v > -20.0f - tilt) {
            total += v + tilt;
            weighted += static_cast<float>(i) * (v + tilt);
        }
    }
    const int t = static_cast<int>(total);
    const int w = static_cast<int>(weighted);
    const int centre = (t != 0 ? w / t : w) / 2;
    // Contributions between -20 and 0 dB can almost cancel the total; keep the value in the
    // record's byte rather than let it spill into the neighbouring field.
    if (centre < 0) return 0;
    return centre > 255 ? 255 : centre;
}

}  // namespace mood
