// Creating the game bundle and reading the wall clock for the seed.
#include "game/game.h"

#include <QTime>

float SecondsSinceMidnight()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void InitGame(Game &g)
{
    g.State = GameState{};
    g.Report = PressReport{};
    InitScreen(g.View);
    g.Rnd = Random{};
    Reseed(g.Rnd, 0.0f);
    g.TimeOfDay = SecondsSinceMidnight;
}
