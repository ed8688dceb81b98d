// The program around its window: a start that fails with Qt's own reason in
// one line, and an end that does not wait for Qt's teardown.
#pragma once

#include "ui/options.h"

// Called before the application object exists: Qt's messages are held until
// the start has succeeded. If Qt cannot start (no platform plugin, or one
// that cannot load, or a display it cannot reach), the program prints one
// line that says what went wrong, naming what the command line gave, then
// the messages Qt held and its last, whole and in order, and ends with
// status 1, where Qt would abort.
void HoldStartMessages(const Options &given);
// Called once the application object exists: the held messages come out,
// in order, and Qt's later messages go their usual way.
void StartSucceeded();

// Ends the program once its window has closed, with the given status, without
// tearing down Qt: the game keeps nothing between runs, and Qt 6.4's teardown
// of a Wayland connection can wait for ever.
[[noreturn]] void EndProgram(int status);
