#pragma once
// Reading a typed position: degrees, minutes and seconds as the latitude/longitude dialog's edits
// hold them. Every edit is read as a decimal integer (leading white space, an optional sign and the
// leading digits; no digits give 0); a seconds edit also gives tenths of a second: the text as a
// decimal number times 10, less the whole seconds times 10, truncated (40.9 gives 40 seconds and
// 9 tenths, 16.05 gives 16 and 0). The reading does not depend on the locale.
#include <string_view>

namespace points {

// {degrees, minutes, whole seconds, tenths}, as CAtlasgate::CalcMapLonLat takes them.
struct DmsValue {
    int parts[4];
};

// The leading integer of `text`, kept within the int range.
int LeadingInteger(std::string_view text);
// The tenths of a second that a seconds text holds beyond its whole seconds.
int TenthsOfSecond(std::string_view text);
DmsValue ReadDms(std::string_view degrees, std::string_view minutes, std::string_view seconds);

}  // namespace points
