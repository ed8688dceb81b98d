// The ball supply. The spawn picks all three cells before placing any ball,
// so the picks hold their cells in Reserved to keep each other off them.
#include "rules/supply.h"

#include "game/endgame.h"
#include "game/game.h"
#include "ui/draw.h"

void RandomColor(Game &g, int16_t &color)
{
    // Rounding r * 5 makes colours 1 and 6 half as likely as the others.
    float product = NextRandom(g.Rnd) * 5.0f;
    color = static_cast<int16_t>(RoundHalfEven(product) + 1);
}

void PickFreeCell(Game &g, CellPos &pos)
{
    GameState &s = g.State;
    if (s.IsGameOver == 0) {
        CellPos free[82]; // entries 1..n
        int16_t n = 0;
        for (int16_t x = 1; x <= 9; x++)
            for (int16_t y = 1; y <= 9; y++)
                if (s.Board(x, y) == Empty && s.Reserved(x, y) == 0)
                    free[++n] = CellPos{x, y};
        if (n == 0) {
            s.IsGameOver = -1;
        } else {
            // Rounding (n - 1) * r gives the first and last free cell half
            // the chance of the others.
            float product = static_cast<float>(n - 1) * NextRandom(g.Rnd);
            int16_t k = static_cast<int16_t>(RoundHalfEven(product) + 1);
            pos = free[k];
            s.Reserved(pos.x, pos.y) = -1;
        }
    }
    if (s.IsGameOver == -1)
        GameOver(g);
}

// Every ball that enters a cell comes through here. A cell still marked by a
// burst gives up its mark and its burst picture first, so the pending removal
// cannot take the new ball away without score.
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
}

void ClearReserved(Game &g)
{
    FillGrid(g.State.Reserved, 0);
}

void CheckBoardFull(Game &g)
{
    int16_t empty = 0;
    for (int16_t x = 1; x <= 9; x++)
        for (int16_t y = 1; y <= 9; y++)
            if (g.State.Board(x, y) == Empty)
                empty++;
    if (empty == 0)
        g.State.IsGameOver = -1;
}

void PickNewCells(Game &g)
{
    for (int16_t i = 1; i <= 3; i++)
        PickFreeCell(g, g.State.NewPos[i]);
}

void PlaceNewBalls(Game &g)
{
    GameState &s = g.State;
    for (int16_t i = 1; i <= 3; i++)
        PlaceBall(g, s.NewPos[i], s.NextColor[i]);
    for (int16_t i = 1; i <= 3; i++)
        RandomColor(g, s.NextColor[i]);
    for (int16_t i = 1; i <= 3; i++)
        DrawPreview(g.View, i, s.NextColor[i]);
}
