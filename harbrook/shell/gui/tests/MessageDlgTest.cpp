#include <shell/gui/MessageDlg.h>

#include <ui/SkinButton.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    int type;
    int enter;
    int escape;
};

class MessageDlgKeys : public ::testing::TestWithParam<KeyCase> {};

int answerWithKey(int type, Qt::Key key) {
    CMessageDlg dialog(QStringLiteral("テキスト"), type);
    dialog.open();
    QTest::keyClick(&dialog, key);
    return dialog.isVisible() ? -1 : dialog.result();
}

}  // namespace

TEST_P(MessageDlgKeys, EnterAndEscapeAnswerAsTheTypeSays) {
    const KeyCase c = GetParam();
    EXPECT_EQ(answerWithKey(c.type, Qt::Key_Return), c.enter);
    EXPECT_EQ(answerWithKey(c.type, Qt::Key_Escape), c.escape);
    EXPECT_EQ(CMessageDlg::EnterResult(c.type), c.enter);
    EXPECT_EQ(CMessageDlg::EscapeResult(c.type), c.escape);
}

INSTANTIATE_TEST_SUITE_P(Types, MessageDlgKeys,
                         ::testing::Values(KeyCase{0, 1, 1}, KeyCase{1, 1, 2}, KeyCase{3, 6, 2},
                                           KeyCase{4, 6, 7}));

namespace {

struct ButtonCase {
    int type;
    const char* caption;
    int item;
    int result;
};

class MessageDlgButtons : public ::testing::TestWithParam<ButtonCase> {};

}  // namespace

TEST_P(MessageDlgButtons, EachShownButtonGivesItsResult) {
    const ButtonCase c = GetParam();
    CMessageDlg dialog(QStringLiteral("一行目\r二行目"), c.type);
    dialog.open();
    EXPECT_EQ(dialog.Caption(), QString::fromUtf8(c.caption));
    auto* button = qobject_cast<CSkinButton*>(CSkinDialog::FindItem(&dialog, c.item));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageDlgButtons,
    ::testing::Values(ButtonCase{0, "メッセージ", 1039, 1}, ButtonCase{1, "確認", 1043, 1},
                      ButtonCase{1, "確認", 1042, 2}, ButtonCase{3, "問い合わせ", 1040, 6},
                      ButtonCase{3, "問い合わせ", 1039, 7}, ButtonCase{3, "問い合わせ", 1041, 2},
                      ButtonCase{4, "問い合わせ", 1043, 6}, ButtonCase{4, "問い合わせ", 1042, 7}));

TEST(MessageDlg, OnlyTheTypesButtonsAreShownAndLineBreaksAreKept) {
    CMessageDlg dialog(QStringLiteral("作業フォルダが見つかりません。\r\r作成しますか？"),
                       CMessageDlg::kYesNo);
    dialog.open();
    for (int item : {1039, 1040, 1041}) {
        QWidget* hidden = CSkinDialog::FindItem(&dialog, item);
        EXPECT_TRUE(hidden == nullptr || !hidden->isVisible()) << item;
    }
    auto* text = qobject_cast<QLabel*>(CSkinDialog::FindItem(&dialog, CMessageDlg::kTextItem));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("作業フォルダが見つかりません。\n\n作成しますか？"));
    dialog.reject();
    EXPECT_EQ(dialog.result(), CMessageDlg::kNo);  // closing answers as Escape
}

TEST(MessageDlg, EmptyTextAnswersOkWithoutShowingAnything) {
    int asked = 0;
    SetMessageDlgResponder([&](const QString&, int) {
        ++asked;
        return 7;
    });
    EXPECT_EQ(ShowMessage(QString(), CMessageDlg::kYesNo), 1);
    EXPECT_EQ(ShowCp932Message("", CMessageDlg::kYesNoCancel), 1);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(ShowCp932Message("\x82\xa0", CMessageDlg::kYesNo), 7);  // "あ" in CP932
    EXPECT_EQ(asked, 1);
    SetMessageDlgResponder({});
}
