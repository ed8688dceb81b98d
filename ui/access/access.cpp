// The factory that hands Qt the game's own interfaces, and the events that
// make a reader speak.
#include "ui/access/access.h"

#include "ui/access/frame.h"
#include "ui/access/widgets.h"
#include "ui/picturebox.h"

#include <QLabel>

namespace {

QAccessibleInterface *Factory(const QString &key, QObject *object)
{
    if (key == QLatin1String("Form1"))
        return new FrameAccessible(static_cast<QWidget *>(object));
    if (key == QLatin1String("PictureBox"))
        return new BoxAccessible(static_cast<PictureBox *>(object));
    if (key == QLatin1String("QLabel") && PartsOf(static_cast<QLabel *>(object)))
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

void ReadWindow(const QWidget *window, const ReaderParts *parts)
{
    ReadParts(window, parts);
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
void SpeakAccount(QWidget *window, ReaderParts &parts, const QString &text)
{
    const bool had = !parts.Account.isEmpty();
    parts.Account = text;
    auto *frame = dynamic_cast<FrameAccessible *>(QAccessible::queryAccessibleInterface(window));
    QAccessibleInterface *account = frame ? frame->Account() : nullptr;
    if (!account)
        return;
    if (had)
        Send(account, QAccessible::ObjectHide);
    if (!text.isEmpty())
        Send(account, QAccessible::ObjectShow);
}
