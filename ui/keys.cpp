// The key map: arrows, Home and End move over the board and stop at its
// edges; Space and Return press; Ctrl+N presses the smile from anywhere.
#include "ui/keys.h"

#include <QPainter>
#include <QWidget>

void MapKey(int key, Qt::KeyboardModifiers modifiers, int16_t focus, int16_t &action, int16_t &target)
{
    action = KeyNothing;
    target = focus;
    // Keys of the keypad carry their own modifier; it changes nothing here.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const bool plain = mods == Qt::NoModifier, ctrl = mods == Qt::ControlModifier;
    if (ctrl && key == Qt::Key_N) {
        action = KeyPress;
        target = Smile;
        return;
    }
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        action = KeyPress;
        return;
    }
    if (focus == Smile || !(plain || ctrl))
        return;
    const int16_t column = focus % 9, row = focus / 9;
    int16_t to = -1;
    switch (plain ? key : -key) {
    case Qt::Key_Left: to = column > 0 ? focus - 1 : focus; break;
    case Qt::Key_Right: to = column < 8 ? focus + 1 : focus; break;
    case Qt::Key_Up: to = row > 0 ? focus - 9 : focus; break;
    case Qt::Key_Down: to = row < 8 ? focus + 9 : focus; break;
    case Qt::Key_Home: to = row * 9; break;
    case Qt::Key_End: to = row * 9 + 8; break;
    case -Qt::Key_Home: to = 0; break;
    case -Qt::Key_End: to = 80; break;
    default: return;
    }
    action = KeyFocus;
    target = to;
}

QRegion FocusRing(const QRect &box)
{
    return QRegion(box.adjusted(-2, -2, 2, 2)).subtracted(QRegion(box));
}

void ShowFocus(KeyboardFocus &k, QWidget *window, const QWidget *box, bool shown)
{
    k.Shown = shown;
    const QRect around = shown && box->isVisible() ? box->geometry() : QRect();
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
