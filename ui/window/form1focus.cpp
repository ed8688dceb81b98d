// Form1's focus: where it is, the Tab chain between the smile and the board,
// and the ring that shows it while keys are in use.
#include "ui/window/form1.h"

#include "ui/platform/platform.h"
#include "ui/platform/wayland.h"

#include <QMouseEvent>

int16_t Form1::Focused() const
{
    const auto *b = qobject_cast<const PictureBox *>(focusWidget());
    return b && b->Clickable ? b->Index : Smile;
}

// The smile and the board are the two stops, so Tab and Shift+Tab both go
// to the other one; next tells them apart for the ring. Qt asks here too
// when the focused cell hides as a game ends: the focus goes to the smile,
// and the ring stays as it was.
bool Form1::focusNextPrevChild(bool next)
{
    const Qt::FocusReason tab = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    FirstDigit = 0;
    if (Focused() != Smile && !Picture5[Focused()]->isVisible())
        Picture1->setFocus(Qt::OtherFocusReason);
    else if (Focused() == Smile && Picture5[Keys.Cell]->isVisible())
        Picture5[Keys.Cell]->setFocus(tab);
    else
        Picture1->setFocus(tab);
    return true;
}

// A focus that moves takes its ring along: Tab and Shift+Tab show it, and a
// click hides it.
void Form1::FocusIn(Qt::FocusReason reason)
{
    if (Focused() != Smile)
        Keys.Cell = Focused();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        ShowRing(true);
    else
        ShowRing(Keys.KeysInUse && reason != Qt::MouseFocusReason);
}

// A press anywhere in the window hides the ring; the cells and the smile
// take the focus with it, which hides it there.
void Form1::mousePressEvent(QMouseEvent *e)
{
    FirstDigit = 0;
    ShowRing(false);
    QWidget::mousePressEvent(e);
}

// Maximised, the window moves the game, and the ring with it.
void Form1::resizeEvent(QResizeEvent *e)
{
    if (OnWayland())
        KeepGameSize(this, GameOffset);
    ShowRing(Keys.KeysInUse);
    QWidget::resizeEvent(e);
}

// As Qt's widgets show the focus only in the active window, so does the ring;
// it comes back with the window if keys were in use.
void Form1::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange) {
        ShowRing(Keys.KeysInUse);
        if (!isActiveWindow())
            FirstDigit = 0; // a digit typed before the player left is stale
    }
    QWidget::changeEvent(e);
}

void Form1::ShowRing(bool shown)
{
    ShowFocus(Keys, this, Focused() == Smile ? Picture1 : Picture5[Focused()], shown);
}

void Form1::paintEvent(QPaintEvent *)
{
    PaintFocus(Keys, this);
}
