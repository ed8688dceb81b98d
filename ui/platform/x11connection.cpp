// Qt's own connection, found only on its xcb platform.
#include "ui/platform/x11connection.h"

#if QUINTET_XCB
#include <QGuiApplication>

xcb_connection_t *X11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}

#endif
