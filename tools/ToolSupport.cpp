#include "ToolSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPainter>
#include <QThread>

namespace toolsupport {

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

QImage windowImage(QWidget* window)
{
    QImage image = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&image);
    for (QOpenGLWidget* gl : window->findChildren<QOpenGLWidget*>()) {
        if (!gl->isVisibleTo(window) || !gl->isVisible() || !gl->isValid()) continue;
        painter.drawImage(QRect(gl->mapTo(window, QPoint(0, 0)), gl->size()),
                          gl->grabFramebuffer());
    }
    painter.end();
    return image;
}

} // namespace toolsupport
