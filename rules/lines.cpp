// The line check rescans all 52 rows, columns and diagonals every time: each
// is loaded into the line buffer, cut into runs, and the long runs scored.
#include "rules/lines.h"

#include "rules/state.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int32_t MaxScore = 32767;

// The score saturates rather than wrapping round to negative numbers.
void SetScore(GameState &s, int32_t score)
{
    s.Score = static_cast<int16_t>(std::min(score, MaxScore));
}

void LoadCell(GameState &s, int16_t i, int16_t x, int16_t y)
{
    s.LineColors[i] = s.Board(x, y);
    s.LineCells[i] = CellPos{x, y};
}

void CheckLine(GameState &s)
{
    SplitRuns(s);
    ScoreRuns(s);
}

} // namespace

void LoadRow(GameState &s, int16_t y)
{
    s.LineLen = BoardSize;
    for (int16_t i = 1; i <= BoardSize; i++)
        LoadCell(s, i, i, y);
}

void LoadColumn(GameState &s, int16_t x)
{
    s.LineLen = BoardSize;
    for (int16_t i = 1; i <= BoardSize; i++)
        LoadCell(s, i, x, i);
}

void LoadDiagonal(GameState &s, int16_t x, int16_t y)
{
    int16_t count = 0;
    do {
        LoadCell(s, ++count, x, y);
        x++;
        y++;
    } while (x <= BoardSize && y <= BoardSize);
    s.LineLen = count;
}

void LoadAntiDiagonal(GameState &s, int16_t x, int16_t y)
{
    int16_t count = 0;
    do {
        LoadCell(s, ++count, x, y);
        x--;
        y++;
    } while (x >= 1 && y <= BoardSize);
    s.LineLen = count;
}

void SplitRuns(GameState &s)
{
    for (int16_t i = 1; i <= BoardSize + 1; i++)
        s.Runs[i].Length = 0;
    s.RunCount = 0;
    int16_t current = -1; // no cell holds it, so the first cell opens a run
    for (int16_t j = 1; j <= s.LineLen; j++) {
        if (s.LineColors[j] != current) {
            s.RunCount++;
            current = s.LineColors[j];
        }
        Run &r = s.Runs[s.RunCount];
        r.Value = current;
        r.Length++;
        r.Cells[r.Length] = s.LineCells[j];
    }
}

// A line needs five balls, and scores two less than its length: three for
// five, a point more for each ball beyond.
constexpr int16_t LineMin = 5, LineDiscount = 2;

void ScoreRuns(GameState &s)
{
    for (int16_t i = 1; i <= s.RunCount; i++) {
        const Run &r = s.Runs[i];
        if (r.Value == Empty || r.Length < LineMin)
            continue;
        SetScore(s, int32_t{s.Score} + r.Length - LineDiscount);
        s.RunsScored++;
        for (int16_t j = 1; j <= r.Length; j++)
            s.Marked(r.Cells[j].x, r.Cells[j].y) = -1;
    }
}

void FindLines(GameState &s)
{
    for (int16_t a = 1; a <= BoardSize; a++) {
        LoadRow(s, a);
        CheckLine(s);
        LoadColumn(s, a);
        CheckLine(s);
        LoadDiagonal(s, 1, a);
        CheckLine(s);
        LoadAntiDiagonal(s, a, 1);
        CheckLine(s);
        if (a > 1) {
            LoadDiagonal(s, a, 1);
            CheckLine(s);
            LoadAntiDiagonal(s, BoardSize, a);
            CheckLine(s);
        }
    }
}

void SettleLines(GameState &s, int16_t scoreBefore)
{
    if (s.RunsScored == 0)
        s.Streak = 0;
    if (s.RunsScored > 0)
        s.Streak++;
    if (s.Streak > 0)
        SetScore(s, int32_t{s.Score} + s.Streak - 1);
    SetScore(s, int32_t{s.Score} + (int32_t{s.Score} - scoreBefore) * (s.RunsScored - 1));
}

bool EarnedBonus(const GameState &s)
{
    return s.Streak > 1 || s.RunsScored > 1;
}
