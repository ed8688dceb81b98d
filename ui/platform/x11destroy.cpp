// X11: the end of the game when another program destroys its window
// (xdotool windowclose, xkill without killing the client): Qt passes that X
// event on and does nothing else.
#include "ui/platform/x11.h"

#include "ui/platform/x11connection.h"

#if QUINTET_XCB
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

class DestroyWatch : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit DestroyWatch(QWidget *window) : QObject(window), Window(window) {}

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        auto *event = static_cast<xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        auto *destroyed = static_cast<xcb_destroy_notify_event_t *>(message);
        if (Window->windowHandle() && destroyed->window == Window->windowHandle()->winId())
            QCoreApplication::quit();
        return false;
    }

  private:
    QWidget *Window;
};

} // namespace

void WatchX11Destroy(QWidget *window)
{
    if (X11Connection())
        qApp->installNativeEventFilter(new DestroyWatch(window));
}

#else

void WatchX11Destroy(QWidget *) {}

#endif
