// What a press did, in one short spoken text for a screen reader: the ball
// picked up, the move, the new balls, the lines cleared, the next colours and
// the score. It is worked out by comparing what the player could know before
// the press with what they can know after it.
#pragma once

#include "rules/board.h"

#include <QString>
#include <cstdint>

struct Game;

// What a player can know between two events.
struct Heard {
    int16_t Cell[CellCount]; // the ball in each cell box, 0 for none
    int16_t Selected;        // the box of the picked-up ball, or -1
    int16_t Next[4];         // 1..3: the colours the previews show
    size_t Burst[CellCount]; // which burst each box shows, 0 for none
    QString Score;
};

void Listen(const Game &g, Heard &h);

// The account of a press on cell box pressed (0..80), or on the smile (-1),
// between what was heard before and after it. Empty when nothing changed
// that the game's own message does not already say.
QString Account(const Game &g, const Heard &before, const Heard &after, int16_t pressed);
