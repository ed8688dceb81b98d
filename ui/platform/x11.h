// What an X11 window manager needs of the fixed window.
#pragma once

class QWidget;

// Asks a window manager for the focus as the window maps (x11.cpp).
// Nothing without X11 support, or off X11.
void AskX11Focus(QWidget *window);
// Ends the game when another program destroys the window (x11destroy.cpp).
void WatchX11Destroy(QWidget *window);
