#pragma once
// CMusicInfoDlg: the music view's read-only information dialogs: the playlist properties
// (dialog 211), the track properties (dialog 212) and the information on a PC file or folder.
// Each shows label and value rows and an OK button; nothing in them is edited (editing is done
// in place in the panes).
#include <music/MusicProperties.h>
#include <ui/SkinDialog.h>

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class CMusicInfoDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kPlayListTemplate = 211;
    static constexpr int kTrackTemplate = 212;
    static constexpr int kFileTemplate = 0;
    using Rows = QList<QPair<QString, QString>>;

    CMusicInfoDlg(int templateId, const QString& caption, const Rows& rows,
                  QWidget* parent = nullptr);

    // The rows of dialog 211 (playlist) or 212 (track) for a property record.
    static Rows PropertyRows(const MusicProperties& properties, bool track);
    // Name, kind, folder, size and last change of a PC file or folder.
    static Rows FileRows(const QString& path);
    // Dialog 211 or 212 for a property record (the caller owns it).
    static std::unique_ptr<CMusicInfoDlg> ForProperties(const MusicProperties& properties,
                                                        bool track, QWidget* parent);
    // Runs it.
    static int ShowProperties(const MusicProperties& properties, bool track, QWidget* parent);
    static int ShowFile(const QString& path, QWidget* parent);

    const Rows& ShownRows() const { return m_rows; }

    // The skinned OK button (item 1) of a read-only music dialog at `rect`.
    static void AddOkButton(CSkinDialog* dialog, const QRect& rect);

private:
    Rows m_rows;
};
