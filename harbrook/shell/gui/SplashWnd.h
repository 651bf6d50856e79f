#pragma once
// CSplashWnd: the start-up window. It shows the skin's start-up picture with the program's version
// and one status line that start-up changes before each of its steps.
#include <ui/SkinImage.h>

#include <QStringList>
#include <QWidget>

class QLabel;

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    // Colours of the status and version lines.
    static constexpr unsigned kStatusColour = 0x5697DD;
    static constexpr unsigned kVersionColour = 0x8BACCF;
    static constexpr int kStatusDelayMs = 50;

    explicit CSplashWnd(QWidget* parent = nullptr);

    // Loads the picture, takes its size and centres the window on the screen; false when the
    // picture is missing.
    bool Create();
    // Shows a status text at once and pauses so that it can be read.
    void ShowStatus(const QString& text);
    // The pause after each status (tests shorten it).
    void SetStatusDelay(int ms) { m_delayMs = ms; }
    // Every status shown, in order.
    const QStringList& Statuses() const { return m_statuses; }
    QString StatusText() const;
    QString VersionLine() const;

    // "Ver.  1. 0. 3" from a version "1.0.3.1": the first three numbers; empty without a version.
    static QString VersionText(const QString& version);
    // Adds the version line to a window that shows the start-up picture (this window and the
    // version window place it alike).
    static QLabel* AddVersionLine(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSkinImage m_picture;
    QLabel* m_status = nullptr;
    QLabel* m_version = nullptr;
    QStringList m_statuses;
    int m_delayMs = kStatusDelayMs;
};
