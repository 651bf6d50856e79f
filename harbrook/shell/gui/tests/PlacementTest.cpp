// Where the main frame opens from the saved Position.
#include <shell/gui/FramePlacement.h>

#include <gtest/gtest.h>

namespace {

using frame_placement::InitialGeometry;

const QList<QRect> kScreens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
const QRect kPrimaryArea(0, 0, 1920, 1040);

QRect centredDefault() {
    QRect rect(0, 0, 720, 540);
    rect.moveCenter(kPrimaryArea.center());
    return rect;
}

struct PlacementCase {
    const char* name;
    WindowRect saved;
    bool kept;  // the saved rectangle is used as it is
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, KeepsOrDropsTheSavedRectangle) {
    const PlacementCase& c = GetParam();
    const QRect expected = c.kept ? frame_placement::ToQRect(c.saved) : centredDefault();
    EXPECT_EQ(InitialGeometry(c.saved, kScreens, kPrimaryArea), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Saved, PlacementTest,
    ::testing::Values(
        PlacementCase{"OnPrimary", {100, 100, 900, 700}, true},
        PlacementCase{"OnSecondScreen", {2000, 50, 2800, 650}, true},
        PlacementCase{"OnlyTopRightOnScreen", {-500, 10, 300, 610}, true},
        PlacementCase{"OnlyTopLeftOnScreen", {1800, 10, 4000, 610}, true},
        PlacementCase{"BothTopCornersAbove", {100, -700, 900, -100}, false},
        PlacementCase{"FarLeft", {-3000, 100, -2000, 700}, false},
        PlacementCase{"BelowTheScreens", {100, 1100, 900, 1700}, false},
        // The right edge is exclusive: a rectangle ending exactly at x 0 has no pixel on screen.
        PlacementCase{"EndsAtTheLeftEdge", {-800, 100, 0, 700}, false},
        PlacementCase{"AllZero", {0, 0, 0, 0}, false},
        PlacementCase{"Inverted", {900, 700, 100, 100}, false}),
    [](const ::testing::TestParamInfo<PlacementCase>& param) { return param.param.name; });

TEST(PlacementConversionTest, WindowRectRoundTrip) {
    const WindowRect rect{10, 20, 730, 560};
    EXPECT_EQ(frame_placement::ToQRect(rect), QRect(10, 20, 720, 540));
    EXPECT_EQ(frame_placement::ToWindowRect(QRect(10, 20, 720, 540)), rect);
}

}  // namespace
