// A fixed-size window under X11 and under a Wayland compositor, clear ends
// when there is no display or the window is destroyed by another program, and
// an end that does not wait for Qt's teardown.
#include "ui/platform.h"

#include "ui/screen.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QMutex>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#if QUINTET_XCB
#include <xcb/xcb.h>
#endif

// The sanitizers' leak check, which a program that ends with _Exit must ask for.
#if defined(__SANITIZE_ADDRESS__)
#define QUINTET_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUINTET_LEAK_CHECK 1
#endif
#endif
#ifdef QUINTET_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace {

const QSize GameSize(GameWidth, GameHeight);

QtMessageHandler QtHandler = nullptr;
struct HeldMessage {
    QtMsgType Type;
    const char *Category; // a category's name lives as long as the program
    QString Text;
};
// Qt's messages while the display opens; Qt's other threads may add to them.
QMutex HeldLock;
QList<HeldMessage> Held;

// The platform plugin that Qt said it could not find, or empty.
QByteArray MissingPlugin()
{
    const QString notFound = QStringLiteral("Could not find the Qt platform plugin \"");
    const QMutexLocker lock(&HeldLock);
    for (const HeldMessage &m : Held)
        if (m.Text.startsWith(notFound))
            return m.Text.section(u'"', 1, 1).toLocal8Bit();
    return {};
}

// Qt ends a failed start with qFatal, an abort and a word on reinstalling; the
// player needs one line on what is missing: a platform plugin, or a display
// that could not be opened. What Qt says before is held back until the
// display is open.
void ReportDisplayFailure(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        const QMutexLocker lock(&HeldLock);
        Held.append({type, context.category, message});
        return;
    }
    const QByteArray x = qgetenv("DISPLAY"), w = qgetenv("WAYLAND_DISPLAY"), plugin = MissingPlugin();
    if (!plugin.isEmpty())
        std::fprintf(stderr, "quintet: no Qt platform plugin \"%s\" (QT_QPA_PLATFORM=%s)%s\n", plugin.constData(),
                     qgetenv("QT_QPA_PLATFORM").constData(),
                     plugin.startsWith("wayland") ? ": install the package qt6-wayland" : "");
    else
        std::fprintf(stderr, "quintet: cannot open the display (DISPLAY=%s, WAYLAND_DISPLAY=%s)\n",
                     x.isEmpty() ? "unset" : x.constData(), w.isEmpty() ? "unset" : w.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

#if QUINTET_XCB
// The atom of a name; with onlyIfExists, none where no client has named it.
xcb_atom_t Atom(xcb_connection_t *c, const char *name, bool onlyIfExists = false)
{
    xcb_intern_atom_reply_t *r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, onlyIfExists, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return a;
}

// Whether a window manager runs: it names its check window on the root window.
bool WindowManagerRuns(xcb_connection_t *c)
{
    const xcb_atom_t a = Atom(c, "_NET_SUPPORTING_WM_CHECK", true);
    if (a == XCB_ATOM_NONE)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_property_reply_t *check =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, a, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool runs = check && xcb_get_property_value_length(check) == 4;
    free(check);
    return runs;
}
#endif

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
#if QUINTET_XCB
        if (type != "xcb_generic_event_t")
            return false;
        auto *event = static_cast<xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        auto *destroyed = static_cast<xcb_destroy_notify_event_t *>(message);
        if (Window->windowHandle() && destroyed->window == Window->windowHandle()->winId())
            QCoreApplication::quit();
#else
        Q_UNUSED(type);
        Q_UNUSED(message);
#endif
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
    // Only the desktop platforms need a display; a test's offscreen one does
    // not. A variable set but empty names no display either.
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
    QList<HeldMessage> held;
    {
        const QMutexLocker lock(&HeldLock);
        held.swap(Held);
    }
    for (const HeldMessage &m : held)
        QtHandler(m.Type, QMessageLogContext(nullptr, 0, nullptr, m.Category), m.Text);
}

#if QUINTET_XCB
xcb_connection_t *X11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}
#endif

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FitWindowToPlatform(QWidget *window)
{
    auto *watch = new PlatformWatch(window);
    if (OnWayland()) {
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window->installEventFilter(watch);
        for (QWidget *w : window->findChildren<QWidget *>())
            if (!w->toolTip().isEmpty())
                w->installEventFilter(watch);
        return;
    }
#if QUINTET_XCB
    if (xcb_connection_t *c = X11Connection()) {
        // Asked of the window manager as the window maps, as openbox gives a
        // new window the focus only when asked. Without one the focus stays
        // where X keeps it.
        if (WindowManagerRuns(c))
            window->activateWindow();
        qApp->installNativeEventFilter(watch);
    }
#endif
}

// Nothing is lost: the game saves nothing, and the window is already gone.
// Qt's Wayland teardown waits for its event thread, which can sit in
// wl_display_read_events for good; the server cleans up after a client that
// ends, on X11 as on Wayland.
void EndProgram(int status)
{
    std::fflush(nullptr);
#ifdef QUINTET_LEAK_CHECK
    // What is unreachable now is lost; what Qt still holds is not.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}
