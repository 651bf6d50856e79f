#include <shell/gui/FramePlacement.h>

#include <QGuiApplication>
#include <QScreen>

namespace frame_placement {

namespace {

bool onAnyScreen(const QPoint& point, const QList<QRect>& screens) {
    for (const QRect& screen : screens) {
        if (screen.contains(point)) return true;
    }
    return false;
}

}  // namespace

QRect ToQRect(const WindowRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QSize(rect.right - rect.left, rect.bottom - rect.top));
}

WindowRect ToWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect InitialGeometry(const WindowRect& saved, const QList<QRect>& screens, const QRect& primary) {
    // The top-right corner is the last pixel inside the right edge.
    const QPoint topLeft(saved.left, saved.top);
    const QPoint topRight(saved.right - 1, saved.top);
    if (!saved.isEmpty() && (onAnyScreen(topLeft, screens) || onAnyScreen(topRight, screens))) {
        return ToQRect(saved);
    }
    QRect centred(0, 0, kDefaultWidth, kDefaultHeight);
    centred.moveCenter(primary.center());
    return centred;
}

QRect InitialGeometry(const WindowRect& saved) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.push_back(screen->geometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect area = primary ? primary->availableGeometry() : QRect(0, 0, kDefaultWidth, kDefaultHeight);
    return InitialGeometry(saved, screens, area);
}

}  // namespace frame_placement
