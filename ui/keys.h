// The keyboard: which key does what, and the ring that shows the keyboard
// focus. Both belong to the window; the game only ever sees the clicks that
// a key makes.
#pragma once

#include "ui/picturebox.h"

#include <QRect>
#include <QRegion>
#include <Qt>
#include <cstdint>

// What a key asks for. The focus is a cell box 0..80, or Smile.
enum KeyAction : int16_t {
    KeyNothing,
    KeyFocus,   // move the focus to the target cell
    KeyPress,   // press the target, a cell or the smile, as a click would
    KeySymbols, // show or hide the symbols on the balls
    KeyManual,  // open the manual
    KeyAsk,     // ask the question in the target, which changes nothing
    KeyDigit,   // a row or a column number 1..9, in the target
};

// What a question key asks: 1..6 where the balls of that colour are, or
enum Question : int16_t {
    AskLines = 7, // the four lines through the board's focused cell
    AskSummary,   // the score, the free cells and the next colours
    AskLast,      // the account of the last press, once more
};

struct KeyMeaning {
    int16_t Action; // a KeyAction
    int16_t Target; // the cell or Smile it is for; a question; a digit
};

// Shift, Ctrl and the like, pressed on their own.
bool IsModifierKey(int key);

// What a key means while the focus is on focus. Tab and Shift+Tab go
// between the smile and the board apart from this: the window's focus
// chain handles them.
KeyMeaning MapKey(int key, Qt::KeyboardModifiers modifiers, int16_t focus);

// The keyboard focus as the window shows it: the window's own state, never
// the game's.
struct KeyboardFocus {
    int16_t Cell = 0;   // the board's cell that had the focus last
    bool Shown = false; // keys in use: from the first key that moves or presses until the next click
    QRect Around;       // the box the ring is drawn around, or null
};

// The focus ring around a box: two pixels wide, in the gap around the box
// and never over it.
QRegion FocusRing(const QRect &box);
// Shows or hides the ring around box, a widget of window; it is drawn only
// while the window is active. Only the ring's own pixels are repainted,
// never a box.
void ShowFocus(KeyboardFocus &k, QWidget *window, const QWidget *box, bool shown);
// Draws the ring, from the window's paint event.
void PaintFocus(const KeyboardFocus &k, QWidget *window);
