// The end screen and the board share one area; exactly one of them shows.
#include "game/endgame.h"

#include "game/game.h"
#include "game/report.h"
#include "screen/draw.h"

void GameOver(Game &g)
{
    ShowEndScreen(g);
    LeaveMessage(g, GameOverMessage);
}

void ShowEndScreen(Game &g)
{
    for (int16_t i = 0; i < CellCount; i++) {
        SetBoxVisible(g.View, i, false);
        EraseCell(g.View, i);
    }
    for (int item = Line9; item < EndItemCount; item++)
        SetEndVisible(g.View, static_cast<EndItem>(item), true);
}

// The boxes are not drawn here: the new game has drawn into them already.
void ShowBoard(Game &g)
{
    for (int item = Line9; item < EndItemCount; item++)
        SetEndVisible(g.View, static_cast<EndItem>(item), false);
    for (int16_t i = 0; i < CellCount; i++)
        SetBoxVisible(g.View, i, true);
}
