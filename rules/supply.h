// New balls: their colours, their cells, and the test for a full board.
#pragma once

#include "rules/board.h"

struct Game;

void RandomColor(Game &g, int16_t &color);
void PickFreeCell(Game &g, CellPos &pos);
void PlaceBall(Game &g, CellPos pos, int16_t color);
void PutBall(Game &g, int16_t x, int16_t y, int16_t color);
void ClearReserved(Game &g);
void CheckBoardFull(Game &g);

// The two halves of every spawn: pick and hold three cells into NewPos; then
// place the previewed colours there, draw three new ones and preview them.
void PickNewCells(Game &g);
void PlaceNewBalls(Game &g);
