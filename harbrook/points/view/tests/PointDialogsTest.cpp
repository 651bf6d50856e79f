// The point entry and position dialogs: what they show, what they refuse and what they write.
#include "PointViewTestSupport.h"

#include <points/view/CommentEdit.h>
#include <points/view/LatLonDlg.h>
#include <points/view/MapPositionDlg.h>
#include <points/view/NewPointChoiceDlg.h>
#include <points/view/PointEntryDlg.h>

#include <points/CPointData.h>
#include <points/PointEntry.h>

#include <shell/AppSettings.h>
#include <shell/gui/FileDialog.h>
#include <testsupport/ScratchDir.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using pointtest::sjis;

namespace {

// Puts text into a field as typing would (QTest types ASCII only).
void type(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setModified(true);
}

// Clicks the dialog's skinned button `id` and lets its command arrive.
void press(QWidget* dialog, int id) {
    QWidget* button = CSkinDialog::FindItem(dialog, id);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

class PointEntryDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::memcpy(entry->name, "\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B   ", 13);  // padded
        std::strcpy(entry->reading, sjis("トウキョウ").c_str());
        std::strcpy(entry->comment, "one\ntwo\r\nthree");
        entry->group = 2;
        entry->picture = &holder;
        dialog.SetEntry(entry.get());
        dialog.SetGroupNames({"なし", "g1", "g2"});
        dialog.open();
        QApplication::setActiveWindow(&dialog);
    }
    void TearDown() override { CFileDialog::SetChooser({}); }
    bool closedWithOk() const { return !dialog.isVisible() && dialog.result() == 1; }

    std::unique_ptr<points::PointEntry> entry = std::make_unique<points::PointEntry>();
    points::PictureHolder holder;
    AppSettings settings;
    CPointEntryDlg dialog{settings};
    pointtest::Messages messages;
};

}  // namespace

TEST_F(PointEntryDlgTest, ShowsTheEntryAndKeepsUntouchedBytes) {
    EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("東京タワー"));
    EXPECT_EQ(dialog.Comment()->CrLfText(), QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_EQ(dialog.GroupBox()->currentIndex(), 2);
    EXPECT_EQ(dialog.Preview()->text(), QStringLiteral("No Image"));

    press(&dialog, 1);
    ASSERT_TRUE(closedWithOk());
    // Neither the name nor the comment was edited: both keep their stored bytes.
    EXPECT_EQ(std::string(entry->name), "\x93\x8C\x8B\x9E\x83\x5E\x83\x8F\x81\x5B   ");
    EXPECT_STREQ(entry->comment, "one\ntwo\r\nthree");
}

TEST_F(PointEntryDlgTest, OkNeedsANameAndRefusesTooLongFields) {
    QTest::keyClicks(dialog.NameEdit(), QStringLiteral("x"));
    dialog.NameEdit()->clear();
    EXPECT_FALSE(CSkinDialog::FindItem(&dialog, 1)->isEnabled());

    type(dialog.NameEdit(), QString(21, QChar(0x540D)));  // 21 full-width characters
    press(&dialog, 1);
    EXPECT_TRUE(dialog.isVisible());
    type(dialog.NameEdit(), QString(20, QChar(0x540D)));
    dialog.TelephoneEdit()->setText(QString(25, QLatin1Char('1')));
    press(&dialog, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.shown, (QStringList{QStringLiteral("地点名の文字数が多すぎます。"),
                                           QStringLiteral("電話番号の文字数が多すぎます。")}));

    dialog.TelephoneEdit()->setText(QString(24, QLatin1Char('1')));
    press(&dialog, 1);
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(std::string(entry->name), sjis(QString(20, QChar(0x540D)).toUtf8().constData()));
    EXPECT_EQ(std::string(entry->telephone), std::string(24, '1'));
}

TEST_F(PointEntryDlgTest, ReadingTurnsToKatakanaWhenLeftAndEnterMovesOn) {
    dialog.ReadingEdit()->setFocus();
    type(dialog.ReadingEdit(), QStringLiteral("とうきょう"));
    QTest::keyClick(dialog.ReadingEdit(), Qt::Key_Return);  // moves on, as Tab does
    EXPECT_TRUE(dialog.TelephoneEdit()->hasFocus());
    EXPECT_EQ(dialog.ReadingEdit()->text(), QStringLiteral("トウキョウ"));
    press(&dialog, 1);
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(std::string(entry->reading), sjis("トウキョウ"));
}

TEST_F(PointEntryDlgTest, PicturesAreChosenRemovedAndWrittenToTheEntry) {
    testsupport::ScratchDir dir;
    const QString file = QString::fromStdString(dir.file("wide.png"));
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(file));
    CFileDialog::SetChooser([&](QWidget*, int kind, int open, const QString&, QString& path) {
        EXPECT_EQ(kind, CFileDialog::kPicture);
        EXPECT_TRUE(open);
        path = file;
        return true;
    });
    press(&dialog, CPointEntryDlg::kBrowse);
    EXPECT_EQ(dialog.Picture().width(), 128);
    EXPECT_EQ(dialog.Picture().height(), 64);
    EXPECT_FALSE(dialog.Preview()->pixmap().isNull());
    EXPECT_EQ(settings.imgFileSpec, "wide.png");
    EXPECT_EQ(holder.hasBits(), false);  // only OK writes the entry's picture

    press(&dialog, 1);
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(holder.width(), 128);

    CPointEntryDlg again(settings);
    again.SetEntry(entry.get());
    again.open();
    EXPECT_EQ(again.Picture().width(), 128);
    press(&again, CPointEntryDlg::kRemovePicture);
    EXPECT_EQ(again.Preview()->text(), QStringLiteral("No Image"));
    press(&again, 1);
    EXPECT_FALSE(holder.hasBits());

    // A file that is no picture leaves the picture as it was.
    testsupport::writeFile(file.toStdString(), "not a picture");
    CPointEntryDlg third(settings);
    third.open();
    press(&third, CPointEntryDlg::kBrowse);
    EXPECT_FALSE(third.Picture().hasBits());
    EXPECT_EQ(messages.shown.last(), QStringLiteral("画像ファイルの読み込みに失敗しました。"));
}

TEST(CommentEditTest, KeepsAtMost4096StoredCharactersAndPastedLines) {
    CommentEdit edit;
    QGuiApplication::clipboard()->setText(QStringLiteral("a\r\nb\rc"));
    edit.paste();
    EXPECT_EQ(edit.CrLfText(), QStringLiteral("a\r\nb\r\nc"));

    edit.setPlainText(QString(4094, QLatin1Char('x')));
    edit.moveCursor(QTextCursor::End);
    edit.insertPlainText(QStringLiteral("\nyz"));  // the break counts two: only it fits
    EXPECT_EQ(CommentEdit::StoredLength(edit.toPlainText()), 4096);
    EXPECT_TRUE(edit.toPlainText().endsWith(QLatin1Char('\n')));
}

TEST(LatLonDlgTest, AcceptsOnlyPositionsWithinTheUnitsRange) {
    pointtest::Messages messages;
    points::CPointData store;
    const auto typeAndConfirm = [&store](const QStringList& values) {
        auto dialog = std::make_unique<CLatLonDlg>(store);
        dialog->open();
        for (int i = 0; i < 6; ++i) {
            QTest::keyClicks(dialog->Edit(i), values[i]);
            QTest::keyClick(dialog->Edit(i), Qt::Key_Return);  // next edit; OK in the last
        }
        QApplication::processEvents();
        return !dialog->isVisible() && dialog->result() == 1;
    };
    EXPECT_TRUE(typeAndConfirm({"56", "40", "0", "153", "59", "59.9"}));
    EXPECT_FALSE(typeAndConfirm({"56", "40", "0.1", "153", "59", "59.9"}));
    EXPECT_EQ(messages.shown,
              QStringList{QStringLiteral("緯度、経度が対応範囲外を示しています。")});
}

TEST(NewPointChoiceDlgTest, OffersTheMapOnlyWithTheBridge) {
    {
        pointtest::MapBridge bridge;
        CNewPointChoiceDlg dialog;
        dialog.open();
        EXPECT_TRUE(dialog.MapServiceOffered());
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), CNewPointChoiceDlg::kMapService);
    }
    CNewPointChoiceDlg dialog;  // the bridge has stopped
    dialog.open();
    EXPECT_FALSE(dialog.MapServiceOffered());
    QTest::keyClick(&dialog, Qt::Key_Space);
    EXPECT_EQ(dialog.result(), CNewPointChoiceDlg::kTypedPosition);
    CNewPointChoiceDlg cancelled;
    cancelled.open();
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), CNewPointChoiceDlg::kCancel);
}

TEST(MapPositionDlgTest, TakesOnlyACopiedPositionWithinRange) {
    pointtest::Messages messages;
    pointtest::MapBridge bridge;
    points::CPointData store;
    CMapPositionDlg dialog(store);
    dialog.open();
    press(&dialog, 1);
    bridge.Copy("geo:-33.8568,151.2153");  // Sydney: south of the range
    press(&dialog, 1);
    EXPECT_TRUE(dialog.isVisible());
    bridge.Copy("https://www.openstreetmap.org/#map=17/35.65858/139.74543");
    press(&dialog, 1);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(messages.shown,
              (QStringList{QStringLiteral("位置情報を取得出来ませんでした。"),
                           QStringLiteral("緯度、経度が対応範囲外を示しています。")}));
}
