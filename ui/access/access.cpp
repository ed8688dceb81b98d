// The factory that hands Qt the game's own interfaces, and the events that
// make a reader speak.
#include "ui/access/access.h"

#include "ui/access/frame.h"
#include "ui/access/widgets.h"

#include <QLabel>

namespace {

QAccessibleInterface *Factory(const QString &key, QObject *object)
{
    if (key == QLatin1String("Form1"))
        return new FrameAccessible(static_cast<QWidget *>(object));
    if (key == QLatin1String("PictureBox"))
        return new BoxAccessible(static_cast<QWidget *>(object));
    if (key == QLatin1String("QLabel") && PartsOf(static_cast<QLabel *>(object)))
        return new LabelAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

void Send(QAccessibleInterface *iface, QAccessible::Event type)
{
    QAccessibleEvent e(iface, type);
    QAccessible::updateAccessibility(&e);
}

// Orca 43 speaks a notification when it becomes showing, and ignores text
// changes away from its focus; so a notification that says something anew
// is hidden, changed and shown again, and the same text twice is spoken
// twice. (Qt 6.8's QAccessibleAnnouncementEvent is the way out of this.)
template <typename Change> void Announce(QAccessibleInterface *note, bool had, bool has, Change change)
{
    if (note && had)
        Send(note, QAccessible::ObjectHide);
    change();
    if (note && has)
        Send(note, QAccessible::ObjectShow);
}

} // namespace

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

// Without a reader nothing is told, and no interface is looked up on a click.
void ShowMessage(QLabel *label, const QString &text)
{
    QAccessibleInterface *note = QAccessible::isActive() ? QAccessible::queryAccessibleInterface(label) : nullptr;
    Announce(note, !label->text().isEmpty(), !text.isEmpty(), [&] { ShowCaption(label, text); });
}

// An empty account is only hidden.
void SpeakAccount(QWidget *window, ReaderParts &parts, const QString &text)
{
    auto *frame = QAccessible::isActive()
                      ? dynamic_cast<FrameAccessible *>(QAccessible::queryAccessibleInterface(window))
                      : nullptr;
    Announce(frame ? frame->Account() : nullptr, !parts.Account.isEmpty(), !text.isEmpty(),
             [&] { parts.Account = text; });
}
