#pragma once
// CSkinButton: a push button painted from a five-frame skin image (ui/SkinIds.h): the frames are
// stacked vertically, each a fifth of the image height, in the order normal, pressed, latched,
// hover, disabled. The button fires its command id:
//   - inside a CSkinDialog, to that dialog (CSkinDialog::OnCommand);
//   - elsewhere, posted to the main frame's command target (ui::SkinContext) as WM_COMMAND, or as
//     WM_SYSCOMMAND for caption buttons, with wParam = command id and lParam 0;
// and always as the signal commandFired. Every firing plays the click sound.
//
// Release-acts buttons (the default) fire when the left button is released over them; press-acts
// buttons (menu buttons) fire on the press. A latched button (a selected mode tab) rests on the
// latched frame and shows no hover. A disabled button shows the disabled frame and takes no input.
#include <ui/SkinImage.h>

#include <QWidget>

class CSkinButton : public QWidget {
    Q_OBJECT
public:
    explicit CSkinButton(QWidget* parent = nullptr);

    // Places the button at `rect` in `parent` with its command and shows it.
    bool Create(const QRect& rect, QWidget* parent, int commandId, bool systemCommand = false);
    // Loads the five-frame image; false (and no image change) when it cannot be loaded.
    bool SetImage(int resourceId);
    void SetLatched(bool latched);
    void SetPressActs(bool pressActs);
    // Replaces item `itemId` of `dialog` (see CSkinDialog::SetItemId) by a button with the same
    // id: loads image `resourceId`, centres a rectangle of one frame's size on the item's, hides
    // the item and creates the button there. The id moves from the item to the button. False when
    // the item or the image is missing.
    bool ReplaceDialogItem(int itemId, QWidget* dialog, int resourceId);

    int CommandId() const { return m_commandId; }
    bool IsSystemCommand() const { return m_systemCommand; }
    bool IsLatched() const { return m_latched; }
    bool PressActs() const { return m_pressActs; }
    // The frame painted now: the disabled frame while disabled, else the state's frame.
    int Frame() const;
    // One frame of the image: its width and a fifth of its height.
    QSize FrameSize() const;
    const CSkinImage& Image() const { return m_image; }

Q_SIGNALS:
    void commandFired(int commandId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowFrame(int frame);
    void Fire();
    int RestingFrame() const;  // latched or normal
    int HoverFrame() const;    // latched or hover

    CSkinImage m_image;
    int m_commandId = 0;
    bool m_systemCommand = false;
    bool m_pressActs = false;
    bool m_captured = false;
    bool m_tracking = false;  // hover shown, waiting for the mouse to leave
    bool m_latched = false;
    int m_frame = 0;
};
