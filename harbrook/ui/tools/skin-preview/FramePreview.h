#pragma once
// A mock-up of the main window built from the skin and real skinned buttons: caption bar, menu
// bar, mode tabs, a sample list area with the point view's header strip, and the transfer bar.
#include <ui/SkinImage.h>

#include <QWidget>

#include <map>

class FramePreview : public QWidget {
public:
    explicit FramePreview(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void AddButton(int image, const QRect& rect, int command, bool latched = false, bool enabled = true);
    const CSkinImage& Image(int number);

    std::map<int, CSkinImage> m_images;
};
