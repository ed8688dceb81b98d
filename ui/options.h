// The command line. Qt takes its own options (-platform, -display, ...)
// once the application object exists; the game's own are read around that.
#pragma once

#include <QStringList>

struct Options {
    bool Symbols = false; // --symbols: start with a symbol on every ball
};

// Reads the game's options from arguments, the program's name first.
// --help and --version print their answer and end the program with status
// 0. With final false, before Qt has taken its own options, anything else
// is left for later; with final true, an option or argument the game does
// not know ends the program with one line and status 1.
void ReadOptions(const QStringList &arguments, bool final, Options &o);
