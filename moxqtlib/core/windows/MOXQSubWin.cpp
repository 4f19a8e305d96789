#include "MOXQSubWin.h"

#include <QGuiApplication>
#include <QScreen>

namespace MOXQtLib {

void MOXQSubWin::centerWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width() + 1) / 2, area.y() + (area.height() - height() + 1) / 2);
}

} // namespace MOXQtLib
