#pragma once
// The short effect sounds of the skinned windows (numbers in ui/SkinIds.h).

// Plays wave resource `id` asynchronously when the Sound flag is on. Nothing happens when Sound is
// off or the resource is missing; returns whether playback was started. UI thread only.
bool PlayEffectSound(int id);

#include <QString>

#include <functional>

// Where a started sound goes: by default the desktop's audio output. Tests route it elsewhere
// (an audio device may be missing or slow to answer there); an empty function restores the
// default. UI thread only.
using EffectSoundOutput = std::function<void(const QString& path)>;
void SetEffectSoundOutput(EffectSoundOutput output);
