#pragma once
// CCaptionBar: the frame's own caption: the icon and title images on the caption fill, and the
// close, maximise/restore and minimise buttons, which post system commands to the main frame.
// Clicks elsewhere on the bar pass through to the frame, which moves the window.
#include <ui/SkinImage.h>

#include <QWidget>

class CSkinButton;

class CCaptionBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 16;

    explicit CCaptionBar(QWidget* parent);

    // False when a skin image is missing.
    bool IsComplete() const { return m_complete; }
    // Shows the restore button in place of the maximise button while the frame is maximised.
    void SetMaximized(bool maximized);

    CSkinButton* CloseButton() const { return m_close; }
    CSkinButton* MaximizeButton() const { return m_maximize; }
    CSkinButton* RestoreButton() const { return m_restore; }
    CSkinButton* MinimizeButton() const { return m_minimize; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CSkinButton* AddButton(int image, int command);
    void PlaceButtons();

    CSkinImage m_icon;
    CSkinImage m_title;
    CSkinButton* m_close = nullptr;
    CSkinButton* m_maximize = nullptr;
    CSkinButton* m_restore = nullptr;
    CSkinButton* m_minimize = nullptr;
    bool m_complete = true;
};
