// The game on the desktop: the display check before Qt starts, the window's
// states under Wayland, and the end when X11 destroys the window from outside.
#pragma once

class QWidget;

// Called before the application object exists. Without a display to reach it
// prints one line naming what is missing, and exits with status 1, where Qt
// would abort with advice to reinstall.
void CheckDisplay();
// Called once the application object exists: Qt's later messages go their
// usual way.
void DisplayOpened();

// Keeps the promises of the fixed window that each platform can carry. Call
// once the window is shown.
void FitWindowToPlatform(QWidget *window);
