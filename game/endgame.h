// Switching between the board and the end screen.
#pragma once

struct Game;

void GameOver(Game &g);
void ShowEndScreen(Game &g);
void ShowBoard(Game &g);
