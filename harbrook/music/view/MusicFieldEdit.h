#pragma once
// The in-place edits of the music view: which property field a cell stands for, the checks a new
// text must pass (the unit's character rules, readings turned into hiragana, the release year),
// and writing it into a property record. Texts are CP932. Qt-free.
#include <music/MusicProperties.h>

#include <string>

enum class MusicField { Title, Reading, Artist, ArtistReading, Genre, ReleaseYear };

// Checks `text` for `field`, converting readings to hiragana in place; false refuses it. An
// empty release year is taken (it clears the year).
bool PrepareMusicField(MusicField field, std::string& text);

// Writes the checked `text` into the record: texts cut to their field without splitting a
// character, a genre by its name (an unknown name is no genre).
void PutMusicField(MusicProperties& record, MusicField field, const std::string& text);
