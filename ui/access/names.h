// The words a screen reader says for the board's colours, cells and previews.
// Every cell's place is built here, so that all texts say it alike. A colour
// has a whole phrase for each way a sentence uses it, so that each language
// can give it the form the sentence needs.
#pragma once

#include "rules/board.h"

#include <QString>
#include <cstdint>

// The colour 1..6 in each of its uses; 0 is an empty cell where a use has one.
// "red ball", or "empty" for 0: what a cell holds.
QString BallName(int16_t c);
// "red", "orange", ...: a colour in the list of next colours.
QString NextName(int16_t c);
// "5 red", or "5 empty" for 0: a count of equal cells or cleared balls.
QString CountOf(int16_t c, int n);
// "red at row 2, column 1": a new ball at its place.
QString NewBallAt(int16_t c, const QString &place);
// "Red balls: row 1, column 3; row 4, column 5.", "Red ball: ..." for one,
// "No red balls." for none.
QString BallsHeading(int16_t c, int n, const QString &places);
// "row 3, column 5" for the cell in column x, row y.
QString PlaceName(int16_t x, int16_t y);
// The same for a cell box 0..80.
QString PlaceOfBox(int16_t box);
// The place of the cell in column x, row y after "from" ("Diagonal down from
// row 1, column 3"), which some languages put in another case.
QString PlaceAfterFrom(int16_t x, int16_t y);
// "Row 3, column 5: red ball", with ", selected" for the selected ball.
QString CellName(int16_t x, int16_t y, int16_t value, bool selected);
// "Next ball 2: green".
QString PreviewName(int16_t slot, int16_t c);
// "Next: red, orange, yellow." for the colours of slots 1..3.
QString NextColours(const int16_t next[NewBallCount + 1]);
// Lists as the language joins them: runs or counts ("2 red, 5 empty"), and
// places or new balls ("row 1, column 2; row 3, column 4").
QString JoinCounts(const QStringList &parts);
QString JoinPlaces(const QStringList &parts);
// The text with its first letter in capitals, as a sentence starts.
QString Capital(QString s);
