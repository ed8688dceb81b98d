// Form1 and a screen reader: the names of the cells and the previews, what
// each press made heard, and the answers to the question keys. All of it is
// read from the game's state and its record of the latest press.
#include "ui/window/form1.h"

#include <QAccessible>

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
            Reader.Cells[i]->setAccessibleName(CellName(x, y, s.Board(x, y), selected));
        }
    }
    for (int16_t slot = 1; slot <= NewBallCount; slot++) {
        const int16_t box = PreviewBox(slot);
        if (NamedAs[box] != s.NextColor[slot]) {
            NamedAs[box] = s.NextColor[slot];
            Reader.Previews[slot - 1]->setAccessibleName(PreviewName(slot, s.NextColor[slot]));
        }
    }
}

// The account is put in words only for a screen reader that listens. It is
// told after the window has shown the press, so once the focus has left a
// board that the press hid (as Orca stops speaking when the focus moves),
// and after the game's own message.
void Form1::TellPress()
{
    if (!QAccessible::isActive()) {
        LastAccount.clear(); // it would tell of an earlier press
        return;
    }
    const QString account = Account(G);
    // What the press made heard, which L repeats: the message it left (a
    // press leaves none, or a new one), then its account.
    QStringList heard{MessageSaid(G), account};
    heard.removeAll(QString());
    if (!heard.isEmpty())
        LastAccount = heard.join(QLatin1Char(' '));
    Say(account);
}

void Form1::Say(const QString &text)
{
    SpeakAccount(this, Reader, text);
}

// Once the game is over the end screen hides the board, so every question
// is answered first with that; L then repeats what the last press made heard.
QString Form1::Answer(int16_t question) const
{
    //: What each question key says once the game is over; %1 is the final score.
    const QString over = G.State.IsGameOver ? tr("The game is over. Score %1.").arg(G.State.Score) : QString();
    if (question == AskLast) {
        //: The answer to L before any press has said anything.
        const QString last = LastAccount.isEmpty() ? tr("Nothing to repeat.") : LastAccount;
        return over.isEmpty() ? last : over + QLatin1Char(' ') + last;
    }
    if (!over.isEmpty())
        return over;
    return question == AskLines     ? LinesThrough(G, Keyboard.Cell)
           : question == AskSummary ? GameSummary(G)
                                    : BallsOf(G, question);
}
