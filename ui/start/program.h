// Qt's messages held while the program starts, and said with the reason in
// one line if the start fails.
#pragma once

struct Options;

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
