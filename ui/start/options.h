// The command line, read whole before Qt starts: the game's own options, and
// Qt's (-platform, -display, ...), which are known by name and left on the
// line for Qt to take.
#pragma once

#include "ui/start/end.h"

#include <QString>
#include <QStringList>

struct Options {
    bool Symbols = false; // --symbols: start with a symbol on every ball
    QString Platform;     // what -platform asked for, or empty
    QString Display;      // what -display asked for, or empty
};

// Reads the options from arguments, the program's name first, into o, and
// what the line answers instead of a start into a, printing nothing: --help
// and --version answer on stdout with status 0, whatever else is on the
// line; an option or argument that neither the game nor Qt knows, in one
// line on stderr with status 1.
void AnswerOptions(const QStringList &arguments, Options &o, StartAnswer &a);
// The same, and an answer is printed and ends the program.
void ReadOptions(const QStringList &arguments, Options &o);
