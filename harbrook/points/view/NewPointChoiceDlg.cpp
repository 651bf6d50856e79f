#include <points/view/NewPointChoiceDlg.h>

#include <points/view/DialogItems.h>

#include <outside/Atlasgate.h>
#include <ui/SkinIds.h>

#include <QKeyEvent>

namespace {

constexpr int kWidth = 303;
constexpr int kHeight = 136;

}  // namespace

CNewPointChoiceDlg::CNewPointChoiceDlg(QWidget* parent) : CSkinDialog(kTemplate, parent) {
    SetCaption(QStringLiteral("新規地点登録"));
    resize(kWidth, kHeight);
    pointdlg::AddButton(this, kMapService, ui::image::kChoiceMapService, QRect(8, 14, 140, 64),
                        QStringLiteral("OrvaneWebで指定"));
    pointdlg::AddButton(this, kTypedPosition, ui::image::kChoiceLatLon, QRect(155, 14, 140, 64),
                        QStringLiteral("緯度経度を入力"));
    pointdlg::AddButton(this, kCancel, ui::image::kButtonCancel, QRect(208, kHeight - 36, 80, 24),
                        QStringLiteral("キャンセル"));
    if (!CAtlasgate::IsInstalled()) FindItem(this, kMapService)->setEnabled(false);
}

bool CNewPointChoiceDlg::MapServiceOffered() const {
    const QWidget* map = FindItem(const_cast<CNewPointChoiceDlg*>(this), kMapService);
    return map && map->isEnabled();
}

bool CNewPointChoiceDlg::OnCommand(int commandId) {
    if (commandId == kMapService && !MapServiceOffered()) return true;
    if (commandId == kMapService || commandId == kTypedPosition || commandId == kCancel) {
        done(commandId);
        return true;
    }
    return false;
}

void CNewPointChoiceDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!(event->modifiers() & ~Qt::KeypadModifier) &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        done(MapServiceOffered() ? kMapService : kTypedPosition);
        return;
    }
    CSkinDialog::keyPressEvent(event);
}

void CNewPointChoiceDlg::reject() {
    done(kCancel);
}
