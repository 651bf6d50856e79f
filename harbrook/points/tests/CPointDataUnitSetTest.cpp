// The point store and the unit: the unit's file set, merging its points, what goes back to it,
// the files to fetch, and the card copy.
#include "PointStoreFixture.h"

// --- The unit set and the merge ---

struct UnitPoint {
    int slot;
    int group;
    const char* name;
    bool withFiles;  // a picture and a comment
};

class UnitSetTest : public PointStoreTest {
protected:
    // Writes the unit's own file set under `root`, as the unit would hand it over.
    void makeUnitSet(const std::string& root, std::initializer_list<UnitPoint> points) {
        fs::create_directories(root);
        const auto folders = PointFolders::underRoot(root);
        ASSERT_TRUE(folders.create());
        PointRecordFileWriter writer(kSlotCount);
        for (const auto& p : points) {
            PointRecord r;
            initNewPointRecord(r, static_cast<std::int16_t>(p.slot));
            r.group = static_cast<std::int16_t>(p.group);
            std::snprintf(r.name, sizeof r.name, "%s", p.name);
            setPointPosition(r, kLon, kLat);
            r.unit140[0] = 0x77;  // a unit field the program must carry unchanged
            if (p.withFiles) {
                std::snprintf(r.pictureName, sizeof r.pictureName, "U%03d.BMP", p.slot);
                std::snprintf(r.commentName, sizeof r.commentName, "U%03d.txt", p.slot);
                ASSERT_TRUE(PointPictureFileWriter::write(folders.imageFolder() + r.pictureName,
                                                          test::gradientPicture(4, 3)));
                writeFile(folders.detailFolder() + r.commentName, "unit comment");
            }
            writer.setEntry(p.slot, r);
            unitRecords[p.slot] = r;
        }
        ASSERT_TRUE(writer.write(folders.pointFolder() + kRecordFileName, PointStamp{}));
        PointGroupTable groups{};
        std::snprintf(groups.groups[1].name, sizeof groups.groups[1].name, "Home");
        ASSERT_TRUE(PointGroupFileWriter::write(folders.pointFolder() + kGroupFileName, groups,
                                                PointStamp{}));
    }

    void fetch(const std::string& root, int expectedCount) {
        int count = -1;
        ASSERT_TRUE(store.StageUnitFile(root, count));
        EXPECT_EQ(count, expectedCount);
        ASSERT_TRUE(store.MergeUnitPoints(root));
        store.SetTransferAllowed(true);
    }

    std::string unitRoot() const { return dir.folder() + "unit"; }
    // The work folder a transfer would make.
    std::string sendRoot() const {
        fs::create_directories(dir.folder() + "send");
        return dir.folder() + "send";
    }
    std::map<int, PointRecord> unitRecords;
};

TEST_F(UnitSetTest, MergeKeepsPcPointsWithTheirPicturesAndComments) {
    PictureHolder picture = test::gradientPicture(5, 5);
    add("saved", "pc memo", &picture);
    store.MarkSaved();
    add("changed");
    makeUnitSet(unitRoot(), {{3, 0, "slot3", false},
                             {10, 2, "unit10", true},
                             {11, 11, "owned", true},
                             {12, 1, "unit12", false}});
    fetch(unitRoot(), 2);
    EXPECT_EQ(store.ResultCode(), kPointOk);
    EXPECT_TRUE(store.IsModified());  // the merge leaves the flag as it was

    for (int slot : {3, 10, 11, 12}) EXPECT_EQ(store.GetPointState(slot), kStateOnUnit) << slot;
    PointEntry got{};
    EXPECT_EQ(store.GetPoint(3, &got), 1);
    EXPECT_EQ(store.GetPoint(11, &got), 1);
    ASSERT_EQ(store.GetPoint(10, &got), 2);
    EXPECT_STREQ(got.comment, "unit comment");
    EXPECT_EQ(got.picture->bits(), test::gradientPicture(4, 3).bits());

    ASSERT_EQ(store.GetPoint(13, &got), 2);
    EXPECT_STREQ(got.name, "saved");
    EXPECT_EQ(got.state, kStateSaved);
    EXPECT_STREQ(got.comment, "pc memo");
    EXPECT_EQ(got.picture->bits(), picture.bits());
    ASSERT_EQ(store.GetPoint(14, &got), 2);
    EXPECT_STREQ(got.name, "changed");
    EXPECT_EQ(got.state, kStateChanged);
    EXPECT_EQ(store.PointCount(), 5);  // slots 3, 10, 12 and the two PC points

    char name[CPointData::kGroupNameBytes];
    store.GetGroupName(1, name);
    EXPECT_STREQ(name, "Home");
    store.GetGroupName(2, name);
    EXPECT_EQ(platform::cp932ToUtf8(name), "グループ２");
}

TEST_F(UnitSetTest, UnitOwnedPointsGoBackToTheUnitButNeverToAPcFile) {
    makeUnitSet(unitRoot(), {{3, 0, "slot3", true}, {11, 11, "owned", true}, {20, 5, "mine", false}});
    fetch(unitRoot(), 1);
    add("new");

    ASSERT_TRUE(store.WriteForUsb(sendRoot()));
    const auto folders = PointFolders::underRoot(sendRoot());
    PointRecordFileReader sent(kSlotCount);
    ASSERT_EQ(sent.read(folders.pointFolder() + kRecordFileName), kPointOk);
    for (int slot : {3, 11, 20}) {
        PointRecord r;
        sent.entry(slot, r);
        EXPECT_EQ(std::memcmp(&r, &unitRecords[slot], sizeof r), 0) << slot;
    }
    EXPECT_EQ(fs::file_size(folders.pointFolder() + kRecordFileName), 200992u);
    EXPECT_EQ(fs::file_size(folders.pointFolder() + kGroupFileName), 948u);
    EXPECT_EQ(fs::file_size(folders.imageFolder() + kPictureIndexName), 14452u);
    EXPECT_EQ(fs::file_size(folders.detailFolder() + kCommentIndexName), 14452u);
    EXPECT_EQ(store.TransferFileNames(),
              (std::vector<std::string>{"POINTREC.V04", "POINTIMG.DAT", "U003.BMP", "U011.BMP",
                                        "POINTCMT.DAT", "U003.txt", "U011.txt", "POINTGRP.V04"}));
    // Slots 0 to 9 and groups 11 and 12 never enter an index file.
    const std::string index = readFile(folders.imageFolder() + kPictureIndexName);
    std::int16_t firstSlot;
    std::memcpy(&firstSlot, index.data() + 40, 2);
    EXPECT_EQ(firstSlot, -1);

    ASSERT_TRUE(store.WritePointFile(dir.file("pc.dat"), CPointData::kSelectListed));
    PointRecordFileReader pc(kPcEntryCount);
    ASSERT_EQ(pc.read(dir.file("pc.dat")), kPointOk);
    std::vector<std::string> names;
    for (int i = 0; i < kPcEntryCount; ++i) {
        PointRecord r;
        pc.entry(i, r);
        if (r.slot != kEmptySlot) names.push_back(r.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"new", "mine"}));  // slot order
}

TEST_F(UnitSetTest, IndexChangeCodesTellNewChangedAndUnchanged) {
    makeUnitSet(unitRoot(), {{10, 1, "kept", true}, {11, 1, "edited", true}});
    fetch(unitRoot(), 2);
    ASSERT_TRUE(store.SetComment(11, "edited comment"));
    add("new", "fresh");
    ASSERT_TRUE(store.WriteForUsb(sendRoot()));
    const std::string index =
        readFile(PointFolders::underRoot(dir.folder() + "send").detailFolder() + kCommentIndexName);
    const auto code = [&](int entry) {
        std::int16_t slot, change;
        std::memcpy(&slot, index.data() + 40 + 36 * entry, 2);
        std::memcpy(&change, index.data() + 42 + 36 * entry, 2);
        return std::make_pair(int(slot), int(change));
    };
    EXPECT_EQ(code(0), std::make_pair(10, 0));
    EXPECT_EQ(code(1), std::make_pair(11, 3));
    EXPECT_EQ(code(2), std::make_pair(12, 2));
    EXPECT_EQ(code(3).first, -1);
}

TEST_F(UnitSetTest, SendingNeedsTheUnitsPointsFirst) {
    add("a");
    EXPECT_FALSE(store.WriteForUsb(sendRoot()));
    EXPECT_EQ(store.ErrorText(), "ファイル転送できません。");
    EXPECT_FALSE(fs::exists(dir.folder() + "send/NAVIDATA"));
}

TEST_F(UnitSetTest, MergeSoftAndHardFailures) {
    int count = 0;
    EXPECT_FALSE(store.MergeUnitPoints(unitRoot()));
    EXPECT_EQ(store.ResultCode(), kRecordReadFailed);
    EXPECT_FALSE(store.StageUnitFile(unitRoot(), count));
    EXPECT_EQ(store.ResultCode(), kRecordReadFailed);

    makeUnitSet(unitRoot(), {{10, 1, "a", true}});
    const auto folders = PointFolders::underRoot(unitRoot());
    fs::remove(folders.detailFolder() + "U010.txt");
    fetch(unitRoot(), 1);
    EXPECT_EQ(store.ResultCode(), kCommentFormatWrong);
    PointEntry got{};
    ASSERT_EQ(store.GetPoint(10, &got), 2);
    EXPECT_STREQ(got.comment, "");
    EXPECT_TRUE(got.picture->hasBits());

    fs::remove(folders.pointFolder() + kGroupFileName);
    add("pc");
    ASSERT_TRUE(store.StageUnitFile(unitRoot(), count));
    EXPECT_FALSE(store.MergeUnitPoints(unitRoot()));
    EXPECT_EQ(store.ErrorText(), "グループファイルの形式が違います。");
    EXPECT_EQ(store.PointCount(), 2);  // nothing was replaced
}

TEST_F(UnitSetTest, ListsTheFilesToFetch) {
    EXPECT_EQ(store.ListUnitFiles(""), 4);
    makeUnitSet(unitRoot(), {{5, 0, "low", true}, {10, 1, "a", true}, {12, 12, "owned", true}});
    const auto folders = PointFolders::underRoot(unitRoot());
    EXPECT_EQ(store.ListUnitFiles(folders.pointFolder() + kGroupFileName), 6);
    EXPECT_EQ(store.TransferFileNames(),
              (std::vector<std::string>{"POINTREC.V04", "POINTGRP.V04", "POINTIMG.DAT", "U010.BMP",
                                        "POINTCMT.DAT", "U010.txt"}));
    EXPECT_EQ(store.ListUnitFiles(dir.folder() + "nowhere/x"), 0);
    EXPECT_EQ(store.TransferFileNames().size(), 2u);
}

// --- Card set ---

TEST_F(PointStoreTest, CardSetIsWrittenAndCopiedWithoutChangingStates) {
    PictureHolder picture = test::gradientPicture(7, 5);
    add("a", "memo", &picture);
    const std::string work = dir.folder() + "work";
    const std::string drive = dir.folder() + "card";
    fs::create_directories(work);
    fs::create_directories(drive);
    ASSERT_TRUE(store.WriteForMedia(work));
    EXPECT_EQ(store.GetPointState(10), kStateChanged);
    EXPECT_TRUE(store.IsModified());
    const auto source = PointFolders::underRoot(work);
    EXPECT_EQ(fs::file_size(source.pointFolder() + kRecordFileName), 79108u);

    ASSERT_TRUE(store.CopyToMedia(work, drive, nullptr, nullptr));
    store.SetCompletionPause(std::chrono::milliseconds(0));
    while (store.Step()) {
    }
    ASSERT_TRUE(store.Succeeded());
    const auto target = PointFolders::underRoot(drive);
    for (const auto& item : fs::recursive_directory_iterator(work)) {
        if (!item.is_regular_file()) continue;
        const auto relative = fs::relative(item.path(), work).string();
        EXPECT_EQ(readFile(drive + "/" + relative), readFile(item.path().string())) << relative;
    }
    EXPECT_TRUE(fs::exists(target.pointFolder() + kRecordFileName));

    // The estimate covers every file of the set.
    std::uint64_t written = 0;
    for (const auto& item : fs::recursive_directory_iterator(drive))
        if (item.is_regular_file())
            written += CFileaid::GetSizeOnDisk(drive.c_str(), item.file_size());
    EXPECT_EQ(store.MediaBytes(drive), written);
    EXPECT_GT(store.EstimateTransferSize(drive, 0), written);
}
