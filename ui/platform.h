// The game on the desktop: which window system it runs on, and what each
// needs of the fixed window.
#pragma once

#include <QtGui/qtguiglobal.h>

// X11 support: only where Qt has xcb and the build found its library.
#if QT_CONFIG(xcb) && defined(QUINTET_X11)
#define QUINTET_XCB 1
#else
#define QUINTET_XCB 0
#endif

class QWidget;

// Any Wayland platform: Qt names them "wayland", "wayland-egl", ...
bool OnWayland();

// Keeps the promises of the fixed window that each platform can carry. Call
// once, before the window is first shown.
void FitWindowToPlatform(QWidget *window);
