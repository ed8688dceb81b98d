// The key map: arrows, Home and End move over the board and stop at its
// edges; Space and Return press; two digits go to a row and column. Ctrl+N
// presses the smile, S shows or hides the symbols, F1 opens the manual and
// the letters of the colours, X, I and L ask questions, from anywhere.
#include "ui/keys.h"

#include <QPainter>
#include <QWidget>

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
            return {KeyDigit, int16_t(key - Qt::Key_0)};
        switch (key) {
        case Qt::Key_S: return {KeySymbols, focus};
        case Qt::Key_R: return {KeyAsk, 1};
        case Qt::Key_O: return {KeyAsk, 2};
        case Qt::Key_Y: return {KeyAsk, 3};
        case Qt::Key_G: return {KeyAsk, 4};
        case Qt::Key_C: return {KeyAsk, 5};
        case Qt::Key_M: return {KeyAsk, 6};
        case Qt::Key_X: return {KeyAsk, AskLines};
        case Qt::Key_I: return {KeyAsk, AskSummary};
        case Qt::Key_L: return {KeyAsk, AskLast};
        default: break;
        }
    }
    if (focus == Smile || !(plain || ctrl))
        return {KeyNothing, focus};
    const int16_t column = focus % 9, row = focus / 9;
    switch (plain ? key : -key) {
    case Qt::Key_Left: return {KeyFocus, int16_t(column > 0 ? focus - 1 : focus)};
    case Qt::Key_Right: return {KeyFocus, int16_t(column < 8 ? focus + 1 : focus)};
    case Qt::Key_Up: return {KeyFocus, int16_t(row > 0 ? focus - 9 : focus)};
    case Qt::Key_Down: return {KeyFocus, int16_t(row < 8 ? focus + 9 : focus)};
    case Qt::Key_Home: return {KeyFocus, int16_t(row * 9)};
    case Qt::Key_End: return {KeyFocus, int16_t(row * 9 + 8)};
    case -Qt::Key_Home: return {KeyFocus, 0};
    case -Qt::Key_End: return {KeyFocus, 80};
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

QRegion FocusRing(const QRect &box)
{
    return QRegion(box.adjusted(-2, -2, 2, 2)).subtracted(QRegion(box));
}

void ShowFocus(KeyboardFocus &k, QWidget *window, const QWidget *box, bool shown)
{
    k.Shown = shown;
    const QRect around = shown && window->isActiveWindow() && box->isVisible() ? box->geometry() : QRect();
    if (around == k.Around)
        return;
    if (!k.Around.isNull())
        window->update(FocusRing(k.Around));
    if (!around.isNull())
        window->update(FocusRing(around));
    k.Around = around;
}

// White stands out from the navy and the black alike.
void PaintFocus(const KeyboardFocus &k, QWidget *window)
{
    if (k.Around.isNull())
        return;
    QPainter p(window);
    p.setClipRegion(FocusRing(k.Around));
    p.fillRect(k.Around.adjusted(-2, -2, 2, 2), QColor(255, 255, 255));
}
