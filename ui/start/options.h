// The command line, read whole before Qt starts: the game's own options, and
// Qt's (-platform, -display, ...), which are known by name and left on the
// line for Qt to take.
#pragma once

#include <QString>
#include <QStringList>

struct Options {
    bool Symbols = false; // --symbols: start with a symbol on every ball
    QString Platform;     // what -platform asked for, or empty
    QString Display;      // what -display asked for, or empty
};

// Reads the options from arguments, the program's name first. --help and
// --version print their answer and end the program with status 0, whatever
// else is on the line; an option or argument that neither the game nor Qt
// knows ends it with one line and status 1.
void ReadOptions(const QStringList &arguments, Options &o);
