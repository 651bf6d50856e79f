// The point store: slot states and limits, single-point edits, validation, PC work files, the
// unit set, merging the unit's points, estimates and the card copy.
#include <points/CPointData.h>
#include <points/PointFileNames.h>
#include <points/PointFolders.h>
#include <points/PointGroupFileWriter.h>
#include <points/PointPictureFileWriter.h>
#include <points/PointRecordFileReader.h>
#include <points/PointRecordFileWriter.h>
#include <points/PointResult.h>

#include "TestPictures.h"

#include <outside/Fileaid.h>
#include <platform/Cp932.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

using namespace points;
using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeFile;
namespace fs = std::filesystem;

namespace {

// Tokyo Tower in milliarcseconds, and the corners of the accepted range.
constexpr std::int32_t kLon = 503083400, kLat = 128371000;
constexpr std::int32_t kMinLon = 122 * 3600000, kMinLat = 22 * 3600000;
constexpr std::int32_t kMaxLon = 554399900, kMaxLat = 204000000;

bool fixedClock(std::tm& t) {
    t = std::tm{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 12;
    t.tm_min = 34;
    t.tm_sec = 56;
    return true;
}

std::string field(const char* text, std::size_t size) {
    return std::string(platform::fieldText(text, size));
}

}  // namespace

class PointStoreTest : public ::testing::Test {
protected:
    void SetUp() override { PointStamp::setClock(fixedClock); }
    void TearDown() override { PointStamp::setClock(nullptr); }

    static PointEntry entry(const char* name, std::int32_t lon = kLon, std::int32_t lat = kLat,
                            const char* comment = "", PictureHolder* picture = nullptr,
                            int group = 1) {
        PointEntry e{};
        e.group = static_cast<std::int16_t>(group);
        std::snprintf(e.name, sizeof e.name, "%s", name);
        std::snprintf(e.reading, sizeof e.reading, "%s", "\x83\x5E\x83\x8F\x81\x5B");
        std::snprintf(e.telephone, sizeof e.telephone, "03-3433-5111");
        e.longitude = lon;
        e.latitude = lat;
        e.picture = picture;
        std::snprintf(e.comment, sizeof e.comment, "%s", comment);
        return e;
    }

    int add(const char* name, const char* comment = "", PictureHolder* picture = nullptr) {
        const int slot = store.FindFreeSlot();
        const PointEntry e = entry(name, kLon, kLat, comment, picture);
        EXPECT_TRUE(store.PutPoint(slot, &e)) << name;
        return slot;
    }

    void fill(int points) {
        for (int i = 0; i < points; ++i) add(("p" + std::to_string(i)).c_str());
    }

    std::unique_ptr<CPointData> m_store = std::make_unique<CPointData>();
    CPointData& store = *m_store;
    ScratchDir dir;
};

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
