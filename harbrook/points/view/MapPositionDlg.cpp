#include <points/view/MapPositionDlg.h>

#include <points/view/DialogItems.h>
#include <points/view/PointMessages.h>

#include <points/CPointData.h>

#include <outside/Atlasgate.h>
#include <shell/gui/MessageDlg.h>

#include <QLabel>

namespace {

constexpr int kWidth = 303;
constexpr int kHeight = 164;

}  // namespace

CMapPositionDlg::CMapPositionDlg(points::CPointData& store, QWidget* parent)
    : CSkinDialog(kTemplate, parent), m_store(store) {
    SetCaption(QStringLiteral("OrvaneWebで場所を指定する"));
    resize(kWidth, kHeight);
    // There is no map program to ask: the user copies the position from the web map.
    QLabel* text = pointdlg::AddLabel(
        this,
        QStringLiteral("&bOrvaneWebで登録したい場所を表示し、\rその位置をコピーしてください。\r"
                       "OKを選ぶとコピーした位置の情報\r（緯度経度）が取り込まれます。"),
        QRect(14, 10, kWidth - 28, 72));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* hint = pointdlg::AddLabel(
        this, QStringLiteral("&c緯度経度（例：35.6586, 139.7454）や地図のアドレスをコピーできます"),
        QRect(14, 84, kWidth - 28, 40));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pointdlg::AddOkCancel(this, kWidth, kHeight, QStringLiteral("OK"));
}

void CMapPositionDlg::showEvent(QShowEvent* event) {
    CSkinDialog::showEvent(event);
    // The map is asked once on opening, for its effect only (it reads what is copied now).
    if (!m_asked && CAtlasgate::IsInstalled()) {
        std::int32_t longitude = 0, latitude = 0;
        CAtlasgate::GetLonLat(&longitude, &latitude);
    }
    m_asked = true;
}

bool CMapPositionDlg::OnCommand(int commandId) {
    if (commandId != 1) return CSkinDialog::OnCommand(commandId);
    std::int32_t longitude = 0, latitude = 0;
    if (!CAtlasgate::IsInstalled() || !CAtlasgate::GetLonLat(&longitude, &latitude)) {
        ShowMessage(pointmsg::NoPosition(), CMessageDlg::kInformation);
        return true;
    }
    if (!m_store.CheckPosition(longitude, latitude)) {
        ShowMessage(pointmsg::OutOfRange(), CMessageDlg::kInformation);
        return true;
    }
    done(1);
    return true;
}
