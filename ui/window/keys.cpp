// The key map: arrows, Home and End move over the board and stop at its
// edges; Space and Return press; two digits go to a row and column. Ctrl+N
// presses the smile, S shows or hides the symbols, F1 opens the manual and
// the letters of the colours, X, I and L ask questions, from anywhere.
#include "ui/window/keys.h"

#include "rules/board.h"

#include <algorithm>

KeyMeaning MapKey(int key, Qt::KeyboardModifiers modifiers, int16_t focus)
{
    // Keys of the keypad carry their own modifier; it changes nothing here.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier, ctrl = mods == Qt::ControlModifier;
    if (ctrl && key == Qt::Key_N)
        return {KeyPress, Smile};
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        return {KeyPress, focus};
    if (plain && key == Qt::Key_F1)
        return {KeyManual, focus};
    // Letters and digits as typed: some layouts need Shift for the digits.
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        if (key >= Qt::Key_1 && key <= Qt::Key_9)
            return {KeyDigit, focus, 0, int16_t(key - Qt::Key_0)};
        switch (key) {
        case Qt::Key_S: return {KeySymbols, focus};
        case Qt::Key_R: return {KeyAsk, focus, RedBall};
        case Qt::Key_O: return {KeyAsk, focus, OrangeBall};
        case Qt::Key_Y: return {KeyAsk, focus, YellowBall};
        case Qt::Key_G: return {KeyAsk, focus, GreenBall};
        case Qt::Key_C: return {KeyAsk, focus, CyanBall};
        case Qt::Key_M: return {KeyAsk, focus, MagentaBall};
        case Qt::Key_X: return {KeyAsk, focus, AskLines};
        case Qt::Key_I: return {KeyAsk, focus, AskSummary};
        case Qt::Key_L: return {KeyAsk, focus, AskLast};
        default: break;
        }
    }
    if (focus == Smile || !(plain || ctrl))
        return {KeyNothing, focus};
    int16_t x, y;
    CellXY(focus, x, y);
    const int n = BoardSize;
    auto to = [](int x, int y) { return KeyMeaning{KeyFocus, CellIndex(int16_t(x), int16_t(y))}; };
    // Ctrl+Home and Ctrl+End go to the board's ends, where plain Home and End
    // go to the row's: a Ctrl key is told apart by its negated code.
    switch (plain ? key : -key) {
    case Qt::Key_Left: return to(std::max(x - 1, 1), y);
    case Qt::Key_Right: return to(std::min(x + 1, n), y);
    case Qt::Key_Up: return to(x, std::max(y - 1, 1));
    case Qt::Key_Down: return to(x, std::min(y + 1, n));
    case Qt::Key_Home: return to(1, y);
    case Qt::Key_End: return to(n, y);
    case -Qt::Key_Home: return to(1, 1);
    case -Qt::Key_End: return to(n, n);
    default: return {KeyNothing, focus};
    }
}

bool IsModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
    }
}
