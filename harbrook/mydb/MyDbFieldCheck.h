#pragma once
// The value checks a myDB field must pass, shared by the file reader, the structural check and the
// grid's cell editing.
#include <optional>
#include <string_view>

class MyDbFieldCheck {
public:
    // True when `text` is at most `maxLength` bytes and its leading decimal value (read as atoi
    // reads it, 0 when there is none) lies in [minimum, maximum].
    static bool NumberCheck(std::string_view text, int minimum, int maximum, int maxLength);

    // True for "", "0", " ", or a number 1000 ... 9999 of at most 4 characters that the text
    // library's numeric character check admits.
    static bool YearCheck(std::string_view text);

    // The text library's character check of `text` with a selector and three 0/1 options: true
    // when every character is admitted. Text with an embedded NUL is never admitted.
    static bool Admits(std::string_view text, unsigned short selector, int option1, int option2,
                       int option3);
    // The same for a view whose byte past the end is a NUL (no copy is made).
    static bool AdmitsTerminated(std::string_view text, unsigned short selector, int option1,
                                 int option2, int option3);

    // atoi's reading of `text`: optional white space, an optional sign, then digits; 0 when no
    // digit follows. Saturates instead of overflowing.
    static long long LeadingValue(std::string_view text);

    // Like LeadingValue, but empty when no digit could be read.
    static std::optional<long long> ReadDecimal(std::string_view text);
};
