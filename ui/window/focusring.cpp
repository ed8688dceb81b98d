// The ring is drawn by the window over its own navy background, in the gap
// around a box; only the ring's pixels are ever repainted for it.
#include "ui/window/focusring.h"

#include <QPainter>
#include <QWidget>

QRegion FocusRing(const QRect &box)
{
    return QRegion(box.adjusted(-RingWidth, -RingWidth, RingWidth, RingWidth)).subtracted(QRegion(box));
}

void ShowFocus(KeyboardFocus &k, QWidget *window, const QWidget *box, bool shown)
{
    k.KeysInUse = shown;
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
    p.fillRect(FocusRing(k.Around).boundingRect(), QColor(255, 255, 255));
}
