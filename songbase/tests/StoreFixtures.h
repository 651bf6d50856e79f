#pragma once
// Store fixtures layered by starting state: an initialised empty store, then stores holding
// playlists of hand-made track records. The store is process-wide, so every fixture starts from
// Initialize and releases at the end.
#include <songbase/Songbase.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace songbase_test {

// A track record as the program would hand it to InsertTrackData.
Songbase_Track makeTrack(const std::string& title, int minutes, int seconds,
                         std::uint32_t fileSize = 0, const std::string& path = "");

// A playlist record (no tracks) titled `title`.
Songbase_List makeList(const std::string& title);

// Appends a playlist titled `title` with `tracks`; its index.
int addPlayList(const std::string& title, const std::vector<Songbase_Track>& tracks);

// Titles of the playlist's tracks in order.
std::vector<std::string> trackTitles(int list);

// Checks every store invariant (counts, numbering, file names, times, GUIDs, total size).
::testing::AssertionResult storeIsConsistent();

class EmptyStore : public ::testing::Test {
protected:
    void SetUp() override { CSongbase::Initialize(); }
    void TearDown() override { CSongbase::Release(); }
};

// One playlist "Drive" with tracks A (3:00, 1 000 bytes), B (4:00, 2 000), C (5:00, 3 000).
class OnePlayListStore : public EmptyStore {
protected:
    void SetUp() override;
};

// Playlists "P1", "P2", "P3" with 1, 2 and 3 tracks ("P1-1", "P2-1", ...).
class ThreePlayListStore : public EmptyStore {
protected:
    void SetUp() override;
};

}  // namespace songbase_test
