#pragma once
// SkinTreeDelegate: paints the items of a skinned tree: the small image, then the label, which is
// filled in the selected colour with white text when selected and in the drop-target colour while
// a drag hovers over it; no focus rectangle. Edits labels like SkinCellDelegate.
#include <ui/SkinCellDelegate.h>

class PaneDragDrop;

class SkinTreeDelegate : public SkinCellDelegate {
    Q_OBJECT
public:
    SkinTreeDelegate(const PaneDragDrop& dragDrop, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const PaneDragDrop& m_dragDrop;
};
