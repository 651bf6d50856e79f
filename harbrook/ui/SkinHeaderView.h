#pragma once
// SkinHeaderView: the column header of a skinned list, in the skin's font, with a band in the
// border colour below it (the top two pixels of the list's area); or, as the caption of a skinned
// tree, one light grey band showing a caption text instead of section titles.
#include <QHeaderView>

class SkinHeaderView : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kBandHeight = 2;

    explicit SkinHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Shows `caption` on a light grey band instead of the sections; an empty caption goes back to
    // sections.
    void SetCaption(const QString& caption);
    const QString& Caption() const { return m_caption; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString m_caption;
};
