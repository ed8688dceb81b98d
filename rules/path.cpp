// The path search floods the board itself with PathMark, pass after pass in
// the board's scan order, then wipes the flood: no queue, no visited list.
#include "rules/path.h"

static void Spread(Grid &board, int16_t x, int16_t y, int16_t &marked)
{
    if (board(x, y) == Empty) {
        board(x, y) = PathMark;
        marked = -1;
    }
}

void FindPath(Grid &board, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY, int16_t &found)
{
    found = 0;
    const int16_t start = board(fromX, fromY);
    board(fromX, fromY) = PathMark;

    // A spread downwards or rightwards is carried on in the same pass; one to
    // the left or upwards waits for the next, so winding routes cost passes.
    int16_t marked;
    do {
        marked = 0;
        for (int16_t x = 1; x <= BoardSize; x++)
            for (int16_t y = 1; y <= BoardSize; y++) {
                if (board(x, y) != PathMark)
                    continue;
                if (x > 1)
                    Spread(board, static_cast<int16_t>(x - 1), y, marked);
                if (x < BoardSize)
                    Spread(board, static_cast<int16_t>(x + 1), y, marked);
                if (y > 1)
                    Spread(board, x, static_cast<int16_t>(y - 1), marked);
                if (y < BoardSize)
                    Spread(board, x, static_cast<int16_t>(y + 1), marked);
            }
    } while (marked == -1);

    if (board(toX, toY) == PathMark)
        found = -1;

    // The start cell gets its own value back before the wipe, so the wipe
    // touches only cells that were empty on entry.
    board(fromX, fromY) = start;
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (board(x, y) == PathMark)
                board(x, y) = Empty;
}
