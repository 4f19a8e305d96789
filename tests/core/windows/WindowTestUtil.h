#pragma once

// Mouse events with explicit window and screen positions, so drags do not depend on where
// the window manager put the window.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace wintest {

inline void mouse(QWidget* target, QEvent::Type type, const QPoint& local, const QPoint& global,
                  Qt::MouseButtons buttons = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonRelease) buttons = Qt::NoButton;
    QMouseEvent event(type, local, local, global, button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

// Press at `from`, move by `delta` in `steps`, release; positions local to `target`, whose
// screen origin is `origin` at the press.
inline void drag(QWidget* target, const QPoint& from, const QPoint& delta, int steps = 4,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, QPoint origin = QPoint(1000, 1000))
{
    mouse(target, QEvent::MouseButtonPress, from, origin + from, Qt::LeftButton, modifiers);
    for (int i = 1; i <= steps; ++i) {
        const QPoint step = delta * i / steps;
        mouse(target, QEvent::MouseMove, from + step, origin + from + step, Qt::LeftButton,
              modifiers);
    }
    mouse(target, QEvent::MouseButtonRelease, from + delta, origin + from + delta,
          Qt::NoButton, modifiers);
}

} // namespace wintest
