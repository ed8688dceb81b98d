// Answers to a player's questions by key, for a screen reader: where the
// balls of a colour are, what lies along the four lines through a cell, and
// how the game stands. Short regular sentences, which players and tests can
// parse; they read the game and change nothing.
#pragma once

#include <QString>
#include <cstdint>

struct Game;

// "Red balls: row 1, column 3; row 4, column 5." in reading order, or "No
// red balls."
QString BallsOf(const Game &g, int16_t colour);
// The row, the column and the two diagonals through a cell box 0..80, each
// as runs of equal cells from its first cell: "Row 3: 2 empty, 2 red, 5
// empty. Column 5: 9 empty. Diagonal down from row 1, column 3: 7 empty.
// Diagonal up from row 7, column 1: 1 yellow, 6 empty." A diagonal runs down
// to the right from its top-left end, or up to the right from its
// bottom-left end.
QString LinesThrough(const Game &g, int16_t box);
// "Score 12. 47 free cells. Next: red, orange, yellow."
QString GameSummary(const Game &g);
