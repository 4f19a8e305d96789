#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPointF>
#include <QString>

class QWidget;

namespace testsupport {

// True when the platform can create real OpenGL contexts (not the offscreen plugin).
bool hasOpenGL();
// Runs the event loop for about `ms` milliseconds.
void processEvents(int ms = 20);
// Fraction of pixels of `image` within `tolerance` (per channel) of `color`.
double colorShare(const QImage& image, const QColor& color, int tolerance = 2);
// Largest per-channel difference between two images of the same size (-1 when sizes differ).
int maxPixelDifference(const QImage& a, const QImage& b);
// Fraction of pixels that differ by more than `tolerance` in some channel.
double differingShare(const QImage& a, const QImage& b, int tolerance);
// A fresh, empty temporary directory for this test process.
QString tempDir(const QString& name);
// Writes `data` to `path`, creating folders.
bool writeFile(const QString& path, const QByteArray& data);
// UTF-16 little-endian text, the form of language files.
QByteArray utf16le(const QString& text, bool bom = true);
// Sends a mouse move (with `buttons` held), a left-button press or release, or a Leave event.
void sendMouse(QWidget* widget, QEvent::Type type, const QPointF& pos = QPointF(),
               Qt::MouseButtons buttons = Qt::NoButton);
// A left-button press and release at `pos`.
void click(QWidget* widget, const QPointF& pos);

} // namespace testsupport
