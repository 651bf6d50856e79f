#include <shell/gui/AboutDlg.h>

#include <shell/gui/SplashWnd.h>

#include <ui/EffectSound.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>
#include <ui/ZoomRectEffect.h>

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

QRect cursorPoint() { return QRect(QCursor::pos(), QSize(0, 0)); }

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CAboutDlg::~CAboutDlg() {
    if (!m_opened) return;
    hide();
    if (EffectsWanted()) {
        PlayEffectSound(ui::sound::kDialogOpen);
        ZoomRectEffect(frameGeometry(), cursorPoint(), ui::kZoomFrameDelayMs);
    }
}

bool CAboutDlg::Prepare() {
    if (!m_picture.IsEmpty()) return true;
    if (!m_picture.Load(ui::image::kSplash)) return false;
    setFixedSize(m_picture.Width(), m_picture.Height());
    m_version = CSplashWnd::AddVersionLine(this);
    QRect area;
    if (QWidget* frame = ui::SkinContext::MainFrame(); frame && frame->isVisible()) {
        area = frame->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (!area.isEmpty()) move(area.center() - rect().center());
    return true;
}

int CAboutDlg::exec() {
    if (!Prepare()) return -1;
    if (EffectsWanted()) {
        PlayEffectSound(ui::sound::kDialogOpen);
        ZoomRectEffect(cursorPoint(), QRect(pos(), size()), ui::kZoomFrameDelayMs);
    }
    m_opened = true;
    return QDialog::exec();
}

QString CAboutDlg::VersionLine() const { return m_version ? m_version->text() : QString(); }

bool CAboutDlg::EffectsWanted() {
    const ui::EffectSettings& settings = ui::SkinContext::Settings();
    return settings.Animation() && settings.AppActive();
}

void CAboutDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_picture.Draw(painter, 0, 0);
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        accept();
    } else if (event->button() == Qt::RightButton) {
        reject();
    } else {
        QDialog::mousePressEvent(event);
    }
}
