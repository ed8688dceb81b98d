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
