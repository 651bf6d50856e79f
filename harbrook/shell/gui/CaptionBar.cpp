#include <shell/gui/CaptionBar.h>

#include <shell/CommandIds.h>
#include <ui/SkinButton.h>
#include <ui/SkinIds.h>
#include <ui/SkinPalette.h>

#include <QPainter>

namespace {
constexpr int kButtonY = 3;
constexpr int kIconX = 2;
constexpr int kTitleX = 19;
}  // namespace

CCaptionBar::CCaptionBar(QWidget* parent) : QWidget(parent) {
    m_complete = m_icon.Load(ui::image::kCaptionIcon) && m_title.Load(ui::image::kCaptionTitle);
    m_close = AddButton(ui::image::kCloseButton, cmd::kSysClose);
    m_maximize = AddButton(ui::image::kMaximiseButton, cmd::kSysMaximize);
    m_restore = AddButton(ui::image::kRestoreButton, cmd::kSysRestore);
    m_minimize = AddButton(ui::image::kMinimiseButton, cmd::kSysMinimize);
    SetMaximized(false);
}

CSkinButton* CCaptionBar::AddButton(int image, int command) {
    auto* button = new CSkinButton(this);
    if (!button->SetImage(image)) m_complete = false;
    button->Create(QRect(QPoint(0, kButtonY), button->FrameSize()), this, command, true);
    return button;
}

void CCaptionBar::SetMaximized(bool maximized) {
    m_maximize->setVisible(!maximized);
    m_restore->setVisible(maximized);
}

void CCaptionBar::PlaceButtons() {
    const int w = width();
    m_close->move(w - 15, kButtonY);
    m_maximize->move(w - 30, kButtonY);
    m_restore->move(w - 30, kButtonY);
    m_minimize->move(w - 45, kButtonY);
}

void CCaptionBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceButtons();
}

void CCaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ui::palette::kCaptionFill);
    m_icon.Draw(painter, kIconX, 0);
    m_title.Draw(painter, kTitleX, 0);
}
