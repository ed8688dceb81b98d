// The balls of the lines go and burst before the score is settled; the
// burst's random draws come in the board's order, x outside, y inside.
#include "game/check.h"

#include "game/game.h"
#include "game/report.h"
#include "game/timer.h"
#include "rules/lines.h"
#include "screen/draw.h"

namespace {

// The bursts stay on the board for three ticks, just under a second at the
// window's 300 ms tick: long enough to be seen, short enough not to hold up
// the next move.
constexpr int16_t BurstTicks = 3;

// The press's record counts, by colour, the balls that the lines take. A
// cell of an earlier burst, still marked while its countdown runs, bursts
// again but is empty and clears nothing.
void CountCleared(Game &g)
{
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (g.State.Marked(x, y) == -1 && IsColor(g.State.Board(x, y)))
                g.Report.Cleared[g.State.Board(x, y)]++;
}

} // namespace

void CheckLines(Game &g)
{
    GameState &s = g.State;
    const int16_t scoreBefore = s.Score;
    s.RunsScored = 0;
    FindLines(s);
    if (s.RunsScored > 0) {
        CountCleared(g);
        RemoveMarkedBalls(g);
        BurstMarkedCells(g);
        StartClearDelay(g, BurstTicks);
    }
    SettleLines(s, scoreBefore);
    if (EarnedBonus(s))
        LeaveMessage(g, BonusMessage);
    SetLabel1(g.View, QString::number(s.Score));
}


void BurstMarkedCells(Game &g)
{
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (g.State.Marked(x, y) == -1)
                DrawBurst(g.View, g.Rnd, CellIndex(x, y));
}
