// The point view's commands on the web map: show a point there, take a position from it.
#include <points/view/PointCommands.h>

#include <points/view/PointListModel.h>
#include <points/view/PointMessages.h>

#include <points/CPointData.h>

#include <outside/Atlasgate.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MessageDlg.h>

namespace {

const QString kChangeQuestion = QStringLiteral("位置情報を変更します。よろしいですか？");

}  // namespace

void PointCommands::ShowOnMap() {
    const int slot = SelectedSlot();
    if (!CAtlasgate::IsInstalled() || slot < 0) return;
    auto entry = std::make_unique<points::PointEntry>();
    m_app.m_PointData.GetPoint(slot, entry.get());
    if (entry->longitude != 0 || entry->latitude != 0) {
        CAtlasgate::CallMap(entry->longitude, entry->latitude, kMapScale);
    } else {
        std::int32_t longitude = 0, latitude = 0;
        CAtlasgate::GetLonLat(&longitude, &latitude);
    }
}

void PointCommands::TakeFromMap() {
    if (!CAtlasgate::IsInstalled()) return;
    const int slot = SelectedSlot();
    if (slot < 0) {
        NewPoint(points::NewPointStart::Map);
        return;
    }
    points::CPointData& store = m_app.m_PointData;
    auto entry = std::make_unique<points::PointEntry>();
    store.GetPoint(slot, entry.get());
    if (ShowMessage(kChangeQuestion, CMessageDlg::kYesNo) != CMessageDlg::kYes) return;
    std::int32_t longitude = 0, latitude = 0;
    if (!CAtlasgate::GetLonLat(&longitude, &latitude)) {
        ShowMessage(pointmsg::NoPosition(), CMessageDlg::kInformation);
        return;
    }
    if (!store.CheckPosition(longitude, latitude)) {
        ShowMessage(pointmsg::OutOfRange(), CMessageDlg::kInformation);
        return;
    }
    entry->longitude = longitude;
    entry->latitude = latitude;
    store.PutPoint(slot, entry.get());
    m_model.Update();
}
