// The window's frame and what in it has no widget of its own: the board's
// table, the status bar and the account of the last press.
#pragma once

#include "ui/access/parts.h"

#include <QAccessibleWidget>
#include <QPointer>

// The window: a frame named by its title. Its children are the smile, the
// score, the previews, the board, the end screen and the status bar; the
// lines are decoration and left out.
class FrameAccessible : public QAccessibleWidget {
  public:
    explicit FrameAccessible(QWidget *window);
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
    QAccessible::Id BoardId, AccountId, StatusId; // objects without a widget of their own
};

// The parts of the window a widget is in, or null.
const ReaderParts *PartsOf(const QWidget *w);
// Where rectangle r of widget w stands on the screen, in device pixels: the
// unit of a screen reader's coordinates, also on a dense screen.
QRect ScreenRect(const QWidget *w, const QRect &r);
// The box number 0..CellCount - 1 of a cell's widget; -1 for any other.
int16_t CellOf(const QWidget *w);
// Where c stands among parent's children, or -1.
int IndexOfChild(const QAccessibleInterface *parent, const QAccessibleInterface *c);
// The first of a parent's children under (x, y) in device pixels that shows.
QAccessibleInterface *ShownChildAt(const QAccessibleInterface *parent, int x, int y);
