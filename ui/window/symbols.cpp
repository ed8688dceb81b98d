// The six symbols: square, triangle, plus, diamond, ring and cross, in the
// order of the colours red to magenta. Each is a shape in logical pixels
// around the ball's centre, so every ratio has the same design; a device
// pixel is inked when its centre lies in the shape. They keep well inside
// the ball, whose colour still shows around them, and each pair differs in
// at least 38 pixels of a box at ratio 1.
#include "ui/window/symbols.h"

#include <QtMath>
#include <cmath>

namespace {

// Whether the point (u, v), in logical pixels from the ball's centre at
// (BallCentre, BallCentre), lies in the symbol of colour c. Edges fall between pixel
// centres at ratio 1, so that each shape stands symmetric on its middle pixel.
bool InSymbol(int16_t c, double u, double v)
{
    const double au = std::abs(u), av = std::abs(v), r = std::hypot(u, v);
    switch (c) {
    case RedBall: return au < 5.5 && av < 5.5;                                  // a square, 11 pixels wide
    case OrangeBall: return v > -6.6 && v < 5.5 && au < (v + 6.6) * 6.6 / 12.1; // a triangle, point up
    case YellowBall: return (au < 1.5 && av < 6.5) || (av < 1.5 && au < 6.5);   // a plus, 3 pixels thick
    case GreenBall: return au + av < 7.5;                                       // a diamond
    case CyanBall: return r >= 3.8 && r < 6.6;                                  // a ring
    case MagentaBall: return (std::abs(u - v) < 1.5 || std::abs(u + v) < 1.5) && au < 5.5 && av < 5.5; // a cross
    default: return false;
    }
}

} // namespace

QImage SymbolImage(int16_t c, qreal ratio)
{
    const int size = qCeil(BoxSize * ratio);
    QImage im(size, size, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            if (InSymbol(c, (x + 0.5) / ratio - BallCentre, (y + 0.5) / ratio - BallCentre))
                im.setPixel(x, y, SymbolInk);
    im.setDevicePixelRatio(ratio);
    return im;
}

void DrawSymbols(SymbolSet &s, qreal ratio)
{
    for (int16_t c = 1; c <= ColorCount; c++)
        s.Pictures[c] = SymbolImage(c, ratio);
}

// A ball drawn over a burst's lines shows on top of them; a burst over a
// ball never happens, as the game clears a box before each burst.
int16_t BallOnTop(const Box &b)
{
    const int16_t c = b.Over >= 0 ? b.Over : b.LineCount == 0 ? b.Under : -1;
    return IsColor(c) ? c : 0;
}
