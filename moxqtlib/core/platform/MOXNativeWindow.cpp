#include "MOXNativeWindow.h"

#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace MOXQtLib {

namespace {

// Qt's wrappers of foreign windows, one per handle, created on first use.
QHash<quintptr, QPointer<QWindow>>& foreignWindows()
{
    static QHash<quintptr, QPointer<QWindow>> windows;
    return windows;
}

bool platformMovesForeignWindows()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows") ||
           platform == QLatin1String("cocoa");
}

} // namespace

bool moxMoveNativeWindow(void* handle, const QRect& rect)
{
    if (!handle || !qGuiApp || !platformMovesForeignWindows()) return false;
    const auto key = reinterpret_cast<quintptr>(handle);
    QPointer<QWindow>& window = foreignWindows()[key];
    if (!window) window = QWindow::fromWinId(WId(key));
    if (!window) {
        foreignWindows().remove(key);
        return false;
    }
    window->setGeometry(rect);
    window->requestUpdate();
    return true;
}

void moxReleaseNativeWindow(void* handle)
{
    // Deleting a wrapper of a foreign window does not destroy the native window.
    if (QWindow* window = foreignWindows().take(reinterpret_cast<quintptr>(handle)).data())
        delete window;
}

} // namespace MOXQtLib
