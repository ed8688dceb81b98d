// The timer's two effects: the blink of the selected ball and the wiping of
// burst cells a few ticks after a burst.
#pragma once

#include <cstdint>

struct Game;

void Timer1_Timer(Game &g);
void StartBlink(Game &g, int16_t index, int16_t color);
void StopBlink(Game &g);
void StartClearDelay(Game &g, int16_t ticks);
void RemoveMarkedBalls(Game &g);
void ClearMarks(Game &g);
