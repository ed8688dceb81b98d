// A fixed-size window under X11 and under a Wayland compositor, and clear ends
// when there is no display or the window is destroyed by another program.
#include "ui/platform.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <xcb/xproto.h>

namespace {

const QSize GameSize(304, 413);

QtMessageHandler QtHandler = nullptr;
struct HeldMessage {
    QtMsgType Type;
    const char *Category; // a category's name lives as long as the program
    QString Text;
};
QList<HeldMessage> Held; // Qt's messages while the display opens

// Qt ends a failed connection with qFatal, an abort and a word on reinstalling;
// the player needs one line on which display could not be opened. What Qt says
// before is held back until the display is open.
void ReportDisplayFailure(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        Held.append({type, context.category, message});
        return;
    }
    const QByteArray x = qgetenv("DISPLAY"), w = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr, "quintet: cannot open the display (DISPLAY=%s, WAYLAND_DISPLAY=%s)\n",
                 x.isEmpty() ? "unset" : x.constData(), w.isEmpty() ? "unset" : w.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// Watches the top-level window for what each platform needs:
// - Wayland: a maximised or full-screen window must take the size the
//   compositor configures, or the compositor ends the connection. Qt 6.4 fits
//   that size into the window's maximum before the game hears of the new state,
//   so the window has a minimum size only, and the game keeps it at its own
//   size in the normal state. Maximised or full screen, the game stands in the
//   middle of the window's navy surround.
// - X11: another program can destroy the window (xdotool windowclose, xkill
//   without killing the client). Qt passes the X event on and does nothing
//   else, so the game ends here as if closed.
class PlatformWatch : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit PlatformWatch(QWidget *window) : QObject(window), Window(window) {}

    bool eventFilter(QObject *target, QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip) {
            // Qt sets the pointer of the whole seat to the arrow when it makes
            // the tooltip's window: give the hand back once the tip shows.
            auto *w = static_cast<QWidget *>(target);
            QTimer::singleShot(0, w, [w] { w->setCursor(w->cursor()); });
            return false;
        }
        if (target != Window || e->type() != QEvent::Resize)
            return false;
        CentreGame();
        // A resize in the normal state comes from a drag on the frame.
        if (Window->size() != GameSize && !(Window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            Window->resize(GameSize);
        return false;
    }

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
    // Moves every control by the change of the game's offset in the window.
    void CentreGame()
    {
        const QPoint offset((Window->width() - GameSize.width()) / 2, (Window->height() - GameSize.height()) / 2);
        const QPoint by = offset - Offset;
        if (by.isNull())
            return;
        Offset = offset;
        for (QObject *child : Window->children())
            if (child->isWidgetType())
                static_cast<QWidget *>(child)->move(static_cast<QWidget *>(child)->pos() + by);
    }

    QWidget *Window;
    QPoint Offset; // where the game's top-left corner stands in the window
};

} // namespace

void CheckDisplay()
{
    // Only the desktop platforms need a display; a test's offscreen one does not.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool desktop = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (desktop && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("quintet: no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset\n", stderr);
        std::exit(1);
    }
    QtHandler = qInstallMessageHandler(ReportDisplayFailure);
}

void DisplayOpened()
{
    qInstallMessageHandler(QtHandler);
    for (const HeldMessage &m : Held)
        QtHandler(m.Type, QMessageLogContext(nullptr, 0, nullptr, m.Category), m.Text);
    Held.clear();
}

void FitWindowToPlatform(QWidget *window)
{
    auto *watch = new PlatformWatch(window);
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->installEventFilter(watch);
        for (QWidget *w : window->findChildren<QWidget *>())
            if (!w->toolTip().isEmpty())
                w->installEventFilter(watch);
    } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        qApp->installNativeEventFilter(watch);
    }
}
