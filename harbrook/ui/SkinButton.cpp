#include <ui/SkinButton.h>

#include <ui/EffectSound.h>
#include <ui/SkinContext.h>
#include <ui/SkinDialog.h>
#include <ui/SkinIds.h>

#include <platform/MessageTarget.h>

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>

CSkinButton::CSkinButton(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

bool CSkinButton::Create(const QRect& rect, QWidget* parent, int commandId, bool systemCommand) {
    if (parent != parentWidget()) setParent(parent);
    m_commandId = commandId;
    m_systemCommand = systemCommand;
    setGeometry(rect);
    show();
    return true;
}

bool CSkinButton::SetImage(int resourceId) {
    if (!m_image.Load(resourceId)) return false;
    update();
    return true;
}

void CSkinButton::SetLatched(bool latched) {
    m_latched = latched;
    ShowFrame(RestingFrame());
}

void CSkinButton::SetPressActs(bool pressActs) { m_pressActs = pressActs; }

bool CSkinButton::ReplaceDialogItem(int itemId, QWidget* dialog, int resourceId) {
    QWidget* item = CSkinDialog::FindItem(dialog, itemId);
    if (!item || item == this || !m_image.Load(resourceId)) return false;
    const QSize size = FrameSize();
    const QRect itemRect = item->geometry();
    const QRect rect(itemRect.left() - (size.width() - itemRect.width()) / 2,
                     itemRect.top() - (size.height() - itemRect.height()) / 2, size.width(),
                     size.height());
    if (const auto* button = qobject_cast<QAbstractButton*>(item)) setAccessibleName(button->text());
    setEnabled(item->isEnabled());
    item->hide();
    CSkinDialog::SetItemId(item, 0);
    CSkinDialog::SetItemId(this, itemId);
    return Create(rect, item->parentWidget(), itemId, false);
}

int CSkinButton::Frame() const { return isEnabled() ? m_frame : ui::kFrameDisabled; }

QSize CSkinButton::FrameSize() const {
    return QSize(m_image.Width(), m_image.Height() / ui::kButtonFrameCount);
}

void CSkinButton::paintEvent(QPaintEvent*) {
    if (m_image.IsEmpty()) return;
    QPainter painter(this);
    const QSize frame = FrameSize();
    m_image.Draw(painter, 0, 0, std::min(width(), frame.width()), std::min(height(), frame.height()),
                 0, Frame() * frame.height(), -1, -1);
}

void CSkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    ShowFrame(ui::kFramePressed);
    if (m_pressActs) {
        if (rect().contains(event->position().toPoint())) Fire();
        return;
    }
    m_captured = true;
}

void CSkinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !(m_captured || m_pressActs)) return;
    const bool wasCaptured = m_captured;
    m_captured = false;
    if (!rect().contains(event->position().toPoint())) {
        m_tracking = false;
        ShowFrame(RestingFrame());
        return;
    }
    ShowFrame(HoverFrame());
    // A press-acts button has fired on the press already; firing again here would run its
    // command twice for one click.
    if (wasCaptured) Fire();
}

void CSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Fire();
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (inside) {
        if (m_captured) {
            ShowFrame(ui::kFramePressed);
        } else if (!m_latched && !m_tracking) {
            m_tracking = true;
            ShowFrame(ui::kFrameHover);
        }
    } else if (m_captured) {
        ShowFrame(HoverFrame());
    }
}

void CSkinButton::leaveEvent(QEvent*) {
    m_tracking = false;
    if (!m_captured) ShowFrame(RestingFrame());
}

void CSkinButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        // A disabled button forgets a press in progress, so that enabling it again starts clean.
        m_captured = false;
        m_tracking = false;
        m_frame = RestingFrame();
        update();
    }
    QWidget::changeEvent(event);
}

void CSkinButton::ShowFrame(int frame) {
    if (m_frame == frame) return;
    m_frame = frame;
    update();
}

void CSkinButton::Fire() {
    PlayEffectSound(ui::sound::kClick);
    if (auto* dialog = qobject_cast<CSkinDialog*>(window())) {
        dialog->PostCommand(m_commandId);
    } else {
        platform::postTo(ui::SkinContext::CommandTarget(),
                         m_systemCommand ? ui::kWmSysCommand : ui::kWmCommand,
                         static_cast<platform::WParam>(m_commandId), 0);
    }
    Q_EMIT commandFired(m_commandId);
}

int CSkinButton::RestingFrame() const { return m_latched ? ui::kFrameLatched : ui::kFrameNormal; }

int CSkinButton::HoverFrame() const { return m_latched ? ui::kFrameLatched : ui::kFrameHover; }
