#include "MusicDemoData.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

struct DemoTrack {
    const char* file;
    const char* title;
    int seconds;
};

struct DemoAlbum {
    const char* folder;
    const char* artist;
    DemoTrack tracks[4];
};

const DemoAlbum kAlbums[] = {
    {"港の灯り",
     "港町バンド",
     {{"01 海辺の朝.mp3", "海辺の朝", 48},
      {"02 しおさい.wma", "しおさい", 35},
      {"03 灯台.mp3", "灯台", 62},
      {"04 港の灯り.mp3", "港の灯り", 41}}},
    {"夜のドライブ",
     "Blue Signal",
     {{"1-夜明けのドライブ.wma", "夜明けのドライブ", 55},
      {"2-青い信号.mp3", "青い信号", 29},
      {"3-Coastline.wma", "Coastline", 44},
      {"4-ハイウェイ.mp3", "ハイウェイ", 38}}},
};

}  // namespace

MusicDemoData::MusicDemoData(const QString& folder) {
    bool complete = true;
    for (const DemoAlbum& album : kAlbums) {
        const QString path = QDir(folder).filePath(QString::fromUtf8(album.folder));
        complete = QDir().mkpath(path) && complete;
        m_albums.append(path);
        int number = 1;
        for (const DemoTrack& track : album.tracks) {
            complete = MakeTone(QDir(path).filePath(QString::fromUtf8(track.file)), number++,
                                track.title, album.artist, album.folder, track.seconds) &&
                       complete;
        }
    }
    QFile lyrics(QDir(m_albums.front()).filePath(QStringLiteral("歌詞.txt")));
    m_complete = complete && lyrics.open(QIODevice::WriteOnly) && lyrics.write("...\n") > 0;
}

bool MusicDemoData::MakeTone(const QString& path, int track, const char* title,
                             const char* artist, const char* album, int seconds) {
    const bool wma = path.endsWith(QStringLiteral(".wma"));
    QStringList arguments{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                          QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("sine=frequency=%1:duration=%2")
                              .arg(330 + 55 * track)
                              .arg(seconds),
                          QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-ar"),
                          QStringLiteral("44100")};
    const QString tags[][2] = {{QStringLiteral("title"), QString::fromUtf8(title)},
                               {QStringLiteral("artist"), QString::fromUtf8(artist)},
                               {QStringLiteral("album"), QString::fromUtf8(album)},
                               {QStringLiteral("track"), QString::number(track)}};
    for (const auto& tag : tags)
        arguments << QStringLiteral("-metadata") << tag[0] + QLatin1Char('=') + tag[1];
    arguments << QStringLiteral("-c:a")
              << (wma ? QStringLiteral("wmav2") : QStringLiteral("libmp3lame"))
              << QStringLiteral("-b:a") << QStringLiteral("128k") << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    return ffmpeg.waitForFinished(30000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}
