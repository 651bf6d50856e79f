#include <platform/Guid.h>

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace platform;

TEST(Guid, FreshGuidsAreVersion4AndDistinct) {
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        GUID g = createGuid();
        EXPECT_EQ(g.Data3 >> 12, 4);
        EXPECT_EQ(g.Data4[0] & 0xC0, 0x80);
        seen.insert(guidToString(g));
    }
    EXPECT_EQ(seen.size(), 1000u);
}

TEST(Guid, PrintsInWindowsFormFromLittleEndianFields) {
    GUID g{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};
    EXPECT_EQ(guidToString(g), "{01020304-0506-0708-090A-0B0C0D0E0F10}");
    const auto* bytes = reinterpret_cast<const unsigned char*>(&g);
    EXPECT_EQ(bytes[0], 0x04);  // Data1 is stored little-endian
    EXPECT_EQ(bytes[4], 0x06);
}
