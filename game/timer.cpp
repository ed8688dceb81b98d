// The tick does only what earlier clicks left for it in the game state.
#include "game/timer.h"

#include "game/game.h"
#include "screen/draw.h"

void Timer1_Timer(Game &g)
{
    GameState &s = g.State;
    if (s.Blinking == -1) {
        if (s.BlinkHidden == 0) {
            EraseCell(g.View, s.BlinkIndex);
            s.BlinkHidden = -1;
        } else {
            DrawBall(g.View, s.BlinkIndex, s.BlinkColor);
            s.BlinkHidden = 0;
        }
    }
    if (s.ClearPending == -1) {
        s.ClearTicks++;
        if (s.ClearTicks == s.ClearDelay) {
            s.ClearPending = 0;
            s.ClearTicks = 0;
            RemoveMarkedBalls(g);
            ClearMarks(g);
        }
    }
}

// The phase is left alone: a new blink carries on where the last one stopped.
void StartBlink(Game &g, int16_t index, int16_t color)
{
    g.State.Blinking = -1;
    g.State.BlinkIndex = index;
    g.State.BlinkColor = color;
}

// Draws even when nothing blinks, so the ball always ends up steady.
void StopBlink(Game &g)
{
    g.State.Blinking = 0;
    DrawBall(g.View, g.State.BlinkIndex, g.State.BlinkColor);
}

void StartClearDelay(Game &g, int16_t ticks)
{
    g.State.ClearPending = -1;
    g.State.ClearTicks = 0;
    g.State.ClearDelay = ticks;
}

void RemoveMarkedBalls(Game &g)
{
    GameState &s = g.State;
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            if (s.Marked(x, y) == -1) {
                s.Board(x, y) = Empty;
                EraseCell(g.View, CellIndex(x, y));
            }
}

void ClearMarks(Game &g)
{
    FillGrid(g.State.Marked, 0);
}
