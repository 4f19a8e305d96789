#pragma once

// What the command-line tools share: letting queued events run, and grabbing a window with
// the content of its GL widgets.

#include <QImage>

class QWidget;

namespace toolsupport {

// Runs the event loop for about `ms` milliseconds, so resizes, paints and timers settle.
void settle(int ms);

// The window with what its visible GL widgets (the charts) draw into their framebuffers
// composited in: QWidget::grab does not carry it.
QImage windowImage(QWidget* window);

} // namespace toolsupport
