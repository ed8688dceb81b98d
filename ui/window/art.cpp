// The window's art at any device pixel ratio, from the pictures that
// scripts/draw-art.py draws for each size.
#include "ui/window/art.h"

#include <QtMath>
#include <cstring>

// The pixel art is C, built in: it is there at the start without a lookup
// of the image readers.
#include "resources/hand32.xpm"
#include "resources/hand64.xpm"
#include "resources/hand96.xpm"
#include "resources/icon16.xpm"
#include "resources/icon32.xpm"
#include "resources/icon64.xpm"
#include "resources/icon96.xpm"
#include "resources/smile32.xpm"
#include "resources/smile64.xpm"
#include "resources/smile96.xpm"

namespace {
const int ArtSizes[] = {32, 40, 48, 56, 64, 80, 96};

struct PixelArt {
    const char *Name;
    int Size;
    const char *const *Xpm;
};
const PixelArt Drawn[] = {{"hand", 32, hand32},   {"hand", 64, hand64},   {"hand", 96, hand96},
                          {"icon", 32, icon32},   {"icon", 64, icon64},   {"icon", 96, icon96},
                          {"smile", 32, smile32}, {"smile", 64, smile64}, {"smile", 96, smile96}};

QPixmap Load(const char *name, int size)
{
    // Whole ratios have pixel art; the ones between are smooth.
    for (const PixelArt &a : Drawn)
        if (a.Size == size && !std::strcmp(a.Name, name))
            return QPixmap(a.Xpm);
    return QPixmap(QStringLiteral(":/%1%2.png").arg(QLatin1String(name)).arg(size));
}
} // namespace

QPixmap ArtAt(const char *name, qreal ratio)
{
    if (ratio <= 1)
        return Load(name, 32);
    const int want = qRound(32 * ratio);
    int size = ArtSizes[std::size(ArtSizes) - 1];
    for (int s : ArtSizes)
        if (s >= want) {
            size = s;
            break;
        }
    QPixmap p = Load(name, size);
    if (size != want) // only beyond the largest art is this an enlargement
        p = p.scaled(want, want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.setDevicePixelRatio(ratio);
    return p;
}

namespace {

// The pixel of a hand of the given size that the fingertip points with.
QPoint HandHotSpot(int size)
{
    // The fingertip's top point lies at (12.25, 1) in the design.
    return QPoint(size * 49 / 128, size / 32);
}

} // namespace

QCursor HandCursor(qreal ratio, bool wayland)
{
    // X takes the hot spot in the image's own pixels, whatever its ratio. A
    // Wayland cursor surface has a whole buffer scale, the whole part of the
    // pixmap's ratio in Qt 6.4, and takes the hot spot in its logical pixels,
    // which Qt finds as hot spot x ratio / scale, rounded: so the pixmap
    // carries the whole scale, and the hot spot is rounded here, once.
    QPixmap p = ArtAt("hand", ratio);
    QPoint hot = HandHotSpot(p.width());
    if (wayland) {
        const int scale = qMax(1, int(ratio));
        p.setDevicePixelRatio(scale);
        hot = QPoint(qRound(qreal(hot.x()) / scale), qRound(qreal(hot.y()) / scale));
    }
    return QCursor(p, hot.x(), hot.y());
}

QIcon WindowIcon(qreal ratio)
{
    QIcon icon;
    icon.addPixmap(QPixmap(icon16));
    icon.addPixmap(QPixmap(icon32));
    if (ratio > 1) {
        QPixmap dense = ArtAt("icon", ratio);
        dense.setDevicePixelRatio(1); // listed by its device size
        icon.addPixmap(dense);
    }
    return icon;
}
