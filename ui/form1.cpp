// Form1 in play: the model brought to the widgets and their names, a press
// and what it made heard, and the pictures at the window's pixel ratio.
#include "ui/form1.h"

#include "game/newgame.h"
#include "game/timer.h"
#include "game/turn.h"
#include "screen/draw.h"
#include "ui/art.h"
#include "ui/platform.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>

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

// The account is worked out only for a screen reader that listens. It is
// told once the focus has left a board that the press hid, as Orca stops
// speaking when the focus moves, and after the game's own message.
void Form1::Press(int16_t box)
{
    FirstDigit = 0; // a press, by click, key or reader, drops a row typed before it
    const bool listening = QAccessible::isActive();
    Heard before, after;
    if (listening)
        Listen(G, before);
    if (box == Smile)
        Picture1_Click(G);
    else
        Picture5_Click(G, box);
    QString account;
    if (listening) {
        Listen(G, after);
        account = Account(G, before, after, box);
    }
    Sync();
    if (!listening) {
        LastAccount.clear(); // it would tell of an earlier press
        return;
    }
    // What the press made heard, which L repeats: the message it left (a
    // press leaves none, or a new one), then its account.
    QStringList heard{Label2->text(), account};
    heard.removeAll(QString());
    if (!heard.isEmpty())
        LastAccount = heard.join(QLatin1Char(' '));
    SpeakAccount(this, Reader, account);
}

// Names follow the board, not the pictures: a blink changes no name, and a
// selection, which draws nothing, does. Only the names that differ are set.
void Form1::UpdateNames()
{
    const GameState &s = G.State;
    for (int16_t i = 0; i < CellCount; i++) {
        int16_t x, y;
        CellXY(i, x, y);
        const bool selected = s.Selected == -1 && s.SelX == x && s.SelY == y;
        const int16_t said = static_cast<int16_t>(s.Board(x, y) * 2 + selected);
        if (NamedAs[i] != said) {
            NamedAs[i] = said;
            Picture5[i]->setAccessibleName(CellName(x, y, s.Board(x, y), selected));
        }
    }
    for (int16_t slot = 1; slot <= 3; slot++) {
        const int16_t box = PreviewBox(slot);
        if (NamedAs[box] != s.NextColor[slot]) {
            NamedAs[box] = s.NextColor[slot];
            BoxWidget(box)->setAccessibleName(PreviewName(slot, s.NextColor[slot]));
        }
    }
}

// The widget of a model box: a cell box, or preview slot 1, 2 or 3.
PictureBox *Form1::BoxWidget(int16_t box) const
{
    PictureBox *previews[3] = {Picture4, Picture3, Picture2};
    return box < CellCount ? Picture5[box] : previews[box - PreviewBox(1)];
}

void Form1::Sync()
{
    UpdateNames();
    for (int16_t i = 0; i < BoxCount; i++) {
        Box &b = G.View.Boxes[i];
        if (!b.Changed)
            continue;
        b.Changed = false;
        PictureBox *w = BoxWidget(i);
        if (w->isVisibleTo(this) != b.Visible)
            w->setVisible(b.Visible);
        w->update();
    }
    if (!G.View.LabelsChanged)
        return;
    G.View.LabelsChanged = false;
    ShowCaption(Label1, G.View.Label1);
    // The game leaves its messages in its own words; they show in the player's.
    ShowMessage(Label2, QCoreApplication::translate("Message", G.View.Label2.toUtf8().constData()));
    for (int i = 0; i < EndItemCount; i++)
        EndScreen[i]->setVisible(G.View.EndVisible[i]);
}

// Closing the window ends the event loop, and with it the program.
void Form1::closeEvent(QCloseEvent *e)
{
    e->accept();
    QCoreApplication::quit();
}
