// Form1 showing the model: the widgets brought up to date after each event,
// the ticks, and the pictures at the window's pixel ratio.
#include "ui/window/form1.h"

#include "game/timer.h"
#include "screen/draw.h"
#include "ui/platform/platform.h"
#include "ui/window/art.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

// The widget of a model box: a cell box, or a preview slot from the left.
QWidget *BoxWidget(const ReaderParts &parts, int16_t box)
{
    return box < CellCount ? parts.Cells[box] : parts.Previews[box - PreviewBox(1)];
}

} // namespace

bool Form1::event(QEvent *e)
{
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        FollowRatio();
    return QWidget::event(e);
}

// Draws the sharp pictures and the art anew when the window's device pixel
// ratio is not the one they were drawn for; the board stays as it is.
void Form1::FollowRatio()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio == ArtRatio)
        return;
    ArtRatio = ratio;
    SetSharpRatio(G.View, ratio);
    // The symbols are drawn when they are first shown at this ratio.
    for (QImage &p : Symbols.Pictures)
        p = QImage();
    if (Symbols.Shown)
        DrawSymbols(Symbols, ratio);
    Picture1->SetPixmap(ArtAt("smile", ratio));
    Picture1->setCursor(HandCursor(ratio, OnWayland()));
    setWindowIcon(WindowIcon(ratio));
    Sync();
}

void Form1::Tick()
{
    Timer1_Timer(G);
    Sync();
}

void Form1::Sync()
{
    UpdateNames();
    for (int16_t i = 0; i < BoxCount; i++) {
        Box &b = G.View.Boxes[i];
        if (!b.Changed)
            continue;
        b.Changed = false;
        QWidget *w = BoxWidget(Reader, i);
        if (w->isVisibleTo(this) != b.Visible)
            w->setVisible(b.Visible);
        w->update();
    }
    if (!G.View.LabelsChanged)
        return;
    G.View.LabelsChanged = false;
    ShowCaption(Label1, G.View.ScoreCaption);
    // The game leaves its messages in its own words; they show in the player's.
    ShowMessage(Label2, QCoreApplication::translate("Message", G.View.MessageCaption.toUtf8().constData()));
    for (int i = 0; i < EndItemCount; i++)
        EndScreen[i]->setVisible(G.View.EndVisible[i]);
}

// Only the boxes that show a ball change.
void Form1::ShowSymbols(bool shown)
{
    Symbols.Shown = shown;
    if (shown && Symbols.Pictures[1].isNull())
        DrawSymbols(Symbols, ArtRatio);
    for (int16_t i = 0; i < BoxCount; i++)
        if (BallOnTop(G.View.Boxes[i]))
            BoxWidget(Reader, i)->update();
}

// Closing the window ends the event loop, and with it the program.
void Form1::closeEvent(QCloseEvent *e)
{
    e->accept();
    QCoreApplication::quit();
}
