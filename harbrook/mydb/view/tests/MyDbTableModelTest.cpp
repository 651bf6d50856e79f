#include <mydb/view/MyDbTableModel.h>

#include <mydb/tests/TestRows.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using testrows::makeRow;

class MyDbTableModelTest : public ::testing::Test {
protected:
    QString cell(int item, int column) const {
        return model.data(model.index(item, column)).toString();
    }
    bool editable(int item, int column) const {
        return model.flags(model.index(item, column)).testFlag(Qt::ItemIsEditable);
    }

    CMyDbData store;
    MyDbTableModel model{store};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(MyDbTableModelTest, CellsShowWhatTheirRowKindHas) {
    store.InsertRow(0, makeRow({"#Playlist", "2", "アルバム", "あるばむ", "歌手", "ジャズ", "1999",
                                "かしゅ", "候補"}));
    store.InsertRow(1, makeRow({"#Track", "1", "曲", "", "", "", "2001", "x", "y"}));
    store.InsertRow(2, makeRow({"", "1", "hidden"}));
    model.Rebuild();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("タイトルよみ "));
    EXPECT_EQ(cell(0, 5), QStringLiteral("ジャズ"));
    EXPECT_EQ(cell(0, 7), QStringLiteral("かしゅ"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("曲"));
    EXPECT_EQ(cell(1, 6), QString());
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(model.ItemData(2), 2);
    EXPECT_EQ(model.ItemData(3), MyDbGrid::kNewRowItem);
    EXPECT_TRUE(editable(0, 8) && editable(1, 5) && editable(2, 0) && editable(3, 8));
    EXPECT_FALSE(editable(1, 6) || editable(2, 1));
}

TEST_F(MyDbTableModelTest, RebuildAddsAndRemovesItemsAtTheEnd) {
    for (int i = 0; i < 5; ++i) store.InsertRow(i, makeRow({"#Track", std::to_string(i + 1)}));
    model.Reset();
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    store.DeleteRow(0);
    store.DeleteRow(0);
    model.Rebuild();
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 4);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(cell(0, 1), QStringLiteral("3"));

    // A full store has no new-row item.
    const MyDbRow row = makeRow({"#Track", "1"});
    while (store.GetRowCount() < CMyDbData::kMaxRows) store.InsertRow(store.GetRowCount(), row);
    model.Rebuild();
    EXPECT_EQ(model.rowCount(), CMyDbData::kMaxRows);
    EXPECT_EQ(model.ItemData(CMyDbData::kMaxRows - 1), CMyDbData::kMaxRows - 1);
}

}  // namespace
