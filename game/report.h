// What the latest press did, as the game did it. Each fact is written where
// it happens, in the order it happens, so that whoever tells the player (a
// screen reader's account, the L key) reads it here and never works a press
// out again from the pictures or the captions.
#pragma once

#include "rules/board.h"

#include <cstdint>

struct Game;

// The messages a press can leave, as values.
enum Message : int16_t { NoMessage, NoWayMessage, BonusMessage, GameOverMessage };

// Flags hold 0 or -1; arrays count from 1, as in the game state.
struct PressReport {
    int16_t NewGame;  // the press started a new game
    int16_t PickedUp; // a ball was picked up at From
    int16_t Moved;    // the ball picked up moved from From to To
    CellPos From, To;
    int16_t Color;   // of the ball picked up or moved
    int16_t Spawned; // the move cleared nothing and brought a spawn
    // The balls placed, in the order they came: a spawn's or a new game's.
    // A spawn that finds the board full places none.
    int16_t PlacedCount;
    CellPos PlacedAt[NewBallCount + 1];
    int16_t PlacedColor[NewBallCount + 1];
    int16_t Cleared[ColorCount + 1]; // the balls cleared, by colour
    int16_t Message;                 // the message the press left, a Message
    int16_t ScoreBefore; // the score after is the state's, as is whether the game is over
};

// The game's own text of a message, in English; empty for none. The window
// shows it in the player's language.
const char *MessageText(int16_t message);

// A press begins with nothing told yet.
void BeginReport(Game &g);
// The message label and the record, which say the same.
void LeaveMessage(Game &g, int16_t message);
