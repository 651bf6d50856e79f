#pragma once
// GUIDs in the Windows memory layout, as the unit's files store them.
#include <cstdint>
#include <string>

namespace platform {

#pragma pack(push, 1)
struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
#pragma pack(pop)
static_assert(sizeof(GUID) == 16);

// A fresh random (version 4, RFC 4122 variant) GUID.
GUID createGuid();

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" as Windows prints it.
std::string guidToString(const GUID& guid);

bool operator==(const GUID& a, const GUID& b);

}  // namespace platform
