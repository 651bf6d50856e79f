#pragma once
// The skin's effect sounds, synthesised: short, quiet and soft-edged, as 16-bit mono WAV files.
#include <QByteArray>

namespace skingen::sounds {

constexpr int kSampleRate = 22050;

QByteArray Click();        // 234: a soft tick
QByteArray DialogClose();  // 237: two notes falling
QByteArray ModeChange();   // 238: a brief airy sweep
QByteArray DialogOpen();   // 239: two notes rising

}  // namespace skingen::sounds
