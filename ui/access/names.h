// The words a screen reader says for the board's colours, cells and previews.
#pragma once

#include <QString>
#include <cstdint>

// "red", "orange", ... for the colours 1..6; "empty" for 0.
QString ColourName(int16_t c);
// "Row 3, column 5: red ball", with ", selected" for the selected ball.
QString CellName(int16_t x, int16_t y, int16_t value, bool selected);
// "Next ball 2: green".
QString PreviewName(int16_t slot, int16_t c);
