#pragma once
// The fixed tables of the chord and key analysis.
#include <mood/MoodConstants.h>

namespace mood {

constexpr int kBinsPerNote = 7;

// The FFT bins whose dB values are averaged into each note's level, per octave and pitch class.
extern const short kSemitoneBins[kOctaves][kPitchClasses][kBinsPerNote];

// Chord types by their intervals in semitones, each counted from the note before it. The note
// reached by the third interval must sound but does not score; 0 means no seventh.
struct ChordType {
    int third;
    int fifth;
    int seventh;
    int mode;  // 0 major, 1 minor
};
extern const ChordType kChordTypeTable[kChordTypes];

// Mode of a chord type: 1 (minor) for the minor triad and minor seventh, else 0 (major). Also
// defined for the type numbers 5 and 6 that frame records may carry.
inline int chordMode(int type) { return type == 1 || type == 2 ? 1 : 0; }

// Two chords are related (relative or mediant) when, with d = (rootX - rootY) mod 12, d is 3 or 8
// with X major and Y minor, or d is 4 or 9 with X minor and Y major.
bool chordsRelated(int rootX, int modeX, int rootY, int modeY);

// Three-chord cadences that point to a key.
struct CadenceTemplate {
    int keyOffset;  // from the first chord's root
    int keyMode;
    int interval1;  // first to second chord root, semitones mod 12
    int interval2;  // second to third
    int modes[3];
};
constexpr int kCadenceCount = 33;
extern const CadenceTemplate kCadences[kCadenceCount];

// The three-of-five index sets that the cadences are matched over.
constexpr int kIndexSetCount = 10;
extern const int kIndexSets[kIndexSetCount][3];

// (a mod 12) in 0 ... 11 for any integer a.
inline int pitchClass(int a) { return ((a % kPitchClasses) + kPitchClasses) % kPitchClasses; }

}  // namespace mood
