// The game on the desktop: the display check before Qt starts, the window's
// states under Wayland and X11, and the end of the program once the window
// has closed.
#pragma once

#include <QtGui/qtguiglobal.h>

// X11 support: only where Qt has xcb and the build found its library.
#if QT_CONFIG(xcb) && defined(QUINTET_X11)
#define QUINTET_XCB 1
#else
#define QUINTET_XCB 0
#endif

class QWidget;

// Called before the application object exists. Without a display to reach it
// prints one line naming what is missing, and exits with status 1, where Qt
// would abort with advice to reinstall; so does a platform plugin that is not
// there.
void CheckDisplay();
// Called once the application object exists: Qt's later messages go their
// usual way.
void DisplayOpened();

// Any Wayland platform: Qt names them "wayland", "wayland-egl", ...
bool OnWayland();
#if QUINTET_XCB
struct xcb_connection_t;
// The connection to the X server, or null on any other platform.
xcb_connection_t *X11Connection();
#endif

// Keeps the promises of the fixed window that each platform can carry. Call
// once, before the window is first shown.
void FitWindowToPlatform(QWidget *window);

// Ends the program once its window has closed, with the given status, without
// tearing down Qt: the game keeps nothing between runs, and Qt 6.4's teardown
// of a Wayland connection can wait for ever.
[[noreturn]] void EndProgram(int status);
