// Shared test helpers: boards written as nine rows of text, pictures compared
// with reference drawings, and the invariants every event must keep.
#pragma once

#include "game/game.h"

#include <QString>
#include <QStringList>
#include <initializer_list>

// A game as the window creates it, with a fixed clock so new games repeat.
void InitTestGame(Game &g, float timeOfDay = 1234.5f);
void FixClock(Game &g, float timeOfDay);

// Rows top to bottom, those not given empty; '.' empty, '1'..'6' a ball.
// Draws the balls as well.
void SetBoard(Game &g, const QStringList &rows);
QString BoardRows(const Game &g);
// A board with no line anywhere (each row, column and diagonal changes
// colour at every step) and three free cells at the top left.
QStringList FullBoard();

// Pictures of a box.
bool ShowsBall(const Screen &s, int16_t box, int16_t color);
bool IsBlank(const Screen &s, int16_t box);
QImage BallImage(int16_t color);
// Empty when the box's sharp picture shows its exact picture at device
// resolution, within antialiasing; else where it does not.
QString SharpMismatch(const Box &b);
// The screen colour of a ball colour number, as the player sees it.
QRgb PaletteRgb(int16_t color);
// A colour wanted at a point of a picture.
struct Pixel {
    int X, Y;
    QRgb Rgb;
};
// Empty when each point, moved by origin, has its colour (alpha aside), else
// the first that has not.
QString PixelsDiffer(const QImage &im, std::initializer_list<Pixel> want, QPoint origin = {});

// How many pixels differ between two grabs of the window, before and after
// the keyboard's focus ring showed around box (in device pixels); -1 when one
// of them is not white or lies off the ring, width device pixels wide.
int RingPixels(const QImage &plain, const QImage &keyed, const QRect &box, int width);

// Empty when the game keeps its invariants, else what is wrong.
QString CheckInvariants(const Game &g);

int16_t CountBalls(const Game &g);

// The reachable move (box indices) that makes the longest line through its
// target; false when no ball can move at all. The tests' player uses it
// so that games reach clears, bonuses and streaks.
bool FindGoodMove(const GameState &s, int16_t &from, int16_t &to);
