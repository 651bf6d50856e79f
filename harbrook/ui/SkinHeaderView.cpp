#include <ui/SkinHeaderView.h>

#include <ui/SkinPalette.h>
#include <ui/UiFont.h>

#include <QPainter>

namespace {
constexpr int kCaptionPadding = 4;  // above and below the caption text
}

SkinHeaderView::SkinHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
    setFont(MakeUiFont(false, 100));
    setMinimumSectionSize(0);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SkinHeaderView::SetCaption(const QString& caption) {
    m_caption = caption;
    setSectionsClickable(caption.isEmpty());
    updateGeometry();
    viewport()->update();
}

QSize SkinHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    if (!m_caption.isEmpty()) {
        size.setHeight(fontMetrics().height() + 2 * kCaptionPadding);
    } else if (orientation() == Qt::Horizontal) {
        size.setHeight(size.height() + kBandHeight);
    }
    return size;
}

void SkinHeaderView::paintEvent(QPaintEvent* event) {
    if (!m_caption.isEmpty()) {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), ui::palette::kCaptionBand);
        painter.setPen(ui::palette::kListText);
        painter.drawText(viewport()->rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         m_caption);
        return;
    }
    QHeaderView::paintEvent(event);
    QPainter painter(viewport());
    const QRect band(0, viewport()->height() - kBandHeight, viewport()->width(), kBandHeight);
    painter.fillRect(band, ui::palette::kListBorder);
}

void SkinHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QHeaderView::paintSection(painter, rect.adjusted(0, 0, 0, -kBandHeight), logicalIndex);
}
