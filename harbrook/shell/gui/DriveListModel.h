#pragma once
// DriveListModel: the removable drives the drive dialog offers, one row each with the volume's
// name and a drive icon; the row's item data is the drive's root folder.
#include <ui/MountedVolumes.h>

#include <QAbstractListModel>

#include <functional>
#include <vector>

class DriveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using Lister = std::function<std::vector<ui::Volume>()>;

    // `lister` gives the mounted volumes; the default is ui::MountedVolumes::List.
    explicit DriveListModel(Lister lister = {}, QObject* parent = nullptr);

    // Reads the volumes again and keeps the removable ones in root order.
    void Reload();
    QString RootAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    Lister m_lister;
    std::vector<ui::Volume> m_drives;
};
