// The connection to the X server, for those who ask X itself.
#pragma once

#include <QtGui/qtguiglobal.h>

// X11 support: only where Qt has xcb and the build found its library.
#if QT_CONFIG(xcb) && defined(QUINTET_X11)
#define QUINTET_XCB 1
#else
#define QUINTET_XCB 0
#endif

#if QUINTET_XCB
struct xcb_connection_t;
// The connection to the X server, or null on any other platform.
xcb_connection_t *X11Connection();
#endif
