#pragma once
// Code page 932 (Shift_JIS with the Windows extensions) is the text encoding of every record the
// unit reads. These helpers convert at the program's edges and fill fixed NUL-terminated fields.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True for a byte that starts a double-byte CP932 character.
bool isCp932LeadByte(unsigned char byte);

// Position of the first byte that breaks CP932's byte rules (a byte no character starts with, or a
// lead byte without a valid second byte), or npos when there is none. Byte rules only: a
// well-formed but unassigned double-byte code passes.
std::size_t cp932InvalidByte(std::string_view text);

// True when `text` holds characters beyond ASCII and all of it is well-formed UTF-8. Japanese
// code page 932 text is practically never well-formed UTF-8, so such text was written as UTF-8.
bool isUtf8BeyondAscii(std::string_view text);

// UTF-8 -> CP932. Characters CP932 cannot hold make the conversion fail (nullopt).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// CP932 -> UTF-8. Invalid byte sequences make the conversion fail (nullopt).
std::optional<std::string> cp932ToUtf8(std::string_view cp932);

// CP932 -> UTF-8 for display: never fails, bytes that are not valid CP932 become U+FFFD.
std::string cp932ToUtf8Lossy(std::string_view cp932);

// Length of the longest prefix of `cp932` that is at most `maxBytes` long and does not end in
// the middle of a double-byte character.
std::size_t cp932CutLength(std::string_view cp932, std::size_t maxBytes);

// Copies CP932 text into a fixed field of `fieldSize` bytes: at most fieldSize - 1 bytes of text,
// cut on a character boundary, then zero-filled. The field always ends up NUL-terminated.
void copyCp932Field(char* field, std::size_t fieldSize, std::string_view cp932);

// The text of a fixed NUL-terminated field (never reads past fieldSize).
std::string_view fieldText(const char* field, std::size_t fieldSize);

}  // namespace platform
