// GameState: every variable of the game in one record, owned by the window.
#pragma once

#include "rules/board.h"

// One maximal run of equal cell values along a loaded line.
struct Run {
    int16_t Value; // shared cell value, 0 for a run of empty cells
    int16_t Length;
    CellPos Cells[BoardSize + 1]; // 1..Length, in line order
};

// Numbers are signed 16-bit; flags hold 0 or -1. Arrays that the game counts
// from 1 keep their unused element 0 so that every subscript reads as in play.
struct GameState {
    int16_t Score;
    int16_t IsGameOver;
    int16_t Selected;
    int16_t SelX;
    int16_t SelY;
    int16_t SelColor;
    int16_t RunsScored; // lines found by the latest check
    int16_t Streak;     // checks in a row that found lines
    int16_t Blinking;
    int16_t BlinkHidden; // blink phase: the ball is erased now
    int16_t BlinkIndex;  // box of the ball that blinks, or blinked last
    int16_t BlinkColor;
    int16_t ClearPending; // the countdown to wiping burst cells runs
    int16_t ClearTicks;
    int16_t ClearDelay;
    Grid Board;
    Grid Marked;                       // -1: the ball belongs to a scored line
    int16_t LineColors[BoardSize + 1]; // 1..LineLen: the line loaded
    int16_t LineLen;
    CellPos LineCells[BoardSize + 1];
    Run Runs[BoardSize + 2]; // 1..RunCount
    int16_t RunCount;
    CellPos NewPos[NewBallCount + 1];    // 1..NewBallCount: the cells of the latest spawn
    int16_t NextColor[NewBallCount + 1]; // 1..NewBallCount: the previewed colours
    Grid Reserved;                       // -1: held by the spawn in progress
};
