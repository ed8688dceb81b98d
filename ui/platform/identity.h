// The game's names: its title, its command and its desktop entry's id.
#pragma once

constexpr char GameTitle[] = "Quintet";                   // the window's title and the application's name
constexpr char CommandName[] = "quintet";                 // the binary, as messages name it
constexpr char DesktopId[] = "io.github.quintet.Quintet"; // the desktop entry, the metainfo and the icons
