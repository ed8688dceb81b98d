// The keyboard: which key does what, and the ring that shows the keyboard
// focus. Both belong to the window; the game only ever sees the clicks that
// a key makes.
#pragma once

#include "ui/picturebox.h"

#include <QRegion>
#include <Qt>
#include <cstdint>

// What a key asks for. The focus is a cell box 0..80, or Smile.
enum KeyAction : int16_t {
    KeyNothing,
    KeyFocus, // move the focus to the target cell
    KeyPress, // press the target, a cell or the smile, as a click would
};

// The action of a key pressed while focus has the focus. Tab and Shift+Tab
// go between the smile and the board apart from this: the window's focus
// chain handles them.
void MapKey(int key, Qt::KeyboardModifiers modifiers, int16_t focus, int16_t &action, int16_t &target);

// The focus ring around a box: two pixels wide, in the gap around the box
// and never over it.
QRegion FocusRing(const QRect &box);
