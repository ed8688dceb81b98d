// Can a ball get from one cell to another through empty cells?
#pragma once

#include "rules/board.h"

// found = -1 when a chain of horizontally or vertically adjacent empty cells
// joins (fromX, fromY) to (toX, toY), else 0. The board is as before on return.
void FindPath(Grid &board, int16_t fromX, int16_t fromY, int16_t toX, int16_t toY, int16_t &found);
