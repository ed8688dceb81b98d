// The record of a press, and the message it shares with the screen.
#include "game/report.h"

#include "game/game.h"

const char *MessageText(int16_t message)
{
    switch (message) {
    //: The message when no path of free cells leads to the cell clicked.
    case NoWayMessage: return QT_TRANSLATE_NOOP("Message", "No Way!!!");
    //: The message when a press clears several lines, or clears on consecutive moves.
    case BonusMessage: return QT_TRANSLATE_NOOP("Message", "Bonus!!!");
    //: The message as the board fills up and the game ends.
    case GameOverMessage: return QT_TRANSLATE_NOOP("Message", "Game Over!");
    default: return "";
    }
}

void BeginReport(Game &g)
{
    g.Report = PressReport{};
    g.Report.ScoreBefore = g.State.Score;
}

void LeaveMessage(Game &g, int16_t message)
{
    g.Report.Message = message;
    SetLabel2(g.View, QString::fromLatin1(MessageText(message)));
}
