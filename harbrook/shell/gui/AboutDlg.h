#pragma once
// CAboutDlg: the version window. The start-up picture with the version line; a left click closes
// it as OK, a right click as Cancel. It zooms open from the mouse and back to it when the
// animation option is on and the program is active.
#include <ui/SkinImage.h>

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // Loads the picture, sizes the window to it and centres it on the main frame; false when the
    // picture is missing. exec() does this first.
    bool Prepare();
    int exec() override;
    QString VersionLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static bool EffectsWanted();

    CSkinImage m_picture;
    QLabel* m_version = nullptr;
    bool m_opened = false;
};
