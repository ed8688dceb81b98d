// A symbol on every ball, for players who do not see all six colours: a black
// shape inside the ball that tells its colour by outline alone. The symbols
// are pictures of the window, drawn over the boxes' own pictures; the game
// and its pictures never know of them.
#pragma once

#include "screen/screen.h"

#include <QImage>

// The ink of every symbol: black stands out from all six fills, also as a
// player who sees them differently sees them.
constexpr QRgb SymbolInk = 0xFF000000u;

// The symbols as the window shows them.
struct SymbolSet {
    bool Shown = false;              // off until the player asks
    QImage Pictures[ColorCount + 1]; // 1..ColorCount: each colour's symbol at the window's ratio
};

// The symbol of colour c (1..ColorCount) over a transparent box of 30 x 30 logical
// pixels at the given device pixel ratio: crisp, each device pixel inked or
// not, never in between.
QImage SymbolImage(int16_t c, qreal ratio);
// Draws the six pictures for a device pixel ratio.
void DrawSymbols(SymbolSet &s, qreal ratio);
// The colour of the ball a box shows on top, whose symbol goes over it; 0
// for none (an empty box, a burst, the black ball of a cleared blink).
int16_t BallOnTop(const Box &b);
