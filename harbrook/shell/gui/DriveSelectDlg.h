#pragma once
// CDriveSelectDlg: asks for the removable drive a transfer copies to when no unit is connected.
// It lists the mounted removable drives (refreshed when a volume is mounted or unmounted while it
// is open), shows the chosen drive's free space and whether the copy fits, and allows OK only for
// a drive with room enough. The result is the drive's root folder, empty after Cancel.
#include <shell/gui/DriveListModel.h>

#include <ui/SkinDialog.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class CSkinList;
class QLabel;
class MountTableWatch;

class CDriveSelectDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 214;
    static constexpr int kListItem = 1035;
    static constexpr int kSpaceItem = 1036;

    // Bytes the copy needs on the drive with root `root`; 0: unknown (any drive will do).
    using NeededBytes = std::function<std::uint64_t(const std::string& root)>;
    // Free bytes of the volume holding `root`; nothing when they cannot be read.
    using FreeBytes = std::function<std::optional<std::uint64_t>(const QString& root)>;

    explicit CDriveSelectDlg(NeededBytes needed, QWidget* parent = nullptr,
                             DriveListModel::Lister lister = {}, FreeBytes free = {});
    ~CDriveSelectDlg() override;

    // The chosen drive's root folder, with a trailing '/'; empty until OK.
    const QString& Result() const { return m_result; }
    // Lists the drives again: the selection and the result are cleared, OK disabled.
    void Refresh();
    void SelectRow(int row);

    CSkinList* List() const { return m_list; }
    QLabel* SpaceLine() const { return m_space; }
    QWidget* OkButton() const;

    static std::optional<std::uint64_t> VolumeFreeBytes(const QString& root);

protected:
    bool OnCommand(int commandId) override;

private:
    void Build();
    void OnSelectionChanged();

    NeededBytes m_needed;
    FreeBytes m_free;
    DriveListModel m_model;
    CSkinList* m_list = nullptr;
    QLabel* m_space = nullptr;
    MountTableWatch* m_watch = nullptr;
    QString m_result;
};
