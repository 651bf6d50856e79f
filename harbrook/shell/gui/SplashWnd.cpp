#include <shell/gui/SplashWnd.h>

#include <ui/SkinIds.h>
#include <ui/UiFont.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <ui/SkinContext.h>

namespace {

constexpr int kLineWidth = 200;
constexpr int kLineHeight = 12;

QLabel* makeLine(QWidget* window, unsigned colour, Qt::Alignment align) {
    auto* line = new QLabel(window);
    line->setFont(MakeUiFont(false, 100));
    line->setAlignment(align | Qt::AlignVCenter);
    QPalette colours = line->palette();
    colours.setColor(QPalette::WindowText, QColor(QRgb(colour)));
    line->setPalette(colours);
    line->setAutoFillBackground(false);
    return line;
}

}  // namespace

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::Tool) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowIcon(QIcon(ui::SkinContext::ResourcePath("icon", 128)));
}

bool CSplashWnd::Create() {
    if (!m_picture.Load(ui::image::kSplash)) return false;
    const int w = m_picture.Width();
    const int h = m_picture.Height();
    setFixedSize(w, h);
    m_status = makeLine(this, kStatusColour, Qt::AlignLeft);
    m_status->setGeometry(13, h - 19, kLineWidth, kLineHeight);
    m_version = AddVersionLine(this);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    return true;
}

void CSplashWnd::ShowStatus(const QString& text) {
    m_statuses.append(text);
    if (!m_status) return;
    m_status->hide();
    m_status->setText(text);
    repaint();
    m_status->show();
    m_status->repaint();
    if (m_delayMs > 0) QThread::msleep(static_cast<unsigned long>(m_delayMs));
}

QString CSplashWnd::StatusText() const { return m_status ? m_status->text() : QString(); }

QString CSplashWnd::VersionLine() const { return m_version ? m_version->text() : QString(); }

QString CSplashWnd::VersionText(const QString& version) {
    const QStringList parts = version.split(QLatin1Char('.'));
    if (version.isEmpty()) return QString();
    auto number = [&parts](int i) { return i < parts.size() ? parts[i].toInt() : 0; };
    return QStringLiteral("Ver.  %1. %2. %3").arg(number(0)).arg(number(1)).arg(number(2));
}

QLabel* CSplashWnd::AddVersionLine(QWidget* window) {
    QLabel* line = makeLine(window, kVersionColour, Qt::AlignRight);
    line->setGeometry(window->width() - 220, window->height() - 67, kLineWidth, kLineHeight);
    line->setText(VersionText(QCoreApplication::applicationVersion()));
    return line;
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_picture.Draw(painter, 0, 0);
}
