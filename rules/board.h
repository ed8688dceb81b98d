// The board: 9 x 9 cells kept in 11 x 11 grids, and the two conversions
// between a cell and the index of its box in the window.
#pragma once

#include <cstdint>

// The board's side in cells, and its cells: the boxes 0..CellCount - 1.
constexpr int16_t BoardSize = 9;
constexpr int16_t CellCount = BoardSize * BoardSize;

// Cell values of the board. 1..6 are ball colours.
constexpr int16_t Empty = 0;
constexpr int16_t PathMark = 9; // only ever on the board while FindPath runs

// One per-cell fact for every cell. Subscripts run 0..10 in both directions so
// that a neighbour look-up never needs a bounds test; only 1..9 are written,
// the outer ring stays 0. Element (x, y) lives at x + 11*y, x fastest.
struct Grid {
    int16_t Cell[121];

    int16_t &operator()(int16_t x, int16_t y) { return Cell[x + 11 * y]; }
    int16_t operator()(int16_t x, int16_t y) const { return Cell[x + 11 * y]; }
};

struct CellPos {
    int16_t x;
    int16_t y;
};

// (x, y) in 1..9 to the box index 0..80, row by row from the top-left.
inline int16_t CellIndex(int16_t x, int16_t y)
{
    int16_t i = static_cast<int16_t>(y - 1);
    i = static_cast<int16_t>(i * 9);
    i = static_cast<int16_t>(i + x);
    return static_cast<int16_t>(i - 1);
}

// Box index 0..80 back to its column x and row y.
inline void CellXY(int16_t index, int16_t &x, int16_t &y)
{
    y = static_cast<int16_t>(index / 9 + 1);
    x = static_cast<int16_t>(index % 9 + 1);
}

// Sets every cell 1..9 of the grid to v; the outer ring is left alone.
inline void FillGrid(Grid &g, int16_t v)
{
    for (int16_t x = 1; x <= 9; x++)
        for (int16_t y = 1; y <= 9; y++)
            g(x, y) = v;
}
