// The window's own size, in logical pixels: the game's layout fills it.
#pragma once

constexpr int GameWidth = 304, GameHeight = 413;
