#include <points/view/PointDialogs.h>

#include <points/view/LatLonDlg.h>
#include <points/view/MapPositionDlg.h>
#include <points/view/NewPointChoiceDlg.h>
#include <points/view/PointEntryDlg.h>

#include <outside/Atlasgate.h>

PointDialogs::PointDialogs(points::CPointData& store, AppSettings& settings, QWidget* owner,
                           std::function<QStringList()> groupNames)
    : m_store(store), m_settings(settings), m_owner(owner), m_groupNames(std::move(groupNames)) {}

int PointDialogs::ChooseWay() {
    CNewPointChoiceDlg dialog(m_owner);
    const int result = dialog.exec();
    return result < 0 ? CNewPointChoiceDlg::kCancel : result;
}

bool PointDialogs::PositionFromMap(points::PointEntry& entry) {
    CMapPositionDlg dialog(m_store, m_owner);
    if (dialog.exec() != 1) return false;
    return CAtlasgate::IsInstalled() && CAtlasgate::GetLonLat(&entry.longitude, &entry.latitude);
}

bool PointDialogs::TypedPosition(points::PointEntry& entry) {
    CLatLonDlg dialog(m_store, m_owner);
    if (dialog.exec() != 1) return false;
    const sMapLonLat position = dialog.Position();
    entry.longitude = position.longitude;
    entry.latitude = position.latitude;
    return true;
}

bool PointDialogs::PointData(points::PointEntry& entry) {
    CPointEntryDlg dialog(m_settings, m_owner);
    dialog.SetEntry(&entry);
    dialog.SetGroupNames(m_groupNames());
    return dialog.exec() == 1;
}
