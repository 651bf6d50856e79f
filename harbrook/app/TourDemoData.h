#pragma once
// Demonstration data for the screenshot tour, made at run time: an album folder as a user keeps
// it, a transfer list of tracks and a playlist tree as the music view shows them, and two albums
// of myDB rows.
#include <QSize>
#include <QString>

class CMyDbData;
class CSkinList;
class QStandardItemModel;

bool makeDemoAlbum(const QString& folder);
void fillTracks(QStandardItemModel& model, int copies);
void showTracks(CSkinList& list, QStandardItemModel& model, QSize size);
void fillPlaylists(QStandardItemModel& model);
void fillMyDb(CMyDbData& store);
