#pragma once
// Coarse per-frame measures of the dB spectrum: band levels and a tilt-compensated centre.
#include <mood/MoodConstants.h>

namespace mood {

// Bins first ... last: the sum of truncate(v) + 30 over bins above -30 dB, halved.
int BandLevel(const float* db, int first, int last);

// Low band (bins 10-19, about 54-108 Hz) and mid band (bins 30-39, about 161-215 Hz).
inline int LowBandLevel(const float* db) { return BandLevel(db, 10, 19); }
inline int MidBandLevel(const float* db) { return BandLevel(db, 30, 39); }

// The spectral centre in bins, halved, with a rising tilt of 6 dB per 96 bins so that the
// naturally falling spectrum of music does not pull it down; 0 ... 255.
int SpectralCentre(const float* db);

}  // namespace mood
