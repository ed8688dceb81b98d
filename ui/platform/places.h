// Places as a screen reader takes them: in device pixels on the screen.
#pragma once

#include <QRect>

class QWidget;

// Where rectangle r of widget w stands on the screen, in device pixels: the
// unit of a screen reader's coordinates, also on a dense screen.
QRect DeviceScreenRect(const QWidget *w, const QRect &r);
