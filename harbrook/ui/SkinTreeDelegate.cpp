#include <ui/SkinTreeDelegate.h>

#include <ui/PaneDragDrop.h>
#include <ui/SkinPalette.h>

#include <QAbstractItemView>
#include <QIcon>
#include <QPainter>

namespace pal = ui::palette;

namespace {
constexpr int kLabelPadding = 2;  // inside the label box, left and right
constexpr int kImageGap = 3;
constexpr int kRowPadding = 2;

QSize imageSize(const QStyleOptionViewItem& option) {
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget)) {
        const QSize size = view->iconSize();
        if (size.isValid() && !size.isEmpty()) return size;
    }
    return QSize(16, 16);
}
}  // namespace

SkinTreeDelegate::SkinTreeDelegate(const PaneDragDrop& dragDrop, QObject* parent)
    : SkinCellDelegate(parent), m_dragDrop(dragDrop) {}

void SkinTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QRect rect = option.rect;
    int x = rect.left();
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        const QSize size = imageSize(option);
        const QIcon icon = decoration.userType() == QMetaType::QIcon
                               ? decoration.value<QIcon>()
                               : QIcon(decoration.value<QPixmap>());
        icon.paint(painter,
                   QRect(QPoint(x, rect.top() + (rect.height() - size.height()) / 2), size));
        x += size.width() + kImageGap;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const int textWidth = option.fontMetrics.horizontalAdvance(text);
    const QRect label(x, rect.top(), std::min(textWidth + 2 * kLabelPadding, rect.right() - x + 1),
                      rect.height());
    const bool dropTarget = m_dragDrop.Target() == index.siblingAtColumn(0);
    const bool selected = option.state & QStyle::State_Selected;
    if (dropTarget) {
        painter->fillRect(label, pal::kListDropTarget);
    } else if (selected) {
        painter->fillRect(label, pal::kListSelected);
    }
    painter->setFont(option.font);
    painter->setPen(selected && !dropTarget ? pal::kListSelectedText : pal::kListText);
    painter->drawText(label.adjusted(kLabelPadding, 0, 0, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

QSize SkinTreeDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QSize image = imageSize(option);
    const int text = option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    const int height = std::max(image.height(), QFontInfo(option.font).pixelSize()) + kRowPadding;
    return QSize(image.width() + kImageGap + text + 2 * kLabelPadding, height);
}
