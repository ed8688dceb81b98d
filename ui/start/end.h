// The program's end, once its window has closed.
#pragma once

// Ends the program with the given status, without tearing down Qt: the game
// keeps nothing between runs, and Qt 6.4's teardown of a Wayland connection
// can wait for ever.
[[noreturn]] void EndProgram(int status);
