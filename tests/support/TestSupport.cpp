#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace testsupport {

bool hasOpenGL()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    QOpenGLContext ctx;
    return ctx.create();
}

void processEvents(int ms)
{
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    } while (t.elapsed() < ms);
}

double colorShare(const QImage& src, const QColor& color, int tolerance)
{
    const QImage image = src.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return 0.0;
    qint64 hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if (std::abs(qRed(p) - color.red()) <= tolerance &&
                std::abs(qGreen(p) - color.green()) <= tolerance &&
                std::abs(qBlue(p) - color.blue()) <= tolerance)
                ++hits;
        }
    }
    return double(hits) / (double(image.width()) * image.height());
}

static int channelDiff(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

int maxPixelDifference(const QImage& a0, const QImage& b0)
{
    if (a0.size() != b0.size()) return -1;
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            worst = std::max(worst, channelDiff(la[x], lb[x]));
    }
    return worst;
}

double differingShare(const QImage& a0, const QImage& b0, int tolerance)
{
    if (a0.size() != b0.size() || a0.isNull()) return 1.0;
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32);
    qint64 n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (channelDiff(la[x], lb[x]) > tolerance) ++n;
    }
    return double(n) / (double(a.width()) * a.height());
}

QString tempDir(const QString& name)
{
    const QString path = QDir::temp().filePath(
        QStringLiteral("graphdeck-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(name));
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray utf16le(const QString& text, bool bom)
{
    QByteArray out;
    if (bom) out.append("\xFF\xFE", 2);
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xff));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

void sendMouse(QWidget* widget, QEvent::Type type, const QPointF& pos, Qt::MouseButtons buttons)
{
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease) {
        QEvent event(type);
        QCoreApplication::sendEvent(widget, &event);
        return;
    }
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    if (type == QEvent::MouseButtonPress) buttons |= Qt::LeftButton;
    QMouseEvent event(type, pos, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void click(QWidget* widget, const QPointF& pos)
{
    sendMouse(widget, QEvent::MouseButtonPress, pos);
    sendMouse(widget, QEvent::MouseButtonRelease, pos);
}

} // namespace testsupport
