#pragma once
// ID3 tags written by hand, byte for byte, the way Japanese software of the era did: the text
// bytes go in as they are, whatever encoding the frame declares.
#include <cstdint>
#include <string>

namespace testsupport {

// A text frame (ID3v2.3) with the given encoding byte and raw text bytes.
std::string id3v2Frame(const char* id, std::uint8_t encoding, const std::string& text);
// A comment frame (ID3v2.3, language "jpn", no description).
std::string id3v2Comment(std::uint8_t encoding, const std::string& text);
// An ID3v2.3 tag holding `frames`.
std::string id3v2Tag(const std::string& frames);
// A 128-byte ID3v1.1 tag; longer texts are cut to their field.
std::string id3v1Tag(const std::string& title, const std::string& artist, int track,
                     const std::string& album = "", const std::string& comment = "");

}  // namespace testsupport
