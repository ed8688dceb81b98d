// Finding, scoring and settling lines of five or more balls of one colour.
#pragma once

#include "rules/board.h"

struct GameState;

void LoadRow(GameState &s, int16_t y);
void LoadColumn(GameState &s, int16_t x);
void LoadDiagonal(GameState &s, int16_t x, int16_t y);
void LoadAntiDiagonal(GameState &s, int16_t x, int16_t y);
void SplitRuns(GameState &s);
void ScoreRuns(GameState &s);
// Scores every line of five or more and marks its balls; RunsScored counts them.
void FindLines(GameState &s);
// After FindLines: the streak, the bonus and the score, from the score the
// check started with. The balls of the lines are the caller's to take away.
void SettleLines(GameState &s, int16_t scoreBefore);
// After SettleLines: whether the check earned a bonus, for lines on checks in
// a row or for several lines at once. The message that says so is the game's.
bool EarnedBonus(const GameState &s);
