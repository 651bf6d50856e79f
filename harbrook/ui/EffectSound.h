#pragma once
// The short effect sounds of the skinned windows (numbers in ui/SkinIds.h).

// Plays wave resource `id` asynchronously when the Sound flag is on. Nothing happens when Sound is
// off or the resource is missing; returns whether playback was started. UI thread only.
bool PlayEffectSound(int id);
