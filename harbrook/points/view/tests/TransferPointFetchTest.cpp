// The point view's fetch through the transfer library's emulated unit: the unit's points arrive
// in the view, and a unit without points clears what came from it before.
#include "PointViewTestSupport.h"

#include <points/view/PointCommands.h>
#include <points/view/PointListModel.h>
#include <points/view/TransferPointFetch.h>

#include <points/CPointData.h>

#include <outside/Shuttler.h>
#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

class TransferPointFetchTest : public ::testing::Test {
protected:
    TransferPointFetchTest() {
        app->m_Settings.view = 2;
        app->m_Settings.tempFolder = 0;
        app->m_UsbState = 1;
        CShuttler::SetUnitFolder(unit.path().string());
        CShuttler::Initialize(nullptr, 0);
        commands.SetFetchFactory(
            [this] { return std::make_unique<TransferPointFetch>(*app, nullptr); });
    }
    ~TransferPointFetchTest() override {
        CShuttler::Release();
        CShuttler::SetUnitFolder({});
    }
    void UnitHolds(int points) {
        points::CPointData source;
        for (int i = 0; i < points; ++i) {
            points::PointEntry entry{};
            std::snprintf(entry.name, sizeof entry.name, "u%d", i);
            entry.longitude = 503083400;
            entry.latitude = 128371000;
            ASSERT_TRUE(source.PutPoint(source.FindFreeSlot(), &entry));
        }
        source.SetTransferAllowed(true);
        ASSERT_TRUE(source.WriteForUsb(unit.folder()));
    }

    testsupport::ScratchDir unit;
    std::unique_ptr<CAppData> app = std::make_unique<CAppData>();
    PointListModel model{app->m_PointData};
    int selected = -1;
    PointCommands commands{
        *app, model, nullptr,
        PointCommands::ListHooks{[this] { return selected; }, [this](int row) { selected = row; },
                                 [](int) { return true; }, [] {}}};
    pointtest::Messages messages;
};

TEST_F(TransferPointFetchTest, UnitPointsArriveInTheView) {
    UnitHolds(12);
    commands.onCommand(cmd::kFetch);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QStringLiteral("|")).toStdString();
    EXPECT_EQ(app->m_PointData.PointCount(), 12);
    EXPECT_EQ(model.rowCount(), 12);
    EXPECT_TRUE(app->m_PointData.IsTransferAllowed());

    // The unit's points gone: the library says so and the view forgets them.
    std::filesystem::remove_all(unit.path() / "NAVIDATA");
    commands.onCommand(cmd::kFetch);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(app->m_PointData.PointCount(), 0);
    EXPECT_FALSE(app->m_PointData.IsTransferAllowed());
}

}  // namespace
