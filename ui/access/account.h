// What a press did, in one short spoken text for a screen reader: the ball
// picked up, the move, the new balls, the lines cleared, the next colours and
// the score, read from the game's record of the press.
#pragma once

#include <QString>

struct Game;

// The account of the latest press. Empty when it did nothing that the
// game's own message does not already say.
QString Account(const Game &g);
// The message the latest press left, in the player's language, or empty.
QString MessageSaid(const Game &g);
