// The ball supply. The spawn picks all three cells before placing any ball,
// so the picks hold their cells in Reserved to keep each other off them.
#include "rules/supply.h"

#include "rules/random.h"
#include "rules/state.h"

void RandomColor(Random &rnd, int16_t &color)
{
    // Rounding r * 5 makes colours 1 and 6 half as likely as the others.
    float product = NextRandom(rnd) * static_cast<float>(ColorCount - 1);
    color = static_cast<int16_t>(RoundHalfEven(product) + 1);
}

void PickFreeCell(GameState &s, Random &rnd, CellPos &pos)
{
    if (s.IsGameOver != 0)
        return;
    CellPos free[CellCount + 1]; // entries 1..n
    int16_t n = 0;
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (s.Board(x, y) == Empty && s.Reserved(x, y) == 0)
                free[++n] = CellPos{x, y};
    if (n == 0) {
        s.IsGameOver = -1;
        return;
    }
    // Rounding (n - 1) * r gives the first and last free cell half the
    // chance of the others.
    float product = static_cast<float>(n - 1) * NextRandom(rnd);
    int16_t k = static_cast<int16_t>(RoundHalfEven(product) + 1);
    pos = free[k];
    s.Reserved(pos.x, pos.y) = -1;
}

void ClearReserved(GameState &s)
{
    FillGrid(s.Reserved, 0);
}

void CheckBoardFull(GameState &s)
{
    int16_t empty = 0;
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (s.Board(x, y) == Empty)
                empty++;
    if (empty == 0)
        s.IsGameOver = -1;
}
