// The spoken account of a press. The game's own messages ("No Way!!!",
// "Bonus!!!", "Game Over!") are spoken apart, so they are not repeated here.
#include "ui/access/account.h"

#include "game/game.h"
#include "ui/access/names.h"

#include <QCoreApplication>

namespace {

// How many balls of each colour the press cleared: "Cleared 5 red, 5 green."
QString Cleared(const PressReport &r)
{
    QStringList parts;
    for (int16_t c = 1; c <= ColorCount; c++)
        if (r.Cleared[c])
            parts << CountOf(c, r.Cleared[c]);
    //: The balls a press cleared, by colour: "Cleared 5 red, 5 green."
    return parts.isEmpty() ? QString() : QCoreApplication::translate("Account", "Cleared %1.").arg(JoinCounts(parts));
}

// The balls a spawn or a new game placed, in the order they came, with the
// colour each was given: "New balls: red at row 1, column 2; ...".
QString NewBalls(const PressReport &r)
{
    QStringList parts;
    for (int16_t k = 1; k <= r.PlacedCount; k++)
        parts << NewBallAt(r.PlacedColor[k], PlaceName(r.PlacedAt[k].x, r.PlacedAt[k].y));
    //: The balls a move or a new game brought: "New balls: red at row 1, column 2; cyan at row 5, column 5."
    return parts.isEmpty() ? QString()
                           : QCoreApplication::translate("Account", "New balls: %1.").arg(JoinPlaces(parts));
}

} // namespace

QString Account(const Game &g)
{
    const PressReport &r = g.Report;
    QStringList said;
    if (r.NewGame) {
        //: A press on the smile, before the new game's balls.
        said << QCoreApplication::translate("Account", "New game.") << NewBalls(r) << NextColours(g.State.NextColor);
    } else if (r.PickedUp) {
        //: %1 is a ball ("red ball"), %2 its place.
        said << Capital(QCoreApplication::translate("Account", "%1 picked up at %2.")
                            .arg(BallName(r.Color), PlaceName(r.From.x, r.From.y)));
    } else if (r.Moved) {
        //: A move: %1 is the ball ("red ball"), %2 the place it moved to.
        said << Capital(
            QCoreApplication::translate("Account", "%1 to %2.").arg(BallName(r.Color), PlaceName(r.To.x, r.To.y)));
        // A move that clears lines brings no new balls and leaves the next
        // colours as they were.
        if (r.Spawned)
            said << NewBalls(r) << Cleared(r) << NextColours(g.State.NextColor);
        else
            said << Cleared(r);
    }
    if (g.State.Score != r.ScoreBefore)
        //: The score after a press that changed it.
        said << QCoreApplication::translate("Account", "Score %1.").arg(g.State.Score);
    said.removeAll(QString());
    return said.join(QLatin1Char(' '));
}

QString MessageSaid(const Game &g)
{
    return g.Report.Message ? QCoreApplication::translate("Message", MessageText(g.Report.Message)) : QString();
}
