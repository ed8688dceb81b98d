// The turn: select a ball, move it along a free path, check for lines, and
// bring three new balls when the move cleared nothing.
#include "game/turn.h"

#include "game/check.h"
#include "game/endgame.h"
#include "game/game.h"
#include "game/report.h"
#include "game/spawn.h"
#include "game/timer.h"
#include "rules/path.h"
#include "rules/supply.h"
#include "screen/draw.h"

namespace {

void Select(Game &g, int16_t index, int16_t x, int16_t y)
{
    GameState &s = g.State;
    s.Selected = -1;
    StartBlink(g, index, s.Board(x, y));
    s.SelX = x;
    s.SelY = y;
    s.SelColor = s.Board(x, y);
    g.Report.PickedUp = -1;
    g.Report.From = CellPos{x, y};
    g.Report.Color = s.SelColor;
}

void Move(Game &g, int16_t x, int16_t y)
{
    GameState &s = g.State;
    g.Report.Moved = -1;
    g.Report.From = CellPos{s.SelX, s.SelY};
    g.Report.To = CellPos{x, y};
    g.Report.Color = s.SelColor;
    StopBlink(g);
    s.Board(s.SelX, s.SelY) = Empty;
    EraseCell(g.View, CellIndex(s.SelX, s.SelY));
    PutBall(g, x, y, s.SelColor);
    CheckLines(g);
    if (s.RunsScored == 0)
        SpawnBalls(g);
    s.Selected = 0;
    ClearReserved(g.State);
}

} // namespace

void Picture5_Click(Game &g, int16_t index)
{
    GameState &s = g.State;
    BeginReport(g);
    LeaveMessage(g, NoMessage);
    // A full board at a click shows the end screen again; the click then goes
    // on as any click does, out of sight behind it, and changes nothing a
    // player can see until the smile starts a new game.
    CheckBoardFull(g.State);
    if (s.IsGameOver == -1)
        GameOver(g);

    int16_t x, y;
    CellXY(index, x, y);
    if (s.Selected == 0) {
        if (s.Board(x, y) != Empty)
            Select(g, index, x, y);
        return;
    }
    if (s.Board(x, y) != Empty) {
        StopBlink(g);
        Select(g, index, x, y);
        return;
    }
    int16_t found;
    FindPath(s.Board, s.SelX, s.SelY, x, y, found);
    if (found == -1) {
        Move(g, x, y);
    } else {
        StopBlink(g);
        LeaveMessage(g, NoWayMessage);
    }
}

void SpawnBalls(Game &g)
{
    g.Report.Spawned = -1;
    PickNewCells(g);
    PlaceNewBalls(g);
    CheckBoardFull(g.State);
    if (g.State.IsGameOver == -1)
        GameOver(g);
    CheckLines(g);
}
