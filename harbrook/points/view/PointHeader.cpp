#include <points/view/PointHeader.h>

#include <shell/CommandIds.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>

#include <platform/MessageTarget.h>

#include <QMouseEvent>
#include <QPainter>

namespace {

struct HeaderButton {
    int command;
    int image;
    QRect rect;
    bool enabled;
};

const HeaderButton kButtons[] = {
    {cmd::kFileOpen, ui::image::kPointOpen, QRect(16, CPointHeader::kButtonTop, 140, 21), true},
    {cmd::kPointNew, ui::image::kPointNew, QRect(162, CPointHeader::kButtonTop, 140, 21), true},
    {cmd::kShowOnMap, ui::image::kPointShowMap, QRect(308, CPointHeader::kButtonTop, 70, 21),
     false},
    {cmd::kTakeFromMap, ui::image::kPointImportMap, QRect(384, CPointHeader::kButtonTop, 70, 21),
     false},
};

// The picture sits on the right end image, this far from the right edge.
constexpr int kPictureRightMargin = 18;

}  // namespace

CPointHeader::CPointHeader(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
    m_left.Load(ui::image::kPointHeaderLeft);
    m_body.Load(ui::image::kPointHeaderBody);
    m_right.Load(ui::image::kPointHeaderRight);
    m_picture.Load(ui::image::kOrvanePicture);
    for (const HeaderButton& spec : kButtons) {
        auto* button = new CSkinButton(this);
        button->SetImage(spec.image);
        button->Create(spec.rect, this, spec.command);
        button->setEnabled(spec.enabled);
    }
    setCursor(Qt::ArrowCursor);
}

CSkinButton* CPointHeader::Button(int id) const {
    for (CSkinButton* button : findChildren<CSkinButton*>()) {
        if (button->CommandId() == id) return button;
    }
    return nullptr;
}

QRect CPointHeader::PictureRect() const {
    return QRect(width() - m_picture.Width() - kPictureRightMargin, kButtonTop, m_picture.Width(),
                 m_picture.Height());
}

void CPointHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    m_left.Draw(painter, 0, 0);
    const int bodyWidth = w - m_left.Width() - m_right.Width();
    if (bodyWidth > 0) {
        m_body.Draw(painter, m_left.Width(), 0, bodyWidth, kHeight, 0, 0, m_body.Width(),
                    m_body.Height());
    }
    m_right.Draw(painter, w - m_right.Width(), 0);
    const QRect picture = PictureRect();
    m_picture.Draw(painter, picture.x(), picture.y());
}

void CPointHeader::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !PictureRect().contains(event->position().toPoint()))
        return QWidget::mouseReleaseEvent(event);
    Q_EMIT pictureClicked();
}
