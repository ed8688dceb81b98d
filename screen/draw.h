// Drawing balls, bursts and previews into the boxes of the screen model.
#pragma once

#include <QtGlobal>

#include <cstdint>

struct Random;
struct Screen;

// The palette as 0xBBGGRR; anything but 1..6 is black.
int32_t ColorValue(int16_t c);

void DrawBall(Screen &s, int16_t box, int16_t c);
void EraseCell(Screen &s, int16_t box);
// A burst of BurstLines random lines from the box's middle, drawing five
// values of rnd for each line.
void DrawBurst(Screen &s, Random &rnd, int16_t box);
void DrawPreview(Screen &s, int16_t slot, int16_t c);

// Draws every box's sharp picture anew for another device pixel ratio (none
// at 1); the exact pictures stay as they are.
void SetSharpRatio(Screen &s, qreal ratio);
