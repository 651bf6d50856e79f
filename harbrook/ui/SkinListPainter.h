#pragma once
// SkinListPainter: paints a CSkinList's rows cell by cell. Every cell has a border on its right and
// bottom edge in the border colour and is filled in its row's colour (normal, selected or drop
// target); its text is clipped to it, aligned as its column says, 2 pixels in from the left and
// one pixel down (two for rows taller than 14 pixels). The space right of the last column is an
// empty cell of the row; below the last row empty cells go on down to the bottom edge. A disabled
// list is all border colour. In cell mode the current cell is framed in white while focused.
#include <QFontMetrics>
#include <QList>
#include <QModelIndex>
#include <QRect>

class CSkinList;
class QAbstractItemModel;
class QColor;
class QPainter;

class SkinListPainter {
public:
    // The character that stands for a cell whose text is a single space.
    static const QChar kMarker;

    explicit SkinListPainter(const CSkinList& list);
    void Paint(QPainter& painter, const QRect& exposed);

private:
    struct Column {
        int logical;
        int x;
        int width;
        int align;  // Qt::AlignmentFlag, horizontal part
    };

    void PaintRow(QPainter& painter, int row, int y);
    void PaintEmptyRow(QPainter& painter, int y);
    void PaintCell(QPainter& painter, const QRect& cell, const QColor& fill) const;
    void PaintText(QPainter& painter, const QRect& inner, const QString& text, int align,
                   const QColor& colour) const;
    int PaintImages(QPainter& painter, const QRect& inner, const QModelIndex& index) const;
    void PaintCursor(QPainter& painter, int row, int y) const;

    const CSkinList& m_list;
    QAbstractItemModel* m_model;
    QList<Column> m_columns;
    int m_width;    // the viewport's
    int m_fillerX;  // where the space after the last column begins
    int m_rowHeight;
    QFontMetrics m_metrics;
    int m_textTop;  // from a cell's top to the top of its text line
    QModelIndex m_dropTarget;
};
