#include "NaviText.h"

#include "CharClasses.h"
#include "Cp932Char.h"

#include <cstddef>

namespace textaid {
namespace {

constexpr unsigned char kGetaLead = 0x81;  // 〓 0x81AC stands for a character the unit cannot show
constexpr unsigned char kGetaTrail = 0xAC;

bool showableSingleByte(unsigned char b) {
    return (b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF);
}

// Writes behind the reading position: every replacement is at most as long as what it replaces.
class Writer {
public:
    explicit Writer(unsigned char* text) : m_text(text) {}
    void put(unsigned char b) { m_text[m_length++] = b; }
    // A character that is not padding: the text must keep everything up to here.
    void markContent() { m_contentEnd = m_length; }
    void finish() { m_text[m_contentEnd] = 0; }

private:
    unsigned char* m_text;
    std::size_t m_length = 0;
    std::size_t m_contentEnd = 0;
};

void convertSingleByte(Writer& out, unsigned char b, NaviTextKind kind) {
    if (isLineBreak(b) && kind == NaviTextKind::Point) {
        out.put(b);
    } else if (b < 0x20 || b == 0x7F) {
        out.put(' ');
        return;  // a control character turned space is padding like any other space
    } else {
        out.put(showableSingleByte(b) ? b : '?');
        if (b == ' ') return;
    }
    out.markContent();
}

void convertDoubleByte(Writer& out, const unsigned char* p, unsigned code) {
    if (isJisX0208(code)) {
        out.put(p[0]);
        out.put(p[1]);
        if (isSpace(code)) return;
    } else {
        out.put(kGetaLead);
        out.put(kGetaTrail);
    }
    out.markContent();
}

}  // namespace

void naviToPc(char* text, NaviTextKind kind) {
    auto* p = reinterpret_cast<unsigned char*>(text);
    Writer out(p);
    std::size_t offset = 0;
    while (p[offset] != 0) {
        Cp932Char c = Cp932Char::read(p + offset);
        if (!c.complete) break;  // a character cut short by the end of the text is dropped
        if (c.length == 2)
            convertDoubleByte(out, p + offset, c.code);
        else
            convertSingleByte(out, p[offset], kind);  // a lead byte without trail becomes '?'
        offset += c.length;
    }
    out.finish();
}

}  // namespace textaid
