#pragma once
// The unit's date and time stamp: two 32-bit words of packed BCD decimal digits taken from the
// local clock, least significant digit in the lowest nibble. The date word reads YYYYMMDD in
// hexadecimal (2026-12-07 -> 0x20261207), the time word HHMMSS00 (12:34:56 -> 0x12345600).
#include <cstdint>
#include <ctime>
#include <optional>

namespace points {

struct PointStamp {
    std::uint32_t date = 0;
    std::uint32_t time = 0;

    static PointStamp fromLocalTime(const std::tm& local);

    // The current local time; nullopt when the clock cannot be read.
    static std::optional<PointStamp> now();
    // Like now(), but zero words when the clock cannot be read.
    static PointStamp nowOrZero();

    // Replaces the local clock (tests); a null function restores the system clock. The function
    // returns false when the clock cannot be read.
    using Clock = bool (*)(std::tm& local);
    static void setClock(Clock clock);
};

}  // namespace points
