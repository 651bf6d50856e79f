#include "Cp932Char.h"

namespace textaid {

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

Cp932Char Cp932Char::read(const unsigned char* p) {
    Cp932Char c;
    c.code = p[0];
    if (!isLeadByte(p[0])) return c;
    c.doubleByte = true;
    if (p[1] == 0) {
        c.complete = false;
        return c;
    }
    if (!isTrailByte(p[1])) {
        // The lead byte stands alone; the next byte is read as a character of its own.
        c.validTrail = false;
        return c;
    }
    c.code = static_cast<unsigned>(p[0]) << 8 | p[1];
    c.length = 2;
    return c;
}

}  // namespace textaid
