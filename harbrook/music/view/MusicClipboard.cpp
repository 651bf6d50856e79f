#include <music/view/MusicClipboard.h>

#include <music/MusicData.h>

#include <algorithm>
#include <memory>

void MusicClipboard::Clear() {
    m_lists.clear();
    m_tracks.clear();
}

bool MusicClipboard::CopyPlayLists(CMusicData& doc, const std::vector<int>& lists) {
    Clear();
    auto source = std::make_unique<Songbase_List>();
    for (int list : lists) {
        if (!doc.CopyOutPlayList(list, source.get())) {
            Clear();
            return false;
        }
        PlayList copy{source->record, {}};
        const int count = std::min<int>(source->record.info.trackCount, kMaxTracksPerList);
        for (int track = 0; track < count && source->tracks[track]; ++track)
            copy.tracks.push_back(*source->tracks[track]);
        m_lists.push_back(std::move(copy));
    }
    return true;
}

bool MusicClipboard::CopyTracks(CMusicData& doc, int list, const std::vector<int>& tracks) {
    Clear();
    Songbase_Track record{};
    for (int track : tracks) {
        if (!doc.CopyOutTrack(list, track, &record)) {
            Clear();
            return false;
        }
        m_tracks.push_back(record);
    }
    return true;
}

int MusicClipboard::PastePlayLists(CMusicData& doc, int position, bool* refused) const {
    *refused = false;
    int inserted = 0;
    // The store copies the tracks the record points to; here they point into the clipboard.
    auto record = std::make_unique<Songbase_List>();
    for (const PlayList& list : m_lists) {
        *record = Songbase_List{};
        record->record = list.record;
        for (std::size_t track = 0; track < list.tracks.size(); ++track)
            record->tracks[track] = const_cast<Songbase_Track*>(&list.tracks[track]);
        record->record.info.trackCount = static_cast<std::uint16_t>(list.tracks.size());
        if (doc.InsertPlayList(position + inserted, *record) != 0) {
            *refused = true;
            break;
        }
        ++inserted;
    }
    return inserted;
}

int MusicClipboard::PasteTracks(CMusicData& doc, int list, int position, bool* refused) const {
    *refused = false;
    int inserted = 0;
    for (const Songbase_Track& track : m_tracks) {
        if (doc.InsertTrack(list, position + inserted, track) != 0) {
            *refused = true;
            break;
        }
        ++inserted;
    }
    return inserted;
}
