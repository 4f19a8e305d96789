#pragma once

// Keeping a native window of another toolkit or process over a widget (a video surface, a
// plug-in's window). Only platforms that let Qt wrap foreign windows can do it; elsewhere the
// calls do nothing and report false.

#include <QRect>

namespace MOXQtLib {

// Moves and resizes the native window `handle` (a platform window id) to `rect`, given in the
// coordinates of its parent window, and repaints it. False when the handle is null or the
// platform cannot move foreign windows.
bool moxMoveNativeWindow(void* handle, const QRect& rect);
// Forgets what was kept for `handle`; the native window itself is left alone.
void moxReleaseNativeWindow(void* handle);

} // namespace MOXQtLib
