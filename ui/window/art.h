// The window's art at any device pixel ratio: the smile, the hand cursor and
// the icon, drawn for the device size.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The art "smile", "hand" or "icon" of the 32-pixel design, 32 x ratio device
// pixels large and carrying that ratio. Art is drawn at 32, 40, 48, 56, 64,
// 80 and 96 pixels; other sizes are the next larger one shrunk smoothly.
QPixmap ArtAt(const char *name, qreal ratio);
// The hand for the platform: on Wayland its hot spot in the cursor surface's
// logical pixels.
QCursor HandCursor(qreal ratio, bool wayland);
// The two images of the design, and on a dense screen one at device size.
QIcon WindowIcon(qreal ratio);
