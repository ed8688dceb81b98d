// What a Wayland compositor needs of the fixed window.
#pragma once

class QWidget;

class QPoint;

// Lets the compositor maximise the window and make it full screen.
void FitWaylandWindow(QWidget *window);
// From the window's resize: the game stays at its own size in the middle of
// the window, and offset, where it stands, follows it.
void KeepGameSize(QWidget *window, QPoint &offset);
// From a widget's tooltip event: its own cursor comes back once the tip shows.
void KeepCursorUnderTooltip(QWidget *w);
