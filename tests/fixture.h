// The fixture the game's unit tests share: a fresh game, as the window
// creates it with a fixed clock, for each test function.
#pragma once

#include "helpers.h"

#include <QObject>

class GameTest : public QObject {
    Q_OBJECT

  protected:
    Game *G = nullptr;

    // Fills the board but for the first n cells in traversal order (column 1
    // from the top, then column 2, ...), with no five alike in a line.
    void LeaveFree(int16_t n)
    {
        for (int16_t x = 1; x <= BoardSize; x++)
            for (int16_t y = 1; y <= BoardSize; y++)
                G->State.Board(x, y) = n-- > 0 ? 0 : static_cast<int16_t>((x + 2 * y) % 6 + 1);
    }

  private slots:
    void init()
    {
        G = new Game;
        InitTestGame(*G);
    }
    void cleanup()
    {
        delete G;
        G = nullptr;
    }
};
