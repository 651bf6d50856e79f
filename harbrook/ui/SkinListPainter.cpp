#include <ui/SkinListPainter.h>

#include <ui/SkinList.h>
#include <ui/SkinPalette.h>
#include <ui/SkinRoles.h>

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QPainter>

namespace pal = ui::palette;

const QChar SkinListPainter::kMarker(0x25CF);  // ●

namespace {

constexpr int kTextIndent = 2;
constexpr int kImageIndent = 1;
constexpr int kImageGap = 2;

QPixmap pixmapOf(const QVariant& value, QSize size) {
    if (value.canConvert<QIcon>() && value.userType() == QMetaType::QIcon)
        return value.value<QIcon>().pixmap(size);
    if (value.userType() == QMetaType::QPixmap) return value.value<QPixmap>();
    if (value.userType() == QMetaType::QImage) return QPixmap::fromImage(value.value<QImage>());
    return QPixmap();
}

}  // namespace

SkinListPainter::SkinListPainter(const CSkinList& list)
    : m_list(list),
      m_model(list.model()),
      m_width(list.viewport()->width()),
      m_fillerX(0),
      m_rowHeight(list.RowHeight()),
      m_metrics(list.font()),
      m_dropTarget(list.DragDrop().Target()) {
    // The text's line box is centred in the cell above its bottom border.
    m_textTop = std::max(0, (m_rowHeight - 1 - m_metrics.height() + 1) / 2);

    const QHeaderView* header = list.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (header->isSectionHidden(logical)) continue;
        const Column column{logical, list.columnViewportPosition(logical),
                            header->sectionSize(logical), Qt::AlignLeft};
        m_fillerX = std::max(m_fillerX, column.x + column.width);
        if (column.width <= 0 || column.x >= m_width || column.x + column.width <= 0) continue;
        Column shown = column;
        if (m_model) {
            const QVariant align =
                m_model->headerData(logical, Qt::Horizontal, Qt::TextAlignmentRole);
            if (align.isValid()) shown.align = align.toInt() & Qt::AlignHorizontal_Mask;
        }
        m_columns.append(shown);
    }
}

void SkinListPainter::Paint(QPainter& painter, const QRect& exposed) {
    if (!m_list.isEnabled()) {
        painter.fillRect(exposed, pal::kListBorder);
        return;
    }
    painter.setFont(m_list.font());
    const int rows = m_model ? m_model->rowCount(m_list.rootIndex()) : 0;
    int y = 0;
    int row = rows > 0 ? m_list.rowAt(exposed.top()) : -1;
    if (row >= 0) {
        y = m_list.rowViewportPosition(row);
        for (; row < rows && y <= exposed.bottom(); ++row) {
            if (m_list.isRowHidden(row)) continue;
            PaintRow(painter, row, y);
            y += m_rowHeight;
        }
    } else if (rows > 0) {
        // Below the last row: start where it ends.
        y = m_list.rowViewportPosition(rows - 1) + m_rowHeight;
    }
    if (y < exposed.top()) y += (exposed.top() - y) / m_rowHeight * m_rowHeight;
    for (; y <= exposed.bottom(); y += m_rowHeight) PaintEmptyRow(painter, y);
}

void SkinListPainter::PaintRow(QPainter& painter, int row, int y) {
    const QModelIndex first = m_model->index(row, 0, m_list.rootIndex());
    const bool dropTarget = m_dropTarget.isValid() && m_dropTarget.row() == row;
    const bool selected = m_list.selectionModel() && m_list.selectionModel()->isSelected(first);
    const QColor& fill = dropTarget ? pal::kListDropTarget
                         : selected ? pal::kListSelected
                                    : pal::kListRow;
    const QColor& text = selected && !dropTarget ? pal::kListSelectedText : pal::kListText;
    for (const Column& column : m_columns) {
        const QRect cell(column.x, y, column.width, m_rowHeight);
        PaintCell(painter, cell, fill);
        const QRect inner = cell.adjusted(0, 0, -1, -1);
        const QModelIndex index = m_model->index(row, column.logical, m_list.rootIndex());
        const int indent = column.logical == 0 ? PaintImages(painter, inner, index) : 0;
        const QString value = index.data(Qt::DisplayRole).toString();
        if (value == QLatin1String(" ")) {
            painter.setPen(pal::kListSelectedText);
            painter.drawText(inner, Qt::AlignCenter, QString(kMarker));
        } else if (!value.isEmpty()) {
            PaintText(painter, inner.adjusted(indent, 0, 0, 0), value, column.align, text);
        }
    }
    if (m_fillerX < m_width)
        PaintCell(painter, QRect(m_fillerX, y, m_width - m_fillerX, m_rowHeight), fill);
    PaintCursor(painter, row, y);
}

void SkinListPainter::PaintEmptyRow(QPainter& painter, int y) {
    for (const Column& column : m_columns)
        PaintCell(painter, QRect(column.x, y, column.width, m_rowHeight), pal::kListRow);
    if (m_fillerX < m_width)
        PaintCell(painter, QRect(m_fillerX, y, m_width - m_fillerX, m_rowHeight), pal::kListRow);
}

void SkinListPainter::PaintCell(QPainter& painter, const QRect& cell, const QColor& fill) const {
    // The right and bottom border, then the inside.
    painter.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), pal::kListBorder);
    painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width() - 1, 1), pal::kListBorder);
    painter.fillRect(cell.adjusted(0, 0, -1, -1), fill);
}

void SkinListPainter::PaintText(QPainter& painter, const QRect& inner, const QString& text,
                                int align, const QColor& colour) const {
    const QRect line(inner.left() + kTextIndent, inner.top() + m_textTop,
                     inner.width() - 2 * kTextIndent, m_metrics.height());
    painter.save();
    painter.setClipRect(inner);
    painter.setPen(colour);
    painter.drawText(line, align | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.restore();
}

int SkinListPainter::PaintImages(QPainter& painter, const QRect& inner,
                                 const QModelIndex& index) const {
    const QSize size = m_list.iconSize();
    if (!size.isValid() || size.isEmpty()) return 0;
    const QPoint at(inner.left() + kImageIndent,
                    inner.top() + (inner.height() + 1 - size.height()) / 2);
    for (const int role : {int(Qt::DecorationRole), ui::role::kOverlay}) {
        const QPixmap image = pixmapOf(index.data(role), size);
        if (!image.isNull()) painter.drawPixmap(at, image);
    }
    return kImageIndent + size.width() + kImageGap - kTextIndent;
}

void SkinListPainter::PaintCursor(QPainter& painter, int row, int y) const {
    const QModelIndex current = m_list.currentIndex();
    if (!m_list.CellMode() || !m_list.hasFocus() || current.row() != row) return;
    for (const Column& column : m_columns) {
        if (column.logical != current.column()) continue;
        painter.setPen(pal::kCellCursor);
        painter.drawRect(QRect(column.x, y, column.width - 2, m_rowHeight - 2));
    }
}
