#include <points/PointStamp.h>

namespace points {
namespace {

bool systemClock(std::tm& local) {
    std::time_t t = std::time(nullptr);
    return t != static_cast<std::time_t>(-1) && localtime_r(&t, &local) != nullptr;
}

PointStamp::Clock g_clock = systemClock;

// `value` as `digits` BCD digits, most significant first.
std::uint32_t bcd(int value, int digits) {
    std::uint32_t word = 0;
    for (int shift = 0; shift < digits * 4; shift += 4) {
        word |= static_cast<std::uint32_t>(value % 10) << shift;
        value /= 10;
    }
    return word;
}

}  // namespace

PointStamp PointStamp::fromLocalTime(const std::tm& local) {
    PointStamp stamp;
    stamp.date = bcd(local.tm_year + 1900, 4) << 16 | bcd(local.tm_mon + 1, 2) << 8 |
                 bcd(local.tm_mday, 2);
    stamp.time = bcd(local.tm_hour, 2) << 24 | bcd(local.tm_min, 2) << 16 |
                 bcd(local.tm_sec, 2) << 8;
    return stamp;
}

std::optional<PointStamp> PointStamp::now() {
    std::tm local{};
    if (!g_clock(local)) return std::nullopt;
    return fromLocalTime(local);
}

PointStamp PointStamp::nowOrZero() { return now().value_or(PointStamp{}); }

void PointStamp::setClock(Clock clock) { g_clock = clock ? clock : systemClock; }

}  // namespace points
