// New balls on the board and in the previews: the rules pick the cells and
// the colours, and here the balls are placed and drawn.
#pragma once

#include "rules/board.h"

struct Game;

// Every ball that enters a cell comes through here, drawn as it enters.
void PutBall(Game &g, int16_t x, int16_t y, int16_t color);
// A ball of the spawn, placed only while the game goes on.
void PlaceBall(Game &g, CellPos pos, int16_t color);

// A free cell for a new ball, held for it; a board with none left ends the
// game, and pos stays as it was.
void PickNewCell(Game &g, CellPos &pos);

// The two halves of every spawn: pick and hold three cells into NewPos; then
// place the previewed colours there, draw three new ones and preview them.
void PickNewCells(Game &g);
void PlaceNewBalls(Game &g);
