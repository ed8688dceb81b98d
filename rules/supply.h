// New balls: their colours, their free cells, and the test for a full board.
#pragma once

#include "rules/board.h"

struct GameState;
struct Random;

// A colour 1..6 from one random value.
void RandomColor(Random &rnd, int16_t &color);
// A free cell that no pick of this spawn holds yet, held for it in Reserved;
// with none left the game is over (IsGameOver -1) and pos stays as it was.
// Draws one random value while the game goes on.
void PickFreeCell(GameState &s, Random &rnd, CellPos &pos);
void ClearReserved(GameState &s);
// IsGameOver -1 when no cell is empty.
void CheckBoardFull(GameState &s);
