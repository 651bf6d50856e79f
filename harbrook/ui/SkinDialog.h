#pragma once
// CSkinDialog: the base of Harbrook's dialogs. A frameless dialog with its own caption band
// (images 188 and 189, the caption text in bold light grey) over a background (image 187), a black
// one-pixel border, the skin's fonts, styled static texts, optional translucency and a zoom effect
// when it opens and closes.
//
// How a subclass uses it:
//   - construct with the template number; the caption is ui::SkinContext::String(template number)
//     unless SetCaption is called;
//   - create the child widgets in client coordinates as if there were no caption band (the base
//     moves them below the band and grows the dialog when it first shows); a dialog with a layout
//     gets the band added to its top margin instead;
//   - give the children that need one an item id (SetItemId) and replace push buttons by skinned
//     ones with CSkinButton::ReplaceDialogItem;
//   - QLabel texts beginning with "&b", "&n" or "&c" are styled (ui/SkinLabel.h);
//   - skinned buttons inside the dialog deliver their ids to OnCommand: 1 accepts, 2 rejects; the
//     Enter key sends 1 and Escape sends 2; override OnCommand (or accept/reject) for more.
// exec() returns -1 without showing anything when the skin images cannot be loaded.
#include <ui/SkinImage.h>

#include <QDialog>
#include <QFont>
#include <QList>
#include <QPoint>

class QLabel;

class CSkinDialog : public QDialog {
    Q_OBJECT
public:
    CSkinDialog(int templateId, QWidget* parent = nullptr);

    int TemplateId() const { return m_templateId; }
    QString Caption() const { return m_caption; }
    // Sets the caption text and repaints the band.
    void SetCaption(const QString& text);
    // Open and close with the zoom effect (when Animation is on and the application is active).
    void SetZoom(bool zoom) { m_zoom = zoom; }
    bool Zoom() const { return m_zoom; }

    // Runs the skinned set-up: loads the images, applies fonts and label styles, moves the
    // children below the caption band, grows the dialog, applies translucency, centres the dialog
    // on the main frame and plays the open effect. Done once, by the first show or exec; false
    // when a skin image is missing.
    bool InitSkin();
    bool IsSkinReady() const { return m_ready; }
    // Height of the caption band image (188); 0 before the set-up.
    int CaptionHeight() const { return m_captionLeft.Height(); }
    const QFont& BoldFont() const { return m_boldFont; }
    const QFont& NormalFont() const { return m_normalFont; }
    // The labels the set-up styled from their prefixes.
    const QList<QLabel*>& SkinLabels() const { return m_labels; }

    // Delivers a command id to OnCommand from the event loop (skinned buttons use it).
    void PostCommand(int commandId);

    // Dialog item ids: the control identifiers of the dialog's children.
    static void SetItemId(QWidget* item, int id);
    static int ItemId(const QWidget* item);
    // The child (at any depth) of `dialog` with item id `id`, or null.
    static QWidget* FindItem(QWidget* dialog, int id);

    int exec() override;
    void setVisible(bool visible) override;

protected:
    // A command from a skinned button or the keyboard; true when handled.
    virtual bool OnCommand(int commandId);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool LoadImages();
    void ApplyFonts();
    void StyleLabel(QLabel* label);
    void MakeRoomForCaption();
    void CentreOnMainFrame();
    bool EffectsWanted() const;
    QRect CaptionBand() const;

    int m_templateId;
    QString m_caption;
    bool m_captionSet = false;
    bool m_zoom = false;
    bool m_ready = false;
    bool m_closed = false;
    CSkinImage m_captionLeft;   // 188
    CSkinImage m_captionRight;  // 189
    CSkinImage m_background;    // 187
    QFont m_boldFont;
    QFont m_normalFont;
    QList<QLabel*> m_labels;
    bool m_dragging = false;
    QPoint m_dragOffset;
};
