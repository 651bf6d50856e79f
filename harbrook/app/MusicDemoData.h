#pragma once
// Music for the pictures of the music view, made at run time: two album folders of short test
// tones encoded by the ffmpeg command as MP3 and WMA files with Japanese tags (title, artist,
// album, track number), and a lyrics text file the transfer list leaves out.
#include <QString>
#include <QStringList>

class MusicDemoData {
public:
    // Writes the albums into `folder` (which must exist); IsComplete() tells whether ffmpeg made
    // every file.
    explicit MusicDemoData(const QString& folder);
    bool IsComplete() const { return m_complete; }
    // The album folders, in the order they were made.
    const QStringList& Albums() const { return m_albums; }

private:
    bool MakeTone(const QString& path, int track, const char* title, const char* artist,
                  const char* album, int seconds);

    QStringList m_albums;
    bool m_complete = false;
};
