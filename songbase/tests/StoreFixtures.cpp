#include "StoreFixtures.h"

#include <cstring>

namespace songbase_test {

Songbase_Track makeTrack(const std::string& title, int minutes, int seconds,
                         std::uint32_t fileSize, const std::string& path) {
    Songbase_Track t;
    InitTrackRecord(&t);
    std::strncpy(t.path, path.c_str(), sizeof t.path - 1);
    t.fileSize = fileSize;
    t.tagTrackNo = 7;
    t.detail.minutes = static_cast<std::uint16_t>(minutes);
    t.detail.seconds = static_cast<std::uint16_t>(seconds);
    t.detail.bitRate = 128;
    t.detail.codec = AVT_CODEC_MP3;
    std::strncpy(t.detail.title, title.c_str(), sizeof t.detail.title - 1);
    std::strncpy(t.detail.artist, "Artist", sizeof t.detail.artist - 1);
    t.distinct.mood[0] = 42;
    t.distinct.status = kMoodStatusSuccess;
    return t;
}

Songbase_List makeList(const std::string& title) {
    Songbase_List l{};
    InitListRecord(&l.record);
    std::strncpy(l.record.info.title, title.c_str(), sizeof l.record.info.title - 1);
    return l;
}

int addPlayList(const std::string& title, const std::vector<Songbase_Track>& tracks) {
    int index = -1;
    EXPECT_EQ(CSongbase::CreatePlayList(&index), 1);
    const Songbase_List named = makeList(title);
    AVT_Pl_PlInfo info = named.record.info;
    EXPECT_EQ(CSongbase::SetPlayListInfo(index, info), 1);
    for (std::size_t j = 0; j < tracks.size(); ++j)
        EXPECT_EQ(CSongbase::InsertTrackData(index, static_cast<int>(j), tracks[j]), 1);
    return index;
}

std::vector<std::string> trackTitles(int list) {
    std::vector<std::string> titles;
    for (int j = 0; j < CSongbase::GetTrackCount(list); ++j) {
        AVT_Tk_DetailInfo* d = nullptr;
        if (CSongbase::GetTrackInfo(list, j, &d)) titles.emplace_back(d->title);
    }
    return titles;
}

namespace {
::testing::AssertionResult checkPlayList(int i, const Songbase_List& pl, std::uint64_t* size,
                                         int* tracks) {
    char name[48];
    std::snprintf(name, sizeof name, "PLINFO%03d.PPD", i + 1);
    if (pl.record.master.playlistNo != i + 1 || std::strcmp(pl.record.master.fileName, name))
        return ::testing::AssertionFailure() << "playlist " << i << " numbered wrongly";
    int count = pl.record.info.trackCount;
    if (pl.record.master.trackNo != count)
        return ::testing::AssertionFailure() << "playlist " << i << " master track count";
    unsigned total = 0;
    for (int j = 0; j < kMaxTracksPerList; ++j) {
        const Songbase_Track* t = pl.tracks[j];
        if ((j < count) != (t != nullptr))
            return ::testing::AssertionFailure() << "playlist " << i << " slot " << j;
        if (!t) continue;
        std::snprintf(name, sizeof name, "TRACK%03d_%02d.PPD", i + 1, j + 1);
        if (t->detail.trackNo != j + 1 || t->master.trackNo != j + 1 ||
            t->master.playlistNo != i + 1 || std::strcmp(t->master.fileName, name))
            return ::testing::AssertionFailure() << "track " << i << "/" << j << " numbered wrongly";
        if (!(t->master.guid == pl.record.master.guid))
            return ::testing::AssertionFailure() << "track " << i << "/" << j << " GUID differs";
        total += t->detail.minutes * 60u + t->detail.seconds;
        *size += t->fileSize;
    }
    if (pl.record.info.minutes != total / 60 || pl.record.info.seconds != total % 60)
        return ::testing::AssertionFailure() << "playlist " << i << " total time";
    *tracks += count;
    return ::testing::AssertionSuccess();
}
}  // namespace

::testing::AssertionResult storeIsConsistent() {
    const SONGBASE_ST& st = CSongbase::MusicData();
    std::uint64_t size = 0;
    int tracks = 0;
    const int count = st.header.playlistCount;
    for (int i = 0; i < kPlayListSlots; ++i) {
        if ((i < count) != (st.lists[i] != nullptr))
            return ::testing::AssertionFailure() << "playlist slot " << i;
        if (!st.lists[i]) continue;
        auto result = checkPlayList(i, *st.lists[i], &size, &tracks);
        if (!result) return result;
    }
    if (st.header.objectCount != 1 + count + tracks)
        return ::testing::AssertionFailure() << "object count " << st.header.objectCount;
    if (st.totalSize != size)
        return ::testing::AssertionFailure() << "total size " << st.totalSize << " != " << size;
    return ::testing::AssertionSuccess();
}

void OnePlayListStore::SetUp() {
    EmptyStore::SetUp();
    addPlayList("Drive", {makeTrack("A", 3, 0, 1000), makeTrack("B", 4, 0, 2000),
                          makeTrack("C", 5, 0, 3000)});
}

void ThreePlayListStore::SetUp() {
    EmptyStore::SetUp();
    for (int i = 1; i <= 3; ++i) {
        std::vector<Songbase_Track> tracks;
        for (int j = 1; j <= i; ++j)
            tracks.push_back(makeTrack("P" + std::to_string(i) + "-" + std::to_string(j), 1, 0, 100));
        addPlayList("P" + std::to_string(i), tracks);
    }
}

}  // namespace songbase_test
