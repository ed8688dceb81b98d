// The boxes and labels as a screen reader sees them. Qt gives a plain widget
// no actions and a label no Text interface, and it reports places in logical
// pixels, so each gets an interface of the game's own.
#pragma once

#include "rules/board.h"

#include <QAccessibleWidget>

class QLabel;

// A box: a table cell on the board, a button for the smile, a graphic for
// a preview. The clickable ones press as a click does.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
  public:
    explicit BoxAccessible(QWidget *box);
    QAccessible::Role role() const override;
    QAccessibleInterface *parent() const override;
    QRect rect() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

  private:
    // The box index 0..80 on the board, -1 for the smile and the previews.
    int Cell() const;
    // A cell or the smile, which press as a click does; not a preview.
    bool Clickable() const;
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
