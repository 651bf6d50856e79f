#pragma once
// The frame records of a track unpacked into one array per field, the input of the track analysis.
#include <mood/MoodConstants.h>

#include <cstdint>

namespace mood {

struct TrackFrames {
    int count = 0;                          // N
    int gainShift[kAnalysisMaxFrames];      // A
    int mid[kAnalysisMaxFrames];            // Bm, reworked by the pulse measure
    int low[kAnalysisMaxFrames];            // Lo
    int low2[kAnalysisMaxFrames];           // Lo2, a second copy for the pulse measure
    int peak[kAnalysisMaxFrames];           // Pk, made non-negative
    int roughness[kAnalysisMaxFrames];      // Ro
    int centre[kAnalysisMaxFrames];         // Ce
    int root0[kAnalysisMaxFrames];
    int type0[kAnalysisMaxFrames];
    int root1[kAnalysisMaxFrames];
    int type1[kAnalysisMaxFrames];

    // Unpacks `frameCount` records; false on a bad sync word or a chord nibble out of range.
    bool Parse(const std::uint16_t* words, int frameCount);
};

}  // namespace mood
