// The check that follows a move or a spawn: the rules find and score the
// lines, and their balls burst on the screen.
#pragma once

struct Game;

void CheckLines(Game &g);
// Draws a burst in every cell whose ball belongs to a scored line.
void BurstMarkedCells(Game &g);
