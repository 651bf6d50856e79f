#pragma once
// CLatLonDlg: the latitude/longitude entry dialog. Degrees, minutes and seconds (with tenths) of
// the north latitude and the east longitude; OK closes only on a position within the unit's range.
#include <ui/SkinDialog.h>

#include <outside/Atlasgate.h>

#include <array>

class QLineEdit;

namespace points {
class CPointData;
}

class CLatLonDlg : public CSkinDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 174;
    // Item ids: latitude degrees, minutes, seconds, then longitude degrees, minutes, seconds.
    static constexpr int kLatDegrees = 1061;
    static constexpr int kLonSeconds = 1066;

    explicit CLatLonDlg(points::CPointData& store, QWidget* parent = nullptr);

    // The edit of item 1061 + i.
    QLineEdit* Edit(int i) const { return m_edits[static_cast<std::size_t>(i)]; }
    // The typed position in the point records' unit.
    sMapLonLat Position() const;

protected:
    bool OnCommand(int commandId) override;
    void showEvent(QShowEvent* event) override;

private:
    void AddRow(int row, const char* label, int firstItem, const char* const example[4]);

    points::CPointData& m_store;
    std::array<QLineEdit*, 6> m_edits{};
};
