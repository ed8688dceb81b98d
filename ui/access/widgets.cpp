// A box presses as a click does and a cell knows its place in the table; a
// label reads its text, and the message shows only while it has one.
#include "ui/access/widgets.h"

#include "ui/access/frame.h"

#include <QFontMetrics>
#include <QLabel>

// A preview's click reaches nothing, so it controls nothing either.
BoxAccessible::BoxAccessible(QWidget *box) : QAccessibleWidget(box)
{
    addControllingSignal(QStringLiteral("clicked()"));
}

int BoxAccessible::Cell() const
{
    return CellOf(widget());
}

// Qt's tables count rows and columns from 0.
int BoxAccessible::columnIndex() const
{
    int16_t x, y;
    CellXY(int16_t(Cell()), x, y);
    return x - 1;
}

int BoxAccessible::rowIndex() const
{
    int16_t x, y;
    CellXY(int16_t(Cell()), x, y);
    return y - 1;
}

bool BoxAccessible::Clickable() const
{
    const ReaderParts *p = PartsOf(widget());
    return Cell() >= 0 || (p && p->Smile == widget());
}

QAccessible::Role BoxAccessible::role() const
{
    return Cell() >= 0 ? QAccessible::Cell : Clickable() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessibleInterface *BoxAccessible::table() const
{
    auto *frame = dynamic_cast<FrameAccessible *>(QAccessible::queryAccessibleInterface(widget()->window()));
    return Cell() >= 0 && frame ? frame->Board() : nullptr;
}

QAccessibleInterface *BoxAccessible::parent() const
{
    QAccessibleInterface *t = table();
    return t ? t : QAccessibleWidget::parent();
}

QRect BoxAccessible::rect() const
{
    return ScreenRect(widget(), widget()->rect());
}

// Qt's bridge grants a reader's grab-focus only to an object that lists the
// set-focus action.
QStringList BoxAccessible::actionNames() const
{
    return Clickable() ? QStringList{pressAction(), setFocusAction()} : QStringList{};
}

// The press is the box's own clicked signal, as a click sends it.
void BoxAccessible::doAction(const QString &name)
{
    if (!Clickable() || !widget()->isVisible())
        return;
    if (name == pressAction())
        QMetaObject::invokeMethod(widget(), "clicked");
    else if (name == setFocusAction())
        widget()->setFocus(Qt::OtherFocusReason);
}

void *BoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableCellInterface)
        return Cell() >= 0 ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    return QAccessibleWidget::interface_cast(t);
}

LabelAccessible::LabelAccessible(QLabel *label) : QAccessibleWidget(label) {}

QLabel *LabelAccessible::Label() const
{
    return static_cast<QLabel *>(widget());
}

// Asked each time: the label exists before the window's parts say which it is.
bool LabelAccessible::IsMessage() const
{
    const ReaderParts *p = PartsOf(Label());
    return p && p->Message == Label();
}

QAccessible::Role LabelAccessible::role() const
{
    return IsMessage() ? QAccessible::Notification : QAccessible::StaticText;
}

QAccessibleInterface *LabelAccessible::parent() const
{
    auto *frame = dynamic_cast<FrameAccessible *>(QAccessibleWidget::parent());
    return IsMessage() && frame ? frame->Status() : QAccessibleWidget::parent();
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    // The message's description names its status bar instead: Orca would
    // read it after every message.
    if (t == QAccessible::Description && IsMessage())
        return QString();
    return t == QAccessible::Name ? Label()->text() : QAccessibleWidget::text(t);
}

QRect LabelAccessible::rect() const
{
    return ScreenRect(widget(), widget()->rect());
}

// An empty message shows nothing to read; a reader hears a message as it
// becomes showing.
QAccessible::State LabelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (IsMessage() && Label()->text().isEmpty())
        s.invisible = true;
    return s;
}

void *LabelAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString LabelAccessible::text(int start, int end) const
{
    const QString all = Label()->text();
    start = qBound(0, start, int(all.size()));
    end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
    return all.mid(start, end - start);
}

int LabelAccessible::characterCount() const
{
    return int(Label()->text().size());
}

// The text is one centred line at the top of the label, as the label draws it.
QRect LabelAccessible::characterRect(int offset) const
{
    const QString all = Label()->text();
    if (offset < 0 || offset >= all.size() || Label()->wordWrap())
        return QRect();
    const QFontMetrics m(Label()->font());
    const QRect r = Label()->contentsRect();
    const int left = r.left() + (r.width() - m.horizontalAdvance(all)) / 2;
    const QRect c(left + m.horizontalAdvance(all.left(offset)), r.top(), m.horizontalAdvance(all.at(offset)),
                  m.height());
    return ScreenRect(Label(), c);
}

int LabelAccessible::offsetAtPoint(const QPoint &point) const
{
    for (int i = 0; i < characterCount(); i++)
        if (characterRect(i).contains(point))
            return i;
    return -1;
}

QString LabelAccessible::attributes(int, int *start, int *end) const
{
    *start = 0;
    *end = characterCount();
    return QString();
}
