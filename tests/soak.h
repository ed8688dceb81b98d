// A randomised event driver for the core: clicks on visible boxes, ticks and
// smile clicks, chosen by a byte pair each, with the invariants checked after
// every event. The soak feeds it random bytes, the fuzzer its input.
#pragma once

#include "game/game.h"

#include <QString>
#include <cstddef>
#include <cstdint>

// Which situations the events reached, so a run can show it reached them all.
struct Reached {
    uint64_t Events, Selections, Refused, Moves, Clears, ClearsDuringCountdown, MovesIntoBurst, SpawnsIntoBurst,
        SpawnsEndingGame, NewGamesMidCountdown, NewGamesFromEndScreen, Bonuses;
};

struct Soak {
    Game G;
    Reached R;
    int16_t LastScore; // the score never falls within a game
};

void StartSoak(Soak &s, float clock);

// Plays one event; returns what broke, or an empty text.
QString SoakEvent(Soak &s, uint8_t kind, uint8_t where);

QString DescribeReached(const Reached &r);
// The situations a long enough run must have reached.
bool ReachedAll(const Reached &r);
