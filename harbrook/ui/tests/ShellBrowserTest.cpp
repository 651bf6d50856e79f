// The PC folder browser: the file list's filter, order and column texts, unreadable folders, the
// folder tree's re-reading, item id lists and folder change notices.
#include "UiTestRegistry.h"

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

#include <algorithm>

namespace {

void makeFile(const QString& path, qint64 bytes = 0) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
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

class ShellBrowserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterKeepsMusicFilesAndFoldersOnlyOffRemovableVolumes() {
        QTemporaryDir dir;
        makeMixedFolder(dir.path());
        std::vector<ShellItem> items;
        QCOMPARE(CShellFolders(std::vector<ui::Volume>())
                     .EnumFiles(dir.path(), items, CShellFolders::kSortName),
                 4);
        QCOMPARE(names(items), (QStringList{QStringLiteral("linked"), QStringLiteral("sub"),
                                            QStringLiteral("A.MP3"), QStringLiteral("b.wma")}));
        QVERIFY(items[0].isLink && items[0].isFolder);

        // On a removable volume everything that resolves is listed.
        const ui::Volume card{dir.path(), QStringLiteral("CARD"), ui::DriveType::kRemovable};
        QCOMPARE(CShellFolders(std::vector<ui::Volume>{card})
                     .EnumFiles(dir.path(), items, CShellFolders::kSortName),
                 6);
        QVERIFY(!names(items).contains(QStringLiteral("dangling.mp3")));

        QCOMPARE(CShellFolders(std::vector<ui::Volume>())
                     .EnumFiles(dir.path() + QStringLiteral("/none"), items, 0),
                 -1);
    }

    void sizeColumnShowsKilobytesRoundedUp() {
        QTemporaryDir dir;
        const qint64 sizes[] = {0, 1, 1024, 1025};
        for (qint64 size : sizes) makeFile(dir.filePath(QStringLiteral("%1.mp3").arg(size)), size);
        FileListModel model;
        QAbstractItemModelTester tester(&model);
        model.sort(FileListModel::kSize, Qt::AscendingOrder);
        QVERIFY(fill(model, dir.path()));
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row) {
            texts.push_back(model.index(row, FileListModel::kSize).data().toString());
        }
        QCOMPARE(texts, (QStringList{QStringLiteral("0 KB"), QStringLiteral("1 KB"),
                                     QStringLiteral("1 KB"), QStringLiteral("2 KB")}));
    }

    void foldersComeFirstAndDescendingIsTheExactReverse() {
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
        QVERIFY(fill(model, dir.path()));
        for (int column = 0; column < FileListModel::kColumnCount; ++column) {
            model.sort(column, Qt::AscendingOrder);
            const QStringList ascending = rows(model);
            for (int row = 0; row < 7; ++row) QCOMPARE(model.Item(row).isFolder, row < 3);
            model.sort(column, Qt::DescendingOrder);
            QStringList reversed = ascending;
            std::reverse(reversed.begin(), reversed.end());
            QCOMPARE(rows(model), reversed);
        }
        model.sort(FileListModel::kName, Qt::AscendingOrder);
        QCOMPARE(rows(model).mid(0, 3), (QStringList{QStringLiteral("alpha"), QStringLiteral("Mid"),
                                                     QStringLiteral("Zeta")}));
    }

    void unreadableFolderEmptiesTheListAndKeepsTheSelection() {
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
        QTRY_COMPARE(pane.TreeFolder(), folder);
        QCOMPARE(pane.Files()->rowCount(), 1);
        QCOMPARE(saved, CItemIdList(folder).ToHex());

        QSignalSpy filled(pane.Files(), &FileListModel::filled);
        pane.ShowFolder(dir.filePath(QStringLiteral("missing")));
        QVERIFY(filled.wait(5000));
        QCOMPARE(filled.front().front().toBool(), false);
        QCOMPARE(pane.Files()->rowCount(), 0);
        QCOMPARE(pane.CurrentFolder(), folder);
        QCOMPARE(pane.TreeFolder(), folder);
        QCOMPARE(saved, CItemIdList(folder).ToHex());
    }

    void treeRefreshKeepsTheItemsThatRemain() {
        QTemporaryDir dir;
        for (const char* name : {"a", "c", "c/deep"}) QDir(dir.path()).mkpath(QLatin1String(name));
        FolderTreeModel model(nullptr, [&dir] { return rootsAt(dir.path()); });
        QAbstractItemModelTester tester(&model);
        const QModelIndex root = model.index(0, 0);
        QCOMPARE(model.rowCount(root), 1);  // the placeholder that gives the expand button
        QSignalSpy read(&model, &FolderTreeModel::folderRead);
        model.Expand(root);
        QVERIFY(read.wait(5000));
        const QPersistentModelIndex a = model.index(0, 0, root);
        QCOMPARE(a.data().toString(), QStringLiteral("a"));
        QCOMPARE(model.rowCount(model.index(1, 0, root)), 1);  // "c" has a sub-folder

        QDir(dir.path()).mkdir(QStringLiteral("b"));
        QDir(dir.filePath(QStringLiteral("c"))).removeRecursively();
        model.Refresh();
        QVERIFY(read.wait(5000));
        QCOMPARE(model.rowCount(root), 2);
        QCOMPARE(model.index(1, 0, root).data().toString(), QStringLiteral("b"));
        QVERIFY(a.isValid());
        QCOMPARE(a.row(), 0);
    }

    void itemIdListIsSavedAsItsPathBytesInLowercaseHex() {
        QCOMPARE(CItemIdList(QStringLiteral("/M")).ToHex(), std::string("2f4d"));
        QCOMPARE(CItemIdList(QStringLiteral("/音")).ToHex(), std::string("2fe99fb3"));
        QCOMPARE(CItemIdList::FromHex("2FE99FB3").Path(), QStringLiteral("/音"));
        for (const char* bad : {"", "2f4", "2f4g", "4d", "2f004d"}) {
            QVERIFY2(CItemIdList::FromHex(bad).IsEmpty(), bad);
        }
    }

    void aWatchedFolderReportsChangesUntilDropped() {
        QTemporaryDir dir;
        testsupport::RecordingTarget target;
        CItemIdList folder(dir.path());
        QVERIFY(folder.RegisterNotify(&target));
        makeFile(dir.filePath(QStringLiteral("new.mp3")));
        QTRY_VERIFY(!target.messages(ui::ChangeNotifier::kShellChange).empty());

        folder.DropNotify();
        QTest::qWait(50);
        target.clear();
        makeFile(dir.filePath(QStringLiteral("other.mp3")));
        QTest::qWait(200);
        QVERIFY(target.messages().empty());
    }
};

HARBROOK_UI_TEST(ShellBrowserTest);
#include "ShellBrowserTest.moc"
