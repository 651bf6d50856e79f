#include <outside/Atlasgate.h>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

class FakeClipboard : public MapClipboard {
public:
    std::optional<std::string> content;
    std::optional<std::string> text() override { return content; }
};

class RecordingOpener : public MapUrlOpener {
public:
    std::vector<std::string> opened;
    bool usable = true;
    bool open(const std::string& url) override {
        opened.push_back(url);
        return usable;
    }
    bool available() const override { return usable; }
};

class AtlasgateTest : public ::testing::Test {
protected:
    void SetUp() override {
        CAtlasgate::SetClipboard(m_clipboard);
        CAtlasgate::SetUrlOpener(m_opener);
        CAtlasgate::Init();
    }
    void TearDown() override { CAtlasgate::Exit(); }

    // GetLonLat on `text`; {longitude, latitude}, or nothing when it fails.
    std::optional<std::pair<std::int32_t, std::int32_t>> positionOf(const std::string& text) {
        m_clipboard->content = text;
        std::int32_t longitude = 7;
        std::int32_t latitude = 7;
        if (CAtlasgate::GetLonLat(&longitude, &latitude) == 0) {
            EXPECT_EQ(longitude, 7);  // untouched on failure
            EXPECT_EQ(latitude, 7);
            return std::nullopt;
        }
        return std::make_pair(longitude, latitude);
    }

    std::shared_ptr<FakeClipboard> m_clipboard = std::make_shared<FakeClipboard>();
    std::shared_ptr<RecordingOpener> m_opener = std::make_shared<RecordingOpener>();
};

sMapLonLat convert(std::vector<int> longitude, std::vector<int> latitude) {
    sMapLonLat out{};
    EXPECT_EQ(CAtlasgate::CalcMapLonLat(longitude.data(), latitude.data(), &out), 1);
    return out;
}

TEST(CalcMapLonLat, GivesMilliarcsecondsWithExactTenths) {
    sMapLonLat corner = convert({153, 59, 59, 9}, {56, 40, 0, 0});
    EXPECT_EQ(corner.longitude, 554399900);
    EXPECT_EQ(corner.latitude, 204000000);
    sMapLonLat tokyo = convert({139, 44, 40, 9}, {35, 39, 16, 0});
    EXPECT_EQ(tokyo.longitude, 503080900);
    EXPECT_EQ(tokyo.latitude, 128356000);
    EXPECT_EQ(convert({0, 0, 0, 1}, {0, 0, 0, 0}).longitude, 100);
    EXPECT_EQ(convert({122, 0, 0, 0}, {22, 0, 0, 0}).longitude, 439200000);
    // The unit grows with the angle: the next tenth after 153°59'59.9" is larger.
    EXPECT_LT(corner.longitude, convert({154, 0, 0, 0}, {0, 0, 0, 0}).longitude);
}

TEST(CalcMapLonLat, ClampsWhatDoesNotFitAndRefusesNull) {
    int huge[4] = {INT_MAX, INT_MAX, INT_MAX, INT_MAX};
    int tiny[4] = {INT_MIN, 0, 0, 0};
    sMapLonLat out{};
    EXPECT_EQ(CAtlasgate::CalcMapLonLat(huge, tiny, &out), 0);
    EXPECT_EQ(out.longitude, INT32_MAX);
    EXPECT_EQ(out.latitude, INT32_MIN);
    EXPECT_EQ(CAtlasgate::CalcMapLonLat(nullptr, tiny, &out), 0);
    EXPECT_EQ(CAtlasgate::CalcMapLonLat(huge, tiny, nullptr), 0);
}

struct CopiedText {
    std::string text;
    std::int32_t longitude;
    std::int32_t latitude;
};

std::ostream& operator<<(std::ostream& out, const CopiedText& c) {
    return out << c.text;
}

constexpr std::int32_t kTowerLon = 503083440;  // 139.7454
constexpr std::int32_t kTowerLat = 128370960;  // 35.6586
constexpr std::int32_t kDmsLon = 503083400;    // 139°44'43.4"
constexpr std::int32_t kDmsLat = 128371000;    // 35°39'31.0"

class CopiedPositionTest : public AtlasgateTest, public ::testing::WithParamInterface<CopiedText> {};

TEST_P(CopiedPositionTest, IsRead) {
    auto position = positionOf(GetParam().text);
    ASSERT_TRUE(position);
    EXPECT_EQ(position->first, GetParam().longitude);
    EXPECT_EQ(position->second, GetParam().latitude);
}

INSTANTIATE_TEST_SUITE_P(
    PlainText, CopiedPositionTest,
    ::testing::Values(
        CopiedText{"35.6586, 139.7454", kTowerLon, kTowerLat},
        CopiedText{"  35.6586 ,\t139.7454\n", kTowerLon, kTowerLat},
        CopiedText{"35.6586° N, 139.7454° E", kTowerLon, kTowerLat},
        CopiedText{"35°39'31.0\"N 139°44'43.4\"E", kDmsLon, kDmsLat},
        CopiedText{"139°44′43.4″E, 35°39′31.0″N", kDmsLon, kDmsLat},
        CopiedText{"N 35°39'31\" E 139°44'43.4\"", kDmsLon, kDmsLat},
        CopiedText{"35.6586° 139.7454°", kTowerLon, kTowerLat},
        CopiedText{"N35°39.516' E139°44.7233'", 503083398, 128370960},
        CopiedText{"北緯35度39分31.0秒 東経139度44分43.4秒", kDmsLon, kDmsLat},
        CopiedText{"-33.8688, 151.2093", 544353480, -121927680},
        CopiedText{"33°51'07.7\"S 151°12'33.5\"E", 544353500, -121867700},
        CopiedText{"40°26'46\"N 79°58'56\"W", -287936000, 145606000},
        CopiedText{"90, -180", -648000000, 324000000},
        CopiedText{"３５．６５８６，　１３９．７４５４", kTowerLon, kTowerLat}));

INSTANTIATE_TEST_SUITE_P(
    GeoUris, CopiedPositionTest,
    ::testing::Values(CopiedText{"geo:35.6586,139.7454", kTowerLon, kTowerLat},
                      CopiedText{"GEO:35.6586,139.7454,40;u=10", kTowerLon, kTowerLat},
                      CopiedText{"geo:0,0?q=35.6586,139.7454(Tokyo Tower)", kTowerLon, kTowerLat},
                      CopiedText{"geo:0,0", 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    MapAddresses, CopiedPositionTest,
    ::testing::Values(
        CopiedText{"https://www.openstreetmap.org/#map=17/35.65860/139.74540", kTowerLon,
                   kTowerLat},
        CopiedText{"https://www.openstreetmap.org/?mlat=35.6586&mlon=139.7454#map=15/35.0/139.0",
                   kTowerLon, kTowerLat},
        CopiedText{"https://www.openstreetmap.org/search?query=35.6586%2C139.7454", kTowerLon,
                   kTowerLat},
        CopiedText{"https://www.google.com/maps/@35.6586,139.7454,17z", kTowerLon, kTowerLat},
        CopiedText{"https://www.google.com/maps/place/Tokyo+Tower/@35.65,139.74,15z/"
                   "data=!3m1!4b1!4m6!3m5!1s0x0:0x0!8m2!3d35.6586!4d139.7454",
                   kTowerLon, kTowerLat},
        CopiedText{"https://www.google.com/maps/place/35%C2%B039'31.0%22N+139%C2%B044'43.4%22E/"
                   "@35.6586,139.7454,17z",
                   kDmsLon, kDmsLat},
        CopiedText{"https://www.google.com/maps/search/35.6586,+139.7454?entry=tts", kTowerLon,
                   kTowerLat},
        CopiedText{"https://maps.google.com/?q=35.6586,139.7454", kTowerLon, kTowerLat},
        CopiedText{"https://www.google.co.jp/maps?ll=35.6586%2C139.7454&z=16", kTowerLon,
                   kTowerLat}));

class UnusableTextTest : public AtlasgateTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnusableTextTest, IsRefused) {
    EXPECT_FALSE(positionOf(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, UnusableTextTest,
    ::testing::Values("", "   ", "Tokyo Tower", "35.6586", "35.6586, 139.7454, 12",
                      "95.0, 139.0", "35.0, 181.0", "35°60'0\"N 139°0'0\"E",
                      "35.5°30'0\"N 139°E", "35°39'31'N 139°E", "35°N 139°N", "-35°N, 139°E", "nan, nan",
                      "inf, 1", "1e3, 5", "35.6.5, 139", "0x23, 0x8B", "35,6586 139,7454",
                      "geo:", "geo:abc", "https://example.com/", "https://maps.app.goo.gl/abc",
                      "https://www.openstreetmap.org/#map=17/95/139",
                      "https://www.google.com/maps/@35.6586",
                      "35.6586, 139.7454" + std::string(9000, ' ')));

// Clipboard text is whatever the user copied: mangled addresses and random bytes are refused or
// read, never more.
TEST_F(AtlasgateTest, SurvivesMangledText) {
    const std::string seeds[] = {
        "35°39'31.0\"N 139°44'43.4\"E", "geo:0,0?q=35.6586,139.7454(x)",
        "https://www.google.com/maps/place/x/@35.65,139.74,15z/data=!3d35.6586!4d139.7454",
        "https://www.openstreetmap.org/?mlat=35.6586&mlon=139.7454#map=15/35.0/139.0",
        "北緯35度39分31.0秒 東経139度44分43.4秒"};
    std::uint32_t state = 12345;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    for (int round = 0; round < 3000; ++round) {
        std::string text = seeds[next() % std::size(seeds)];
        for (int m = 0, n = 1 + next() % 6; m < n; ++m) {
            std::size_t at = next() % (text.size() + 1);
            switch (next() % 3) {
            case 0: text.insert(at, 1, static_cast<char>(next() >> 8)); break;
            case 1: if (at < text.size()) text.erase(at, 1); break;
            default: if (at < text.size()) text[at] = "0.,-'\"%/@!?&#=°NSEW 9"[next() % 22];
            }
        }
        if (auto position = positionOf(text)) {
            EXPECT_LE(std::abs(static_cast<long long>(position->first)), 648000000LL) << text;
            EXPECT_LE(std::abs(static_cast<long long>(position->second)), 324000000LL) << text;
        }
    }
}

TEST_F(AtlasgateTest, GetLonLatNeedsInitAndAClipboard) {
    m_clipboard->content = "35.6586, 139.7454";
    std::int32_t longitude = 0;
    std::int32_t latitude = 0;
    EXPECT_EQ(CAtlasgate::GetLonLat(nullptr, &latitude), 0);
    CAtlasgate::Exit();
    EXPECT_EQ(CAtlasgate::GetLonLat(&longitude, &latitude), 0);
    CAtlasgate::Init();
    EXPECT_EQ(CAtlasgate::GetLonLat(&longitude, &latitude), 0);  // Exit dropped the clipboard
    m_clipboard->content.reset();
    CAtlasgate::SetClipboard(m_clipboard);
    EXPECT_EQ(CAtlasgate::GetLonLat(&longitude, &latitude), 0);  // no text on the clipboard
}

TEST_F(AtlasgateTest, IsInstalledBetweenInitAndExitWhenUsable) {
    EXPECT_EQ(CAtlasgate::IsInstalled(), 1);
    m_opener->usable = false;
    EXPECT_EQ(CAtlasgate::IsInstalled(), 1);  // positions can still be taken
    CAtlasgate::SetClipboard(nullptr);
    EXPECT_EQ(CAtlasgate::IsInstalled(), 0);
    m_opener->usable = true;
    CAtlasgate::Exit();
    EXPECT_EQ(CAtlasgate::IsInstalled(), 0);
}

TEST_F(AtlasgateTest, CallMapOpensTheOpenStreetMapAddress) {
    EXPECT_EQ(CAtlasgate::CallMap(kTowerLon, kTowerLat, 1562), 1);
    ASSERT_EQ(m_opener->opened.size(), 1u);
    EXPECT_EQ(m_opener->opened[0],
              "https://www.openstreetmap.org/?mlat=35.6586000&mlon=139.7454000"
              "#map=16/35.6586000/139.7454000");
}

TEST_F(AtlasgateTest, CallMapZoomFollowsTheScale) {
    auto zoomOf = [this](std::int32_t scale) {
        m_opener->opened.clear();
        CAtlasgate::CallMap(kTowerLon, kTowerLat, scale);
        const std::string& url = m_opener->opened.at(0);
        std::size_t at = url.find("#map=") + 5;
        return std::stoi(url.substr(at, url.find('/', at) - at));
    };
    EXPECT_EQ(zoomOf(0), 16);
    EXPECT_EQ(zoomOf(6248), 14);
    EXPECT_EQ(zoomOf(1), 19);
    EXPECT_EQ(zoomOf(INT32_MAX), 1);
}

TEST_F(AtlasgateTest, CallMapRefusesWhatItCannotShow) {
    EXPECT_EQ(CAtlasgate::CallMap(kTowerLon, 90 * 3600000 + 1, 1562), 0);
    EXPECT_EQ(CAtlasgate::CallMap(INT32_MIN, kTowerLat, 1562), 0);
    EXPECT_TRUE(m_opener->opened.empty());
    m_opener->usable = false;
    EXPECT_EQ(CAtlasgate::CallMap(kTowerLon, kTowerLat, 1562), 0);
    CAtlasgate::Exit();
    EXPECT_EQ(CAtlasgate::CallMap(kTowerLon, kTowerLat, 1562), 0);
}

// What the map shows is what the user copies back: the address keeps every milliarcsecond.
TEST_F(AtlasgateTest, ShownAddressReadsBackExactly) {
    const std::pair<std::int32_t, std::int32_t> positions[] = {
        {kTowerLon, kTowerLat}, {1, -1}, {-1, 1}, {554399900, 204000000},
        {-648000000, -324000000}, {648000000, 324000000}, {17, 35999999}, {0, 0}};
    for (auto [longitude, latitude] : positions) {
        m_opener->opened.clear();
        ASSERT_EQ(CAtlasgate::CallMap(longitude, latitude, 1562), 1);
        auto back = positionOf(m_opener->opened.at(0));
        ASSERT_TRUE(back) << m_opener->opened[0];
        EXPECT_EQ(back->first, longitude) << m_opener->opened[0];
        EXPECT_EQ(back->second, latitude) << m_opener->opened[0];
    }
}

}  // namespace
