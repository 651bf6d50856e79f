#pragma once
// The property record the music document exchanges with the music transfer view: one row of the
// transfer list, its in-place edits and the property dialogs. Texts are NUL-terminated CP932.
#include <cstdint>

struct MusicProperties {
    char title[33];
    char reading[65];
    char artist[33];
    char artistReading[65];  // playlists only
    std::uint16_t genre;
    char releaseYear[13];    // at most 8 characters are used
    std::uint16_t tagTrackNo;  // tracks
    std::int32_t minutes;
    std::int32_t seconds;
    std::int32_t codec;        // tracks: 1 MP3, 2 WMA
    std::int32_t bitRate;      // tracks: kbit/s, 65535 for variable
    // The music file's last write time in local time; 0 when the file cannot be opened.
    std::int32_t fileYear;
    std::int32_t fileMonth;
    std::int32_t fileDay;
    std::int32_t trackCount;   // playlists
};
