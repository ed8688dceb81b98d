// A press on a cell or the smile, by a click, a key or a reader: the
// handler's call, then what it made heard.
#include "ui/window/form1.h"

#include "game/newgame.h"
#include "game/turn.h"

#include <QAccessible>

// The account is put in words only for a screen reader that listens. It is
// told once the focus has left a board that the press hid, as Orca stops
// speaking when the focus moves, and after the game's own message.
void Form1::Press(int16_t box)
{
    FirstDigit = 0; // a press, by click, key or reader, drops a row typed before it
    const bool listening = QAccessible::isActive();
    if (box == Smile)
        Picture1_Click(G);
    else
        Picture5_Click(G, box);
    const QString account = listening ? Account(G) : QString();
    Sync();
    if (!listening) {
        LastAccount.clear(); // it would tell of an earlier press
        return;
    }
    // What the press made heard, which L repeats: the message it left (a
    // press leaves none, or a new one), then its account.
    QStringList heard{MessageSaid(G), account};
    heard.removeAll(QString());
    if (!heard.isEmpty())
        LastAccount = heard.join(QLatin1Char(' '));
    SpeakAccount(this, Reader, account);
}
