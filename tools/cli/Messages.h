#pragma once
// What harbrook-cli tells the user about failures: in the user's language (the gettext catalogue
// "harbrook-cli"; Japanese when the locale is Japanese, English otherwise), always naming the
// file and the reason, always on stderr. The stores' own Japanese texts are shown as they are.
#include <string>
#include <string_view>

namespace cli {

// Sets the locale from the environment and opens the message catalogue beside the program
// (../share/locale from its folder). A locale that is not installed still chooses the language.
void initMessages();

// The translation of `english` (the catalogue's message id), or `english` itself.
const char* tr(const char* english);
// printf-style formatting, for translated formats: format(tr("%d rows"), n).
std::string format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// `text` with every control character escaped (\t, \n, \r, \\ and \xHH), so that a file name
// keeps its one line or column whatever bytes it holds.
std::string printable(std::string_view text);

// Why `path` cannot be read as an input file (the system's reason, "is a folder", "is not a
// regular file"), or an empty string when it is a regular file that can be opened for reading.
std::string inputProblem(const std::string& path);

// The system's text for an errno value, in the user's language.
std::string systemReason(int error);

// Prints "harbrook-cli COMMAND: PATH: REASON" to stderr.
void reportFailure(const char* command, const std::string& path, const std::string& reason);
// Prints "harbrook-cli COMMAND: TEXT" to stderr.
void reportFailure(const char* command, const std::string& text);

}  // namespace cli
