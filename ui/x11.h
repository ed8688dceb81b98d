// What an X11 window manager needs of the fixed window, and the connection
// to the X server for those who ask X itself.
#pragma once

#include <QtGui/qtguiglobal.h>

// X11 support: only where Qt has xcb and the build found its library.
#if QT_CONFIG(xcb) && defined(QUINTET_X11)
#define QUINTET_XCB 1
#else
#define QUINTET_XCB 0
#endif

class QWidget;

#if QUINTET_XCB
struct xcb_connection_t;
// The connection to the X server, or null on any other platform.
xcb_connection_t *X11Connection();
#endif

// Asks for the focus as the window maps, and ends the game when another
// program destroys the window. Nothing without X11 support.
void FitX11Window(QWidget *window);
