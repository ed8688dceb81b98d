// A new game can start from any state: mid-blink, mid-countdown, or from the
// end screen. It draws nine random values: three cells, then six colours.
#include "game/newgame.h"

#include "game/endgame.h"
#include "game/game.h"
#include "game/report.h"
#include "game/spawn.h"
#include "game/timer.h"
#include "rules/supply.h"
#include "screen/draw.h"

namespace {

void NewGame(Game &g)
{
    GameState &s = g.State;
    BeginReport(g);
    g.Report.NewGame = -1;
    LeaveMessage(g, NoMessage);
    Reseed(g.Rnd, g.TimeOfDay());
    s.Blinking = 0;
    s.Score = 0;
    SetLabel1(g.View, QString::number(s.Score));
    RemoveMarkedBalls(g);
    ClearMarks(g);
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++) {
            s.Board(x, y) = Empty;
            EraseCell(g.View, CellIndex(x, y));
        }
    ClearReserved(g.State);
    s.IsGameOver = 0;
    PickNewCells(g);
    for (int16_t i = 1; i <= NewBallCount; i++) // the first game has no preview yet
        RandomColor(g.Rnd, s.NextColor[i]);
    PlaceNewBalls(g);
    ClearReserved(g.State);
    // StopBlink draws the last selected ball back into its box; the box is
    // then settled below to whatever the new board holds there.
    StopBlink(g);
    s.Selected = 0;
    s.RunsScored = 0;
    s.Streak = 0;
    ShowBoard(g);
    int16_t x, y;
    CellXY(s.BlinkIndex, x, y);
    bool reused = false;
    for (int16_t i = 1; i <= NewBallCount; i++)
        if (s.NewPos[i].x == x && s.NewPos[i].y == y)
            reused = true;
    if (reused)
        DrawBall(g.View, s.BlinkIndex, s.Board(x, y));
    else
        EraseCell(g.View, s.BlinkIndex);
}

} // namespace

void Form_Load(Game &g)
{
    NewGame(g);
}

void Picture1_Click(Game &g)
{
    NewGame(g);
}
