// A picture box paints its model's picture, with the symbol of its ball when
// symbols are shown, or a fixed pixmap for the smile; and it makes a click of
// a left press and release on itself.
#include "ui/window/picturebox.h"

#include "ui/platform/platform.h"
#include "ui/platform/wayland.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent, const Box *model, int16_t index)
    : QWidget(parent), Index(index), Clickable(index < CellCount), Model(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent, model != nullptr);
}

void PictureBox::SetPixmap(const QPixmap &pixmap)
{
    Pixmap = pixmap;
    update();
}

bool PictureBox::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip && !toolTip().isEmpty() && OnWayland())
        KeepCursorUnderTooltip(this);
    return QWidget::event(e);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!Model) {
        p.drawPixmap(0, 0, Pixmap);
        return;
    }
    p.drawImage(0, 0, Model->Sharp.isNull() ? Model->Image : Model->Sharp);
    if (Symbols && Symbols->Shown)
        if (const int16_t c = BallOnTop(*Model))
            p.drawImage(0, 0, Symbols->Pictures[c]);
}

void PictureBox::focusInEvent(QFocusEvent *e)
{
    emit focused(e->reason());
}

// A preview takes no click: the press goes on to the window.
void PictureBox::mousePressEvent(QMouseEvent *e)
{
    if (!Clickable)
        e->ignore();
    else if (e->button() == Qt::LeftButton)
        Pressed = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !Pressed)
        return;
    Pressed = false;
    if (rect().contains(e->position().toPoint()))
        emit clicked();
}
