#include "KanaMap.h"

#include "Cp932Char.h"

namespace textaid {
namespace {

constexpr unsigned kFirstHiragana = 0x829F;  // ぁ
constexpr unsigned kLastHiragana = 0x82F1;   // ん
constexpr unsigned kFirstKatakana = 0x8340;  // ァ
constexpr unsigned kLastKatakana = 0x8396;   // ヶ
constexpr unsigned kKatakanaGap = 0x837F;    // the trail byte 0x7F is never used
constexpr unsigned kPairCount = kLastHiragana - kFirstHiragana + 1;  // ぁ..ん = ァ..ン

constexpr unsigned kHiraIteration = 0x8154;  // ゝ, then ゞ
constexpr unsigned kKataIteration = 0x8152;  // ヽ, then ヾ

unsigned katakanaAt(unsigned index) {
    unsigned code = kFirstKatakana + index;
    return code >= kKatakanaGap ? code + 1 : code;
}

}  // namespace

unsigned katakanaOf(unsigned code) {
    if (code >= kFirstHiragana && code <= kLastHiragana) return katakanaAt(code - kFirstHiragana);
    if (code == kHiraIteration || code == kHiraIteration + 1)
        return code - kHiraIteration + kKataIteration;
    return 0;
}

unsigned hiraganaOf(unsigned code) {
    if (code >= kFirstKatakana && code <= kLastKatakana && code != kKatakanaGap) {
        unsigned index = code - kFirstKatakana - (code > kKatakanaGap ? 1 : 0);
        return index < kPairCount ? kFirstHiragana + index : 0;
    }
    if (code == kKataIteration || code == kKataIteration + 1)
        return code - kKataIteration + kHiraIteration;
    return 0;
}

void mapDoubleByteChars(char* text, unsigned (*map)(unsigned)) {
    if (text == nullptr) return;
    auto* p = reinterpret_cast<unsigned char*>(text);
    while (*p != 0) {
        Cp932Char c = Cp932Char::read(p);
        if (c.length == 2) {
            if (unsigned mapped = map(c.code); mapped != 0) {
                p[0] = static_cast<unsigned char>(mapped >> 8);
                p[1] = static_cast<unsigned char>(mapped & 0xFF);
            }
        }
        p += c.length;
    }
}

}  // namespace textaid
