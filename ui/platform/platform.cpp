// Each window system gets what it needs of the window: see wayland.cpp and
// x11.cpp.
#include "ui/platform/platform.h"

#include "ui/platform/wayland.h"
#include "ui/platform/x11.h"

#include <QGuiApplication>

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FitWindowToPlatform(QWidget *window)
{
    if (OnWayland())
        FitWaylandWindow(window);
    else {
        AskX11Focus(window);
        WatchX11Destroy(window);
    }
}
