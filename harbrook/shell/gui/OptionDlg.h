#pragma once
// COptionDlg: the option settings. Five switches and the work folder, which is checked (and
// created on request) before OK stores anything.
#include <ui/SkinDialog.h>

#include <QString>

class AppSettings;
class QCheckBox;
class QLineEdit;

class COptionDlg : public CSkinDialog {
    Q_OBJECT
public:
    // Item ids.
    static constexpr int kWithDj = 1029;
    static constexpr int kAnimation = 1030;
    static constexpr int kTempFolder = 1031;
    static constexpr int kFolderEdit = 1032;
    static constexpr int kBrowse = 1033;
    static constexpr int kAutoSort = 1035;
    static constexpr int kSound = 1036;
    // Longest work folder accepted, in bytes of its file-system name.
    static constexpr int kMaxFolderLength = 194;

    explicit COptionDlg(AppSettings& settings, QWidget* parent = nullptr);

    QCheckBox* Check(int id) const;
    QLineEdit* FolderEdit() const { return m_folder; }

    // Checks a work folder name (white space around it ignored, "~/" meaning the home folder) and
    // offers to create a missing one. Shows the reason when it fails. On success `folder` holds
    // the full path as it will be stored (without a trailing "/").
    static bool ValidateFolder(const QString& text, QString& folder);
    // The stored form: the folder with "/" appended when it is not empty and has none.
    static QString WithTrailingSlash(const QString& folder);

protected:
    bool OnCommand(int commandId) override;

private:
    void Build();
    void AddCheck(int id, const char* label, int row, int value);
    void UpdateFolderState();
    void Browse();
    bool Store();

    AppSettings& m_settings;
    QLineEdit* m_folder = nullptr;
};
