#include "StoreFixtures.h"

#include <outside/Fileaid.h>
#include <platform/Event.h>
#include <testsupport/ScratchDir.h>

#include <cstring>
#include <filesystem>

using namespace songbase_test;
using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeFile;

namespace {

template <typename T>
T peek(const std::string& bytes, std::size_t offset) {
    T value{};
    if (offset + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

template <typename T>
std::string bytesOf(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

// Builds an expected file piece by piece, independent of the writer.
struct Expected {
    std::string bytes;
    Expected& i32(std::int32_t v) { return raw(bytesOf(v)); }
    Expected& u32(std::uint32_t v) { return raw(bytesOf(v)); }
    Expected& u16(std::uint16_t v) { return raw(bytesOf(v)); }
    Expected& zeros(std::size_t n) { return raw(std::string(n, '\0')); }
    Expected& text(const char* s, std::size_t field) {
        std::string f(field, '\0');
        f.replace(0, std::strlen(s), s);
        return raw(f);
    }
    Expected& raw(const std::string& s) {
        bytes += s;
        return *this;
    }
    Expected& fileHeader(const char* name, std::uint32_t size, std::uint32_t body) {
        return text(name, 12).u32(size).raw("01.00001.000").u32(body).zeros(8);
    }
    Expected& objectHeader(int type, const GUID& guid) { return i32(type).i32(32).raw(bytesOf(guid)).zeros(8); }
};

std::string music(std::size_t size, char seed) {
    std::string m(size, '\0');
    for (std::size_t i = 0; i < size; ++i) m[i] = static_cast<char>(seed + i * 7);
    return m;
}

}  // namespace

// One playlist "Road" with two tracks whose music files hold 1 000 and 2 000 bytes.
class TwoTrackMusic : public EmptyStore {
protected:
    void SetUp() override {
        EmptyStore::SetUp();
        writeFile(source.file("one.mp3"), music(1000, 'a'));
        writeFile(source.file("two.wma"), music(2000, 'b'));
        Songbase_Track two = makeTrack("Two", 4, 5, 2000, source.file("two.wma"));
        two.detail.codec = AVT_CODEC_WMA;
        two.detail.bitRate = 0xFFFF;
        std::strcpy(two.detail.titleReading, "ﾂｰ");
        addPlayList("Road", {makeTrack("One", 3, 30, 1000, source.file("one.mp3")), two});
    }
    std::string unit(const std::string& name) const { return readFile(out.file(name)); }
    GUID playListGuid() const { return CSongbase::MusicData().lists[0]->record.master.guid; }

    ScratchDir source;
    ScratchDir out;
};

TEST_F(TwoTrackMusic, WritesTheFilesOfTheWorkedExample) {
    EXPECT_EQ(CSongbase::GetTransFileSize(nullptr), 4744u);
    ASSERT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), nullptr), 1);
    struct Case {
        const char* name;
        std::uint32_t size;
        std::uint32_t body;
        const char* header;
    };
    for (const Case& c : {Case{"AVMTR.PPD", 312, 72, "MtrList"}, Case{"PLINFO001.PPD", 616, 72, "PlInfo"},
                          Case{"TRACK001_01.PPD", 1408, 400, "TrackData"},
                          Case{"TRACK001_02.PPD", 2408, 400, "TrackData"}}) {
        SCOPED_TRACE(c.name);
        const std::string bytes = unit(c.name);
        EXPECT_EQ(bytes.size(), c.size);
        EXPECT_EQ(peek<std::uint32_t>(bytes, 12), c.size);
        EXPECT_EQ(peek<std::uint32_t>(bytes, 28), c.body);
        EXPECT_EQ(bytes.substr(0, 12), std::string(c.header) + std::string(12 - std::strlen(c.header), '\0'));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 4);
}

TEST_F(TwoTrackMusic, MasterListNumbersEntriesByPosition) {
    ASSERT_EQ(CSongbase::WriteAVMTR(out.folder().c_str(), nullptr), 1);
    const SONGBASE_ST& st = CSongbase::MusicData();
    const Songbase_List& pl = *st.lists[0];
    Expected e;
    e.fileHeader("MtrList", 312, 72);
    e.i32(1).i32(32).raw(bytesOf(st.header.guid)).u16(4).u16(1).zeros(4);
    e.i32(4).i32(80).raw(bytesOf(playListGuid())).u16(1).u16(0).u16(1).u16(2).text("PLINFO001.PPD", 48);
    e.i32(5).i32(80).raw(bytesOf(playListGuid())).u16(2).u16(1).u16(1).u16(1).text("TRACK001_01.PPD", 48);
    e.i32(5).i32(80).raw(bytesOf(playListGuid())).u16(3).u16(2).u16(1).u16(2).text("TRACK001_02.PPD", 48);
    EXPECT_EQ(unit("AVMTR.PPD"), e.bytes);
    EXPECT_EQ(pl.tracks[1]->master.entryNo, 3);  // kept in the store too
    EXPECT_EQ(+st.fileHeader.fileSize, 312u);
}

TEST_F(TwoTrackMusic, PlayListFileCarriesInfoAndOneEntryPerTrack) {
    ASSERT_EQ(CSongbase::WritePLINFO(out.folder().c_str(), 0, nullptr), 1);
    const Songbase_List& pl = *CSongbase::MusicData().lists[0];
    Expected e;
    e.fileHeader("PlInfo", 616, 72).objectHeader(2, playListGuid()).raw(bytesOf(pl.record.info));
    e.i32(7).i32(160).u16(1).u16(0).u16(3).u16(30).u16(128).u16(0);
    e.text("One", 33).text("", 65).text("Artist", 33).zeros(9);
    e.i32(7).i32(160).u16(2).u16(0).u16(4).u16(5).u16(0xFFFF).u16(0);
    e.text("Two", 33).text("ﾂｰ", 65).text("Artist", 33).zeros(9);
    EXPECT_EQ(unit("PLINFO001.PPD"), e.bytes);
    EXPECT_EQ(+pl.record.fileHeader.fileSize, 616u);
}

TEST_F(TwoTrackMusic, TrackFileCarriesTheRecordsAndTheMusicBytes) {
    ASSERT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), 0, 1, nullptr), 1);
    const Songbase_Track& t = *CSongbase::MusicData().lists[0]->tracks[1];
    Expected e;
    e.fileHeader("TrackData", 2408, 400).objectHeader(3, playListGuid());
    e.raw(bytesOf(t.detail)).raw(bytesOf(t.distinct)).i32(10).u32(2008).raw(music(2000, 'b'));
    EXPECT_EQ(unit("TRACK001_02.PPD"), e.bytes);
    EXPECT_EQ(+t.fileHeader.fileSize, 2408u);
}

TEST_F(TwoTrackMusic, EveryMasterListWriteHasAFreshStoreGuidWhilePlayListFilesShareOne) {
    ASSERT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), nullptr), 1);
    const std::string first = unit("AVMTR.PPD").substr(48, 16);
    ASSERT_EQ(CSongbase::WriteAVMTR(out.folder().c_str(), nullptr), 1);
    EXPECT_NE(unit("AVMTR.PPD").substr(48, 16), first);
    const std::string guid = bytesOf(playListGuid());
    EXPECT_EQ(unit("PLINFO001.PPD").substr(48, 16), guid);
    EXPECT_EQ(unit("TRACK001_01.PPD").substr(48, 16), guid);
    EXPECT_EQ(unit("TRACK001_02.PPD").substr(48, 16), guid);
}

TEST_F(TwoTrackMusic, WrittenSizesTravelInTheEditDataFile) {
    ASSERT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), nullptr), 1);
    const std::string saved = source.file("list.dat");
    ASSERT_EQ(CSongbase::WriteEditData(saved.c_str()), 1);
    ASSERT_EQ(CSongbase::ReadEditData(saved.c_str()), 1);
    EXPECT_EQ(+CSongbase::MusicData().fileHeader.fileSize, 312u);
    EXPECT_EQ(+CSongbase::MusicData().lists[0]->record.fileHeader.fileSize, 616u);
    EXPECT_EQ(+CSongbase::MusicData().lists[0]->tracks[0]->fileHeader.fileSize, 1408u);
}

TEST_F(TwoTrackMusic, RoundedSizesFollowTheDestinationDrive) {
    const std::uint64_t fragment = CFileaid::GetSizeOnDisk(out.folder().c_str(), 1);
    auto r = [&](std::uint64_t x) { return (x + fragment - 1) / fragment * fragment; };
    EXPECT_EQ(CSongbase::GetTransFileSize(out.folder().c_str()), r(312) + r(616) + r(1408) + r(2408));
}

TEST_F(TwoTrackMusic, MusicLargerThanOneChunkIsCopiedWhole) {
    const std::string big = music(3 * 1024 * 1024 + 17, 'z');
    writeFile(source.file("one.mp3"), big);
    ASSERT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), 0, 0, nullptr), 1);
    const std::string bytes = unit("TRACK001_01.PPD");
    EXPECT_EQ(peek<std::uint32_t>(bytes, 12), 408 + big.size());
    EXPECT_EQ(peek<std::uint32_t>(bytes, 404), 8 + big.size());
    EXPECT_TRUE(bytes.substr(408) == big);
}

TEST_F(TwoTrackMusic, VanishedMusicFileFailsWithoutLeavingAPartFile) {
    std::filesystem::remove(source.file("two.wma"));
    EXPECT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), 0, 1, nullptr), 0);
    EXPECT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), nullptr), 0);
    EXPECT_TRUE(std::filesystem::exists(out.file("TRACK001_01.PPD")));
    EXPECT_FALSE(std::filesystem::exists(out.file("TRACK001_02.PPD")));
}

TEST_F(TwoTrackMusic, SetCancelEventStopsEveryWriter) {
    platform::Event cancel(true, true);
    EXPECT_EQ(CSongbase::WriteAVMTR(out.folder().c_str(), &cancel), 0);
    EXPECT_EQ(CSongbase::WritePLINFO(out.folder().c_str(), 0, &cancel), 0);
    EXPECT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), 0, 0, &cancel), 0);
    EXPECT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), &cancel), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.path()), {}), 0);
    platform::Event idle;
    EXPECT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), &idle), 1);
}

TEST_F(TwoTrackMusic, OutOfRangeRecordsAreNotWritten) {
    EXPECT_EQ(CSongbase::WritePLINFO(out.folder().c_str(), 1, nullptr), 0);
    EXPECT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), 0, 2, nullptr), 0);
    EXPECT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), -1, 0, nullptr), 0);
    EXPECT_EQ(CSongbase::WriteAVMTR(nullptr, nullptr), 0);
}

TEST_F(TwoTrackMusic, StoredFileNamesNeverLeaveTheTargetFolder) {
    const std::string saved = source.file("list.dat");
    ASSERT_EQ(CSongbase::WriteEditData(saved.c_str()), 1);
    std::string bytes = readFile(saved);
    const std::size_t trackName = 80 + 344 + 594 + 32;
    bytes.replace(trackName, 11, std::string("../evil.PPD"));
    const std::size_t listName = 80 + 224 + 32;
    bytes.replace(listName, 13, std::string("/tmp/evil.PPD"));
    writeFile(saved, bytes);
    ASSERT_EQ(CSongbase::ReadEditData(saved.c_str()), 1);
    EXPECT_EQ(CSongbase::WriteTRACK(out.folder().c_str(), 0, 0, nullptr), 0);
    EXPECT_EQ(CSongbase::WritePLINFO(out.folder().c_str(), 0, nullptr), 0);
    EXPECT_FALSE(std::filesystem::exists(out.path().parent_path() / "evil.PPD"));
}

TEST_F(EmptyStore, EmptyStoreWritesABareMasterList) {
    ScratchDir out;
    EXPECT_EQ(CSongbase::GetTransFileSize(nullptr), 72u);
    ASSERT_EQ(CSongbase::WriteMusicData(out.folder().c_str(), nullptr), 1);
    const std::string bytes = readFile(out.file("AVMTR.PPD"));
    ASSERT_EQ(bytes.size(), 72u);
    EXPECT_EQ(peek<std::uint16_t>(bytes, 64), 1);  // object count
    EXPECT_EQ(peek<std::uint16_t>(bytes, 66), 0);  // playlist count
}

TEST_F(ThreePlayListStore, MasterListEntriesFollowEachPlayListsTracks) {
    ScratchDir out;
    ASSERT_EQ(CSongbase::WriteAVMTR(out.folder().c_str(), nullptr), 1);
    const std::string bytes = readFile(out.file("AVMTR.PPD"));
    ASSERT_EQ(bytes.size(), 72u + 80 * 9);
    const int types[] = {4, 5, 4, 5, 5, 4, 5, 5, 5};
    for (int e = 0; e < 9; ++e) {
        EXPECT_EQ(peek<std::int32_t>(bytes, 72 + 80 * e), types[e]);
        EXPECT_EQ(peek<std::uint16_t>(bytes, 72 + 80 * e + 24), e + 1);
    }
    EXPECT_EQ(peek<std::uint16_t>(bytes, 64), 10);
    EXPECT_EQ(CSongbase::GetTransFileSize(nullptr),
              (72u + 80 * 9) + (296 * 3 + 160 * 6) + 6 * (408 + 100));
}
