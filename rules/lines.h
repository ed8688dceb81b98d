// Finding, scoring and settling lines of five or more balls of one colour.
#pragma once

#include "rules/board.h"

struct Game;
struct GameState;

void LoadRow(GameState &s, int16_t y);
void LoadColumn(GameState &s, int16_t x);
void LoadDiagonal(GameState &s, int16_t x, int16_t y);
void LoadAntiDiagonal(GameState &s, int16_t x, int16_t y);
void SplitRuns(GameState &s);
void ScoreRuns(GameState &s);
void FindLines(GameState &s);
void SettleLines(Game &g, int16_t scoreBefore);

// The whole check that follows a move or a spawn.
void CheckLines(Game &g);
