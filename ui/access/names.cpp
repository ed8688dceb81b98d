// Names count rows and columns from 1, as a player does.
#include "ui/access/names.h"

#include "rules/board.h"

#include <QCoreApplication>
#include <QStringList>
#include <iterator>

namespace {

const char *const Context = "Colours";

// Each table holds a phrase for every cell value, in order: index 0 is the
// empty cell (null where a use has none), then RedBall to MagentaBall.
const char *const Balls[] = {
    //: What an empty cell holds: "Row 3, column 5: empty".
    QT_TRANSLATE_NOOP("Colours", "empty"),
    //: What a cell holds: "Row 3, column 5: red ball". Also starts a sentence: "Red ball to row 3, column 5."
    QT_TRANSLATE_NOOP("Colours", "red ball"),
    //: What a cell holds; also starts a sentence, as "red ball" does.
    QT_TRANSLATE_NOOP("Colours", "orange ball"),
    //: What a cell holds; also starts a sentence, as "red ball" does.
    QT_TRANSLATE_NOOP("Colours", "yellow ball"),
    //: What a cell holds; also starts a sentence, as "red ball" does.
    QT_TRANSLATE_NOOP("Colours", "green ball"),
    //: What a cell holds; also starts a sentence, as "red ball" does.
    QT_TRANSLATE_NOOP("Colours", "cyan ball"),
    //: What a cell holds; also starts a sentence, as "red ball" does.
    QT_TRANSLATE_NOOP("Colours", "magenta ball"),
};

const char *const Nexts[] = {
    nullptr,
    //: A colour in the list of next balls: "Next: red, orange, yellow." and "Next ball 2: red".
    QT_TRANSLATE_NOOP("Colours", "red"),
    //: A colour in the list of next balls.
    QT_TRANSLATE_NOOP("Colours", "orange"),
    //: A colour in the list of next balls.
    QT_TRANSLATE_NOOP("Colours", "yellow"),
    //: A colour in the list of next balls.
    QT_TRANSLATE_NOOP("Colours", "green"),
    //: A colour in the list of next balls.
    QT_TRANSLATE_NOOP("Colours", "cyan"),
    //: A colour in the list of next balls.
    QT_TRANSLATE_NOOP("Colours", "magenta"),
};

const char *const Counts[] = {
    //: A run of empty cells along a line: "Row 3: 2 empty, 2 red, 5 empty."
    QT_TRANSLATE_N_NOOP("Colours", "%n empty"),
    //: A count of red balls: a run along a line ("Row 3: 2 empty, 2 red.") or balls cleared ("Cleared 5 red.").
    QT_TRANSLATE_N_NOOP("Colours", "%n red"),
    //: A count of orange balls, in a run or cleared, as "%n red".
    QT_TRANSLATE_N_NOOP("Colours", "%n orange"),
    //: A count of yellow balls, in a run or cleared, as "%n red".
    QT_TRANSLATE_N_NOOP("Colours", "%n yellow"),
    //: A count of green balls, in a run or cleared, as "%n red".
    QT_TRANSLATE_N_NOOP("Colours", "%n green"),
    //: A count of cyan balls, in a run or cleared, as "%n red".
    QT_TRANSLATE_N_NOOP("Colours", "%n cyan"),
    //: A count of magenta balls, in a run or cleared, as "%n red".
    QT_TRANSLATE_N_NOOP("Colours", "%n magenta"),
};

const char *const NewBalls[] = {
    nullptr,
    //: A new ball and its place, in "New balls: red at row 2, column 1; ...". %1 is the place.
    QT_TRANSLATE_NOOP("Colours", "red at %1"),
    //: A new ball and its place, as "red at %1".
    QT_TRANSLATE_NOOP("Colours", "orange at %1"),
    //: A new ball and its place, as "red at %1".
    QT_TRANSLATE_NOOP("Colours", "yellow at %1"),
    //: A new ball and its place, as "red at %1".
    QT_TRANSLATE_NOOP("Colours", "green at %1"),
    //: A new ball and its place, as "red at %1".
    QT_TRANSLATE_NOOP("Colours", "cyan at %1"),
    //: A new ball and its place, as "red at %1".
    QT_TRANSLATE_NOOP("Colours", "magenta at %1"),
};

const char *const Headings[] = {
    nullptr,
    //: The answer to R: where the red balls are. %1 lists their places: "row 1, column 3; row 4, column 5". %n is how
    //: many there are.
    QT_TRANSLATE_N_NOOP("Colours", "Red balls: %1."),
    //: The answer to O, as "Red balls: %1.".
    QT_TRANSLATE_N_NOOP("Colours", "Orange balls: %1."),
    //: The answer to Y, as "Red balls: %1.".
    QT_TRANSLATE_N_NOOP("Colours", "Yellow balls: %1."),
    //: The answer to G, as "Red balls: %1.".
    QT_TRANSLATE_N_NOOP("Colours", "Green balls: %1."),
    //: The answer to C, as "Red balls: %1.".
    QT_TRANSLATE_N_NOOP("Colours", "Cyan balls: %1."),
    //: The answer to M, as "Red balls: %1.".
    QT_TRANSLATE_N_NOOP("Colours", "Magenta balls: %1."),
};

const char *const Nones[] = {
    nullptr,
    //: The answer to R when the board has no red ball.
    QT_TRANSLATE_NOOP("Colours", "No red balls."),
    //: The answer to O when the board has no orange ball.
    QT_TRANSLATE_NOOP("Colours", "No orange balls."),
    //: The answer to Y when the board has no yellow ball.
    QT_TRANSLATE_NOOP("Colours", "No yellow balls."),
    //: The answer to G when the board has no green ball.
    QT_TRANSLATE_NOOP("Colours", "No green balls."),
    //: The answer to C when the board has no cyan ball.
    QT_TRANSLATE_NOOP("Colours", "No cyan balls."),
    //: The answer to M when the board has no magenta ball.
    QT_TRANSLATE_NOOP("Colours", "No magenta balls."),
};

template <size_t N> constexpr bool EveryValue(const char *const (&)[N])
{
    return N == ColorCount + 1;
}
static_assert(EveryValue(Balls) && EveryValue(Nexts) && EveryValue(Counts) && EveryValue(NewBalls) &&
              EveryValue(Headings) && EveryValue(Nones));

// The game only ever asks for a colour, or for the empty cell where a use
// has one; anything else gets the empty cell's phrase, or the first colour's
// where there is none, rather than a read outside the table.
QString Phrase(const char *const phrases[], int16_t c, int n = -1)
{
    const int16_t i = IsColor(c) ? c : phrases[0] ? 0 : RedBall;
    return QCoreApplication::translate(Context, phrases[i], nullptr, n);
}

} // namespace

QString BallName(int16_t c)
{
    return Phrase(Balls, c);
}

QString NextName(int16_t c)
{
    return Phrase(Nexts, c);
}

QString CountOf(int16_t c, int n)
{
    return Phrase(Counts, c, n);
}

QString NewBallAt(int16_t c, const QString &place)
{
    return Phrase(NewBalls, c).arg(place);
}

QString BallsHeading(int16_t c, int n, const QString &places)
{
    return n ? Phrase(Headings, c, n).arg(places) : Phrase(Nones, c);
}

QString PlaceName(int16_t x, int16_t y)
{
    //: A cell's place inside a sentence, row first.
    return QCoreApplication::translate("Names", "row %1, column %2").arg(y).arg(x);
}

QString PlaceAfterFrom(int16_t x, int16_t y)
{
    //: The cell a diagonal starts from, in the answer to X ("Diagonal down from row 1, column 3"): for a language
    //: that puts a place after "from" in another case.
    return QCoreApplication::translate("Names", "row %1, column %2", "after from").arg(y).arg(x);
}

QString PlaceOfBox(int16_t box)
{
    int16_t x, y;
    CellXY(box, x, y);
    return PlaceName(x, y);
}

QString CellName(int16_t x, int16_t y, int16_t value, bool selected)
{
    //: A cell's name: its place, then what it holds ("Row 3, column 5: red ball").
    const char *const plain = QT_TRANSLATE_NOOP("Names", "Row %1, column %2: %3");
    //: The name of the cell whose ball is picked up: "Row 3, column 5: red ball, selected".
    const char *const picked = QT_TRANSLATE_NOOP("Names", "Row %1, column %2: %3, selected");
    return QCoreApplication::translate("Names", selected ? picked : plain)
        .arg(QString::number(y), QString::number(x), BallName(value));
}

QString PreviewName(int16_t slot, int16_t c)
{
    //: A box of the next colours, 1 to 3 from the left, and its colour.
    return QCoreApplication::translate("Names", "Next ball %1: %2").arg(slot).arg(NextName(c));
}

QString NextColours(const int16_t next[NewBallCount + 1])
{
    //: The colours of the next three balls, left to right.
    return QCoreApplication::translate("Names", "Next: %1, %2, %3.")
        .arg(NextName(next[1]), NextName(next[2]), NextName(next[3]));
}

QString JoinCounts(const QStringList &parts)
{
    //: What stands between the counts of a list: "2 empty, 2 red, 5 empty".
    return parts.join(QCoreApplication::translate("Names", ", ", "between counts"));
}

QString JoinPlaces(const QStringList &parts)
{
    //: What stands between the places of a list: "row 1, column 2; row 3, column 4".
    return parts.join(QCoreApplication::translate("Names", "; ", "between places"));
}

QString Capital(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}
