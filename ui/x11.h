// What an X11 window manager needs of the fixed window, and the connection
// to the X server for those who ask X itself.
#pragma once

#include "ui/platform.h"

class QWidget;

#if QUINTET_XCB
struct xcb_connection_t;
// The connection to the X server, or null on any other platform.
xcb_connection_t *X11Connection();
#endif

// Asks for the focus as the window maps, and ends the game when another
// program destroys the window. Nothing without X11 support.
void FitX11Window(QWidget *window);
