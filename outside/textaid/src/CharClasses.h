#pragma once
// Which CheckCode classes (the selector bits of CTextaid) hold a CP932 character.
namespace textaid {

// True for a double-byte code that is an assigned character of JIS X 0208 (rows 1-8 and 16-84
// as CP932 places them), which excludes the NEC and IBM extensions and user-defined rows.
bool isJisX0208(unsigned code);

// The selector bits whose classes hold `code` (a byte, or lead << 8 | trail). Line breaks are not
// a class: CR and LF give 0 here and are judged by the caller.
unsigned classesOf(unsigned code);

bool isLineBreak(unsigned code);
// An ASCII or full-width space.
bool isSpace(unsigned code);

}  // namespace textaid
