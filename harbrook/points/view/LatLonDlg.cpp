#include <points/view/LatLonDlg.h>

#include <points/view/DialogItems.h>
#include <points/view/PointMessages.h>

#include <points/CPointData.h>
#include <points/PositionInput.h>

#include <shell/gui/MessageDlg.h>

#include <QLineEdit>

namespace {

constexpr int kWidth = 303;
constexpr int kHeight = 156;
constexpr int kRowTop = 14;
constexpr int kRowStep = 50;
// Left edge, width and unit label of the degree, minute and second edits.
struct Column {
    int x;
    int width;
    const char* unit;
};
constexpr Column kColumns[] = {{66, 44, "&n度"}, {136, 36, "&n分"}, {198, 52, "&n秒"}};

const char* const kLatitudeExample[] = {"&c例）", "&c35度", "&c39分", "&c16.0秒"};
const char* const kLongitudeExample[] = {"&c例）", "&c139度", "&c44分", "&c40.9秒"};

}  // namespace

CLatLonDlg::CLatLonDlg(points::CPointData& store, QWidget* parent)
    : CSkinDialog(kTemplate, parent), m_store(store) {
    SetCaption(QStringLiteral("緯度経度入力"));
    resize(kWidth, kHeight);
    AddRow(0, "&b北緯", kLatDegrees, kLatitudeExample);
    AddRow(1, "&b東経", kLatDegrees + 3, kLongitudeExample);
    pointdlg::AddOkCancel(this, kWidth, kHeight, QStringLiteral("OK"));
}

void CLatLonDlg::AddRow(int row, const char* label, int firstItem, const char* const example[4]) {
    const int top = kRowTop + row * kRowStep;
    pointdlg::AddLabel(this, QString::fromUtf8(label), QRect(14, top + 3, 48, 18));
    pointdlg::AddLabel(this, QString::fromUtf8(example[0]), QRect(14, top + 26, 48, 16));
    for (int i = 0; i < 3; ++i) {
        const Column& column = kColumns[i];
        auto* edit = new QLineEdit(this);
        edit->setGeometry(column.x, top, column.width, 22);
        edit->setMaxLength(16);
        pointdlg::PlainDigits(edit);
        SetItemId(edit, firstItem + i);
        m_edits[static_cast<std::size_t>(firstItem - kLatDegrees + i)] = edit;
        // Enter moves on, except in the last edit, where it is OK.
        if (firstItem + i != kLonSeconds) pointdlg::MoveOnWithEnter(edit);
        pointdlg::AddLabel(this, QString::fromUtf8(column.unit),
                           QRect(column.x + column.width + 4, top + 3, 20, 18));
        pointdlg::AddLabel(this, QString::fromUtf8(example[i + 1]),
                           QRect(column.x, top + 26, column.width + 24, 16));
    }
}

void CLatLonDlg::showEvent(QShowEvent* event) {
    CSkinDialog::showEvent(event);
    m_edits[0]->selectAll();
    m_edits[0]->setFocus(Qt::OtherFocusReason);
}

sMapLonLat CLatLonDlg::Position() const {
    const auto dms = [this](int first) {
        return points::ReadDms(m_edits[first]->text().toStdString(),
                               m_edits[first + 1]->text().toStdString(),
                               m_edits[first + 2]->text().toStdString());
    };
    const points::DmsValue latitude = dms(0);
    const points::DmsValue longitude = dms(3);
    sMapLonLat position{};
    CAtlasgate::CalcMapLonLat(longitude.parts, latitude.parts, &position);
    return position;
}

bool CLatLonDlg::OnCommand(int commandId) {
    if (commandId != 1) return CSkinDialog::OnCommand(commandId);
    const sMapLonLat position = Position();
    if (!m_store.CheckPosition(position.longitude, position.latitude)) {
        ShowMessage(pointmsg::OutOfRange(), CMessageDlg::kInformation);
        return true;
    }
    done(1);
    return true;
}
