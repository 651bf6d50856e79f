#pragma once
// CMapPositionDlg: the position from the web map. The user shows the place in the web map, copies
// its position (or the map's address) and presses OK; OK closes only when the map bridge delivers
// a position within the unit's range.
#include <ui/SkinDialog.h>

namespace points {
class CPointData;
}

class CMapPositionDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 229;

    explicit CMapPositionDlg(points::CPointData& store, QWidget* parent = nullptr);

protected:
    bool OnCommand(int commandId) override;
    void showEvent(QShowEvent* event) override;

private:
    points::CPointData& m_store;
    bool m_asked = false;
};
