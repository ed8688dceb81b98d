// The names a screen reader reads for the cells and the previews, kept in
// step with the board.
#include "ui/window/form1.h"

// Names follow the board, not the pictures: a blink changes no name, and a
// selection, which draws nothing, does. Only the names that differ are set.
void Form1::UpdateNames()
{
    const GameState &s = G.State;
    for (int16_t i = 0; i < CellCount; i++) {
        int16_t x, y;
        CellXY(i, x, y);
        const bool selected = s.Selected == -1 && s.SelX == x && s.SelY == y;
        const int16_t said = static_cast<int16_t>(s.Board(x, y) * 2 + selected);
        if (NamedAs[i] != said) {
            NamedAs[i] = said;
            Picture5[i]->setAccessibleName(CellName(x, y, s.Board(x, y), selected));
        }
    }
    for (int16_t slot = 1; slot <= 3; slot++) {
        const int16_t box = PreviewBox(slot);
        if (NamedAs[box] != s.NextColor[slot]) {
            NamedAs[box] = s.NextColor[slot];
            BoxWidget(box)->setAccessibleName(PreviewName(slot, s.NextColor[slot]));
        }
    }
}
