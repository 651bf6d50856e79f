#include "StoreFixtures.h"

#include <cstring>
#include <tuple>

using namespace songbase_test;

namespace {
GUID playListGuid(int list) {
    AVT_Mtr_PlTrackInfo* m = nullptr;
    EXPECT_EQ(CSongbase::GetPlayListMtr(list, &m), 1);
    return m ? m->guid : GUID{};
}
std::string playListTitle(int list) {
    AVT_Pl_PlInfo* info = nullptr;
    return CSongbase::GetPlayListInfo(list, &info) ? info->title : "";
}
std::pair<int, int> playListTime(int list) {
    AVT_Pl_PlInfo* info = nullptr;
    EXPECT_EQ(CSongbase::GetPlayListInfo(list, &info), 1);
    return {info->minutes, info->seconds};
}
}  // namespace

TEST_F(EmptyStore, StartsWithTheEmptyMasterListHeaders) {
    const SONGBASE_ST& st = CSongbase::MusicData();
    EXPECT_EQ(st.header.type, 1);
    EXPECT_EQ(st.header.size, 32);
    EXPECT_EQ(st.header.objectCount, 1);
    EXPECT_STREQ(st.fileHeader.name, "MtrList");
    EXPECT_EQ(std::memcmp(st.fileHeader.version, "01.00001.000", 12), 0);
    EXPECT_EQ(+st.fileHeader.bodyOffset, 72u);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
    EXPECT_EQ(CSongbase::GetAllFileSize(), 0u);
    EXPECT_EQ(CSongbase::GetMaxDecodeFileSize(), 0u);
    EXPECT_EQ(CSongbase::IsInitialized(), 1);
}

TEST_F(EmptyStore, NewPlayListIsNumberedTypedAndEmpty) {
    int index = -1;
    ASSERT_EQ(CSongbase::CreatePlayList(&index), 1);
    EXPECT_EQ(index, 0);
    Songbase_List* pl = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListData(0, &pl), 1);
    EXPECT_EQ(pl->record.info.type, 6);
    EXPECT_EQ(pl->record.info.size, 224);
    EXPECT_EQ(+pl->record.master.type, 4);
    EXPECT_EQ(pl->record.master.playlistNo, 1);
    EXPECT_STREQ(pl->record.master.fileName, "PLINFO001.PPD");
    EXPECT_STREQ(pl->record.fileHeader.name, "PlInfo");
    EXPECT_STREQ(pl->record.info.title, "");
    EXPECT_FALSE(playListGuid(0) == GUID{});
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, The1000thPlayListIsRefused) {
    int index = -1;
    for (int i = 0; i < kMaxPlayLists; ++i) ASSERT_EQ(CSongbase::CreatePlayList(&index), 1);
    EXPECT_EQ(index, 998);
    EXPECT_EQ(CSongbase::CreatePlayList(&index), 0);
    EXPECT_EQ(CSongbase::InsertPlayListData(0, makeList("X")), 0);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 999);
    EXPECT_STREQ(CSongbase::MusicData().lists[998]->record.master.fileName, "PLINFO999.PPD");
}

TEST_F(EmptyStore, EmptyPathAddsAPlaceholderThatCountsEverywhere) {
    int list = addPlayList("L", {});
    ASSERT_EQ(CSongbase::SetTrackInfo(list, 0, ""), 1);
    Songbase_Track* t = nullptr;
    ASSERT_EQ(CSongbase::GetTrackData(list, 0, &t), 1);
    EXPECT_EQ(+t->detail.type, 8);
    EXPECT_EQ(+t->distinct.type, 9);
    EXPECT_EQ(+t->master.type, 5);
    EXPECT_EQ(t->fileSize, 0u);
    EXPECT_EQ(t->detail.minutes, 0);
    EXPECT_STREQ(t->master.fileName, "TRACK001_01.PPD");
    EXPECT_STREQ(t->fileHeader.name, "TrackData");
    EXPECT_EQ(+t->fileHeader.bodyOffset, 400u);
    EXPECT_EQ(CSongbase::GetTrackCount(list), 1);
    EXPECT_EQ(CSongbase::MusicData().header.objectCount, 3);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, AddingByPathOnlyAtTheEndAndWithinThePathField) {
    int list = addPlayList("L", {});
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 1, ""), 0);  // past the end
    ASSERT_EQ(CSongbase::SetTrackInfo(list, 0, ""), 1);
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 0, ""), 0);  // occupied
    EXPECT_EQ(CSongbase::SetTrackInfo(list + 1, 0, ""), 0);  // no such playlist
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 1, std::string(260, 'a').c_str()), 0);
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 1, "/no/such/file.mp3"), 0);
    EXPECT_EQ(CSongbase::GetTrackCount(list), 1);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, The100thTrackIsRefused) {
    int list = addPlayList("L", {});
    for (int j = 0; j < kMaxTracksPerList; ++j) ASSERT_EQ(CSongbase::SetTrackInfo(list, j, ""), 1);
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 99, ""), 0);
    EXPECT_EQ(CSongbase::InsertTrackData(list, 0, makeTrack("X", 1, 0)), 0);
    EXPECT_EQ(CSongbase::GetTrackCount(list), 99);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, ObjectCountNeverOverflowsItsSixteenBitField) {
    int list = 0;
    while (CSongbase::CreatePlayList(&list)) {
        while (CSongbase::GetTrackCount(list) < kMaxTracksPerList &&
               CSongbase::SetTrackInfo(list, CSongbase::GetTrackCount(list), ""))
            ;
        if (CSongbase::GetTrackCount(list) < kMaxTracksPerList) break;
    }
    EXPECT_EQ(CSongbase::MusicData().header.objectCount, kMaxObjectCount);
    EXPECT_EQ(CSongbase::CreatePlayList(&list), 0);
    EXPECT_EQ(CSongbase::InsertTrackData(0, 0, makeTrack("X", 0, 1)), 0);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, AddedTimesCarryIntoMinutes) {
    int list = addPlayList("L", {makeTrack("A", 2, 50)});
    ASSERT_EQ(CSongbase::InsertTrackData(list, 1, makeTrack("B", 3, 20)), 1);
    EXPECT_EQ(playListTime(list), std::make_pair(6, 10));
}

TEST_F(EmptyStore, LongestTrackGivesTheLargestDecodeSize) {
    addPlayList("L", {makeTrack("A", 3, 59), makeTrack("B", 4, 0)});
    addPlayList("M", {makeTrack("C", 1, 0)});
    EXPECT_EQ(CSongbase::GetMaxDecodeFileSize(), 42336046u);
}

TEST_F(EmptyStore, TrackThatWouldPassTheTimeLimitIsRefused) {
    int list = addPlayList("L", {makeTrack("Long", 990, 0, 5000)});
    const GUID before = playListGuid(list);
    EXPECT_EQ(CSongbase::InsertTrackData(list, 0, makeTrack("Over", 10, 0, 700)), 0);
    EXPECT_EQ(trackTitles(list), std::vector<std::string>{"Long"});
    EXPECT_EQ(playListTime(list), std::make_pair(990, 0));
    EXPECT_TRUE(playListGuid(list) == before);
    EXPECT_EQ(CSongbase::InsertTrackData(list, 1, makeTrack("Fits", 9, 59, 700)), 1);
    EXPECT_EQ(playListTime(list), std::make_pair(999, 59));
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, FailedReplaceKeepsTheUsersTrackAndTotalSize) {
    EXPECT_EQ(CSongbase::SetTrackData(0, 1, makeTrack("Huge", 998, 0, 9)), 0);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(CSongbase::GetAllFileSize(), 6000u);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, ReplaceSwapsSizeAndTimeAndRenumbers) {
    Songbase_Track src = makeTrack("B2", 1, 30, 500);
    std::strcpy(src.master.fileName, "../../evil");
    src.master.playlistNo = 9;
    ASSERT_EQ(CSongbase::SetTrackData(0, 1, src), 1);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"A", "B2", "C"}));
    EXPECT_EQ(CSongbase::GetAllFileSize(), 4500u);
    EXPECT_EQ(playListTime(0), std::make_pair(9, 30));
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, DeletingFirstTrackRenumbersTheRestWithAFreshGuid) {
    const GUID before = playListGuid(0);
    ASSERT_EQ(CSongbase::SetTrackInfo(0, 0, nullptr), 1);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"B", "C"}));
    AVT_Mtr_PlTrackInfo* m = nullptr;
    ASSERT_EQ(CSongbase::GetTrackMtr(0, 1, &m), 1);
    EXPECT_STREQ(m->fileName, "TRACK001_02.PPD");
    EXPECT_FALSE(playListGuid(0) == before);
    EXPECT_EQ(CSongbase::GetAllFileSize(), 5000u);
    EXPECT_EQ(playListTime(0), std::make_pair(9, 0));
    EXPECT_EQ(CSongbase::SetTrackInfo(0, 2, nullptr), 0);  // one past the end holds nothing
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, InsertingInTheMiddleShiftsTheFollowingTracks) {
    ASSERT_EQ(CSongbase::InsertTrackData(0, 1, makeTrack("X", 0, 30, 10)), 1);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"A", "X", "B", "C"}));
    EXPECT_EQ(CSongbase::InsertTrackData(0, 5, makeTrack("Y", 0, 1)), 0);
    EXPECT_EQ(CSongbase::GetAllFileSize(), 6010u);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, InsertingACopyOfItsOwnTrackDuplicatesIt) {
    Songbase_Track* c = nullptr;
    ASSERT_EQ(CSongbase::GetTrackData(0, 2, &c), 1);
    ASSERT_EQ(CSongbase::InsertTrackData(0, 0, *c), 1);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"C", "A", "B", "C"}));
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, SwappingTracksRenumbersWithAFreshGuid) {
    const GUID before = playListGuid(0);
    ASSERT_EQ(CSongbase::ChangeTrackOrder(0, 0, 2), 1);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_FALSE(playListGuid(0) == before);
    EXPECT_EQ(CSongbase::ChangeTrackOrder(0, 0, 3), 0);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, DetailAndMasterSettersKeepStoreNumbersAndTimes) {
    AVT_Tk_DetailInfo detail = makeTrack("B*", 6, 30).detail;
    detail.trackNo = 50;
    ASSERT_EQ(CSongbase::SetTrackInfo(0, 1, detail), 1);
    EXPECT_EQ(playListTime(0), std::make_pair(14, 30));
    detail.minutes = 995;
    EXPECT_EQ(CSongbase::SetTrackInfo(0, 1, detail), 0);

    AVT_Mtr_PlTrackInfo mtr{};
    std::strcpy(mtr.fileName, "/etc/passwd");
    ASSERT_EQ(CSongbase::SetTrackMtr(0, 1, mtr), 1);
    ASSERT_EQ(CSongbase::SetPlayListMtr(0, mtr), 1);
    AVT_Pl_PlInfo info = makeList("Renamed").record.info;
    ASSERT_EQ(CSongbase::SetPlayListInfo(0, info), 1);
    EXPECT_EQ(playListTitle(0), "Renamed");
    EXPECT_EQ(CSongbase::GetTrackCount(0), 3);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListStore, FullPathIsBoundedAndTagTrackNumberReadable) {
    const std::string longPath(259, 'p');
    EXPECT_EQ(CSongbase::SetTrackFullPath(0, 0, *longPath.c_str()), 1);
    EXPECT_EQ(CSongbase::SetTrackFullPath(0, 0, *(longPath + "q").c_str()), 0);
    char* path = nullptr;
    ASSERT_EQ(CSongbase::GetTrackFullPath(0, 0, &path), 1);
    EXPECT_EQ(std::string(path), longPath);
    EXPECT_EQ(CSongbase::GetTrackFullPath(0, 0, nullptr), 0);
    EXPECT_EQ(CSongbase::GetTagTrackNo(0, 0), 7);
    EXPECT_EQ(CSongbase::GetTagTrackNo(0, 3), 0);
}

// Every index form refuses negative positions and positions past its bound.
using IndexCase = std::tuple<int, int>;
class OutOfRange : public OnePlayListStore, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(OutOfRange, EveryAccessorRefuses) {
    auto [list, track] = GetParam();
    Songbase_Track* t = nullptr;
    AVT_Tk_DetailInfo* d = nullptr;
    AVT_Mtr_PlTrackInfo* m = nullptr;
    AVT_Tk_DistinctInfo* x = nullptr;
    char* path = nullptr;
    EXPECT_EQ(CSongbase::GetTrackData(list, track, &t), 0);
    EXPECT_EQ(CSongbase::GetTrackInfo(list, track, &d), 0);
    EXPECT_EQ(CSongbase::GetTrackMtr(list, track, &m), 0);
    EXPECT_EQ(CSongbase::GetDURoInfo(list, track, &x), 0);
    EXPECT_EQ(CSongbase::GetTrackFullPath(list, track, &path), 0);
    EXPECT_EQ(CSongbase::SetTrackData(list, track, makeTrack("Z", 0, 1)), 0);
    EXPECT_EQ(CSongbase::SetTrackInfo(list, track, nullptr), 0);
    EXPECT_EQ(CSongbase::GetTagTrackNo(list, track), 0);
    EXPECT_EQ(CSongbase::ChangeTrackOrder(list, 0, track), 0);
    EXPECT_TRUE(storeIsConsistent());
}

INSTANTIATE_TEST_SUITE_P(Indices, OutOfRange,
                         ::testing::Values(IndexCase{-1, 0}, IndexCase{0, -1}, IndexCase{0, 3},
                                           IndexCase{0, 99}, IndexCase{0, 1000},
                                           IndexCase{1, 0}, IndexCase{999, 0},
                                           IndexCase{1000, 0}));

TEST_F(OnePlayListStore, PlayListAccessorsRefuseOutOfRange) {
    AVT_Pl_PlInfo* info = nullptr;
    Songbase_List* pl = nullptr;
    for (int list : {-1, 1, 999, 1000}) {
        EXPECT_EQ(CSongbase::GetPlayListInfo(list, &info), 0);
        EXPECT_EQ(CSongbase::GetPlayListData(list, &pl), 0);
        EXPECT_EQ(CSongbase::DestroyPlayList(list), 0);
        EXPECT_EQ(CSongbase::ChangePlayListOrder(0, list), 0);
        EXPECT_EQ(CSongbase::UpdatePlayList(list), 0);
        EXPECT_EQ(CSongbase::GetTrackCount(list), 0);
        EXPECT_EQ(CSongbase::InsertPlayListData(list < 0 ? list : list + 1, makeList("X")), 0);
    }
    EXPECT_EQ(CSongbase::GetPlayListCount(), 1);
}

TEST_F(ThreePlayListStore, DestroyingTheFirstRenumbersTheOthersAndTheirTracks) {
    ASSERT_EQ(CSongbase::DestroyPlayList(0), 1);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 2);
    EXPECT_EQ(playListTitle(0), "P2");
    EXPECT_EQ(playListTitle(1), "P3");
    AVT_Mtr_PlTrackInfo* m = nullptr;
    ASSERT_EQ(CSongbase::GetTrackMtr(1, 2, &m), 1);
    EXPECT_STREQ(m->fileName, "TRACK002_03.PPD");
    EXPECT_EQ(CSongbase::GetAllFileSize(), 500u);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(ThreePlayListStore, SwappingPlayListsRenumbersBoth) {
    ASSERT_EQ(CSongbase::ChangePlayListOrder(0, 2), 1);
    EXPECT_EQ(playListTitle(0), "P3");
    EXPECT_EQ(playListTitle(2), "P1");
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"P3-1", "P3-2", "P3-3"}));
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(ThreePlayListStore, InsertedPlayListTakesItsPositionWithCopiedTracks) {
    Songbase_List* p3 = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListData(2, &p3), 1);
    ASSERT_EQ(CSongbase::InsertPlayListData(1, *p3), 1);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 4);
    EXPECT_EQ(playListTitle(1), "P3");
    EXPECT_EQ(playListTitle(2), "P2");
    EXPECT_EQ(trackTitles(1), trackTitles(3));
    EXPECT_EQ(CSongbase::GetAllFileSize(), 900u);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(ThreePlayListStore, ReplacingAPlayListGrowsAndShrinksItsTracks) {
    Songbase_List* p3 = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListData(2, &p3), 1);
    ASSERT_EQ(CSongbase::SetPlayListData(0, *p3), 1);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"P3-1", "P3-2", "P3-3"}));
    Songbase_List* p2 = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListData(1, &p2), 1);
    ASSERT_EQ(CSongbase::SetPlayListData(2, *p2), 1);
    EXPECT_EQ(trackTitles(2), (std::vector<std::string>{"P2-1", "P2-2"}));
    EXPECT_EQ(CSongbase::GetAllFileSize(), 700u);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(ThreePlayListStore, ReplacingWithItsOwnTracksReorderedKeepsEveryRecord) {
    Songbase_List* p3 = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListData(2, &p3), 1);
    Songbase_List reversed = *p3;
    std::swap(reversed.tracks[0], reversed.tracks[2]);
    ASSERT_EQ(CSongbase::SetPlayListData(2, reversed), 1);
    EXPECT_EQ(trackTitles(2), (std::vector<std::string>{"P3-3", "P3-2", "P3-1"}));
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(ThreePlayListStore, InconsistentSourcePlayListsAreRefused) {
    Songbase_List holes = makeList("Holes");
    holes.record.info.trackCount = 2;  // claims two tracks, holds none
    EXPECT_EQ(CSongbase::SetPlayListData(0, holes), 0);
    EXPECT_EQ(CSongbase::InsertPlayListData(0, holes), 0);

    Songbase_Track longTrack = makeTrack("Long", 600, 0);
    Songbase_List tooLong = makeList("TooLong");
    tooLong.tracks[0] = tooLong.tracks[1] = &longTrack;
    tooLong.record.info.trackCount = 2;
    EXPECT_EQ(CSongbase::SetPlayListData(0, tooLong), 0);

    EXPECT_EQ(CSongbase::GetPlayListCount(), 3);
    EXPECT_EQ(trackTitles(0), std::vector<std::string>{"P1-1"});
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(ThreePlayListStore, ReleaseEmptiesButKeepsTheStoreUsable) {
    CSongbase::Release();
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
    EXPECT_EQ(CSongbase::GetAllFileSize(), 0u);
    addPlayList("After", {makeTrack("T", 1, 0, 10)});
    EXPECT_TRUE(storeIsConsistent());
}
