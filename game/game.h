// What one window owns: the game state, the record of the latest press, the
// screen it draws on, the random source and the clock. Every handler and
// rule takes this bundle.
#pragma once

#include "game/report.h"
#include "rules/random.h"
#include "rules/state.h"
#include "screen/screen.h"

struct Game {
    GameState State;
    PressReport Report; // what the latest press did
    Screen View;
    Random Rnd;
    float (*TimeOfDay)(); // seconds since midnight; tests put in their own
};

// Seconds since local midnight, with the fraction: the seed of every new game.
float SecondsSinceMidnight();

// A game as the window is created: state all zero, the screen as built.
void InitGame(Game &g);
