// The spoken account of a press. The game's own messages ("No Way!!!",
// "Bonus!!!", "Game Over!") are spoken apart, so they are not repeated here.
#include "ui/access/account.h"

#include "game/game.h"
#include "ui/access/names.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// Whether the press drew a burst in the box.
bool BurstNow(const Heard &before, const Heard &after, int16_t box)
{
    return after.Burst[box] && after.Burst[box] != before.Burst[box];
}

// How many balls of each colour burst, the colour of each box found by
// which: "Cleared 5 red, 5 green."
template <typename ColourOf> QString Cleared(const Heard &before, const Heard &after, ColourOf colourOf)
{
    int16_t count[ColorCount + 1] = {};
    for (int16_t i = 0; i < CellCount; i++)
        if (BurstNow(before, after, i)) {
            const int16_t c = colourOf(i);
            count[IsColor(c) ? c : 0]++;
        }
    QStringList parts;
    for (int16_t c = 1; c <= ColorCount; c++)
        if (count[c])
            parts << CountOf(c, count[c]);
    //: The balls a press cleared, by colour: "Cleared 5 red, 5 green."
    return parts.isEmpty() ? QString() : QCoreApplication::translate("Account", "Cleared %1.").arg(JoinCounts(parts));
}

// The balls a spawn or a new game placed, in the order they came, with the
// colour each was given: "New balls: red at row 1, column 2; ...". A ball is
// new where its cell was free for it: a spawn that ends the game may place
// none, and its cells are an earlier turn's.
template <typename FreeBefore>
QString NewBalls(const Game &g, const int16_t colours[4], const Heard &before, const Heard &after, FreeBefore free)
{
    QStringList parts;
    for (int16_t k = 1; k <= 3; k++) {
        const CellPos p = g.State.NewPos[k];
        const int16_t box = CellIndex(p.x, p.y);
        if (free(box) && (after.Cell[box] == colours[k] || BurstNow(before, after, box)))
            parts << NewBallAt(colours[k], PlaceOfBox(box));
    }
    //: The balls a move or a new game brought: "New balls: red at row 1, column 2; cyan at row 5, column 5."
    return parts.isEmpty() ? QString() : QCoreApplication::translate("Account", "New balls: %1.").arg(JoinPlaces(parts));
}

} // namespace

void Listen(const Game &g, Heard &h)
{
    const GameState &s = g.State;
    for (int16_t i = 0; i < CellCount; i++) {
        int16_t x, y;
        CellXY(i, x, y);
        h.Cell[i] = s.Board(x, y);
        const Box &b = g.View.Boxes[i];
        h.Burst[i] = b.LineCount ? qHashBits(b.Lines, sizeof(Stroke) * size_t(b.LineCount), 1) : 0;
    }
    h.Selected = s.Selected == -1 ? CellIndex(s.SelX, s.SelY) : int16_t(-1);
    for (int16_t k = 1; k <= 3; k++)
        h.Next[k] = s.NextColor[k];
    h.Score = g.View.Label1;
}

QString Account(const Game &g, const Heard &before, const Heard &after, int16_t pressed)
{
    QStringList said;
    if (pressed < 0) {
        // A new game's balls are what the board now holds where they came.
        int16_t colours[4] = {};
        for (int16_t k = 1; k <= 3; k++)
            colours[k] = after.Cell[CellIndex(g.State.NewPos[k].x, g.State.NewPos[k].y)];
        // The new game clears the board before it places them.
        //: A press on the smile, before the new game's balls.
        said << QCoreApplication::translate("Account", "New game.") << NewBalls(g, colours, before, after, [](int16_t) { return true; })
             << NextColours(after.Next);
    } else if (after.Selected == pressed && before.Cell[pressed]) {
        //: %1 is a ball ("red ball"), %2 its place.
        said << Capital(QCoreApplication::translate("Account", "%1 picked up at %2.")
                            .arg(BallName(before.Cell[pressed]), PlaceOfBox(pressed)));
    } else if (before.Selected >= 0 && !before.Cell[pressed] && after.Selected < 0) {
        const int16_t colour = before.Cell[before.Selected];
        //: A move: %1 is the ball ("red ball"), %2 the place it moved to.
        said << Capital(QCoreApplication::translate("Account", "%1 to %2.").arg(BallName(colour), PlaceOfBox(pressed)));
        // Every line a move makes runs through the cell it moved to; a move
        // that cleared nothing brought new balls, which may clear lines too.
        // What each cell held once the ball had moved:
        auto was = [&](int16_t box) {
            return box == pressed ? colour : box == before.Selected ? Empty : before.Cell[box];
        };
        if (BurstNow(before, after, pressed)) {
            said << Cleared(before, after, was);
        } else {
            said << NewBalls(g, before.Next, before, after, [&](int16_t box) { return was(box) == Empty; });
            said << Cleared(before, after, [&](int16_t box) {
                for (int16_t k = 1; k <= 3; k++)
                    if (CellIndex(g.State.NewPos[k].x, g.State.NewPos[k].y) == box)
                        return before.Next[k];
                return was(box);
            });
            said << NextColours(after.Next);
        }
    }
    if (after.Score != before.Score)
        //: The score after a press that changed it.
        said << QCoreApplication::translate("Account", "Score %1.").arg(after.Score);
    said.removeAll(QString());
    return said.join(QLatin1Char(' '));
}
