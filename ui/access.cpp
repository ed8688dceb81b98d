// The names a screen reader reads, the factory that hands Qt the game's own
// interfaces, the events that make a reader speak, and places in device pixels.
#include "ui/access.h"

#include "ui/access_parts.h"
#include "ui/form1.h"

#include <QGuiApplication>
#include <QScreen>

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

QString ColourName(int16_t c)
{
    static const char *const names[] = {"empty", "red", "orange", "yellow", "green", "cyan", "magenta"};
    return QString::fromLatin1(c >= 0 && c <= 6 ? names[c] : names[0]);
}

void Send(QLabel *label, QAccessible::Event type)
{
    QAccessibleEvent e(label, type);
    QAccessible::updateAccessibility(&e);
}

} // namespace

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

// Qt places a window on X in device pixels but reports logical ones, which
// a screen's origin keeps and its ratio scales. Fractions of a logical pixel
// count: a window at device pixel 21 stands at 10.5. A Wayland surface has no
// place on the screen, and there the logical pixels stay.
QRect ScreenRect(const QWidget *w, const QRect &r)
{
    const QScreen *screen = w->screen();
    const bool scaled = screen && !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const qreal ratio = scaled ? screen->devicePixelRatio() : 1;
    const QPointF origin = screen ? QPointF(screen->geometry().topLeft()) : QPointF();
    auto device = [&](QPointF local) {
        const QPointF p = origin + (w->mapToGlobal(local) - origin) * ratio;
        return QPoint(qRound(p.x()), qRound(p.y()));
    };
    const QPoint a = device(QPointF(r.topLeft()));
    const QPoint b = device(QPointF(r.left() + r.width(), r.top() + r.height()));
    return QRect(a, b - QPoint(1, 1));
}
