#pragma once
// The dialogs of a new or edited point: the choice, the web map's position, the typed position
// and the point's data (CNewPointChoiceDlg, CMapPositionDlg, CLatLonDlg, CPointEntryDlg).
#include <points/NewPointFlow.h>

#include <QStringList>

#include <functional>

class AppSettings;
class QWidget;

namespace points {
class CPointData;
}

class PointDialogs : public points::NewPointDialogs {
public:
    // `groupNames` gives the names of groups 0 to 10 the entry dialog offers.
    PointDialogs(points::CPointData& store, AppSettings& settings, QWidget* owner,
                 std::function<QStringList()> groupNames);

    int ChooseWay() override;
    bool PositionFromMap(points::PointEntry& entry) override;
    bool TypedPosition(points::PointEntry& entry) override;
    bool PointData(points::PointEntry& entry) override;

private:
    points::CPointData& m_store;
    AppSettings& m_settings;
    QWidget* m_owner;
    std::function<QStringList()> m_groupNames;
};
