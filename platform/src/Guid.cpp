#include <platform/Guid.h>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>

namespace platform {

GUID createGuid() {
    static std::mutex mutex;
    static std::mt19937_64 engine{std::random_device{}()};
    std::uint8_t bytes[16];
    {
        std::lock_guard lock(mutex);
        for (int i = 0; i < 16; i += 8) {
            std::uint64_t v = engine();
            std::memcpy(bytes + i, &v, 8);
        }
    }
    GUID guid;
    std::memcpy(&guid, bytes, sizeof guid);
    guid.Data3 = static_cast<std::uint16_t>((guid.Data3 & 0x0FFF) | 0x4000);  // version 4
    guid.Data4[0] = static_cast<std::uint8_t>((guid.Data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    return guid;
}

std::string guidToString(const GUID& g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3],
                  g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

bool operator==(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace platform
