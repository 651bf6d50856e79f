// The menu bar: the menus each mode shows, item states, neighbour menus and the USB indicator.
#include <shell/gui/MenuBar.h>
#include <shell/gui/MenuResources.h>

#include <shell/CommandIds.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>

#include <testsupport/RecordingTarget.h>

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

// A popup written as "id text" items joined by " | ", separators as "-".
std::string describe(const MenuPopup& popup) {
    std::string text;
    for (const MenuItem& item : popup) {
        if (!text.empty()) text += " | ";
        text += item.IsSeparator() ? std::string("-") : std::to_string(item.id) + " " + item.text;
    }
    return text;
}

struct MenuCase {
    int menu;
    int popup;
    const char* expected;
};

class MenuTextTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuTextTest, ItemsAreExactlyAsStored) {
    EXPECT_EQ(describe(MenuResources::Popup(GetParam().menu, GetParam().popup)), GetParam().expected);
}

constexpr const char* kHelpMenu =
    "57670 Harbrook のﾍﾙﾌﾟ(&H)\tF1 | 57664 Harbrook のﾊﾞｰｼﾞｮﾝ情報(&A)... | "
    "32813 Harbrook のﾎｰﾑﾍﾟｰｼﾞ(&W)";

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuTextTest,
    ::testing::Values(
        MenuCase{139, 0,
                 "57600 転送ﾘｽﾄを新規作成(&N) | 57601 転送ﾘｽﾄを開く(&O)\tCtrl+O | "
                 "57603 転送ﾘｽﾄを保存(&S)\tCtrl+S | - | 32779 Navi/CFｶｰﾄﾞへ転送(&T) | "
                 "32805 ｵﾌﾟｼｮﾝ設定(&C) | - | 57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        MenuCase{139, 1,
                 "32798 編集(&E)\tEnter | - | 57634 ｺﾋﾟｰ(&C)\tCtrl+C | 57637 貼り付け(&P)\tCtrl+V | "
                 "- | 57632 削除(&D)\tDelete | - | 32814 新規プレイリスト追加(&P) | "
                 "32784 上へ(&U)\tAlt+↑ | 32785 下へ(&D)\tAlt+↓ | - | 32815 転送リストに追加(&A) | "
                 "32816 ｴｸｽﾌﾟﾛｰﾗ(&E) | - | 32806 ﾌﾟﾛﾊﾟﾃｨ(&R)\tAlt+Enter"},
        MenuCase{139, 2,
                 "32775 WMA/MP3転送(&T)\tF6 | 32776 ZUZ myDB編集(&E)\tF7 | "
                 "32777 登録地点ﾃﾞｰﾀ編集(&M)\tF8 | - | 32786 最新の情報に更新(&R)\tF5"},
        MenuCase{139, 3, kHelpMenu},
        MenuCase{140, 0,
                 "57600 myDBを新規作成(&N) | 57601 myDBを開く(&O)\tCtrl+O | "
                 "57603 myDBを保存(&S)\tCtrl+S | - | 32779 Navi/CFｶｰﾄﾞへ転送(&T) | "
                 "32805 ｵﾌﾟｼｮﾝ設定(&C) | - | 57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        MenuCase{140, 1,
                 "32798 編集(&E)\tEnter | - | 57635 切り取り(&T)\tCtrl+X | 57634 ｺﾋﾟｰ(&C)\tCtrl+C | "
                 "57637 貼り付け(&P)\tCtrl+V | - | 32829 削除(&D)\tShift+Ctrl+Delete | "
                 "32799 挿入(&I)\tShift+Ctrl+Insert"},
        MenuCase{140, 2,
                 "32775 WMA/MP3転送(&T)\tF6 | 32776 ZUZ myDB編集(&E)\tF7 | "
                 "32777 登録地点ﾃﾞｰﾀ編集(&M)\tF8"},
        MenuCase{140, 3, kHelpMenu},
        MenuCase{141, 0,
                 "57600 登録地点ﾃﾞｰﾀを新規作成(&N) | 32811 登録地点ﾃﾞｰﾀを新規読込み（&N）\tCtrl+N | "
                 "57601 登録地点ﾃﾞｰﾀを追加読込み（&O）\tCtrl+O | "
                 "32812 登録地点ﾃﾞｰﾀを全て保存(&A)\tCtrl+A | "
                 "57603 登録地点ﾃﾞｰﾀの新規のみを保存(&S)\tCtrl+S | - | 32821 Naviから取得(&G) | "
                 "32779 Navi/CFｶｰﾄﾞへ転送(&T) | 32805 ｵﾌﾟｼｮﾝ設定(&C) | - | "
                 "57665 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        MenuCase{141, 1,
                 "32798 編集(&E)\tEnter | - | 32808 OrvaneWebで地図表示 | "
                 "32825 OrvaneWebから地点取込み | - | 57635 切り取り(&T)\tCtrl+X | "
                 "57634 ｺﾋﾟｰ(&C)\tCtrl+C | 57637 貼り付け(&P)\tCtrl+V | - | 57632 削除(&D)\tDelete | "
                 "- | 32806 ﾌﾟﾛﾊﾟﾃｨ(&R)\tAlt+Enter"},
        MenuCase{141, 2,
                 "32775 WMA/MP3転送(&T)\tF6 | 32776 ZUZ myDB編集(&E)\tF7 | - | "
                 "32777 最新の情報に更新(&R)\tF8"},
        MenuCase{141, 3, kHelpMenu}));

TEST(MenuResourcesTest, ModesChooseTheirMenusAndOtherValuesTheDefault) {
    EXPECT_EQ(MenuResources::MenuIdForMode(0), 139);
    EXPECT_EQ(MenuResources::MenuIdForMode(1), 140);
    EXPECT_EQ(MenuResources::MenuIdForMode(2), 141);
    EXPECT_EQ(MenuResources::MenuIdForMode(3), 128);
    EXPECT_EQ(MenuResources::MenuIdForMode(-1), 128);
    EXPECT_TRUE(MenuResources::Popup(139, 4).empty());
}

class MenuBarTest : public ::testing::Test {
protected:
    MenuBarTest() {
        bar.resize(720, CMenuBar::kHeight);
        bar.show();
    }
    ~MenuBarTest() override { bar.PopupMenu()->close(); }

    testsupport::RecordingTarget frame;
    int mode = 0;
    std::set<int> enabled{32779, 57665};
    bool usb = false;
    CMenuBar bar{nullptr, &frame,
                 CMenuBar::Hooks{[this] { return mode; },
                                 [this](int id) { return enabled.count(id) > 0; },
                                 [this] { return usb; },
                                 [this](int id) -> std::optional<std::string> {
                                     if (id == 32806) return properties;
                                     return std::nullopt;
                                 }}};
    std::string properties = "新規地点登録(&N)\tAlt+Enter";
};

TEST_F(MenuBarTest, OpensTheActiveModesPopupWithTheFramesItemStates) {
    mode = 2;
    EXPECT_TRUE(bar.onCommand(32771));
    ASSERT_TRUE(bar.IsMenuOpen());
    EXPECT_TRUE(bar.MenuButton(0)->IsLatched()) << "the open menu's button shows pressed";
    const auto& entries = bar.PopupMenu()->Entries();
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(entries[6].id, 32821);
    EXPECT_FALSE(entries[6].enabled);
    EXPECT_TRUE(entries[7].enabled) << "32779";
    EXPECT_TRUE(entries[10].enabled) << "57665";
    EXPECT_FALSE(bar.onCommand(32775)) << "not a menu button";

    bar.OpenMenu(1);  // the properties item is worded by the frame's targets
    EXPECT_EQ(bar.PopupMenu()->Entries().back().text, QStringLiteral("新規地点登録(&N)\tAlt+Enter"));
}

TEST_F(MenuBarTest, ChosenItemIsPostedToTheFrameAndClosesTheMenu) {
    bar.OpenMenu(0);
    QWidget* popup = bar.PopupMenu();
    QTest::keyClick(popup, Qt::Key_Down);  // first enabled item: 32779
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(bar.IsMenuOpen());
    EXPECT_FALSE(bar.MenuButton(0)->IsLatched());
    const auto posted = frame.messages(ui::kWmCommand);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 32779u);
    EXPECT_FALSE(posted[0].sent);
}

TEST_F(MenuBarTest, ArrowKeysOpenTheNeighbourWrappingAround) {
    bar.OpenMenu(3);
    QTest::keyClick(bar.PopupMenu(), Qt::Key_Right);
    EXPECT_EQ(bar.OpenIndex(), 0);
    QTest::keyClick(bar.PopupMenu(), Qt::Key_Left);
    EXPECT_EQ(bar.OpenIndex(), 3);
    QTest::keyClick(bar.PopupMenu(), Qt::Key_Left);
    EXPECT_EQ(bar.OpenIndex(), 2);
    QTest::keyClick(bar.PopupMenu(), Qt::Key_Escape);
    EXPECT_FALSE(bar.IsMenuOpen());
    EXPECT_TRUE(frame.messages().empty());
}

TEST_F(MenuBarTest, IndicatorSlidesOneFrameAPollTowardTheState) {
    usb = true;
    for (int i = 0; i < 6; ++i) bar.StepIndicator();
    EXPECT_EQ(bar.IndicatorFrame(), 4);
    usb = false;
    bar.StepIndicator();
    bar.StepIndicator();
    EXPECT_EQ(bar.IndicatorFrame(), 2);
}

TEST(SkinPopupMenuTest, LabelShortcutAndAccessKey) {
    const QString text = QStringLiteral("転送ﾘｽﾄを開く(&O)\tCtrl+O");
    EXPECT_EQ(CSkinPopupMenu::LabelOf(text), QStringLiteral("転送ﾘｽﾄを開く(O)"));
    EXPECT_EQ(CSkinPopupMenu::ShortcutOf(text), QStringLiteral("Ctrl+O"));
    EXPECT_EQ(CSkinPopupMenu::AccessKeyOf(text), QLatin1Char('O'));
    EXPECT_EQ(CSkinPopupMenu::LabelOf(QStringLiteral("A && B")), QStringLiteral("A & B"));
    EXPECT_TRUE(CSkinPopupMenu::AccessKeyOf(QStringLiteral("OrvaneWebで地図表示")).isNull());
}

}  // namespace
