// The window as a screen reader sees it: a frame holding the board as a table
// of 9 rows and 9 columns, and a status bar around the message. The table and
// the status bar have no widget: they group the widgets that do.
#include "ui/access.h"
#include "ui/access_parts.h"
#include "ui/form1.h"

namespace {

QAccessibleInterface *Of(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w);
}

// The one part of both objects that is no widget: a form and its frame.
class Grouping : public QAccessibleInterface {
  public:
    explicit Grouping(Form1 *form) : Form(form) {}
    bool isValid() const override { return Form; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return Form ? Form->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return Form ? Of(Form) : nullptr; }
    QAccessibleInterface *childAt(int x, int y) const override { return ShownChildAt(this, x, y); }
    void setText(QAccessible::Text, const QString &) override {}

  protected:
    QPointer<Form1> Form;
};

// Rows and columns count from 0 here, as Qt's tables do; the names count from 1.
class BoardAccessible : public Grouping, public QAccessibleTableInterface {
  public:
    using Grouping::Grouping;
    QAccessibleInterface *child(int i) const override
    {
        return Form && i >= 0 && i <= 80 ? Of(Form->Picture5[i]) : nullptr;
    }
    int childCount() const override { return Form ? 81 : 0; }
    int indexOfChild(const QAccessibleInterface *c) const override { return IndexOfChild(this, c); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QStringLiteral("Board") : QString();
    }
    QRect rect() const override
    {
        return Form && Form->Picture5[80]
                   ? ScreenRect(Form, Form->Picture5[0]->geometry() | Form->Picture5[80]->geometry())
                   : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Form || !Form->isVisible() || !Form->Picture5[0]->isVisibleTo(Form);
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
        return row >= 0 && row < 9 && column >= 0 && column < 9 ? child(row * 9 + column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QStringLiteral("Column %1").arg(column + 1); }
    QString rowDescription(int row) const override { return QStringLiteral("Row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 9; }
    int rowCount() const override { return 9; }
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
    StatusAccessible(Form1 *form, QAccessible::Id account) : Grouping(form), AccountId(account) {}
    QAccessibleInterface *child(int i) const override
    {
        if (!Form)
            return nullptr;
        return i == 0 ? Of(Form->Label2) : i == 1 ? QAccessible::accessibleInterface(AccountId) : nullptr;
    }
    int childCount() const override { return Form ? 2 : 0; }
    int indexOfChild(const QAccessibleInterface *c) const override { return IndexOfChild(this, c); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Form ? Form->Label2->accessibleDescription() : QString();
    }
    // The message's frame, from its top line to its bottom line; a window
    // still being built has no lines to ask, and shows nothing.
    QRect rect() const override
    {
        return Form && Form->isVisible() ? ScreenRect(Form, Form->Line[7]->geometry() | Form->Line[5]->geometry())
                                         : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Form || !Form->isVisible();
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
        auto *frame = Form ? dynamic_cast<FrameAccessible *>(Of(Form)) : nullptr;
        return frame ? frame->Status() : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Form ? Form->Account : QString();
    }
    QRect rect() const override { return Form ? ScreenRect(Form->Label2, Form->Label2->rect()) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !Form || !Form->isVisible() || Form->Account.isEmpty();
        return s;
    }
};

} // namespace

FrameAccessible::FrameAccessible(Form1 *form)
    : QAccessibleWidget(form, QAccessible::Window),
      BoardId(QAccessible::registerAccessibleInterface(new BoardAccessible(form))),
      AccountId(QAccessible::registerAccessibleInterface(new AccountAccessible(form))),
      StatusId(QAccessible::registerAccessibleInterface(new StatusAccessible(form, AccountId)))
{}

FrameAccessible::~FrameAccessible()
{
    for (QAccessible::Id id : {BoardId, StatusId, AccountId})
        if (QAccessible::accessibleInterface(id))
            QAccessible::deleteAccessibleInterface(id);
}

Form1 *FrameAccessible::Form() const
{
    return static_cast<Form1 *>(widget());
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
    Form1 *f = Form();
    QWidget *top[] = {f->Picture1, f->Label1, f->Picture4, f->Picture3, f->Picture2};
    QWidget *end[] = {f->Label3, f->Label4, f->Label5, f->Label6, f->Label7};
    if (i >= 0 && i < 5)
        return Of(top[i]);
    if (i == 5)
        return Board();
    if (i >= 6 && i < 11)
        return Of(end[i - 6]);
    return i == 11 ? Status() : nullptr;
}

int FrameAccessible::childCount() const
{
    return 12;
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
