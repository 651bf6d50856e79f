#include <shell/gui/ModeView.h>

#include <shell/CommandIds.h>
#include <shell/Mode.h>
#include <ui/SkinIds.h>
#include <ui/SkinPalette.h>
#include <ui/UiFont.h>

#include <QPainter>

CModeView::CModeView(const QString& name, QWidget* parent) : QWidget(parent), m_name(name) {
    m_background.Load(ui::image::kDialogBackground);
    setFocusPolicy(Qt::StrongFocus);
}

QString CModeView::NameOfMode(int mode) {
    switch (static_cast<Mode>(mode)) {
    case Mode::Music: return QStringLiteral("WMA/MP3転送");
    case Mode::MyDb: return QStringLiteral("ZUZ myDB編集");
    case Mode::Points: return QStringLiteral("登録地点データ編集");
    default: return {};
    }
}

bool CModeView::onCommand(int id) {
    if (id != cmd::kInit && id != cmd::kUpdate && id != cmd::kRefresh) return false;
    update();
    return true;
}

std::optional<bool> CModeView::commandEnabled(int id) {
    if (id == cmd::kRefresh) return true;
    return std::nullopt;
}

void CModeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.IsEmpty()) {
        painter.fillRect(rect(), ui::palette::kPearl);
    } else {
        m_background.Draw(painter, 0, 0, width(), height(), 0, 0, m_background.Width(),
                          m_background.Height());
    }
    painter.setPen(ui::palette::kSilver);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(MakeUiFont(true, 150));
    painter.setPen(ui::palette::kLabelText);
    painter.drawText(rect(), Qt::AlignCenter, m_name);
}
