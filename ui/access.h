// What a screen reader hears: names for the boxes, and a press action on the
// clickable ones that does what a click does.
#pragma once

#include <QString>
#include <cstdint>

// "Row 3, column 5: red ball", with ", selected" for the selected ball.
QString CellName(int16_t x, int16_t y, int16_t value, bool selected);
QString PreviewName(int16_t slot, int16_t c);

// Lets Qt's accessibility find the boxes' press action. Safe to call twice.
void InstallAccessibility();
