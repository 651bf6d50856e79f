#include "CharClasses.h"

#include <outside/Textaid.h>

namespace textaid {
namespace {

// Assigned cells (ten) of the partly filled JIS X 0208 rows (ku). Rows 1, 16-46 and 48-83 are
// full; the rest are empty.
struct CellRange {
    unsigned char row;
    unsigned char first;
    unsigned char last;
};

constexpr CellRange kSparseRows[] = {
    {2, 1, 14}, {2, 26, 33}, {2, 42, 48}, {2, 60, 74}, {2, 82, 89}, {2, 94, 94},
    {3, 16, 25}, {3, 33, 58}, {3, 65, 90},
    {4, 1, 83}, {5, 1, 86},
    {6, 1, 24}, {6, 33, 56},
    {7, 1, 33}, {7, 49, 81},
    {8, 1, 32},
    {47, 1, 51},
    {84, 1, 6},
};

bool cellAssigned(unsigned row, unsigned cell) {
    if (row == 1 || (row >= 16 && row <= 46) || (row >= 48 && row <= 83)) return true;
    for (const CellRange& r : kSparseRows)
        if (r.row == row && cell >= r.first && cell <= r.last) return true;
    return false;
}

constexpr unsigned kFullWidthSpace = 0x8140;
constexpr unsigned kMiddleDot = 0x8145;      // ・
constexpr unsigned kVoicedMark = 0x814A;     // ゛, then ゜
constexpr unsigned kKataIteration = 0x8152;  // ヽ ヾ
constexpr unsigned kHiraIteration = 0x8154;  // ゝ ゞ
constexpr unsigned kLongVowel = 0x815B;      // ー

bool inRange(unsigned code, unsigned first, unsigned last) {
    return code >= first && code <= last;
}

unsigned singleByteClasses(unsigned b) {
    using T = CTextaid;
    if (b == ' ') return T::kAsciiText | T::kHiraganaMarks | T::kKatakanaMarks | T::kTelephoneMarks;
    if (inRange(b, '0', '9'))
        return T::kAsciiText | T::kDigits | T::kHiraganaMarks | T::kKatakanaMarks;
    if (b == '-' || b == '(' || b == ')' || b == '+' || b == '*' || b == '#')
        return T::kAsciiText | T::kTelephoneMarks;
    if (inRange(b, 0x21, 0x7E)) return T::kAsciiText;
    if (inRange(b, 0xA1, 0xDF)) return T::kHalfWidthKana;
    return 0;
}

unsigned doubleByteClasses(unsigned code) {
    using T = CTextaid;
    if (!isJisX0208(code)) return 0;
    unsigned classes = T::kJisText;
    constexpr unsigned kReadingMarks = T::kHiraganaMarks | T::kKatakanaMarks;
    constexpr unsigned kKana = T::kHiragana | T::kKatakana;
    if (code == kFullWidthSpace || code == kMiddleDot || inRange(code, 0x824F, 0x8258))
        classes |= kReadingMarks;
    if (code == kLongVowel || code == kVoicedMark || code == kVoicedMark + 1) classes |= kKana;
    if (inRange(code, 0x829F, 0x82F1) || code == kHiraIteration || code == kHiraIteration + 1)
        classes |= T::kHiragana;
    if (inRange(code, 0x8340, 0x8396) || code == kKataIteration || code == kKataIteration + 1)
        classes |= T::kKatakana;
    return classes;
}

}  // namespace

bool isJisX0208(unsigned code) {
    unsigned lead = code >> 8;
    unsigned trail = code & 0xFF;
    if (lead < 0x81 || lead > 0xEF || (lead > 0x9F && lead < 0xE0)) return false;
    if (trail < 0x40 || trail > 0xFC || trail == 0x7F) return false;
    unsigned row = (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2 + 1;
    unsigned cell;
    if (trail >= 0x9F) {
        ++row;
        cell = trail - 0x9E;
    } else {
        cell = trail < 0x7F ? trail - 0x3F : trail - 0x40;
    }
    return cellAssigned(row, cell);
}

unsigned classesOf(unsigned code) {
    return code > 0xFF ? doubleByteClasses(code) : singleByteClasses(code);
}

bool isLineBreak(unsigned code) {
    return code == '\r' || code == '\n';
}

bool isSpace(unsigned code) {
    return code == ' ' || code == kFullWidthSpace;
}

}  // namespace textaid
