// The game on the desktop: which window system it runs on, and what each
// needs of the fixed window.
#pragma once

class QWidget;

// Any Wayland platform: Qt names them "wayland", "wayland-egl", ...
bool OnWayland();

// Keeps the promises of the fixed window that each platform can carry. Call
// once, before the window is first shown.
void FitWindowToPlatform(QWidget *window);
