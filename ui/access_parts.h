// The game's accessible objects, shared by the files that make them: the
// frame, the board's table and the status bar (access_window.cpp), and the
// boxes and labels (access_widgets.cpp).
#pragma once

#include <QAccessibleWidget>
#include <QPointer>

class Form1;
class PictureBox;
class QLabel;

// The window: a frame named by its title. Its children are the smile, the
// score, the previews, the board, the end screen and the status bar; the
// lines are decoration and left out.
class FrameAccessible : public QAccessibleWidget {
  public:
    explicit FrameAccessible(Form1 *form);
    ~FrameAccessible() override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QRect rect() const override;

    QAccessibleInterface *Board() const;
    QAccessibleInterface *Status() const;
    QAccessibleInterface *Account() const;

  private:
    Form1 *Form() const;
    QAccessible::Id BoardId, AccountId, StatusId; // objects without a widget of their own
};

// A box: a table cell on the board, a button for the smile, a graphic for
// a preview. The clickable ones press as a click does.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
  public:
    explicit BoxAccessible(PictureBox *box);
    QAccessible::Role role() const override;
    QAccessibleInterface *parent() const override;
    QRect rect() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Cell() % 9; }
    int rowIndex() const override { return Cell() / 9; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

  private:
    PictureBox *Box() const;
    // The box index 0..80 on the board, -1 for the smile and the previews.
    int Cell() const;
};

// A label with its text through the Text interface. The message label is a
// notification, shown only while it holds a message.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LabelAccessible(QLabel *label);
    QAccessible::Role role() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override;

  private:
    QLabel *Label() const;
    bool IsMessage() const;
};

// The form a widget belongs to, or null.
Form1 *FormOf(const QWidget *w);
// Where c stands among parent's children, or -1.
int IndexOfChild(const QAccessibleInterface *parent, const QAccessibleInterface *c);
// The first of a form's children under (x, y) in device pixels that shows.
QAccessibleInterface *ShownChildAt(const QAccessibleInterface *parent, int x, int y);
