// Each pick that finds the board full ends the game at once, before the next
// pick, so the end screen comes in the same order as the random draws.
#include "game/spawn.h"

#include "game/endgame.h"
#include "game/game.h"
#include "rules/supply.h"
#include "screen/draw.h"

// A cell still marked by a burst gives up its mark and its burst picture
// first, so the pending removal cannot take the new ball away without score.
void PutBall(Game &g, int16_t x, int16_t y, int16_t color)
{
    GameState &s = g.State;
    int16_t box = CellIndex(x, y);
    if (s.Marked(x, y) == -1) {
        s.Marked(x, y) = 0;
        EraseCell(g.View, box);
    }
    DrawBall(g.View, box, color);
    s.Board(x, y) = color;
}

void PlaceBall(Game &g, CellPos pos, int16_t color)
{
    if (g.State.IsGameOver != 0)
        return;
    PutBall(g, pos.x, pos.y, color);
    PressReport &r = g.Report;
    r.PlacedCount++;
    r.PlacedAt[r.PlacedCount] = pos;
    r.PlacedColor[r.PlacedCount] = color;
}

void PickNewCell(Game &g, CellPos &pos)
{
    PickFreeCell(g.State, g.Rnd, pos);
    if (g.State.IsGameOver == -1)
        GameOver(g);
}

void PickNewCells(Game &g)
{
    for (int16_t i = 1; i <= NewBallCount; i++)
        PickNewCell(g, g.State.NewPos[i]);
}

void PlaceNewBalls(Game &g)
{
    GameState &s = g.State;
    for (int16_t i = 1; i <= NewBallCount; i++)
        PlaceBall(g, s.NewPos[i], s.NextColor[i]);
    for (int16_t i = 1; i <= NewBallCount; i++)
        RandomColor(g.Rnd, s.NextColor[i]);
    for (int16_t i = 1; i <= NewBallCount; i++)
        DrawPreview(g.View, i, s.NextColor[i]);
}
