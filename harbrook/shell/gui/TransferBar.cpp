#include <shell/gui/TransferBar.h>

#include <shell/CommandIds.h>
#include <ui/SkinButton.h>
#include <ui/SkinIds.h>

#include <QPainter>

namespace {
constexpr int kButtonRightOffset = 198;
constexpr int kStripRightOffset = 206;
constexpr int kStripBottomOffset = 10;
}  // namespace

CTransferBar::CTransferBar(QWidget* parent) : QWidget(parent) {
    m_complete = m_left.Load(ui::image::kTransferBarLeft) &&
                 m_body.Load(ui::image::kTransferBarBody) &&
                 m_right.Load(ui::image::kTransferBarRight) &&
                 m_strip.Load(ui::image::kTransferAnimation);
    m_usb = AddButton(ui::image::kTransferUsb);
    m_media = AddButton(ui::image::kTransferMedia);
    SetUsbConnected(false);
    connect(&m_animation, &QTimer::timeout, this, &CTransferBar::StepAnimation);
}

CSkinButton* CTransferBar::AddButton(int image) {
    auto* button = new CSkinButton(this);
    if (!button->SetImage(image)) m_complete = false;
    button->Create(QRect(QPoint(0, 0), QSize(140, 21)), this, cmd::kTransfer);
    return button;
}

void CTransferBar::SetUsbConnected(bool connected) {
    m_usbShown = connected;
    m_usb->setVisible(connected);
    m_media->setVisible(!connected);
}

void CTransferBar::SetTransferEnabled(bool enabled) {
    m_usb->setEnabled(enabled);
    m_media->setEnabled(enabled);
}

bool CTransferBar::onCommand(int id) {
    if (id == cmd::kStartTrans) {
        m_frame = 0;
        m_animation.start(kAnimationIntervalMs);
        update(AnimationRect());
        return true;
    }
    if (id == cmd::kStopTrans) {
        m_animation.stop();
        m_frame = 0;
        update(AnimationRect());
        return true;
    }
    return false;
}

void CTransferBar::StepAnimation() {
    m_frame = (m_frame + 1) % ui::kTransferAnimationFrames;
    update(AnimationRect());
}

QRect CTransferBar::AnimationRect() const {
    const int frameHeight = m_strip.Height() / ui::kTransferAnimationFrames;
    return {width() - m_strip.Width() - kStripRightOffset, height() - frameHeight - kStripBottomOffset,
            m_strip.Width(), frameHeight};
}

void CTransferBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_usb->move(width() - kButtonRightOffset, 0);
    m_media->move(width() - kButtonRightOffset, 0);
}

void CTransferBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    m_left.Draw(painter, 0, 0);
    const int bodyWidth = w - m_left.Width() - m_right.Width();
    if (bodyWidth > 0) {
        m_body.Draw(painter, m_left.Width(), 0, bodyWidth, h, 0, 0, m_body.Width(), m_body.Height());
    }
    m_right.Draw(painter, w - m_right.Width(), 0);
    // The well shows the resting frame while no transfer runs.
    const QRect strip = AnimationRect();
    m_strip.DrawFrame(painter, strip.x(), strip.y(), m_frame, ui::kTransferAnimationFrames);
}
