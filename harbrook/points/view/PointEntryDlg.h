#pragma once
// CPointEntryDlg: the point data entry dialog: name, reading, telephone number, picture, group and
// comment of one point. It works on the caller's entry record: OK (完了) checks every field, then
// writes the fields back, and the picture into the holder the entry points to. A name or comment
// the user did not touch keeps its stored bytes.
#include <points/PictureHolder.h>

#include <ui/SkinDialog.h>

#include <QStringList>

class AppSettings;
class CommentEdit;
class QComboBox;
class QLabel;
class QLineEdit;

namespace points {
struct PointEntry;
}

class CPointEntryDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 165;
    // Item ids.
    static constexpr int kBrowse = 1000;
    static constexpr int kRemovePicture = 1001;
    static constexpr int kName = 1002;
    static constexpr int kReading = 1003;
    static constexpr int kTelephone = 1004;
    static constexpr int kGroup = 1005;
    static constexpr int kPreview = 1006;
    static constexpr int kComment = 1007;

    // The picture file settings (ImgIniFolder, ImgFileSpec) are read and updated here.
    explicit CPointEntryDlg(AppSettings& settings, QWidget* parent = nullptr);

    // Set before the dialog opens: the entry it edits (owned by the caller) and the names of
    // groups 0 to 10.
    void SetEntry(points::PointEntry* entry) { m_entry = entry; }
    void SetGroupNames(const QStringList& names) { m_groupNames = names; }

    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* ReadingEdit() const { return m_reading; }
    QLineEdit* TelephoneEdit() const { return m_telephone; }
    QComboBox* GroupBox() const { return m_group; }
    CommentEdit* Comment() const { return m_comment; }
    QLabel* Preview() const { return m_preview; }
    const points::PictureHolder& Picture() const { return m_picture; }
    // Loads a picture file into the dialog's picture, as "参照" does once a file is chosen.
    bool LoadPicture(const QString& path);

protected:
    bool OnCommand(int commandId) override;
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    QLineEdit* AddField(int id, int top, int width, const char* label, const char* hint);
    void Load();
    void ShowPicture();
    void ReadingToKatakana();
    void Browse();
    bool Finish();

    AppSettings& m_settings;
    points::PointEntry* m_entry = nullptr;
    QStringList m_groupNames;
    points::PictureHolder m_picture;
    bool m_loaded = false;

    QLineEdit* m_name = nullptr;
    QLineEdit* m_reading = nullptr;
    QLineEdit* m_telephone = nullptr;
    QComboBox* m_group = nullptr;
    CommentEdit* m_comment = nullptr;
    QLabel* m_preview = nullptr;
};
