// Byte layouts of the point files: record file (both layouts), group file, index files, picture
// and comment files, stamps, names and folders.
#include <points/PictureLoader.h>
#include <points/PointCommentFileReader.h>
#include <points/PointCommentFileWriter.h>
#include <points/PointFileHeader.h>
#include <points/PointFileNames.h>
#include <points/PointFolders.h>
#include <points/PointGroupFileReader.h>
#include <points/PointGroupFileWriter.h>
#include <points/PointIndexFileWriter.h>
#include <points/PointPictureFileWriter.h>
#include <points/PointRecordFileReader.h>
#include <points/PointRecordFileWriter.h>
#include <points/PointResult.h>

#include "TestPictures.h"

#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <QImage>

#include <cstring>
#include <filesystem>

using namespace points;
using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeFile;

namespace {

template <typename T>
T at(const std::string& bytes, std::size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::string asString(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

PointRecord samplePoint(int slot, int serial) {
    PointRecord r;
    initNewPointRecord(r, static_cast<std::int16_t>(slot));
    r.group = static_cast<std::int16_t>(serial % 11);
    std::snprintf(r.name, sizeof r.name, "name%d", serial);
    std::snprintf(r.reading, sizeof r.reading, "reading%d", serial);
    std::snprintf(r.telephone, sizeof r.telephone, "03-%04d", serial);
    setPointPosition(r, 500000000 + serial, 130000000 + serial);
    std::snprintf(r.pictureName, sizeof r.pictureName, "pic%d.BMP", serial);
    std::snprintf(r.commentName, sizeof r.commentName, "cmt%d.txt", serial);
    r.date1 = 0x20261207;
    r.time2 = 0x12345600;
    r.unit374 = static_cast<std::uint8_t>(serial);
    return r;
}

}  // namespace

TEST(PointStampTest, PacksLocalTimeAsDecimalDigits) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 12;
    t.tm_min = 34;
    t.tm_sec = 56;
    const auto stamp = PointStamp::fromLocalTime(t);
    EXPECT_EQ(stamp.date, 0x20261207u);
    EXPECT_EQ(stamp.time, 0x12345600u);
    EXPECT_EQ(PointFileNames::pictureName(stamp, 10), "2026120712345600_010.BMP");
    EXPECT_EQ(PointFileNames::commentName(stamp, 123), "2026120712345600_123.txt");
    EXPECT_EQ(PointFileNames::commentName(std::nullopt, 7), "007.txt");
}

TEST(PointRecordTest, NewPointCarriesTheUnitDefaults) {
    PointRecord r;
    initNewPointRecord(r, 42);
    setPointPosition(r, 0x01020304, 0x05060708);
    std::string b(reinterpret_cast<const char*>(&r), sizeof r);
    EXPECT_EQ(at<std::int16_t>(b, 0), 42);
    EXPECT_EQ(at<std::uint32_t>(b, 56), 0xFFFF1226u);
    for (std::size_t o : {60u, 62u, 64u, 322u}) EXPECT_EQ(at<std::int16_t>(b, o), -1) << o;
    EXPECT_EQ(at<std::int16_t>(b, 66), 0);
    EXPECT_EQ(at<std::int16_t>(b, 220), 1);
    EXPECT_EQ(at<std::int32_t>(b, 222), 0x01020304);
    EXPECT_EQ(at<std::int32_t>(b, 226), 0x05060708);
    EXPECT_EQ(b.substr(230, 56), std::string(56, '\0'));
    EXPECT_EQ(b.substr(286, 32), std::string(32, '\xFF'));
    EXPECT_EQ(at<std::int32_t>(b, 318), -1);
    EXPECT_EQ(at<std::uint16_t>(b, 324), 0xC000);
    EXPECT_EQ(at<std::int16_t>(b, 326), 2);
    EXPECT_EQ(at<std::int16_t>(b, 328), 0x00FF);
    EXPECT_EQ(at<std::int16_t>(b, 364), 1);
    EXPECT_EQ(at<std::int32_t>(b, 370), 0x608);
    EXPECT_EQ(b.substr(375, 15), std::string(15, '\xFF'));
}

// Array starts as the unit's file format lists them, per field.
struct ColumnStart {
    const char* field;
    std::size_t recordOffset;
    std::size_t start200;
    std::size_t start510;
};

class RecordColumnTest : public ::testing::TestWithParam<ColumnStart> {};

TEST_P(RecordColumnTest, ArrayStartsWhereTheUnitExpectsIt) {
    const auto& c = GetParam();
    std::size_t column = 0;
    while (kPointColumns[column].recordOffset != c.recordOffset) ++column;
    EXPECT_EQ(PointRecordLayout(kPcEntryCount).arrayStart(column), c.start200);
    EXPECT_EQ(PointRecordLayout(kSlotCount).arrayStart(column), c.start510);
}

INSTANTIATE_TEST_SUITE_P(
    AllColumns, RecordColumnTest,
    ::testing::Values(
        ColumnStart{"slot", 0, 40, 40}, ColumnStart{"group", 2, 440, 1060},
        ColumnStart{"name", 4, 840, 2080}, ColumnStart{"position", 48, 9640, 24520},
        ColumnStart{"unit56", 56, 11240, 28600}, ColumnStart{"unit60", 60, 12040, 30640},
        ColumnStart{"unit62", 62, 12440, 31660}, ColumnStart{"unit64", 64, 12840, 32680},
        ColumnStart{"unit66", 66, 13240, 33700}, ColumnStart{"reading", 68, 13640, 34720},
        ColumnStart{"telephone", 112, 22440, 57160}, ColumnStart{"unit140", 140, 28040, 71440},
        ColumnStart{"picture", 172, 34440, 87760}, ColumnStart{"date1", 204, 40840, 104080},
        ColumnStart{"time1", 208, 41640, 106120}, ColumnStart{"date2", 212, 42440, 108160},
        ColumnStart{"time2", 216, 43240, 110200}, ColumnStart{"unit220", 220, 44040, 112240},
        ColumnStart{"block", 222, 44440, 113260}, ColumnStart{"unit286", 286, 57240, 145900},
        ColumnStart{"unit318", 318, 63640, 162220}, ColumnStart{"unit322", 322, 64440, 164260},
        ColumnStart{"unit324", 324, 64840, 165280}, ColumnStart{"unit326", 326, 65240, 166300},
        ColumnStart{"unit328", 328, 65640, 167320}, ColumnStart{"comment", 330, 66040, 168340},
        ColumnStart{"unit362", 362, 72440, 184660}, ColumnStart{"unit364", 364, 72840, 185680},
        ColumnStart{"unit366", 366, 73240, 186700}, ColumnStart{"unit370", 370, 74040, 188740},
        ColumnStart{"unit374", 374, 74840, 190780}, ColumnStart{"unit375", 375, 75040, 191290}),
    [](const auto& tp) { return std::string(tp.param.field); });

struct LayoutSizes {
    int entries;
    std::uint32_t dataSize, trailerSize, trailerOffset;
    std::size_t fileSize;
};

class RecordFileTest : public ::testing::TestWithParam<LayoutSizes> {
protected:
    ScratchDir dir;
};

TEST_P(RecordFileTest, WritesHeaderArraysAndZeroTrailer) {
    const auto& s = GetParam();
    PointRecordFileWriter writer(s.entries);
    const PointRecord third = samplePoint(3, 77);
    ASSERT_TRUE(writer.setEntry(3, third));
    EXPECT_FALSE(writer.setEntry(s.entries, third));
    EXPECT_FALSE(writer.setEntry(-1, third));
    const std::string path = dir.file("POINTREC.V04");
    ASSERT_TRUE(writer.write(path, PointStamp{0x20261207, 0x12345600}));

    const std::string b = readFile(path);
    ASSERT_EQ(b.size(), s.fileSize);
    EXPECT_EQ(at<std::uint32_t>(b, 0), 0x88888888u);
    EXPECT_EQ(b.substr(4, 12), std::string("PORC1.00\0\0\0\0", 12));
    EXPECT_EQ(at<std::uint32_t>(b, 16), 0x20261207u);
    EXPECT_EQ(at<std::uint32_t>(b, 20), 0x12345600u);
    EXPECT_EQ(at<std::uint32_t>(b, 24), s.dataSize);
    EXPECT_EQ(at<std::uint32_t>(b, 28), 40u);
    EXPECT_EQ(at<std::uint32_t>(b, 32), s.trailerSize);
    EXPECT_EQ(at<std::uint32_t>(b, 36), s.trailerOffset);

    // Entry 3 of every column, and the unused entries around it.
    const std::size_t n = static_cast<std::size_t>(s.entries);
    const auto* record = reinterpret_cast<const char*>(&third);
    for (const auto& c : kPointColumns) {
        const std::size_t start = 40 + n * c.recordOffset;
        EXPECT_EQ(b.substr(start + 3 * c.width, c.width), std::string(record + c.recordOffset, c.width))
            << "column at record offset " << c.recordOffset;
        if (c.recordOffset != 0) {
            EXPECT_EQ(b.substr(start + 2 * c.width, c.width), std::string(c.width, '\0'));
        }
    }
    EXPECT_EQ(at<std::int16_t>(b, 40), -1);
    EXPECT_EQ(at<std::int16_t>(b, 40 + 2 * (n - 1)), -1);
    EXPECT_EQ(b.substr(40 + 390 * n), std::string(b.size() - 40 - 390 * n, '\0'));
}

TEST_P(RecordFileTest, ReadsBackEveryEntryByteForByte) {
    const auto& s = GetParam();
    PointRecordFileWriter writer(s.entries);
    for (int i = 0; i < s.entries; i += 7) writer.setEntry(i, samplePoint(i, i + 1));
    const std::string path = dir.file("rec");
    ASSERT_TRUE(writer.write(path, PointStamp{}));

    for (int required : {s.entries, PointRecordFileReader::kAnyLayout}) {
        PointRecordFileReader reader(required);
        ASSERT_EQ(reader.read(path), kPointOk);
        ASSERT_EQ(reader.entryCount(), s.entries);
        for (int i = 0; i < s.entries; ++i) {
            PointRecord got;
            ASSERT_TRUE(reader.entry(i, got));
            if (i % 7 == 0) {
                const PointRecord want = samplePoint(i, i + 1);
                EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0) << i;
            } else {
                EXPECT_EQ(+got.slot, kEmptySlot);
            }
        }
        PointRecord outside;
        EXPECT_FALSE(reader.entry(s.entries, outside));
        EXPECT_EQ(+outside.slot, kEmptySlot);
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, RecordFileTest,
                         ::testing::Values(LayoutSizes{200, 78400, 668, 78440, 79108},
                                           LayoutSizes{510, 199920, 1032, 199960, 200992}),
                         [](const auto& tp) { return std::to_string(tp.param.entries); });

struct DamagedRecordFile {
    const char* what;
    int required;
    std::size_t offset;  // byte to change; npos: cut the file instead
    std::size_t cutTo;
    int code;
};

class DamagedRecordFileTest : public ::testing::TestWithParam<DamagedRecordFile> {};

TEST_P(DamagedRecordFileTest, IsRefusedWithItsCode) {
    const auto& d = GetParam();
    ScratchDir dir;
    auto bytes = asString(PointRecordFileWriter(kPcEntryCount).bytes(PointStamp{}));
    if (d.offset != std::string::npos) bytes[d.offset] ^= 0x01;
    else bytes.resize(d.cutTo);
    writeFile(dir.file("f"), bytes);
    PointRecordFileReader reader(d.required);
    EXPECT_EQ(reader.read(dir.file("f")), d.code);
    EXPECT_EQ(reader.isLoaded(), d.code == kPointOk);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedRecordFileTest,
    ::testing::Values(
        DamagedRecordFile{"magic", 200, 0, 0, kRecordFileBroken},
        DamagedRecordFile{"kind", 200, 5, 0, kRecordFileBroken},
        DamagedRecordFile{"dataSize", 200, 24, 0, kRecordFormatWrong},
        DamagedRecordFile{"anyLayoutDataSize", 0, 24, 0, kRecordFormatWrong},
        DamagedRecordFile{"versionIsNotChecked", 200, 8, 0, kPointOk},
        DamagedRecordFile{"stampIsNotChecked", 200, 16, 0, kPointOk},
        DamagedRecordFile{"shortArrays", 200, std::string::npos, 78039, kRecordFormatWrong},
        DamagedRecordFile{"arraysOnly", 200, std::string::npos, 78040, kPointOk},
        DamagedRecordFile{"shortHeader", 0, std::string::npos, 39, kRecordFormatWrong},
        DamagedRecordFile{"empty", 200, std::string::npos, 0, kRecordFormatWrong},
        // A PC file where the unit's file is expected has the wrong length before its size is seen.
        DamagedRecordFile{"pcFileAsUnitFile", 510, std::string::npos, 79108, kRecordFormatWrong}),
    [](const auto& tp) { return std::string(tp.param.what); });

TEST(RecordFileReaderTest, MissingFileCannotBeOpened) {
    ScratchDir dir;
    PointRecordFileReader reader(kPcEntryCount);
    EXPECT_EQ(reader.read(dir.file("missing")), kRecordReadFailed);
    EXPECT_EQ(reader.read(dir.folder()), kRecordReadFailed);  // only regular files are opened
}

TEST(GroupFileTest, WritesAndReadsTheGroupTable) {
    ScratchDir dir;
    PointGroupTable table;
    for (int g = 0; g < kGroupCount; ++g) {
        std::memset(&table.groups[g], 0xA0 + g, sizeof table.groups[g]);
        std::snprintf(table.groups[g].name, sizeof table.groups[g].name, "group %d", g);
    }
    const std::string path = dir.file("POINTGRP.V04");
    ASSERT_TRUE(PointGroupFileWriter::write(path, table, PointStamp{0x20261207, 0x12345600}));
    const std::string b = readFile(path);
    ASSERT_EQ(b.size(), 948u);
    EXPECT_EQ(b.substr(4, 4), "POGP");
    EXPECT_EQ(at<std::uint32_t>(b, 24), 832u);
    EXPECT_EQ(at<std::uint32_t>(b, 32), 76u);
    EXPECT_EQ(at<std::uint32_t>(b, 36), 872u);
    EXPECT_EQ(b.substr(40, 832), std::string(reinterpret_cast<const char*>(&table), 832));
    EXPECT_EQ(b.substr(872), std::string(76, '\0'));

    PointGroupTable read{};
    ASSERT_EQ(PointGroupFileReader::read(path, read), kPointOk);
    EXPECT_EQ(std::memcmp(&read, &table, sizeof table), 0);
}

TEST(GroupFileTest, RefusesBrokenFilesAndKeepsTheTable) {
    ScratchDir dir;
    PointGroupTable table{};
    auto good = asString(PointGroupFileWriter::bytes(table, PointStamp{}));
    PointGroupTable kept;
    std::memset(&kept, 0x55, sizeof kept);
    const auto check = [&](const std::string& bytes, int code) {
        writeFile(dir.file("g"), bytes);
        PointGroupTable t = kept;
        EXPECT_EQ(PointGroupFileReader::read(dir.file("g"), t), code);
        EXPECT_EQ(std::memcmp(&t, &kept, sizeof t), 0);
    };
    check(std::string(good).replace(4, 4, "PORC"), kGroupFileBroken);
    check(std::string(good).replace(0, 1, "\x87"), kGroupFileBroken);
    check(good.substr(0, 871), kFileUnreadable);
    PointGroupTable t{};
    EXPECT_EQ(PointGroupFileReader::read(dir.file("missing"), t), kFileUnreadable);
}

TEST(IndexFileTest, UsedEntriesFirstThenUnusedOnes) {
    const auto check = [](const char(&kind)[5]) {
        PointIndexFileWriter writer(kind);
        ASSERT_TRUE(writer.add(10, PointIndexFileWriter::kChangeNew, "a.BMP"));
        ASSERT_TRUE(writer.add(42, PointIndexFileWriter::kChangeChanged, "b.BMP"));
        const std::string b = asString(writer.bytes(PointStamp{1, 2}));
        ASSERT_EQ(b.size(), 14452u);
        EXPECT_EQ(b.substr(4, 4), std::string(kind, 4));
        EXPECT_EQ(at<std::uint32_t>(b, 24), 7200u);
        EXPECT_EQ(at<std::uint32_t>(b, 32), 7212u);
        EXPECT_EQ(at<std::uint32_t>(b, 36), 7240u);
        EXPECT_EQ(at<std::int16_t>(b, 40), 10);
        EXPECT_EQ(at<std::int16_t>(b, 42), 2);
        EXPECT_EQ(b.substr(44, 32), std::string("a.BMP") + std::string(27, '\0'));
        EXPECT_EQ(at<std::int16_t>(b, 76), 42);
        EXPECT_EQ(at<std::int16_t>(b, 78), 3);
        EXPECT_EQ(at<std::int16_t>(b, 112), -1);
        EXPECT_EQ(b.substr(114, 34), std::string(34, '\0'));
        EXPECT_EQ(at<std::int16_t>(b, 40 + 199 * 36), -1);
        EXPECT_EQ(b.substr(7240), std::string(7212, '\0'));
    };
    check(kPictureIndexKind);
    check(kCommentIndexKind);
}

TEST(IndexFileTest, HoldsAtMost200Entries) {
    PointIndexFileWriter writer(kPictureIndexKind);
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(writer.add(static_cast<std::int16_t>(i), 0, "x"));
    EXPECT_FALSE(writer.add(300, 0, "x"));
    EXPECT_EQ(writer.size(), 200);
}


TEST(PictureFileTest, WritesA24BitBottomUpBitmap) {
    const PictureHolder p = test::gradientPicture(5, 3);  // rows of 15 bytes padded to 16
    const std::string b = asString(PointPictureFileWriter::bytes(p));
    ASSERT_EQ(b.size(), 54u + 16 * 3);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(at<std::uint32_t>(b, 2), 54u + 48);
    EXPECT_EQ(at<std::uint32_t>(b, 6), 0u);
    EXPECT_EQ(at<std::uint32_t>(b, 10), 54u);
    EXPECT_EQ(at<std::uint32_t>(b, 14), 40u);
    EXPECT_EQ(at<std::int32_t>(b, 18), 5);
    EXPECT_EQ(at<std::int32_t>(b, 22), 3);
    EXPECT_EQ(at<std::uint16_t>(b, 26), 1);
    EXPECT_EQ(at<std::uint16_t>(b, 28), 24);
    EXPECT_EQ(at<std::uint32_t>(b, 30), 0u);
    EXPECT_EQ(at<std::uint32_t>(b, 34), 0u);
    EXPECT_EQ(at<std::int32_t>(b, 38), 1);
    EXPECT_EQ(at<std::int32_t>(b, 42), 1);
    EXPECT_EQ(at<std::uint32_t>(b, 46), 0u);
    EXPECT_EQ(at<std::uint32_t>(b, 50), 0u);
    EXPECT_EQ(b.substr(54), std::string(p.bits().begin(), p.bits().end()));
    EXPECT_TRUE(PointPictureFileWriter::bytes(PictureHolder{}).empty());
}

TEST(PictureFileTest, WrittenBitmapLoadsBackPixelForPixel) {
    ScratchDir dir;
    const PictureHolder p = test::gradientPicture(7, 4);
    ASSERT_TRUE(PointPictureFileWriter::write(dir.file("p.BMP"), p));
    PictureHolder back;
    ASSERT_TRUE(PictureLoader::load(dir.file("p.BMP"), 128, 102, back));
    EXPECT_EQ(back.width(), 7);
    EXPECT_EQ(back.height(), 4);
    EXPECT_EQ(back.bits(), p.bits());
}

struct Fit {
    int w, h, fitW, fitH;
};

class PictureFitTest : public ::testing::TestWithParam<Fit> {};

TEST_P(PictureFitTest, KeepsProportionsAndNeverEnlarges) {
    const auto& f = GetParam();
    EXPECT_EQ(PictureLoader::fittedSize(f.w, f.h, 128, 102), std::make_pair(f.fitW, f.fitH));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureFitTest,
                         ::testing::Values(Fit{1000, 500, 128, 64}, Fit{100, 200, 51, 102},
                                           Fit{100, 80, 100, 80}, Fit{128, 102, 128, 102},
                                           Fit{256, 204, 128, 102}, Fit{129, 10, 128, 9},
                                           Fit{10, 103, 9, 102}));

// Pictures of each format the file dialog offers, made with ffmpeg and decoded with QImage.
struct FormatCase {
    const char* extension;
    int w, h, fitW, fitH;
};

class PictureFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PictureFormatTest, LoadsAndScalesToTheBound) {
    const auto& f = GetParam();
    const std::string name = "point-" + std::to_string(f.w) + "x" + std::to_string(f.h) + "." +
                             f.extension;
    const std::string path = testsupport::ffmpegFile(
        name, "-f lavfi -i color=c=red:s=" + std::to_string(f.w) + "x" + std::to_string(f.h) +
                  " -frames:v 1 -update 1");
    ASSERT_FALSE(path.empty());
    PictureHolder p;
    ASSERT_TRUE(PictureLoader::load(path, 128, 102, p));
    EXPECT_EQ(p.width(), f.fitW);
    EXPECT_EQ(p.height(), f.fitH);
    EXPECT_EQ(p.rowLength(), PictureHolder::rowLengthFor(f.fitW));
    const auto* px = p.pixel(f.fitW / 2, f.fitH / 2);
    EXPECT_LT(px[0], 40);  // blue
    EXPECT_GT(px[2], 200);  // red
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFormatTest,
                         ::testing::Values(FormatCase{"png", 1000, 500, 128, 64},
                                           FormatCase{"jpg", 100, 200, 51, 102},
                                           FormatCase{"bmp", 100, 80, 100, 80},
                                           FormatCase{"gif", 300, 60, 128, 25}),
                         [](const auto& tp) { return std::string(tp.param.extension); });

TEST(PictureLoaderTest, FailureKeepsThePreviousPicture) {
    ScratchDir dir;
    PictureHolder p = test::gradientPicture(3, 3);
    const auto before = p.bits();
    writeFile(dir.file("junk.jpg"), "not a picture at all");
    EXPECT_FALSE(PictureLoader::load(dir.file("junk.jpg"), 128, 102, p));
    EXPECT_FALSE(PictureLoader::load(dir.file("missing.png"), 128, 102, p));
    EXPECT_EQ(p.bits(), before);
}

TEST(CommentFileTest, NormalisesLineEndsToCrLf) {
    EXPECT_EQ(PointCommentFileReader::withCrLfLineEnds("a\nb\r\nc\rd\n"), "a\r\nb\r\nc\rd\r\n");
    ScratchDir dir;
    writeFile(dir.file("c.txt"), "line1\nline2\r\n");
    std::string comment;
    ASSERT_EQ(PointCommentFileReader::read(dir.file("c.txt"), comment), kPointOk);
    EXPECT_EQ(comment, "line1\r\nline2\r\n");
}

TEST(CommentFileTest, KeepsTheFirst4096Bytes) {
    ScratchDir dir;
    std::string text(5000, 'x');
    text[10] = '0';
    writeFile(dir.file("long.txt"), text);
    std::string comment;
    ASSERT_EQ(PointCommentFileReader::read(dir.file("long.txt"), comment), kPointOk);
    EXPECT_EQ(comment, text.substr(0, 4096));
    // A double-byte character across the cut is dropped whole.
    EXPECT_EQ(PointCommentFileReader::cutComment(std::string(4095, 'a') + "\x82\xA0"), std::string(4095, 'a'));
    EXPECT_EQ(PointCommentFileReader::cutComment(std::string("ab\0cd", 5)), "ab");
}

TEST(CommentFileTest, WritesTheBytesExactlyAndReportsFailures) {
    ScratchDir dir;
    const std::string text = "\x93\xFA\x96\x7B\r\nline";
    ASSERT_EQ(PointCommentFileWriter::write(dir.file("c.txt"), text), kPointOk);
    EXPECT_EQ(readFile(dir.file("c.txt")), text);
    EXPECT_EQ(PointCommentFileWriter::write(dir.file("no/such/c.txt"), text), kCommentSaveFailed);
    std::string comment = "kept";
    EXPECT_EQ(PointCommentFileReader::read(dir.file("missing.txt"), comment), kCommentReadFailed);
    EXPECT_EQ(comment, "kept");
}

TEST(PointFoldersTest, MakesTheSetsFoldersInOrder) {
    ScratchDir dir;
    const auto unit = PointFolders::underRoot(dir.path().string());
    EXPECT_EQ(unit.pointFolder(), dir.folder() + "NAVIDATA/POINT/");
    EXPECT_EQ(unit.imageFolder(), dir.folder() + "NAVIDATA/POINT/IMG/");
    EXPECT_EQ(unit.detailFolder(), dir.folder() + "NAVIDATA/POINT/DETAIL/");
    ASSERT_TRUE(unit.create());
    EXPECT_TRUE(std::filesystem::is_directory(unit.imageFolder()));
    EXPECT_TRUE(std::filesystem::is_directory(unit.detailFolder()));
    EXPECT_TRUE(unit.create());  // existing folders are fine

    const auto pc = PointFolders::plain(PointFolders::folderOf(dir.file("work.dat")));
    EXPECT_EQ(pc.pointFolder(), dir.folder());
    ASSERT_TRUE(pc.create());
    EXPECT_FALSE(std::filesystem::exists(dir.folder() + "NAVIDATA/IMG"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.folder() + "IMG"));

    writeFile(dir.file("blocker"), "x");
    EXPECT_FALSE(PointFolders::plain(dir.file("blocker")).create());
}

TEST(PointFileNamesTest, OnlyPlainNamesNameAFileInTheFolder) {
    EXPECT_TRUE(PointFileNames::isPlainFileName("2026120712345600_010.BMP"));
    for (const char* bad : {"", ".", "..", "../x.BMP", "a/b", "a\\b"})
        EXPECT_FALSE(PointFileNames::isPlainFileName(bad)) << bad;
}
