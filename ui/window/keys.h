// The key map: which key does what. It belongs to the window; the game only
// ever sees the clicks that a key makes.
#pragma once

#include "screen/screen.h"

#include <Qt>
#include <cstdint>

// What a key asks for. The focus is a cell box 0..80, or Smile.
enum KeyAction : int16_t {
    KeyNothing,
    KeyFocus,   // move the focus to the cell in Box
    KeyPress,   // press Box, a cell or the smile, as a click would
    KeySymbols, // show or hide the symbols on the balls
    KeyManual,  // open the manual
    KeyAsk,     // ask the question in Asked, which changes nothing
    KeyDigit,   // a row or a column number, in Digit
};

// What a question key asks: a colour 1..ColorCount, where the balls of that
// colour are, or one of these, numbered after the colours.
enum Question : int16_t {
    AskLines = ColorCount + 1, // the four lines through the board's focused cell
    AskSummary,                // the score, the free cells and the next colours
    AskLast,                   // the account of the last press, once more
};

struct KeyMeaning {
    int16_t Action;    // a KeyAction
    int16_t Box;       // the cell or Smile to move to or press; else the focus
    int16_t Asked = 0; // KeyAsk: a colour or a Question
    int16_t Digit = 0; // KeyDigit: 1..9
};

// The letters that ask questions or show the symbols: the same in every
// language, with or without Shift.
constexpr int LetterKeys[] = {Qt::Key_R, Qt::Key_O, Qt::Key_Y, Qt::Key_G, Qt::Key_C,
                              Qt::Key_M, Qt::Key_X, Qt::Key_I, Qt::Key_L, Qt::Key_S};

// Shift, Ctrl and the like, pressed on their own.
bool IsModifierKey(int key);

// What a key means, with the keyboard focus on the box focus. Tab and
// Shift+Tab are not here: they go through the window's focus chain.
KeyMeaning MapKey(int key, Qt::KeyboardModifiers modifiers, int16_t focus);
