#pragma once
// The full-width hiragana <-> katakana pairs of CP932. Hiragana ぁ..ん (0x829F-0x82F1) pair with
// katakana ァ..ン (0x8340-0x8393, skipping 0x837F, which is no character), and ゝ ゞ with ヽ ヾ.
// ヴ ヵ ヶ have no hiragana in JIS X 0208.
namespace textaid {

// The katakana of a hiragana code, or 0 when the code is not a hiragana with a counterpart.
unsigned katakanaOf(unsigned code);
// The hiragana of a katakana code, or 0 when the code is not a katakana with a counterpart.
unsigned hiraganaOf(unsigned code);
// Replaces, in place, every character for which `map` gives a non-zero code.
void mapDoubleByteChars(char* text, unsigned (*map)(unsigned));

}  // namespace textaid
