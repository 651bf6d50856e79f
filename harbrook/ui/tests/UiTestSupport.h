#pragma once
// Small helpers shared by the toolkit tests.
#include <ui/SkinContext.h>

#include <QApplication>
#include <QColor>
#include <QMouseEvent>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <ostream>

// Installs effect flags for the lifetime of the object, then restores the previous ones.
class ScopedSettings {
public:
    explicit ScopedSettings(const ui::FixedEffectSettings& flags)
        : m_flags(flags), m_previous(&ui::SkinContext::Settings()) {
        ui::SkinContext::SetSettings(&m_flags);
    }
    ~ScopedSettings() { ui::SkinContext::SetSettings(m_previous); }

private:
    ui::FixedEffectSettings m_flags;
    const ui::EffectSettings* m_previous;
};

// Looks skin resources up below `root` for the lifetime of the object.
class ScopedResourceRoot {
public:
    explicit ScopedResourceRoot(const QString& root) { ui::SkinContext::SetResourceRoot(root); }
    ~ScopedResourceRoot() { ui::SkinContext::SetResourceRoot(QString()); }
};

// Delivers a mouse event straight to `widget`, as the window system would after hit-testing.
inline bool sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    return QApplication::sendEvent(widget, &event);
}

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << 'x' << s.height();
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.width() << 'x' << r.height() << '+' << r.x() << '+' << r.y();
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << c.name().toStdString();
}
