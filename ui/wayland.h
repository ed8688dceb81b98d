// What a Wayland compositor needs of the fixed window.
#pragma once

class QWidget;

// Lets the compositor maximise the window and make it full screen, with the
// game at its own size in the middle, and keeps the hand over the smile
// when its tooltip shows.
void FitWaylandWindow(QWidget *window);
