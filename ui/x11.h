// What an X11 window manager needs of the fixed window.
#pragma once

class QWidget;

// Asks for the focus as the window maps, and ends the game when another
// program destroys the window. Nothing without X11 support.
void FitX11Window(QWidget *window);
