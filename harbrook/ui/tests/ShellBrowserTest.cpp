// The PC folder browser: the file list's filter, order and column texts, unreadable folders, the
// folder tree's re-reading, item id lists and folder change notices.
#include "UiTestSupport.h"

#include <ui/ChangeNotifier.h>
#include <ui/FileListModel.h>
#include <ui/FolderTreeModel.h>
#include <ui/ItemIdList.h>
#include <ui/PcFilePane.h>
#include <ui/ShellFolders.h>

#include <testsupport/RecordingTarget.h>

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void makeFile(const QString& path, qint64 bytes = 0) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(bytes, 'x'));
}

// The folder every filter case looks at.
void makeMixedFolder(const QString& root) {
    for (const char* name : {"A.MP3", "b.wma", "c.zip", "d.txt"}) {
        makeFile(root + QLatin1Char('/') + QLatin1String(name));
    }
    QDir(root).mkdir(QStringLiteral("sub"));
    QFile::link(root + QStringLiteral("/sub"), root + QStringLiteral("/linked"));
    QFile::link(root + QStringLiteral("/gone"), root + QStringLiteral("/dangling.mp3"));
}

QStringList names(const std::vector<ShellItem>& items) {
    QStringList out;
    for (const ShellItem& item : items) out.push_back(item.name);
    return out;
}

QStringList rows(const FileListModel& model) {
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row) out.push_back(model.Item(row).name);
    return out;
}

bool fill(FileListModel& model, const QString& folder) {
    QSignalSpy filled(&model, &FileListModel::filled);
    model.Fill(folder);
    return filled.wait(5000) && filled.front().front().toBool();
}

std::vector<ShellItem> rootsAt(const QString& path) {
    return {CShellFolders::RootItem(path, QStringLiteral("root"), QString())};
}

}  // namespace

TEST(ShellBrowserTest, FilterKeepsMusicFilesAndFoldersOnlyOffRemovableVolumes) {
    QTemporaryDir dir;
    makeMixedFolder(dir.path());
    std::vector<ShellItem> items;
    EXPECT_EQ(CShellFolders(std::vector<ui::Volume>())
                  .EnumFiles(dir.path(), items, CShellFolders::kSortName),
              4);
    EXPECT_EQ(names(items), (QStringList{QStringLiteral("linked"), QStringLiteral("sub"),
                                         QStringLiteral("A.MP3"), QStringLiteral("b.wma")}));
    ASSERT_TRUE(items[0].isLink && items[0].isFolder);

    // On a removable volume everything that resolves is listed.
    const ui::Volume card{dir.path(), QStringLiteral("CARD"), ui::DriveType::kRemovable};
    EXPECT_EQ(CShellFolders(std::vector<ui::Volume>{card})
                  .EnumFiles(dir.path(), items, CShellFolders::kSortName),
              6);
    ASSERT_TRUE(!names(items).contains(QStringLiteral("dangling.mp3")));

    EXPECT_EQ(CShellFolders(std::vector<ui::Volume>())
                  .EnumFiles(dir.path() + QStringLiteral("/none"), items, 0),
              -1);
}

TEST(ShellBrowserTest, SizeColumnShowsKilobytesRoundedUp) {
    QTemporaryDir dir;
    const qint64 sizes[] = {0, 1, 1024, 1025};
    for (qint64 size : sizes) makeFile(dir.filePath(QStringLiteral("%1.mp3").arg(size)), size);
    FileListModel model;  // in name order, which reads no sizes before the rows are shown
    QAbstractItemModelTester tester(&model);
    ASSERT_TRUE(fill(model, dir.path()));
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts.push_back(model.index(row, FileListModel::kSize).data().toString());
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("0 KB"), QStringLiteral("1 KB"),
                                  QStringLiteral("1 KB"), QStringLiteral("2 KB")}));
}

TEST(ShellBrowserTest, FoldersComeFirstAndDescendingIsTheExactReverse) {
    QTemporaryDir dir;
    for (const char* folder : {"Zeta", "alpha", "Mid"})
        QDir(dir.path()).mkdir(QLatin1String(folder));
    const struct {
        const char* name;
        qint64 size;
    } files[] = {{"b.mp3", 3000}, {"A.wma", 10}, {"c.MP3", 10}, {"0.mp3", 99999}};
    for (const auto& file : files) makeFile(dir.filePath(QLatin1String(file.name)), file.size);
    FileListModel model;
    QAbstractItemModelTester tester(&model);
    ASSERT_TRUE(fill(model, dir.path()));
    for (int column = 0; column < FileListModel::kColumnCount; ++column) {
        model.sort(column, Qt::AscendingOrder);
        const QStringList ascending = rows(model);
        for (int row = 0; row < 7; ++row) EXPECT_EQ(model.Item(row).isFolder, row < 3);
        model.sort(column, Qt::DescendingOrder);
        QStringList reversed = ascending;
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(rows(model), reversed);
    }
    model.sort(FileListModel::kName, Qt::AscendingOrder);
    EXPECT_EQ(rows(model).mid(0, 3), (QStringList{QStringLiteral("alpha"), QStringLiteral("Mid"),
                                                  QStringLiteral("Zeta")}));
}

TEST(ShellBrowserTest, UnreadableFolderEmptiesTheListAndKeepsTheSelection) {
    QTemporaryDir dir;
    makeMixedFolder(dir.path());
    const QString folder = dir.filePath(QStringLiteral("sub"));
    makeFile(folder + QStringLiteral("/x.mp3"));
    float ratio = 0.3f;
    std::vector<std::uint32_t> widths{210, 105, 170, 95};
    std::string saved;
    CPcFilePane pane(ratio, widths, saved, nullptr, [&dir] { return rootsAt(dir.path()); });
    pane.resize(600, 300);
    pane.ShowFolder(folder);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.TreeFolder() == folder; }));
    EXPECT_EQ(pane.Files()->rowCount(), 1);
    EXPECT_EQ(saved, CItemIdList(folder).ToHex());

    QSignalSpy filled(pane.Files(), &FileListModel::filled);
    pane.ShowFolder(dir.filePath(QStringLiteral("missing")));
    ASSERT_TRUE(filled.wait(5000));
    EXPECT_EQ(filled.front().front().toBool(), false);
    EXPECT_EQ(pane.Files()->rowCount(), 0);
    EXPECT_EQ(pane.CurrentFolder(), folder);
    EXPECT_EQ(pane.TreeFolder(), folder);
    EXPECT_EQ(saved, CItemIdList(folder).ToHex());
}

TEST(ShellBrowserTest, TreeRefreshKeepsTheItemsThatRemain) {
    QTemporaryDir dir;
    for (const char* name : {"a", "c", "c/deep"}) QDir(dir.path()).mkpath(QLatin1String(name));
    FolderTreeModel model(nullptr, [&dir] { return rootsAt(dir.path()); });
    QAbstractItemModelTester tester(&model);
    const QModelIndex root = model.index(0, 0);
    EXPECT_EQ(model.rowCount(root), 1);  // the placeholder that gives the expand button
    QSignalSpy read(&model, &FolderTreeModel::folderRead);
    model.Expand(root);
    ASSERT_TRUE(read.wait(5000));
    const QPersistentModelIndex a = model.index(0, 0, root);
    EXPECT_EQ(a.data().toString(), QStringLiteral("a"));
    EXPECT_EQ(model.rowCount(model.index(1, 0, root)), 1);  // "c" has a sub-folder

    QDir(dir.path()).mkdir(QStringLiteral("b"));
    QDir(dir.filePath(QStringLiteral("c"))).removeRecursively();
    model.Refresh();
    ASSERT_TRUE(read.wait(5000));
    EXPECT_EQ(model.rowCount(root), 2);
    EXPECT_EQ(model.index(1, 0, root).data().toString(), QStringLiteral("b"));
    ASSERT_TRUE(a.isValid());
    EXPECT_EQ(a.row(), 0);
}

TEST(ShellBrowserTest, ItemIdListIsSavedAsItsPathBytesInLowercaseHex) {
    EXPECT_EQ(CItemIdList(QStringLiteral("/M")).ToHex(), std::string("2f4d"));
    EXPECT_EQ(CItemIdList(QStringLiteral("/音")).ToHex(), std::string("2fe99fb3"));
    EXPECT_EQ(CItemIdList::FromHex("2FE99FB3").Path(), QStringLiteral("/音"));
    for (const char* bad : {"", "2f4", "2f4g", "4d", "2f004d"}) {
        EXPECT_TRUE(CItemIdList::FromHex(bad).IsEmpty()) << bad;
    }
}

TEST(ShellBrowserTest, AWatchedFolderReportsChangesUntilDropped) {
    QTemporaryDir dir;
    testsupport::RecordingTarget target;
    CItemIdList folder(dir.path());
    ASSERT_TRUE(folder.RegisterNotify(&target));
    makeFile(dir.filePath(QStringLiteral("new.mp3")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !target.messages(ui::ChangeNotifier::kShellChange).empty(); }));

    folder.DropNotify();
    QTest::qWait(50);
    target.clear();
    makeFile(dir.filePath(QStringLiteral("other.mp3")));
    QTest::qWait(200);
    ASSERT_TRUE(target.messages().empty());
}
