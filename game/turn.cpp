// The turn: select a ball, move it along a free path, check for lines, and
// bring three new balls when the move cleared nothing.
#include "game/turn.h"

#include "game/check.h"
#include "game/endgame.h"
#include "game/game.h"
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
}

void Move(Game &g, int16_t x, int16_t y)
{
    GameState &s = g.State;
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
    SetLabel2(g.View, QString());
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
        //: The message when no path of free cells leads to the cell clicked.
        SetLabel2(g.View, QStringLiteral(QT_TRANSLATE_NOOP("Message", "No Way!!!")));
    }
}

void SpawnBalls(Game &g)
{
    PickNewCells(g);
    PlaceNewBalls(g);
    CheckBoardFull(g.State);
    if (g.State.IsGameOver == -1)
        GameOver(g);
    CheckLines(g);
}
