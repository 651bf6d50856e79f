#pragma once
// What the grid's in-place editing accepts in each column, and how an accepted text is stored.
#include <mydb/MyDbRow.h>

#include <optional>
#include <string>
#include <string_view>

class MyDbCellInput {
public:
    // Size of the buffer readings are converted in (katakana to hiragana).
    static constexpr std::size_t kReadingBufferSize = 256;

    // The text to store for `cp932` typed into `column`, or nothing when the column refuses it.
    // Readings (columns 3 and 7) come back in hiragana; the command and genre (drop-downs) are
    // taken as they are.
    static std::optional<std::string> Accept(int column, std::string_view cp932);

    // The command of a row made from the new-row item by an edit in `column`: none for the
    // command column, "#Track" for columns 1 to 5, "#Playlist" for the columns only a playlist
    // has.
    static std::string_view ImpliedCommand(int column);
};
