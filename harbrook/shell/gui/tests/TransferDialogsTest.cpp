// The progress window (owner disabled while open, START/STOP TRANS, its texts from the progress
// messages, cancel by button or Escape) and the drive dialog (its space line and when OK may be
// pressed, the list read again on a mount change).
#include <shell/gui/DriveSelectDlg.h>
#include <shell/gui/TransferProgressDlg.h>

#include <shell/CommandIds.h>

#include <testsupport/RecordingTarget.h>
#include <testsupport/ScratchDir.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>
#include <ui/SkinRoles.h>

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using testsupport::RecordingTarget;

class TransferProgressDlgTest : public ::testing::Test {
protected:
    TransferProgressDlgTest() { ui::SkinContext::SetMainFrame(&owner, &frame); }
    ~TransferProgressDlgTest() override { ui::SkinContext::SetMainFrame(nullptr, nullptr); }
    std::vector<platform::WParam> Commands() const {
        std::vector<platform::WParam> ids;
        for (const auto& m : frame.messages(ui::kWmCommand)) ids.push_back(m.wParam);
        return ids;
    }

    QWidget owner;
    RecordingTarget frame;
    CTransferProgressDlg dialog{&owner};
};

TEST_F(TransferProgressDlgTest, OwnerIsDisabledWhileTheWindowIsOpen) {
    owner.show();
    ASSERT_TRUE(dialog.Begin(&owner, true));
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_TRUE(dialog.Counter()->isVisible());
    dialog.End();
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Commands(), (std::vector<platform::WParam>{cmd::kStartTrans, cmd::kStopTrans}));

    // An owner that was disabled before stays disabled.
    owner.setEnabled(false);
    dialog.Begin(&owner, false);
    EXPECT_FALSE(dialog.Counter()->isVisible());
    dialog.End();
    EXPECT_FALSE(owner.isEnabled());
}

TEST_F(TransferProgressDlgTest, MessagesDriveBarCounterAndPercentage) {
    dialog.Begin(&owner, true);
    dialog.SetTitle("転送中");
    dialog.SetMessage("一行目\r\r二行目");
    EXPECT_EQ(dialog.Title()->text(), QStringLiteral("転送中"));
    EXPECT_EQ(dialog.Message()->text(), QStringLiteral("一行目\n\n二行目"));
    dialog.send(0x536, 3, 0);
    dialog.send(0x537, 2, 0);
    dialog.post(0x539, 0, 50);  // from a worker: shown once pumped
    EXPECT_EQ(dialog.Bar()->value(), 20);
    dialog.Pump();
    EXPECT_EQ(dialog.Bar()->value(), 25);
    EXPECT_EQ(dialog.Percent()->text(), QStringLiteral("83 %"));
    dialog.send(0x53B, 7, 4);
    EXPECT_EQ(dialog.Counter()->text(), QStringLiteral("4 / 7"));
    dialog.send(0x53A, 200, 200);
    EXPECT_EQ(dialog.Percent()->text(), QStringLiteral("100 %"));
    dialog.End();
}

TEST_F(TransferProgressDlgTest, CancelButtonAndEscapeSetTheCancelEventAtThePump) {
    dialog.Begin(&owner, false);
    QTest::keyClick(&dialog, Qt::Key_Return);  // OK does nothing
    EXPECT_FALSE(dialog.Pump());
    auto* stop = qobject_cast<CSkinButton*>(CSkinDialog::FindItem(&dialog, 2));
    ASSERT_NE(stop, nullptr);
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_FALSE(dialog.CancelEvent().isSet());
    EXPECT_TRUE(dialog.Pump());
    EXPECT_TRUE(dialog.CancelEvent().isSet());
    EXPECT_TRUE(dialog.isVisible());
    dialog.send(0x536, 1, 0);  // a new job starts uncancelled
    EXPECT_FALSE(dialog.CancelEvent().isSet());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.Pump());
    dialog.End();
}

class DriveSelectDlgTest : public ::testing::Test {
protected:
    std::vector<ui::Volume> Volumes() const {
        return {{QString::fromStdString(cardA.path().string()), QStringLiteral("CARD_A"),
                 ui::DriveType::kRemovable},
                {QStringLiteral("/"), QStringLiteral("system"), ui::DriveType::kFixed},
                {QString::fromStdString(cardB.path().string()), QStringLiteral("CARD_B"),
                 ui::DriveType::kRemovable}};
    }
    // The row of a card (rows are in root order, and the scratch folders' names are random).
    int RowOf(const testsupport::ScratchDir& card) const {
        const QAbstractItemModel* model = dialog.List()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data(ui::role::kItemData).toString().toStdString() ==
                card.path().string())
                return row;
        }
        return -1;
    }
    std::optional<std::uint64_t> Free(const QString& root) const {
        if (root.endsWith(QString::fromStdString(cardB.path().filename().string())) && unreadable)
            return std::nullopt;
        return freeBytes;
    }

    testsupport::ScratchDir cardA, cardB;
    std::uint64_t needed = 100 << 20;
    std::uint64_t freeBytes = 300ull << 20;
    bool unreadable = false;
    CDriveSelectDlg dialog{[this](const std::string&) { return needed; }, nullptr,
                           [this] { return Volumes(); },
                           [this](const QString& root) { return Free(root); }};
};

TEST_F(DriveSelectDlgTest, SpaceLineAndOkFollowTheChosenDrive) {
    dialog.open();
    ASSERT_EQ(dialog.List()->model()->rowCount(), 2);  // the fixed disk is not offered
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.SelectRow(RowOf(cardA));
    EXPECT_EQ(dialog.SpaceLine()->text(), QStringLiteral("空き容量 300 MBytes"));
    EXPECT_TRUE(dialog.OkButton()->isEnabled());

    needed = 400ull << 20;
    dialog.SelectRow(RowOf(cardB));
    EXPECT_EQ(dialog.SpaceLine()->text(), QStringLiteral("空き容量 300 MBytes (容量が不足しています)"));
    EXPECT_FALSE(dialog.OkButton()->isEnabled());

    needed = 0;  // nothing known to be needed: any readable drive will do
    unreadable = true;
    dialog.SelectRow(RowOf(cardA));
    dialog.SelectRow(RowOf(cardB));
    EXPECT_EQ(dialog.SpaceLine()->text(), QString());
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.reject();
}

TEST_F(DriveSelectDlgTest, OkGivesTheRootAndAMountChangeClearsTheChoice) {
    dialog.open();
    dialog.SelectRow(RowOf(cardB));
    dialog.Refresh();
    EXPECT_TRUE(dialog.List()->selectionModel()->selectedRows().isEmpty());
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.SelectRow(RowOf(cardB));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCoreApplication::processEvents();  // skinned buttons deliver through the event loop
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), QString::fromStdString(cardB.folder()));
}

}  // namespace
