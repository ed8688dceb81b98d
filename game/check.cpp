// The balls of the lines go and burst before the score is settled; the
// burst's random draws come in the board's order, x outside, y inside.
#include "game/check.h"

#include "game/game.h"
#include "game/timer.h"
#include "rules/lines.h"
#include "screen/draw.h"

void CheckLines(Game &g)
{
    GameState &s = g.State;
    const int16_t scoreBefore = s.Score;
    s.RunsScored = 0;
    FindLines(s);
    if (s.RunsScored > 0) {
        RemoveMarkedBalls(g);
        BurstMarkedCells(g);
        StartClearDelay(g, 3);
    }
    SettleLines(s, scoreBefore);
    if (EarnedBonus(s))
        //: The message when a press clears several lines, or clears on consecutive moves.
        SetLabel2(g.View, QStringLiteral(QT_TRANSLATE_NOOP("Message", "Bonus!!!")));
    SetLabel1(g.View, QString::number(s.Score));
}

void BurstMarkedCells(Game &g)
{
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (g.State.Marked(x, y) == -1)
                DrawBurst(g.View, g.Rnd, CellIndex(x, y));
}
