// A reader's places: from the widgets' own geometry, scaled to device pixels,
// from where X has the window when it can say.
#include "ui/platform/places.h"

#include "ui/platform/platform.h"
#include "ui/platform/x11connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#if QUINTET_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>

namespace {

// Where the window's top-left corner stands in device pixels. Qt keeps it
// in logical pixels, rounded: a window at device pixel 21 seems to stand at
// 11 at ratio 2, which puts everything one device pixel off. X knows.
bool DeviceOrigin(const QWidget *window, QPoint &at)
{
#if QUINTET_XCB
    xcb_connection_t *c = window->windowHandle() ? X11Connection() : nullptr;
    if (!c)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, xcb_window_t(window->winId()), root, 0, 0), nullptr);
    if (reply)
        at = QPoint(reply->dst_x, reply->dst_y);
    free(reply);
    return reply != nullptr;
#else
    Q_UNUSED(window);
    Q_UNUSED(at);
    return false;
#endif
}

} // namespace

// Qt reports places in logical pixels; a screen reader's unit is the device
// pixel, which the screen's ratio scales. A Wayland surface has no place on
// the screen, and there the logical pixels stay.
QRect DeviceScreenRect(const QWidget *w, const QRect &r)
{
    const QScreen *screen = w->screen();
    const bool scaled = screen && !OnWayland();
    const qreal ratio = scaled ? screen->devicePixelRatio() : 1;
    const QWidget *window = w->window();
    const QPointF origin = screen ? QPointF(screen->geometry().topLeft()) : QPointF();
    QPoint corner;
    if (!DeviceOrigin(window, corner)) {
        const QPointF p = origin + (QPointF(window->mapToGlobal(QPoint(0, 0))) - origin) * ratio;
        corner = QPoint(qRound(p.x()), qRound(p.y()));
    }
    const QPoint a = w->mapTo(window, r.topLeft());
    const QRectF in(QPointF(a) * ratio, QSizeF(r.size()) * ratio);
    return QRect(corner + QPoint(qRound(in.left()), qRound(in.top())),
                 corner + QPoint(qRound(in.right()), qRound(in.bottom())) - QPoint(1, 1));
}
