// The program's end, once its window has closed or with what a start said.
#pragma once

#include <QString>

// What a start that stops before any window says, and its status; it Goes on
// when there is nothing to say.
struct StartAnswer {
    QString Out, Err; // whole lines, for stdout and for stderr
    int Status = 0;
    bool Goes = true;
};

// Prints an answer's lines, those for stdout first; ends nothing.
void Say(const StartAnswer &a);

// Ends the program with the given status, without tearing down Qt: the game
// keeps nothing between runs, and Qt 6.4's teardown of a Wayland connection
// can wait for ever.
[[noreturn]] void EndProgram(int status);
