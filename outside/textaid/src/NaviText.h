#pragma once
// The unit's text form to the PC's (CTextaid::ConvNaviToPcString), in place and never longer.
namespace textaid {

enum class NaviTextKind { Track = 0, Point = 1 };

void naviToPc(char* text, NaviTextKind kind);

}  // namespace textaid
