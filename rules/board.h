// The board: its size, its cells kept in grids with an outer ring, and the
// two conversions between a cell and the index of its box in the window.
#pragma once

#include <cstdint>

// The board's side in cells, and its cells: the boxes 0..CellCount - 1.
constexpr int16_t BoardSize = 9;
constexpr int16_t CellCount = BoardSize * BoardSize;
// A grid's side: the board and a ring of one cell around it.
constexpr int16_t GridSide = BoardSize + 2;
// The ball colours are the cell values 1..ColorCount.
enum BallColor : int16_t { RedBall = 1, OrangeBall, YellowBall, GreenBall, CyanBall, MagentaBall };
constexpr int16_t ColorCount = MagentaBall;
// The balls each spawn brings, each shown first in a preview box.
constexpr int16_t NewBallCount = 3;
constexpr bool IsColor(int16_t c)
{
    return c >= 1 && c <= ColorCount;
}

// Cell values of the board besides the colours.
constexpr int16_t Empty = 0;
constexpr int16_t PathMark = 9; // only ever on the board while FindPath runs

// One per-cell fact for every cell. Subscripts run 0..BoardSize + 1 in both
// directions so that a neighbour look-up never needs a bounds test; only
// 1..BoardSize are written, the outer ring stays 0. Element (x, y) lives at
// x + GridSide * y, x fastest.
struct Grid {
    int16_t Cell[GridSide * GridSide];

    int16_t &operator()(int16_t x, int16_t y) { return Cell[x + GridSide * y]; }
    int16_t operator()(int16_t x, int16_t y) const { return Cell[x + GridSide * y]; }
};

struct CellPos {
    int16_t x;
    int16_t y;
};

// (x, y) in 1..BoardSize to the box index 0..CellCount - 1, row by row from
// the top-left.
inline int16_t CellIndex(int16_t x, int16_t y)
{
    int16_t i = static_cast<int16_t>(y - 1);
    i = static_cast<int16_t>(i * BoardSize);
    i = static_cast<int16_t>(i + x);
    return static_cast<int16_t>(i - 1);
}

// Box index 0..CellCount - 1 back to its column x and row y.
inline void CellXY(int16_t index, int16_t &x, int16_t &y)
{
    y = static_cast<int16_t>(index / BoardSize + 1);
    x = static_cast<int16_t>(index % BoardSize + 1);
}

// Sets every cell of the board in the grid to v; the outer ring is left alone.
inline void FillGrid(Grid &g, int16_t v)
{
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            g(x, y) = v;
}
