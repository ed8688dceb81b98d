// A click on a cell box: selection, the move, and the rest of the turn.
#pragma once

#include <cstdint>

struct Game;

void Picture5_Click(Game &g, int16_t index);
void SpawnBalls(Game &g);
