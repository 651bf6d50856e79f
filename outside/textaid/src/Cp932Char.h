#pragma once
// One character of NUL-terminated CP932 text, read without going past the terminating NUL.
#include <cstddef>

namespace textaid {

struct Cp932Char {
    unsigned code = 0;        // the byte, or lead << 8 | trail for a double-byte character
    std::size_t length = 1;   // bytes the character takes (1 for a cut-off lead byte)
    bool doubleByte = false;
    bool complete = true;     // false: a lead byte followed by the terminating NUL
    bool validTrail = true;   // false: a lead byte followed by a byte that cannot trail it

    // Reads the character at `p`, which must not point at the terminating NUL.
    static Cp932Char read(const unsigned char* p);
    // True when the character is a proper one: no cut-off or malformed double-byte sequence.
    bool wellFormed() const { return complete && validTrail; }
};

bool isLeadByte(unsigned char byte);
bool isTrailByte(unsigned char byte);

}  // namespace textaid
