// The ring that shows the keyboard focus: two pixels of white in the navy gap
// around a box, never over it.
#pragma once

#include "screen/screen.h"

#include <QRect>
#include <QRegion>
#include <cstdint>

class QWidget;

// The keyboard focus as the window shows it: the window's own state, never
// the game's.
struct KeyboardFocus {
    int16_t Cell = 0;       // the board's cell that had the focus last
    bool KeysInUse = false; // from the first key that moves or presses until the next click
    QRect Around;           // the box the ring is drawn around, or null
};

// The ring's width in logical pixels, all of the gap between two boxes.
constexpr int RingWidth = CellPitch - BoxSize;

// The focus ring around a box: RingWidth pixels wide, in the gap around the
// box and never over it.
QRegion FocusRing(const QRect &box);
// Shows or hides the ring around box, a widget of window; it is drawn only
// while the window is active. Only the ring's own pixels are repainted,
// never a box.
void ShowFocus(KeyboardFocus &k, QWidget *window, const QWidget *box, bool shown);
// Draws the ring, from the window's paint event.
void PaintFocus(const KeyboardFocus &k, QWidget *window);
