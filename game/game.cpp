// Creating the game bundle and reading the wall clock for the seed.
#include "game/game.h"

#include <QTime>

float SecondsSinceMidnight()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void InitGame(Game &g, qreal scale)
{
    g.State = GameState{};
    InitScreen(g.View, scale);
    g.Rnd = Random{};
    Reseed(g.Rnd, 0.0f);
    g.TimeOfDay = SecondsSinceMidnight;
}
