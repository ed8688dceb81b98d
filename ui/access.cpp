// The names a screen reader reads, the factory that hands Qt the game's own
// interfaces, the events that make a reader speak, and places in device pixels.
#include "ui/access.h"

#include "ui/access_parts.h"
#include "ui/form1.h"
#include "ui/platform.h"

#include <QGuiApplication>
#include <QScreen>
#if QUINTET_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>

namespace {

QAccessibleInterface *Factory(const QString &key, QObject *object)
{
    if (key == QLatin1String("Form1"))
        return new FrameAccessible(static_cast<Form1 *>(object));
    if (key == QLatin1String("PictureBox"))
        return new BoxAccessible(static_cast<PictureBox *>(object));
    if (key == QLatin1String("QLabel") && FormOf(static_cast<QLabel *>(object)))
        return new LabelAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

void Send(QLabel *label, QAccessible::Event type)
{
    QAccessibleEvent e(label, type);
    QAccessible::updateAccessibility(&e);
}

void Send(QAccessibleInterface *iface, QAccessible::Event type)
{
    QAccessibleEvent e(iface, type);
    QAccessible::updateAccessibility(&e);
}

} // namespace

QString ColourName(int16_t c)
{
    static const char *const names[] = {"empty", "red", "orange", "yellow", "green", "cyan", "magenta"};
    return QString::fromLatin1(c >= 0 && c <= 6 ? names[c] : names[0]);
}

QString CellName(int16_t x, int16_t y, int16_t value, bool selected)
{
    QString what = value ? ColourName(value) + QStringLiteral(" ball") : ColourName(0);
    if (selected)
        what += QStringLiteral(", selected");
    return QStringLiteral("Row %1, column %2: %3").arg(y).arg(x).arg(what);
}

QString PreviewName(int16_t slot, int16_t c)
{
    return QStringLiteral("Next ball %1: %2").arg(slot).arg(ColourName(c));
}

void InstallAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}

void ShowCaption(QLabel *label, const QString &text)
{
    const QString old = label->text();
    if (old == text)
        return;
    label->setText(text);
    QAccessibleTextUpdateEvent e(label, 0, old, text);
    QAccessible::updateAccessibility(&e);
}

// Orca speaks a notification when it becomes showing, and ignores text
// changes away from its focus; so a message is hidden and shown again.
void ShowMessage(QLabel *label, const QString &text)
{
    if (!label->text().isEmpty())
        Send(label, QAccessible::ObjectHide);
    ShowCaption(label, text);
    if (!text.isEmpty())
        Send(label, QAccessible::ObjectShow);
}

// As with the message: hidden and shown again, so that the same account
// twice in a row is spoken twice; an empty one is only hidden.
void SpeakAccount(QWidget *form, const QString &text)
{
    auto *f = static_cast<Form1 *>(form);
    const bool had = !f->Account.isEmpty();
    f->Account = text;
    auto *frame = dynamic_cast<FrameAccessible *>(QAccessible::queryAccessibleInterface(f));
    QAccessibleInterface *account = frame ? frame->Account() : nullptr;
    if (!account)
        return;
    if (had)
        Send(account, QAccessible::ObjectHide);
    if (!text.isEmpty())
        Send(account, QAccessible::ObjectShow);
}

// Where the window's top-left corner stands in device pixels. Qt keeps it
// in logical pixels, rounded: a window at device pixel 21 seems to stand at
// 11 at ratio 2, which puts everything one device pixel off. X knows.
static bool DeviceOrigin(const QWidget *window, QPoint &at)
{
#if QUINTET_XCB
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers too, with no connection.
    xcb_connection_t *c = x11 && window->windowHandle() ? x11->connection() : nullptr;
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

// Qt reports places in logical pixels; a screen reader's unit is the device
// pixel, which the screen's ratio scales. A Wayland surface has no place on
// the screen, and there the logical pixels stay.
QRect ScreenRect(const QWidget *w, const QRect &r)
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
