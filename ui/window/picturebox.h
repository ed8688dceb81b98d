// The window's picture boxes: the 81 cells, the three previews and the smile.
#pragma once

#include "screen/screen.h"
#include "ui/window/symbols.h"

#include <QPixmap>
#include <QWidget>

// A box that shows a picture and reports a left click: a press and a release
// on the box, as a button does.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // The box number of the model's box, or Smile with no model.
    PictureBox(QWidget *parent, const Box *model, int16_t index);
    void SetPixmap(const QPixmap &pixmap);

    const int16_t Index;                // the box number, or Smile
    const bool Clickable;               // a cell box or the smile, not a preview
    const SymbolSet *Symbols = nullptr; // the window's symbols, over a model's balls

  signals:
    void clicked();
    void focused(Qt::FocusReason reason); // the box took the keyboard focus

  protected:
    bool event(QEvent *e) override; // a tooltip on Wayland
    void paintEvent(QPaintEvent *) override;
    // The form draws the keyboard focus around the box; the box stays as it is.
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *) override {}
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

  private:
    const Box *Model; // the model's box, or null for a fixed pixmap
    QPixmap Pixmap;
    bool Pressed = false;
};
