// Starting a game: at the window's load and from the smile button.
#pragma once

struct Game;

void Form_Load(Game &g);
void Picture1_Click(Game &g);
