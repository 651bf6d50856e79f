#pragma once
// The 12-class chroma of one frame: note levels on a 30-step dB ladder below the loudest note,
// weighted by octave, summed per pitch class, smoothed over the last five frames and normalised
// to 0 ... 100; then the strongest classes in order.
#include <mood/MoodConstants.h>

namespace mood {

// Sum of |V[k+1] - V[k]| over a 12-class chroma: how far it is from flat.
int ChromaRoughness(const int* values);

class Chroma {
public:
    static constexpr int kLevels = 30;
    static constexpr int kHistory = 5;
    static constexpr int kMaxChosen = 6;

    void Reset();
    void Analyse(const float* db);

    const int* Values() const { return m_value; }
    int Value(int pitchClass) const { return m_value[pitchClass]; }
    const int* Chosen() const { return m_chosen; }
    int ChosenCount() const { return m_chosenCount; }
    // Level 0 ... 30 of a note in the last frame.
    int NoteLevel(int octave, int pitchClass) const { return m_noteLevel[octave][pitchClass]; }
    // Sum of |V[k+1] - V[k]| over the normalised chroma.
    int Roughness() const { return ChromaRoughness(m_value); }

private:
    void LevelNotes(const float* db);
    void Smooth();
    void Normalise();
    void Choose();

    float m_threshold[kLevels] = {};
    int m_histogram[kLevels][kPitchClasses] = {};
    int m_noteLevel[kOctaves][kPitchClasses] = {};
    int m_value[kPitchClasses] = {};
    int m_history[kHistory][kPitchClasses] = {};  // row 0 newest
    int m_chosen[kMaxChosen] = {};
    int m_chosenCount = 0;
};

}  // namespace mood
