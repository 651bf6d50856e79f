// The point store: slot states and limits, single-point edits, validation and PC work files.
#include "PointStoreFixture.h"

// --- Slots, states and limits ---

class SlotOutsideTheTableTest : public PointStoreTest, public ::testing::WithParamInterface<int> {};

TEST_P(SlotOutsideTheTableTest, EveryOperationRefusesIt) {
    const int slot = GetParam();
    PointEntry e = entry("x");
    PointClip clip{};
    EXPECT_EQ(store.GetPointState(slot), -1);
    EXPECT_FALSE(store.SetPointState(slot, 1));
    EXPECT_EQ(store.GetPoint(slot, &e), 0);
    EXPECT_EQ(e.picture, nullptr);
    EXPECT_FALSE(store.PutPoint(slot, &e));
    EXPECT_FALSE(store.DeletePoint(slot));
    EXPECT_FALSE(store.CopyPoint(slot, &clip));
    EXPECT_FALSE(store.SetComment(slot, "c"));
    EXPECT_FALSE(store.PastePoint(slot, &clip));
    EXPECT_EQ(store.ResultCode(), kGeneralError);
    EXPECT_EQ(store.PointCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Slots, SlotOutsideTheTableTest,
                         ::testing::Values(-1, 510, 4096, INT_MIN, INT_MAX));

TEST_F(PointStoreTest, SlotsBelowTenAreNeverAssignedOrEdited) {
    const PointEntry e = entry("x");
    PointClip clip{};
    EXPECT_FALSE(store.PutPoint(9, &e));
    EXPECT_FALSE(store.CopyPoint(0, &clip));
    EXPECT_FALSE(store.SetComment(5, "c"));
    EXPECT_EQ(store.FindFreeSlot(), 10);
}

TEST_F(PointStoreTest, StatesFollowEditsSavesAndSends) {
    const int a = add("a");
    EXPECT_EQ(store.GetPointState(a), kStateChanged);
    EXPECT_TRUE(store.IsModified());
    store.MarkSaved();
    EXPECT_EQ(store.GetPointState(a), kStateSaved);
    EXPECT_FALSE(store.IsModified());
    const int b = add("b");
    store.MarkSent();
    EXPECT_EQ(store.GetPointState(a), kStateOnUnit);
    EXPECT_EQ(store.GetPointState(b), kStateOnUnit);
    const PointEntry changed = entry("a2");
    ASSERT_TRUE(store.PutPoint(a, &changed));
    EXPECT_EQ(store.GetPointState(a), kStateChanged);
    EXPECT_EQ(store.PointCount(), 2);

    store.SetModified(false);
    store.DeleteUnitPoints();  // b only; the modified flag keeps its value
    EXPECT_EQ(store.GetPointState(b), kStateEmpty);
    EXPECT_EQ(store.GetPointState(a), kStateChanged);
    EXPECT_FALSE(store.IsModified());
    store.SetModified(true);
    store.DeletePcPoints();
    EXPECT_EQ(store.PointCount(), 0);
    EXPECT_FALSE(store.IsModified());

    EXPECT_FALSE(store.SetPointState(a, 4));
    EXPECT_FALSE(store.SetPointState(a, -1));
    EXPECT_TRUE(store.SetPointState(a, 2));
}

TEST_F(PointStoreTest, AddingFillsTheUnitDefaultsStampsAndNames) {
    PictureHolder picture = test::gradientPicture(6, 4);
    const PointEntry e = entry(std::string(50, 'N').c_str(), kLon, kLat, "memo", &picture, 4);
    ASSERT_TRUE(store.PutPoint(10, &e));

    PointEntry got{};
    ASSERT_EQ(store.GetPoint(10, &got), 2);
    EXPECT_EQ(got.group, 4);
    EXPECT_EQ(std::string(got.name), std::string(43, 'N'));
    EXPECT_EQ(got.longitude, kLon);
    EXPECT_EQ(got.state, kStateChanged);
    EXPECT_STREQ(got.comment, "memo");
    ASSERT_NE(got.picture, nullptr);
    EXPECT_EQ(got.picture->bits(), picture.bits());

    // The record as the files will carry it.
    PointRecordFileWriter writer(kSlotCount);
    ASSERT_TRUE(store.WritePointFile(dir.file("w.pnt"), CPointData::kSelectListed));
    PointRecordFileReader reader(kPcEntryCount);
    ASSERT_EQ(reader.read(dir.file("w.pnt")), kPointOk);
    PointRecord r;
    reader.entry(0, r);
    EXPECT_EQ(+r.unit56, static_cast<std::int32_t>(0xFFFF1226u));
    EXPECT_EQ(+r.unit370, 0x608);
    EXPECT_EQ(+r.date1, 0x20261207u);
    EXPECT_EQ(+r.time1, 0x12345600u);
    EXPECT_EQ(+r.date2, 0x20261207u);
    EXPECT_EQ(+r.time2, 0x12345600u);
    std::int32_t blockLon, blockLat;
    std::memcpy(&blockLon, r.unitBlock, 4);
    std::memcpy(&blockLat, r.unitBlock + 4, 4);
    EXPECT_EQ(blockLon, kLon);
    EXPECT_EQ(blockLat, kLat);
    EXPECT_EQ(field(r.pictureName, 32), "2026120712345600_010.BMP");
    EXPECT_EQ(field(r.commentName, 32), "2026120712345600_010.txt");
}

TEST_F(PointStoreTest, ANewPointKeepsThePictureGivenInItsSlotsOwnHolder) {
    // The entry dialog writes a new point's picture into the holder GetPoint handed out.
    const int slot = store.FindFreeSlot();
    PointEntry e{};
    ASSERT_EQ(store.GetPoint(slot, &e), 1);
    e.picture->copyFrom(test::gradientPicture(6, 4));
    std::snprintf(e.name, sizeof e.name, "new");
    ASSERT_TRUE(store.PutPoint(slot, &e));
    PointEntry got{};
    ASSERT_EQ(store.GetPoint(slot, &got), 2);
    EXPECT_EQ(got.picture->bits(), test::gradientPicture(6, 4).bits());
    EXPECT_TRUE(store.IsListed(slot));
    EXPECT_FALSE(store.IsListed(slot + 1));
}

TEST_F(PointStoreTest, TwoHundredPointsIsTheLimit) {
    fill(199);
    EXPECT_TRUE(store.CanAddPoints(1));
    EXPECT_FALSE(store.CanAddPoints(2));
    EXPECT_EQ(store.ResultCode(), kTooManyRecords);
    const int last = add("last");
    EXPECT_EQ(last, 209);
    EXPECT_EQ(store.PointCount(), 200);

    EXPECT_EQ(store.FindFreeSlot(), -1);
    EXPECT_EQ(store.ErrorText(), "レコード数上限です。");
    const PointEntry e = entry("over");
    EXPECT_FALSE(store.PutPoint(300, &e));
    PointClip clip{};
    ASSERT_TRUE(store.CopyPoint(10, &clip));
    EXPECT_FALSE(store.PastePoint(300, &clip));
    EXPECT_EQ(store.ResultCode(), kRecordLimit);

    // Unit points do not count against what may be added beside the PC points.
    for (int slot = 10; slot < 110; ++slot) store.SetPointState(slot, kStateOnUnit);
    EXPECT_TRUE(store.CanAddPoints(100));
    EXPECT_FALSE(store.CanAddPoints(101));
}

TEST_F(PointStoreTest, CopyAndPasteMakeAnIndependentPoint) {
    PictureHolder picture = test::gradientPicture(3, 2);
    const int from = add("orig", "comment", &picture);
    PointClip clip{};
    ASSERT_TRUE(store.CopyPoint(from, &clip));
    ASSERT_NE(clip.picture, nullptr);
    EXPECT_STREQ(clip.comment, "comment");
    store.MarkSaved();
    const int to = store.FindFreeSlot();
    ASSERT_TRUE(store.PastePoint(to, &clip));
    ASSERT_TRUE(store.PastePoint(store.FindFreeSlot(), &clip));  // the clip stays usable
    EXPECT_EQ(store.GetPointState(to), kStateChanged);
    EXPECT_TRUE(store.IsModified());
    PointEntry got{};
    ASSERT_EQ(store.GetPoint(to, &got), 2);
    EXPECT_STREQ(got.name, "orig");
    EXPECT_STREQ(got.comment, "comment");
    EXPECT_EQ(got.picture->bits(), picture.bits());
    ASSERT_TRUE(store.DeletePoint(from));
    EXPECT_EQ(store.GetPoint(to, &got), 2);  // nothing shared with the deleted point
    EXPECT_EQ(store.PointCount(), 2);
}

TEST_F(PointStoreTest, CommentsKeepAt4096Bytes) {
    const int slot = add("c");
    ASSERT_TRUE(store.SetComment(slot, std::string(5000, 'x').c_str()));
    PointEntry got{};
    store.GetPoint(slot, &got);
    EXPECT_EQ(std::strlen(got.comment), 4096u);
    ASSERT_TRUE(store.SetComment(slot, ""));
    store.GetPoint(slot, &got);
    EXPECT_STREQ(got.comment, "");
}

TEST_F(PointStoreTest, GroupNamesDefaultUntilTheUnitNamesThem) {
    char name[CPointData::kGroupNameBytes];
    ASSERT_TRUE(store.GetGroupName(0, name));
    EXPECT_EQ(platform::cp932ToUtf8(name), "グループなし");
    ASSERT_TRUE(store.GetGroupName(10, name));
    EXPECT_EQ(platform::cp932ToUtf8(name), "グループ１０");
    EXPECT_FALSE(store.GetGroupName(11, name));
    EXPECT_FALSE(store.GetGroupName(-1, name));
    EXPECT_FALSE(store.GetGroupName(1, nullptr));
}

// --- Validation ---

struct ValidationCase {
    const char* what;
    const char* name;
    std::int32_t lon, lat;
    int code;
};

class ValidationTest : public PointStoreTest, public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(ValidationTest, FirstFailingPointDecides) {
    const auto& c = GetParam();
    add("fine");
    const PointEntry e = entry(c.name, c.lon, c.lat);
    ASSERT_TRUE(store.PutPoint(store.FindFreeSlot(), &e));
    EXPECT_EQ(store.Check(1), c.code == kPointOk);
    if (c.code != kPointOk) {
        EXPECT_EQ(store.ResultCode(), c.code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidationTest,
    ::testing::Values(ValidationCase{"lowerCorner", "a", kMinLon, kMinLat, kPointOk},
                      ValidationCase{"upperCorner", "a", kMaxLon, kMaxLat, kPointOk},
                      ValidationCase{"westOfRange", "a", kMinLon - 1, kLat, kPointOutOfRange},
                      ValidationCase{"eastOfRange", "a", kMaxLon + 1, kLat, kPointOutOfRange},
                      ValidationCase{"southOfRange", "a", kLon, kMinLat - 1, kPointOutOfRange},
                      ValidationCase{"northOfRange", "a", kLon, kMaxLat + 1, kPointOutOfRange},
                      ValidationCase{"noName", "", kLon, kLat, kNameMissing},
                      ValidationCase{"positionBeforeName", "", 0, 0, kPointOutOfRange}),
    [](const auto& tp) { return std::string(tp.param.what); });

TEST_F(PointStoreTest, OutOfRangeMessageNamesThePointAndNothingIsWritten) {
    const PointEntry e = entry("\x93\x8C\x8B\x9E", kMinLon - 1, kLat);  // 東京
    ASSERT_TRUE(store.PutPoint(10, &e));
    EXPECT_FALSE(store.Check(2));
    EXPECT_EQ(store.ErrorText(), "地点「東京」に範囲外の緯度・経度が設定されています");
    EXPECT_FALSE(store.CheckPosition(kMinLon - 1, kLat));
    EXPECT_EQ(store.ErrorText(), "緯度・経度に範囲外の値が設定されています。");

    // Unit-owned groups are not validated.
    ASSERT_TRUE(store.DeletePoint(10));
    const PointEntry owned = entry("", 0, 0, "", nullptr, 11);
    ASSERT_TRUE(store.PutPoint(10, &owned));
    EXPECT_TRUE(store.Check(1));
}

// --- PC work files ---

TEST_F(PointStoreTest, WorkFileHoldsTheListedPointsPackedWithTheirFiles) {
    PictureHolder picture = test::gradientPicture(5, 3);
    add("a", "one\r\ntwo", &picture);
    const int gap = add("gap");
    add("b");
    ASSERT_TRUE(store.DeletePoint(gap));
    const std::string path = dir.file("points.dat");
    ASSERT_TRUE(store.WritePointFile(path, CPointData::kSelectListed));
    EXPECT_EQ(store.GetPointState(10), kStateSaved);
    EXPECT_FALSE(store.IsModified());

    // Expected bytes: the two records with slot numbers 0 and 1, stamped by the fixed clock.
    PointRecordFileWriter expected(kPcEntryCount);
    PointRecordFileReader readBack(kPcEntryCount);
    ASSERT_EQ(readBack.read(path), kPointOk);
    PointRecord r0, r1;
    readBack.entry(0, r0);
    readBack.entry(1, r1);
    EXPECT_EQ(+r0.slot, 0);
    EXPECT_EQ(+r1.slot, 1);
    EXPECT_STREQ(r1.name, "b");
    expected.setEntry(0, r0);
    expected.setEntry(1, r1);
    const auto want = expected.bytes(PointStamp{0x20261207, 0x12345600});
    EXPECT_EQ(readFile(path), std::string(want.begin(), want.end()));

    EXPECT_EQ(readFile(dir.folder() + "DETAIL/" + field(r0.commentName, 32)), "one\r\ntwo");
    const auto bmp = PointPictureFileWriter::bytes(picture);
    EXPECT_EQ(readFile(dir.folder() + "IMG/" + field(r0.pictureName, 32)),
              std::string(bmp.begin(), bmp.end()));

    // Saving only the changed points right after a save writes none.
    ASSERT_TRUE(store.WritePointFile(dir.file("changed.dat"), CPointData::kSelectChanged));
    PointRecordFileReader empty(kPcEntryCount);
    ASSERT_EQ(empty.read(dir.file("changed.dat")), kPointOk);
    PointRecord none;
    empty.entry(0, none);
    EXPECT_EQ(+none.slot, kEmptySlot);
}

TEST_F(PointStoreTest, WorkFileReadsBackIntoFreeSlots) {
    PictureHolder picture = test::gradientPicture(5, 3);
    add("a", "memo", &picture);
    add("b");
    ASSERT_TRUE(store.WritePointFile(dir.file("p.dat"), CPointData::kSelectListed));

    auto other = std::make_unique<CPointData>();
    const PointEntry e = entry("already here");
    ASSERT_TRUE(other->PutPoint(10, &e));
    ASSERT_TRUE(other->ReadPointFile(dir.file("p.dat"), CPointData::kAddToPcPoints));
    EXPECT_EQ(other->ResultCode(), kPointOk);
    EXPECT_FALSE(other->IsModified());
    PointEntry got{};
    ASSERT_EQ(other->GetPoint(11, &got), 2);
    EXPECT_STREQ(got.name, "a");
    EXPECT_STREQ(got.comment, "memo");
    EXPECT_EQ(got.state, kStateSaved);
    EXPECT_EQ(got.picture->bits(), picture.bits());
    ASSERT_EQ(other->GetPoint(12, &got), 2);
    EXPECT_STREQ(got.name, "b");
    EXPECT_EQ(other->PointCount(), 3);

    ASSERT_TRUE(other->ReadPointFile(dir.file("p.dat"), CPointData::kReplacePcPoints));
    EXPECT_EQ(other->PointCount(), 2);
    EXPECT_EQ(other->GetPoint(10, &got), 2);
    EXPECT_STREQ(got.name, "a");
}

TEST_F(PointStoreTest, ReadingIsRefusedWhenTheLimitWouldBeExceeded) {
    fill(200);
    ASSERT_TRUE(store.WritePointFile(dir.file("full.dat"), CPointData::kSelectListed));
    store.DeletePcPoints();
    fill(199);
    ASSERT_TRUE(store.WritePointFile(dir.file("199.dat"), CPointData::kSelectListed));

    auto other = std::make_unique<CPointData>();
    const PointEntry e = entry("pc");
    ASSERT_TRUE(other->PutPoint(10, &e));
    EXPECT_FALSE(other->ReadPointFile(dir.file("full.dat"), CPointData::kAddToPcPoints));
    EXPECT_EQ(other->ResultCode(), kTooManyRecords);
    EXPECT_EQ(other->PointCount(), 1);
    EXPECT_TRUE(other->IsModified());

    // Mode 0 drops the PC points but keeps (and counts) the unit's.
    EXPECT_TRUE(other->ReadPointFile(dir.file("full.dat"), CPointData::kReplacePcPoints));
    EXPECT_EQ(other->PointCount(), 200);
    other->DeletePcPoints();
    ASSERT_TRUE(other->PutPoint(10, &e));
    other->SetPointState(10, kStateOnUnit);
    EXPECT_FALSE(other->ReadPointFile(dir.file("full.dat"), CPointData::kReplacePcPoints));
    EXPECT_EQ(other->ResultCode(), kTooManyRecords);
    EXPECT_TRUE(other->ReadPointFile(dir.file("199.dat"), CPointData::kReplacePcPoints));
    EXPECT_EQ(other->PointCount(), 200);
    EXPECT_EQ(other->GetPointState(10), kStateOnUnit);
}

TEST_F(PointStoreTest, MissingCommentOrPictureIsDroppedAndTheReadSucceeds) {
    PictureHolder picture = test::gradientPicture(2, 2);
    add("a", "memo", &picture);
    ASSERT_TRUE(store.WritePointFile(dir.file("p.dat"), CPointData::kSelectListed));
    fs::remove_all(dir.folder() + "DETAIL");
    auto other = std::make_unique<CPointData>();
    ASSERT_TRUE(other->ReadPointFile(dir.file("p.dat"), CPointData::kReplacePcPoints));
    EXPECT_EQ(other->ResultCode(), kCommentFormatWrong);
    PointEntry got{};
    ASSERT_EQ(other->GetPoint(10, &got), 2);
    EXPECT_STREQ(got.comment, "");
    EXPECT_TRUE(got.picture->hasBits());

    fs::remove_all(dir.folder() + "IMG");
    ASSERT_TRUE(other->ReadPointFile(dir.file("p.dat"), CPointData::kReplacePcPoints));
    EXPECT_EQ(other->ResultCode(), kPictureFormatWrong);
    ASSERT_EQ(other->GetPoint(10, &got), 2);
    EXPECT_FALSE(got.picture->hasBits());
}

TEST_F(PointStoreTest, CommentFilesWithBareLineFeedsReadWithCrLf) {
    add("a", "x");
    ASSERT_TRUE(store.WritePointFile(dir.file("p.dat"), CPointData::kSelectListed));
    for (const auto& item : fs::directory_iterator(dir.folder() + "DETAIL"))
        writeFile(item.path().string(), "one\ntwo\n");
    ASSERT_TRUE(store.ReadPointFile(dir.file("p.dat"), CPointData::kReplacePcPoints));
    PointEntry got{};
    store.GetPoint(10, &got);
    EXPECT_STREQ(got.comment, "one\r\ntwo\r\n");
}

TEST_F(PointStoreTest, FailedSaveKeepsThePreviousFile) {
    add("a", "memo");
    const std::string path = dir.file("p.dat");
    writeFile(path, "previous");
    writeFile(dir.folder() + "IMG", "a file where the folder should be");
    EXPECT_FALSE(store.WritePointFile(path, CPointData::kSelectListed));
    EXPECT_EQ(store.ResultCode(), kRecordSaveFailed);
    EXPECT_EQ(readFile(path), "previous");
    EXPECT_EQ(store.GetPointState(10), kStateChanged);
}

TEST_F(PointStoreTest, BadArgumentsAndBrokenFilesGiveTheirCodes) {
    EXPECT_FALSE(store.ReadPointFile("", 0));
    EXPECT_EQ(store.ResultCode(), kFileNotFound);
    EXPECT_FALSE(store.ReadPointFile(dir.file("x"), 2));
    EXPECT_EQ(store.ResultCode(), kRecordReadFailed);
    EXPECT_FALSE(store.ReadPointFile(dir.file("missing"), 0));
    EXPECT_EQ(store.ResultCode(), kRecordReadFailed);
    writeFile(dir.file("group.dat"), std::string(79108, '\0'));
    EXPECT_FALSE(store.ReadPointFile(dir.file("group.dat"), 0));
    EXPECT_EQ(store.ResultCode(), kRecordFileBroken);
    EXPECT_EQ(store.ErrorText(), "地点レコードファイルが壊れています。");
    EXPECT_FALSE(store.WritePointFile(dir.file("x"), 12));
    EXPECT_EQ(store.ResultCode(), kRecordSaveFailed);
    EXPECT_FALSE(store.WritePointFile("", 10));
}
