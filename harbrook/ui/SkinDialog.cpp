#include <ui/SkinDialog.h>

#include <ui/EffectSound.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>
#include <ui/SkinLabel.h>
#include <ui/SkinPalette.h>
#include <ui/UiFont.h>
#include <ui/ZoomRectEffect.h>

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

constexpr char kItemIdProperty[] = "harbrookItemId";
constexpr double kTranslucentOpacity = 229 / 255.0;

QRect pointRect(const QPoint& point) { return QRect(point, QSize(0, 0)); }

}  // namespace

CSkinDialog::CSkinDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_templateId(templateId) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSkinDialog::SetCaption(const QString& text) {
    m_caption = text;
    m_captionSet = true;
    if (m_ready) update(CaptionBand());
}

bool CSkinDialog::InitSkin() {
    if (m_ready) return true;
    if (!m_captionSet) m_caption = ui::SkinContext::String(m_templateId);
    if (!LoadImages()) return false;
    m_boldFont = MakeUiFont(true, 100);
    m_normalFont = MakeUiFont(false, 90);
    ApplyFonts();
    MakeRoomForCaption();
    if (ui::SkinContext::Settings().Transparent()) setWindowOpacity(kTranslucentOpacity);
    CentreOnMainFrame();
    m_ready = true;
    if (m_zoom && EffectsWanted()) {
        PlayEffectSound(ui::sound::kDialogOpen);
        ZoomRectEffect(pointRect(QCursor::pos()), frameGeometry(), ui::kZoomFrameDelayMs);
    }
    return true;
}

bool CSkinDialog::LoadImages() {
    return m_captionLeft.Load(ui::image::kDialogCaptionLeft) &&
           m_captionRight.Load(ui::image::kDialogCaptionRight) &&
           m_background.Load(ui::image::kDialogBackground);
}

void CSkinDialog::ApplyFonts() {
    setFont(m_normalFont);
    for (QWidget* child : findChildren<QWidget*>()) child->setFont(m_normalFont);
    for (QLabel* label : findChildren<QLabel*>()) StyleLabel(label);
}

void CSkinDialog::StyleLabel(QLabel* label) {
    const ui::SkinLabelText parsed = ui::ParseSkinLabel(label->text());
    if (parsed.style == ui::LabelStyle::Plain) return;
    label->setTextFormat(Qt::PlainText);
    label->setText(parsed.text);
    label->setFont(parsed.style == ui::LabelStyle::Bold ? m_boldFont : m_normalFont);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ui::LabelColour(parsed.style));
    label->setPalette(colours);
    label->setAutoFillBackground(false);
    m_labels.append(label);
}

void CSkinDialog::MakeRoomForCaption() {
    const int band = CaptionHeight();
    if (QLayout* lay = layout()) {
        QMargins margins = lay->contentsMargins();
        margins.setTop(margins.top() + band);
        lay->setContentsMargins(margins);
        // A dialog nobody has sized yet takes its layout's size, band included.
        if (testAttribute(Qt::WA_Resized)) {
            resize(size().expandedTo(lay->totalSizeHint()));
        } else {
            adjustSize();
        }
        return;
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) child->move(child->pos() + QPoint(0, band));
    }
    resize(width(), height() + band);
}

void CSkinDialog::CentreOnMainFrame() {
    QRect area;
    if (QWidget* frame = ui::SkinContext::MainFrame(); frame && frame->isVisible()) {
        area = frame->frameGeometry();
    } else if (parentWidget() && parentWidget()->isVisible()) {
        area = parentWidget()->window()->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (!area.isEmpty()) move(area.center() - rect().center());
}

bool CSkinDialog::EffectsWanted() const {
    const ui::EffectSettings& settings = ui::SkinContext::Settings();
    return settings.Animation() && settings.AppActive();
}

QRect CSkinDialog::CaptionBand() const {
    return QRect(1, 1, width() - 2, CaptionHeight() + 2);
}

void CSkinDialog::PostCommand(int commandId) {
    QMetaObject::invokeMethod(this, [this, commandId] { OnCommand(commandId); },
                              Qt::QueuedConnection);
}

void CSkinDialog::SetItemId(QWidget* item, int id) {
    if (item) item->setProperty(kItemIdProperty, id == 0 ? QVariant() : QVariant(id));
}

int CSkinDialog::ItemId(const QWidget* item) {
    return item ? item->property(kItemIdProperty).toInt() : 0;
}

QWidget* CSkinDialog::FindItem(QWidget* dialog, int id) {
    if (!dialog || id == 0) return nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (ItemId(child) == id) return child;
    }
    return nullptr;
}

int CSkinDialog::exec() {
    if (!InitSkin()) return -1;
    return QDialog::exec();
}

void CSkinDialog::setVisible(bool visible) {
    if (visible && !InitSkin()) return;
    QDialog::setVisible(visible);
}

bool CSkinDialog::OnCommand(int commandId) {
    switch (commandId) {
    case 1:
        accept();
        return true;
    case 2:
        reject();
        return true;
    default:
        return false;
    }
}

void CSkinDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int band = CaptionHeight();
    painter.fillRect(rect(), ui::palette::kDialogBorder);
    m_background.Draw(painter, 1, band + 3, w - 2, h - band - 4, 0, 0, m_background.Width(),
                      m_background.Height());
    painter.fillRect(CaptionBand(), ui::palette::kCaptionOutline);
    const int half = w / 2;
    m_captionLeft.Draw(painter, 2, 2, half - 2, band, 0, 0, m_captionLeft.Width(), band);
    m_captionRight.Draw(painter, half, 2, w - 2 - half, band, 0, 0, m_captionRight.Width(),
                        band);
    painter.setFont(m_boldFont);
    painter.setPen(ui::palette::kCaptionText);
    const QRect textRect(4, 2, w - 8, band);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, textRect.width()));
}

void CSkinDialog::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier)) return QDialog::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnCommand(1);
        return;
    case Qt::Key_Escape:
        OnCommand(2);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CSkinDialog::mousePressEvent(QMouseEvent* event) {
    // The caption band drags the dialog, as a window caption would.
    if (event->button() != Qt::LeftButton || !CaptionBand().contains(event->position().toPoint())) {
        return QDialog::mousePressEvent(event);
    }
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) return QDialog::mouseMoveEvent(event);
    move(event->globalPosition().toPoint() - m_dragOffset);
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void CSkinDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous() || !m_ready || m_closed) return;
    m_closed = true;
    if (QWidget* frame = ui::SkinContext::MainFrame()) frame->repaint();
    if (m_zoom && EffectsWanted()) {
        PlayEffectSound(ui::sound::kDialogClose);
        ZoomRectEffect(frameGeometry(), pointRect(QCursor::pos()), ui::kZoomFrameDelayMs);
    }
}
