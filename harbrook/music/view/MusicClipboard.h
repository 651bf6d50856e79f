#pragma once
// MusicClipboard: the music view's copies of playlists or tracks for copy and paste. Every record
// is a deep copy: a copied playlist keeps its own copies of its tracks, so deleting the original
// (or emptying or reloading the whole list) cannot leave the clipboard pointing into the store.
// Qt-free.
#include <songbase/Records.h>

#include <vector>

class CMusicData;

class MusicClipboard {
public:
    bool Empty() const { return m_lists.empty() && m_tracks.empty(); }
    bool HoldsPlayLists() const { return !m_lists.empty(); }
    bool HoldsTracks() const { return !m_tracks.empty(); }
    int Count() const { return static_cast<int>(m_lists.empty() ? m_tracks.size() : m_lists.size()); }
    void Clear();

    // Replaces the contents with the playlists (with their tracks) or with tracks of one
    // playlist. False, with the clipboard empty, when one cannot be read.
    bool CopyPlayLists(CMusicData& doc, const std::vector<int>& lists);
    bool CopyTracks(CMusicData& doc, int list, const std::vector<int>& tracks);

    // Inserts the copied playlists at `position` on, or the copied tracks into `list` at
    // `position` on, in order. The number inserted; `refused` tells whether the document refused
    // one (its message says why), which ends the paste.
    int PastePlayLists(CMusicData& doc, int position, bool* refused) const;
    int PasteTracks(CMusicData& doc, int list, int position, bool* refused) const;

private:
    struct PlayList {
        Songbase_ListRecord record;
        std::vector<Songbase_Track> tracks;
    };

    std::vector<PlayList> m_lists;
    std::vector<Songbase_Track> m_tracks;
};
