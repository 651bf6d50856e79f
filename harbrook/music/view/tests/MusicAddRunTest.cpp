// Adding folders and files to the transfer list, and the clipboard's copies.
#include "MusicViewTestSupport.h"

#include <music/view/MusicAddRun.h>
#include <music/view/MusicClipboard.h>

namespace {

class MusicAddRunTest : public MusicViewFixture {
protected:
    CMusicData& doc() override { return m_doc; }
    std::vector<int> TagOrder(int list) {
        std::vector<int> tags;
        for (int t = 0; t < CSongbase::GetTrackCount(list); ++t)
            tags.push_back(CSongbase::GetTagTrackNo(list, t));
        return tags;
    }
    std::string TrackPath(int list, int track) {
        char* path = nullptr;
        return CSongbase::GetTrackFullPath(list, track, &path) ? path : "";
    }
    CMusicData m_doc;
};

}  // namespace

TEST_F(MusicAddRunTest, FolderBecomesPlayListSortedByTagTrackNumber) {
    const std::string album = scratch.file("album");
    Copy(Mp3(3), "album/a.mp3");
    Copy(Mp3(1), "album/b.mp3");
    Copy(Mp3(2), "album/c.mp3");
    Copy(Mp3(4), "album/sub/d.mp3");  // subfolders are not entered
    MusicAddRun run(m_doc, true);
    run.Begin({{album, "Album", true}}, -1);
    run.RunAll();
    ASSERT_EQ(CSongbase::GetPlayListCount(), 1);
    EXPECT_EQ(TagOrder(0), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(run.Failed());

    MusicAddRun unsorted(m_doc, false);
    unsorted.Begin({{album, "Album", true}}, -1);
    unsorted.RunAll();
    EXPECT_EQ(TagOrder(1), (std::vector<int>{3, 1, 2}));
}

TEST_F(MusicAddRunTest, FolderWithoutPlayableFileLeavesNoPlayListAndReportsIt) {
    const std::string folder = scratch.file("empty");
    const std::string text = Copy(scratch.file("x"), "empty/notes.txt");
    testsupport::writeFile(scratch.file("empty/broken.mp3"), "not music");
    MusicAddRun run(m_doc, true);
    run.Begin({{folder, "Empty", true}}, -1);
    run.RunAll();
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
    EXPECT_TRUE(run.Failed());
    const std::string report = m_doc.ReportText();
    EXPECT_NE(report.find(" - \t - \t" + scratch.file("empty/broken.mp3") + "\t"), std::string::npos);
    EXPECT_NE(report.find(" - \t - \t" + text + "\t"), std::string::npos);
    EXPECT_NE(report.find("Empty\t\t\t空のプレイリストを削除します。\r"), std::string::npos);
}

TEST_F(MusicAddRunTest, LooseFilesStopAtTheTrackLimitAndBadFilesMakeNoPlayList) {
    std::vector<MusicAddItem> files(120, MusicAddItem{Mp3(1), "", false});
    MusicAddRun run(m_doc, false);
    run.Begin(files, -1);
    run.RunAll();
    ASSERT_EQ(CSongbase::GetPlayListCount(), 1);
    EXPECT_EQ(CSongbase::GetTrackCount(0), 99);
    EXPECT_EQ(run.FilesDone(), 100);
    EXPECT_TRUE(run.Failed());
    EXPECT_EQ(m_doc.ErrorText(), "トラックの最大数は99曲です。");

    testsupport::writeFile(scratch.file("bad.mp3"), "not music");
    MusicAddRun bad(m_doc, false);
    bad.Begin({{scratch.file("bad.mp3"), "", false}}, -1);
    bad.RunAll();
    EXPECT_EQ(CSongbase::GetPlayListCount(), 1);  // the "New Album" made for it is gone again
}

TEST_F(MusicAddRunTest, StopEndsTheRunBetweenFiles) {
    std::vector<MusicAddItem> files(5, MusicAddItem{Mp3(1), "", false});
    MusicAddRun run(m_doc, false);
    run.Begin(files, -1);
    EXPECT_TRUE(run.Step());
    EXPECT_TRUE(run.Step());
    run.Stop();
    while (run.Step()) {
    }
    EXPECT_EQ(CSongbase::GetTrackCount(0), 2);
}

TEST_F(MusicAddRunTest, ClipboardKeepsItsOwnTracksAfterTheOriginalIsDeleted) {
    const int list = PlayListOf(3);
    const std::string path = TrackPath(list, 0);
    MusicClipboard clip;
    ASSERT_TRUE(clip.CopyPlayLists(m_doc, {list}));
    ASSERT_TRUE(m_doc.Delete(list, -1));
    ASSERT_TRUE(m_doc.ClearAll());
    // Allocations after the delete would reuse the freed records.
    PlayListOf(2);
    bool refused = true;
    EXPECT_EQ(clip.PastePlayLists(m_doc, 0, &refused), 1);
    EXPECT_FALSE(refused);
    ASSERT_EQ(CSongbase::GetTrackCount(0), 3);
    EXPECT_EQ(TrackPath(0, 2), path);

    ASSERT_TRUE(clip.CopyTracks(m_doc, 0, {0, 1}));
    ASSERT_TRUE(m_doc.ClearAll());
    const int target = PlayListOf(98);
    EXPECT_EQ(clip.PasteTracks(m_doc, target, 0, &refused), 1);
    EXPECT_TRUE(refused);
    EXPECT_EQ(CSongbase::GetTrackCount(target), 99);
}
