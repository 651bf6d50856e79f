#pragma once
// CTransferBar: the bar under the views. It carries the transfer button (the USB one while the unit
// is connected, else the removable-media one; both send the transfer command) and the transfer
// animation, which runs between START TRANS and STOP TRANS.
#include <shell/CommandTarget.h>
#include <ui/SkinImage.h>

#include <QTimer>
#include <QWidget>

class CSkinButton;

class CTransferBar : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kHeight = 37;
    static constexpr int kAnimationIntervalMs = 50;

    explicit CTransferBar(QWidget* parent);

    bool IsComplete() const { return m_complete; }
    // Shows the USB transfer button when connected, else the removable-media one.
    void SetUsbConnected(bool connected);
    bool ShowsUsbButton() const { return m_usbShown; }
    // Enables or disables both transfer buttons.
    void SetTransferEnabled(bool enabled);
    CSkinButton* UsbButton() const { return m_usb; }
    CSkinButton* MediaButton() const { return m_media; }

    bool IsAnimating() const { return m_animation.isActive(); }
    int AnimationFrame() const { return m_frame; }
    void StepAnimation();

    // START TRANS and STOP TRANS.
    bool onCommand(int id) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CSkinButton* AddButton(int image);
    QRect AnimationRect() const;

    CSkinImage m_left;
    CSkinImage m_body;
    CSkinImage m_right;
    CSkinImage m_strip;
    CSkinButton* m_usb = nullptr;
    CSkinButton* m_media = nullptr;
    bool m_usbShown = false;
    QTimer m_animation;
    int m_frame = 0;
    bool m_complete = true;
};
