// The words a screen reader says for the board's colours, cells and previews.
// Every cell's place is built here, so that all texts say it alike.
#pragma once

#include <QString>
#include <cstdint>

// "red", "orange", ... for the colours 1..6; "empty" for 0.
QString ColourName(int16_t c);
// "row 3, column 5" for the cell in column x, row y.
QString PlaceName(int16_t x, int16_t y);
// The same for a cell box 0..80.
QString PlaceOfBox(int16_t box);
// "Row 3, column 5: red ball", with ", selected" for the selected ball.
QString CellName(int16_t x, int16_t y, int16_t value, bool selected);
// "Next ball 2: green".
QString PreviewName(int16_t slot, int16_t c);
// "Next: red, orange, yellow." for the colours of slots 1..3.
QString NextColours(const int16_t next[4]);
// The text with its first letter in capitals.
QString Capital(QString s);
