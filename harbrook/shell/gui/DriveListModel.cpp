#include <shell/gui/DriveListModel.h>

#include <ui/SkinRoles.h>

#include <QApplication>
#include <QIcon>
#include <QStyle>

#include <algorithm>

DriveListModel::DriveListModel(Lister lister, QObject* parent)
    : QAbstractListModel(parent), m_lister(std::move(lister)) {
    if (!m_lister) m_lister = [] { return ui::MountedVolumes::List(); };
}

void DriveListModel::Reload() {
    beginResetModel();
    m_drives.clear();
    for (ui::Volume& volume : m_lister()) {
        if (volume.type == ui::DriveType::kRemovable) m_drives.push_back(std::move(volume));
    }
    std::sort(m_drives.begin(), m_drives.end(),
              [](const ui::Volume& a, const ui::Volume& b) { return a.root < b.root; });
    endResetModel();
}

QString DriveListModel::RootAt(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return m_drives[static_cast<std::size_t>(row)].root;
}

int DriveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_drives.size());
}

QVariant DriveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ui::Volume& drive = m_drives[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return drive.name.isEmpty() ? drive.root : drive.name + QStringLiteral(" (") + drive.root +
                                                       QStringLiteral(")");
    case Qt::DecorationRole: {
        static const QIcon icon = QIcon::fromTheme(
            QStringLiteral("drive-removable-media"),
            QApplication::style()->standardIcon(QStyle::SP_DriveFDIcon));
        return icon;
    }
    case ui::role::kItemData:
        return drive.root;
    default:
        return {};
    }
}
