#pragma once
// The program's three modes, in tab order. A mode's number indexes its tab, its view and its
// menu, and is what the settings keep as the last view.
enum class Mode : int { Music = 0, MyDb = 1, Points = 2 };

inline constexpr int kModeCount = 3;

constexpr int ModeIndex(Mode mode) {
    return static_cast<int>(mode);
}
