// X11: the window manager's focus for a new window.
#include "ui/platform/x11.h"

#include "ui/platform/x11connection.h"

#if QUINTET_XCB
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

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

} // namespace

void AskX11Focus(QWidget *window)
{
    // Asked of the window manager as the window maps, as openbox gives a new
    // window the focus only when asked; asked before the window is shown,
    // the request goes nowhere. Without one the focus stays where X keeps it.
    xcb_connection_t *c = X11Connection();
    if (c && WindowManagerRuns(c))
        QTimer::singleShot(0, window, [window] { window->activateWindow(); });
}

#else

void AskX11Focus(QWidget *) {}

#endif
