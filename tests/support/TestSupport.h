#pragma once

#include <QColor>
#include <QImage>
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

} // namespace testsupport
