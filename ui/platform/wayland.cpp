// Under Wayland a maximised or full-screen window must take the size the
// compositor configures, or the compositor ends the connection. Qt 6.4 fits
// that size into the window's maximum before the game hears of the new
// state, so the window has a minimum size only, and the game keeps it at its
// own size in the normal state. Maximised or full screen, the game stands in
// the middle of the window's navy surround.
#include "ui/platform/wayland.h"

#include "ui/platform/gamesize.h"

#include <QTimer>
#include <QWidget>

namespace {
const QSize GameSize(GameWidth, GameHeight);
} // namespace

void FitWaylandWindow(QWidget *window)
{
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// A drag on the frame in the normal state gives way to the game's own size.
// Every control moves by the change of the game's offset in the window.
void KeepGameSize(QWidget *window, QPoint &offset)
{
    const QPoint now((window->width() - GameSize.width()) / 2, (window->height() - GameSize.height()) / 2);
    const QPoint by = now - offset;
    if (!by.isNull()) {
        offset = now;
        for (QObject *child : window->children())
            if (child->isWidgetType())
                static_cast<QWidget *>(child)->move(static_cast<QWidget *>(child)->pos() + by);
    }
    if (window->size() != GameSize && !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        window->resize(GameSize);
}

// Qt sets the pointer of the whole seat to the arrow when it makes a
// tooltip's window.
void KeepCursorUnderTooltip(QWidget *w)
{
    QTimer::singleShot(0, w, [w] { w->setCursor(w->cursor()); });
}
