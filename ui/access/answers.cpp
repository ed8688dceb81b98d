// The answers read the board as it stands, as the cells' names do.
#include "ui/access/answers.h"

#include "game/game.h"
#include "ui/access/names.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {

// The runs of equal cells along a line from (x, y), a step of (dx, dy) at a
// time to the board's edge: "2 empty, 2 red, 5 empty".
QString Runs(const GameState &s, int16_t x, int16_t y, int16_t dx, int16_t dy)
{
    QStringList runs;
    int16_t value = -1, length = 0;
    for (; x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize; x += dx, y += dy) {
        if (s.Board(x, y) != value && length) {
            runs << CountOf(value, length);
            length = 0;
        }
        value = s.Board(x, y);
        length++;
    }
    runs << CountOf(value, length);
    return JoinCounts(runs);
}

} // namespace

QString BallsOf(const Game &g, int16_t colour)
{
    QStringList at;
    for (int16_t box = 0; box < CellCount; box++) {
        int16_t x, y;
        CellXY(box, x, y);
        if (g.State.Board(x, y) == colour)
            at << PlaceOfBox(box);
    }
    return BallsHeading(colour, int(at.size()), JoinPlaces(at));
}

QString LinesThrough(const Game &g, int16_t box)
{
    const GameState &s = g.State;
    int16_t x, y;
    CellXY(box, x, y);
    const int16_t down = std::min(x - 1, y - 1), up = std::min(x - 1, BoardSize - y);
    const int16_t dx = x - down, dy = y - down, ux = x - up, uy = y + up;
    //: The answer to X: the row, the column and the two diagonals through the focused cell, each as runs from its first
    //: cell. %5 and %7 are places ("row 1, column 3").
    return QCoreApplication::translate("Answers",
                                       "Row %1: %2. Column %3: %4. Diagonal down from %5: %6. Diagonal up from %7: %8.")
        .arg(QString::number(y), Runs(s, 1, y, 1, 0), QString::number(x), Runs(s, x, 1, 0, 1), PlaceAfterFrom(dx, dy),
             Runs(s, dx, dy, 1, 1), PlaceAfterFrom(ux, uy), Runs(s, ux, uy, 1, -1));
}

QString GameSummary(const Game &g)
{
    int16_t free = 0;
    for (int16_t x = 1; x <= BoardSize; x++)
        for (int16_t y = 1; y <= BoardSize; y++)
            free += g.State.Board(x, y) == Empty;
    //: The answer to I: %1 is the score, %n the free cells, %2 the next colours ("Next: red, orange, yellow.").
    return QCoreApplication::translate("Answers", "Score %1. %n free cells. %2", nullptr, free)
        .arg(QString::number(g.State.Score), NextColours(g.State.NextColor));
}
