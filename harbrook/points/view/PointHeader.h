#pragma once
// CPointHeader: the strip above the point list, 37 pixels high and painted from the skin's images
// 180 (left end), 179 (stretched) and 184 (right end). It carries the open, new registration,
// show-on-map and map-import buttons, which send their commands to the main frame, and the web
// map's picture, whose click the view turns into FORCE ORVANE.
#include <ui/SkinImage.h>

#include <QWidget>

class CSkinButton;

class CPointHeader : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 37;
    static constexpr int kButtonTop = 9;

    explicit CPointHeader(QWidget* parent = nullptr);

    // The button of command `id` (57601, 32783, 32808, 32825), or null.
    CSkinButton* Button(int id) const;
    QRect PictureRect() const;

Q_SIGNALS:
    // The web map's picture was clicked.
    void pictureClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CSkinImage m_left;
    CSkinImage m_body;
    CSkinImage m_right;
    CSkinImage m_picture;
};
