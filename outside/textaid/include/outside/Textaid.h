#pragma once
// Text services for the navigation unit's code page 932 (Shift_JIS) text: kana conversion, the
// character check of every field the unit stores, the unit's text form, and the unit's genre codes.
// Every function works on NUL-terminated CP932 bytes and never reads past the terminating NUL,
// even when the text ends in the middle of a double-byte character.
//
// CheckCode selector bits: the character classes a field admits. A character is admitted when at
// least one selected class holds it (options below may widen or narrow that).
//
//   bit     class                   characters
//   0x0001  hiragana                ぁ..ん (0x829F-0x82F1), ゝ ゞ, ー, ゛ ゜
//   0x0002  hiragana reading marks  spaces (ASCII and full-width), ・, digits (ASCII and
//                                   full-width)
//   0x0004  katakana                ァ..ヶ (0x8340-0x8396), ヽ ヾ, ー, ゛ ゜
//   0x0008  katakana reading marks  the same marks as 0x0002, for katakana readings
//   0x0010  digits                  0-9 (ASCII)
//   0x0020  telephone marks         - ( ) + * # and the ASCII space
//   0x0100  ASCII text              printable ASCII 0x20-0x7E, and line breaks (CR, LF)
//   0x0200  JIS X 0208 text         every double-byte character of JIS X 0208 (rows 1-8, 16-84)
//   0x0400  half-width katakana     0xA1-0xDF
//
// Selectors in use: 0x700 myDB free text (title, artist), 3 myDB and music readings (hiragana),
// 0x10 numbers (myDB NO, year), 0x300 point name and comment, 0xC point reading (katakana),
// 0x30 telephone number.
//
// Never admitted, whatever the selector: control characters other than the line breaks of class
// 0x0100 (TAB, DEL and the rest), the NEC and IBM extension rows (0x87xx, 0xEDxx-0xEExx,
// 0xFAxx-0xFCxx), user-defined rows (0xF0xx-0xF9xx), unassigned cells, and invalid or truncated
// byte sequences: the unit cannot show them.
//
// Options (each 0 or 1):
//   halfKana  (1st) admits half-width katakana as if bit 0x0400 were selected (point names).
//   oneLine   (2nd) a single-line field: line breaks are refused even when class 0x0100 is
//                   selected.
//   value     (3rd) a myDB value field: a single line, and a text made only of spaces (ASCII or
//                   full-width) is refused, since " " is the unit's placeholder for "no value".
// Line breaks are therefore admitted only with class 0x0100 and neither oneLine nor value (the
// point comment). An empty text is always admitted: there is no character to refuse.
//
// The unit's text form (ConvNaviToPcString): the unit fills fixed fields after the text with
// spaces (ASCII or full-width), keeps control characters it received verbatim, and cannot show
// invalid byte sequences or the extension rows. Converting to the PC form
//   - replaces a character the unit cannot show by the geta mark 〓 (0x81AC, two bytes) when it
//     is a double-byte sequence, by '?' when it is a single byte, and drops a double-byte
//     character cut short by the end of the text;
//   - mode 1 (point texts) keeps line breaks (CR, LF) and turns the other control characters
//     into spaces; mode 0 (track texts, one line) turns every control character into a space;
//   - removes the padding spaces (ASCII or full-width) at the end of the text.
// The result is never longer than the input.
//
// Genres: 0 is "no genre"; 1 "その他", 2 "J-POP", 3 "ロック/ポップス", 4 "ジャズ", 5 "クラシック",
// 6 "ヒップホップ/ラップ", 7 "ブラック/ソウル", 8 "クラブ/ダンス", 9 "ブルース", 10 "レゲエ",
// 11 "テクノ", 12 "フュージョン", 13 "サウンドトラック", 14 "ワールド", 15 "演歌/民謡" (CP932).

#include <cstddef>

class CTextaid {
public:
    // CheckCode selector bits (see the table above).
    static constexpr unsigned short kHiragana = 0x0001;
    static constexpr unsigned short kHiraganaMarks = 0x0002;
    static constexpr unsigned short kKatakana = 0x0004;
    static constexpr unsigned short kKatakanaMarks = 0x0008;
    static constexpr unsigned short kDigits = 0x0010;
    static constexpr unsigned short kTelephoneMarks = 0x0020;
    static constexpr unsigned short kAsciiText = 0x0100;
    static constexpr unsigned short kJisText = 0x0200;
    static constexpr unsigned short kHalfWidthKana = 0x0400;

    // Highest genre number; the genre names need at most kGenreNameSize bytes with the NUL.
    static constexpr int kGenreCount = 15;
    static constexpr std::size_t kGenreNameSize = 32;

    // Full-width hiragana (voiced, semi-voiced and small kana included, ゝ ゞ too) become the
    // matching katakana in place. Everything else is left as it is.
    static void HiraToKata(char* text);

    // Full-width katakana become the matching hiragana in place; ヴ ヵ ヶ, which have no
    // hiragana in JIS X 0208, and everything else are left as they are.
    static void KataToHira(char* text);

    // 0 when every character of the text is admitted by the selector and the options; otherwise
    // 1 + the byte offset of the first refused character (1 for a refused spaces-only text, -1
    // for a null text).
    static int CheckCode(const char* text, const unsigned short& selector, const int& halfKana,
                         const int& oneLine, const int& value);

    // Converts the unit's text form to the PC's in place (mode 0 track texts, 1 point texts;
    // see above). Returns 1, or 0 for a null text or an unknown mode (text unchanged).
    static int ConvNaviToPcString(char* text, const int& mode);

    // Writes the genre's name (CP932) into `name`, which must hold kGenreNameSize bytes, and
    // returns 1; for a number that is not a genre (0 included) writes an empty name and returns 0.
    static int GenreIntToStr(int genre, char* name);

    // The genre number of a genre name (CP932, exact match); 0 for an empty or unknown name.
    static unsigned short GenreStrToWord(const char* name);
};
