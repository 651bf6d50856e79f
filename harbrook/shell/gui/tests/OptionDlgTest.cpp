#include <shell/AppSettings.h>
#include <shell/gui/FolderDialog.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/OptionDlg.h>

#include <testsupport/ScratchDir.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Records the messages the dialog shows and answers questions with `answer`.
class OptionDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageDlgResponder([this](const QString& text, int type) {
            messages.append(text);
            return type == CMessageDlg::kYesNo ? answer : CMessageDlg::kOk;
        });
    }
    void TearDown() override {
        SetMessageDlgResponder({});
        CFolderDialog::SetChooser({});
    }

    // Ticks the work folder, types `folder` and presses OK; true when the dialog closed.
    bool PressOkWithFolder(const QString& folder) {
        dialog.Check(COptionDlg::kTempFolder)->setChecked(true);
        dialog.FolderEdit()->setText(folder);
        dialog.open();
        QTest::keyClick(&dialog, Qt::Key_Return);
        return !dialog.isVisible() && dialog.result() == QDialog::Accepted;
    }
    QString Root() const { return QString::fromStdString(scratch.path().string()); }

    testsupport::ScratchDir scratch;
    AppSettings settings;
    COptionDlg dialog{settings};
    QStringList messages;
    int answer = CMessageDlg::kYes;
};

const QString kTooLong = QStringLiteral("ファイルパスが長すぎます。");
const QString kNotAFolder = QStringLiteral("有効なフォルダ名ではありません。");
const QString kAskCreate = QStringLiteral("作業フォルダが見つかりません。\r\r作成しますか？");
const QString kCreateFailed = QStringLiteral("作成出来ませんでした。");

// An existing folder whose path is exactly `length` bytes long.
QString folderOfLength(const QString& root, int length) {
    QString path = root + QStringLiteral("/");
    path += QString(length - path.size(), QLatin1Char('d'));
    QDir().mkpath(path);
    return path;
}

}  // namespace

TEST_F(OptionDlgTest, OpensWithTheSettingsAndTheFolderFollowsItsSwitch) {
    settings.sound = 0;
    settings.autoSort = 1;
    settings.tempFolder = 0;
    settings.tempFolderPath = "/tmp/work/";
    COptionDlg fresh(settings);
    EXPECT_FALSE(fresh.Check(COptionDlg::kSound)->isChecked());
    EXPECT_TRUE(fresh.Check(COptionDlg::kAutoSort)->isChecked());
    EXPECT_EQ(fresh.FolderEdit()->text(), QStringLiteral("/tmp/work/"));
    EXPECT_FALSE(fresh.FolderEdit()->isEnabled());
    EXPECT_FALSE(CSkinDialog::FindItem(&fresh, COptionDlg::kBrowse)->isEnabled());
    fresh.Check(COptionDlg::kTempFolder)->setChecked(true);
    EXPECT_TRUE(fresh.FolderEdit()->isEnabled());
    EXPECT_TRUE(CSkinDialog::FindItem(&fresh, COptionDlg::kBrowse)->isEnabled());
}

TEST_F(OptionDlgTest, WithoutTheWorkFolderOkStoresEverythingUnchecked) {
    dialog.Check(COptionDlg::kAnimation)->setChecked(false);
    dialog.Check(COptionDlg::kWithDj)->setChecked(false);
    dialog.FolderEdit()->setText(QStringLiteral("not a folder"));
    dialog.open();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(settings.animation, 0);
    EXPECT_EQ(settings.withDJ, 0);
    EXPECT_EQ(settings.tempFolder, 0);
    EXPECT_EQ(settings.tempFolderPath, "not a folder/");
}

TEST_F(OptionDlgTest, TheLongestAcceptedFolderIs194Bytes) {
    const QString folder = folderOfLength(Root(), 194);
    ASSERT_TRUE(PressOkWithFolder(folder));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(settings.tempFolder, 1);
    EXPECT_EQ(QString::fromStdString(settings.tempFolderPath), folder + QLatin1Char('/'));
}

TEST_F(OptionDlgTest, A195ByteFolderIsRefusedAndNothingIsStored) {
    EXPECT_FALSE(PressOkWithFolder(folderOfLength(Root(), 195)));
    EXPECT_EQ(messages, QStringList{kTooLong});
    EXPECT_EQ(settings.tempFolder, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(OptionDlgTest, NamesThatAreNotFoldersAreRefused) {
    for (const char* name : {"work", "./work", "~user/work", "//server", "///", "C:\\work"}) {
        messages.clear();
        EXPECT_FALSE(PressOkWithFolder(QString::fromUtf8(name))) << name;
        EXPECT_EQ(messages, QStringList{kNotAFolder}) << name;
    }
}

TEST_F(OptionDlgTest, NetworkNamesPassTheNameCheck) {
    answer = CMessageDlg::kNo;
    EXPECT_FALSE(PressOkWithFolder(QStringLiteral("//server/share/harbrook-absent")));
    EXPECT_EQ(messages, QStringList{kAskCreate});
}

TEST_F(OptionDlgTest, AnsweringNoCreatesNothingAndKeepsTheDialogOpen) {
    answer = CMessageDlg::kNo;
    const QString folder = Root() + QStringLiteral("/new/inner");
    EXPECT_FALSE(PressOkWithFolder(QStringLiteral("  ") + folder + QStringLiteral("  ")));
    EXPECT_EQ(messages, QStringList{kAskCreate});
    EXPECT_FALSE(QFileInfo::exists(Root() + QStringLiteral("/new")));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(OptionDlgTest, AnsweringYesCreatesTheFolderWithItsParentsAndStoresIt) {
    const QString folder = Root() + QStringLiteral("/new/作業");
    ASSERT_TRUE(PressOkWithFolder(QStringLiteral(" ") + folder + QStringLiteral("/ ")));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QString::fromStdString(settings.tempFolderPath), folder + QLatin1Char('/'));
}

TEST_F(OptionDlgTest, AFolderThatCannotBeMadeIsReported) {
    const QString blocker = Root() + QStringLiteral("/file");
    testsupport::writeFile(blocker.toStdString(), "x");
    EXPECT_FALSE(PressOkWithFolder(blocker + QStringLiteral("/inner")));
    EXPECT_EQ(messages, (QStringList{kAskCreate, kCreateFailed}));
    EXPECT_EQ(settings.tempFolder, 0);
}

TEST_F(OptionDlgTest, HomeFolderShorthandIsExpanded) {
    QString folder;
    ASSERT_TRUE(COptionDlg::ValidateFolder(QStringLiteral("~/"), folder));
    EXPECT_EQ(folder, QDir::homePath());
}

TEST_F(OptionDlgTest, BrowseFillsTheEditOnlyWhenAFolderIsChosen) {
    QString offered;
    bool choose = false;
    CFolderDialog::SetChooser([&](QWidget*, QString& folder) {
        offered = folder;
        folder = QStringLiteral("/chosen");
        return choose;
    });
    dialog.Check(COptionDlg::kTempFolder)->setChecked(true);
    dialog.FolderEdit()->setText(QString(300, QLatin1Char('x')));
    dialog.open();
    auto* browse = CSkinDialog::FindItem(&dialog, COptionDlg::kBrowse);
    QTest::mouseClick(browse, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(offered.size(), 259);
    EXPECT_EQ(dialog.FolderEdit()->text().size(), 300);
    choose = true;
    QTest::mouseClick(browse, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(dialog.FolderEdit()->text(), QStringLiteral("/chosen"));
}

TEST_F(OptionDlgTest, CancelStoresNothing) {
    dialog.Check(COptionDlg::kSound)->setChecked(false);
    dialog.open();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(settings.sound, 1);
}
