// The window as a screen reader sees it: a frame holding the board as a table
// of 9 rows and 9 columns, and a status bar around the message and the
// account of the last press. The table, the status bar and the account have
// no widget: they group the widgets that do, or speak for the window.
#include "ui/access/frame.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>

namespace {

// The frame's children in reading order: the top bar (the smile, the score
// and the three previews), the board, the end screen's labels, the status bar.
constexpr int TopBarChildren = 5;
constexpr int BoardChild = TopBarChildren;
constexpr int FirstEndChild = BoardChild + 1;
constexpr int StatusChild = FirstEndChild + (EndItemCount - Label3);
constexpr int FrameChildren = StatusChild + 1;

QAccessibleInterface *Of(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w);
}

// The windows whose parts a reader is shown.
QHash<const QWidget *, const ReaderParts *> Windows;

// What the objects that are no widget share: a window and its frame.
class Grouping : public QAccessibleInterface {
  public:
    explicit Grouping(QWidget *window) : Window(window) {}
    bool isValid() const override { return Window; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return Window ? Window->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return Window ? Of(Window) : nullptr; }
    QAccessibleInterface *childAt(int x, int y) const override { return ShownChildAt(this, x, y); }
    void setText(QAccessible::Text, const QString &) override {}

  protected:
    // Null once the window has gone, or is going.
    const ReaderParts *Parts() const { return Window ? PartsOf(Window) : nullptr; }
    bool Shown() const { return Parts() && Window->isVisible(); }
    QPointer<QWidget> Window;
};

// Rows and columns count from 0 here, as Qt's tables do; the names count from 1.
class BoardAccessible : public Grouping, public QAccessibleTableInterface {
  public:
    using Grouping::Grouping;
    QAccessibleInterface *child(int i) const override
    {
        return Parts() && i >= 0 && i < CellCount ? Of(Parts()->Cells[i]) : nullptr;
    }
    int childCount() const override { return Parts() ? CellCount : 0; }
    int indexOfChild(const QAccessibleInterface *c) const override { return IndexOfChild(this, c); }
    QString text(QAccessible::Text t) const override
    {
        //: The name of the board's table of 9 by 9 cells.
        return t == QAccessible::Name ? QCoreApplication::translate("Names", "Board") : QString();
    }
    QRect rect() const override
    {
        const ReaderParts *p = Parts();
        const QWidget *last = p ? p->Cells[CellCount - 1] : nullptr;
        return last ? ScreenRect(Window, p->Cells[0]->geometry() | last->geometry()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Shown() || !Parts()->Cells[0] || !Parts()->Cells[0]->isVisibleTo(Window);
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface *>(this) : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        const bool in = row >= 0 && row < BoardSize && column >= 0 && column < BoardSize;
        return in ? child(CellIndex(int16_t(column + 1), int16_t(row + 1))) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        //: A column of the board's table, 1 to 9 from the left.
        return QCoreApplication::translate("Names", "Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override
    {
        //: A row of the board's table, 1 to 9 from the top.
        return QCoreApplication::translate("Names", "Row %1").arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return BoardSize; }
    int rowCount() const override { return BoardSize; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}
};

// Orca speaks a notification inside a status bar by its text alone. The
// status bar holds the message and the account of the last press.
class StatusAccessible : public Grouping {
  public:
    StatusAccessible(QWidget *window, QAccessible::Id account) : Grouping(window), AccountId(account) {}
    QAccessibleInterface *child(int i) const override
    {
        if (!Parts())
            return nullptr;
        return i == 0 ? Of(Parts()->Message) : i == 1 ? QAccessible::accessibleInterface(AccountId) : nullptr;
    }
    int childCount() const override { return Parts() ? 2 : 0; }
    int indexOfChild(const QAccessibleInterface *c) const override { return IndexOfChild(this, c); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Parts() && Parts()->Message ? Parts()->Message->accessibleDescription()
                                                                     : QString();
    }
    // The message's frame, from its top line to its bottom line; a window
    // still being built has no lines to ask, and shows nothing.
    QRect rect() const override
    {
        const QWidget *const *frame = Parts() ? Parts()->MessageFrame : nullptr;
        return Shown() && frame[1] ? ScreenRect(Window, frame[0]->geometry() | frame[1]->geometry()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Shown();
        return s;
    }

  private:
    QAccessible::Id AccountId;
};

// What the last press did: a notification with no widget and nothing on
// screen, shown to a reader only while it has something to say.
class AccountAccessible : public Grouping {
  public:
    using Grouping::Grouping;
    QAccessibleInterface *parent() const override
    {
        auto *frame = Window ? dynamic_cast<FrameAccessible *>(Of(Window)) : nullptr;
        return frame ? frame->Status() : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Parts() ? Parts()->Account : QString();
    }
    QRect rect() const override
    {
        const QLabel *message = Parts() ? Parts()->Message : nullptr;
        return message ? ScreenRect(message, message->rect()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Shown() || Parts()->Account.isEmpty();
        return s;
    }
};

} // namespace

FrameAccessible::FrameAccessible(QWidget *window)
    : QAccessibleWidget(window, QAccessible::Window),
      BoardId(QAccessible::registerAccessibleInterface(new BoardAccessible(window))),
      AccountId(QAccessible::registerAccessibleInterface(new AccountAccessible(window))),
      StatusId(QAccessible::registerAccessibleInterface(new StatusAccessible(window, AccountId)))
{}

FrameAccessible::~FrameAccessible()
{
    for (QAccessible::Id id : {BoardId, StatusId, AccountId})
        if (QAccessible::accessibleInterface(id))
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *FrameAccessible::Board() const
{
    return QAccessible::accessibleInterface(BoardId);
}
QAccessibleInterface *FrameAccessible::Status() const
{
    return QAccessible::accessibleInterface(StatusId);
}
QAccessibleInterface *FrameAccessible::Account() const
{
    return QAccessible::accessibleInterface(AccountId);
}

// In reading order: the top bar, the board, the end screen, the message.
QAccessibleInterface *FrameAccessible::child(int i) const
{
    const ReaderParts *p = PartsOf(widget());
    if (!p)
        return nullptr;
    QWidget *top[TopBarChildren] = {p->Smile, p->Score, p->Previews[0], p->Previews[1], p->Previews[2]};
    if (i >= 0 && i < TopBarChildren)
        return Of(top[i]);
    if (i == BoardChild)
        return Board();
    if (i >= FirstEndChild && i < StatusChild)
        return Of(p->EndScreen[Label3 + i - FirstEndChild]);
    return i == StatusChild ? Status() : nullptr;
}

int FrameAccessible::childCount() const
{
    return FrameChildren;
}

int FrameAccessible::indexOfChild(const QAccessibleInterface *c) const
{
    return IndexOfChild(this, c);
}

QAccessibleInterface *FrameAccessible::childAt(int x, int y) const
{
    return ShownChildAt(this, x, y);
}

QRect FrameAccessible::rect() const
{
    return ScreenRect(widget(), widget()->rect());
}

QAccessibleInterface *ShownChildAt(const QAccessibleInterface *parent, int x, int y)
{
    for (int i = 0; i < parent->childCount(); i++) {
        QAccessibleInterface *c = parent->child(i);
        if (c && !c->state().invisible && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

int IndexOfChild(const QAccessibleInterface *parent, const QAccessibleInterface *c)
{
    for (int i = 0; c && i < parent->childCount(); i++)
        if (parent->child(i) == c)
            return i;
    return -1;
}

void RegisterParts(const QWidget *window, const ReaderParts *parts)
{
    if (parts)
        Windows.insert(window, parts);
    else
        Windows.remove(window);
}

const ReaderParts *PartsOf(const QWidget *w)
{
    return w ? Windows.value(w->window()) : nullptr;
}

QRect ScreenRect(const QWidget *w, const QRect &r)
{
    const ReaderParts *p = PartsOf(w);
    return p && p->Place ? p->Place(w, r) : QRect(w->mapToGlobal(r.topLeft()), r.size());
}

int16_t CellOf(const QWidget *w)
{
    const ReaderParts *p = PartsOf(w);
    for (int16_t i = 0; p && i < CellCount; i++)
        if (p->Cells[i] == w)
            return i;
    return -1;
}
