// Pixel-exact drawing: aliased, replacing pixels, as the boxes' pen does. The
// ball is a fixed mask, the burst lines are plain Bresenham lines.
#include "screen/draw.h"

#include "rules/random.h"
#include "screen/screen.h"

#include <QPainter>

#include <array>
#include <cstdlib>

namespace {

// 0 outside the ball, 1 its black outline, 2 its inside.
using Mask = std::array<std::array<uint8_t, BoxSize>, BoxSize>;

constexpr bool InDisc(int x, int y)
{
    int dx = x - BallPixel, dy = y - BallPixel;
    return dx * dx + dy * dy <= BallRadius * BallRadius + BallRadius; // radius 12.5: a round rim
}

constexpr Mask MakeBallMask()
{
    Mask m{};
    for (int y = 0; y < BoxSize; y++)
        for (int x = 0; x < BoxSize; x++)
            if (InDisc(x, y))
                m[y][x] = (InDisc(x - 1, y) && InDisc(x + 1, y) && InDisc(x, y - 1) && InDisc(x, y + 1)) ? 2 : 1;
    return m;
}

constexpr Mask BallMask = MakeBallMask();

QRgb ToRgb(int32_t packed)
{
    return qRgb(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

// Fetched once per drawing: every non-const access to an image's bits makes
// Qt check for sharing and run its cache hooks.
QRgb *Pixels(Box &b)
{
    return reinterpret_cast<QRgb *>(b.Image.bits());
}

// Bresenham's line, both end points set, in the given colour.
void Line(QRgb *px, int stride, QRgb color, int x0, int y0, int x1, int y1)
{
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        px[y0 * stride + x0] = color;
        if (x0 == x1 && y0 == y1)
            break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// The device-resolution picture, drawn smooth with the same geometry from
// what the box records: the ball around BallCentre, and each line between
// pixel centres. The image's device
// pixel ratio gives the painter the scale by itself. Drawn whole each time,
// so a picture drawn anew at another ratio is the one the box would have had.
void DrawSharp(Box &b)
{
    if (b.Sharp.isNull())
        return;
    b.Sharp.fill(qRgb(0, 0, 0));
    if (b.Under < 0 && b.LineCount == 0 && b.Over < 0)
        return;
    QPainter p(&b.Sharp);
    p.setRenderHint(QPainter::Antialiasing);
    auto ball = [&p](int16_t c) {
        p.setPen(QPen(QColor(qRgb(0, 0, 0)), 1.0));
        p.setBrush(QColor(ToRgb(ColorValue(c))));
        p.drawEllipse(QPointF(BallCentre, BallCentre), BallRadius, BallRadius);
    };
    if (b.Under >= 0)
        ball(b.Under);
    for (int16_t n = 0; n < b.LineCount; n++) {
        const Stroke &l = b.Lines[n];
        p.setPen(QPen(QColor(l.Color), 1.0, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(QPointF(BurstOrigin + 0.5, BurstOrigin + 0.5), QPointF(l.X + 0.5, l.Y + 0.5));
    }
    if (b.Over >= 0)
        ball(b.Over);
}

int16_t Channel(Random &rnd)
{
    int16_t v = RoundHalfEven(NextRandom(rnd) * 256.0f);
    return v > 255 ? 255 : v;
}

} // namespace

int32_t ColorValue(int16_t c)
{
    switch (c) {
    case RedBall: return 0x0000FF;
    case OrangeBall: return 0x0080FF;
    case YellowBall: return 0x00FFFF;
    case GreenBall: return 0x00FF00;
    case CyanBall: return 0xFFFF00;
    case MagentaBall: return 0xFF00FF;
    default: return 0x000000;
    }
}

void DrawBall(Screen &s, int16_t box, int16_t c)
{
    Box &b = s.Boxes[box];
    b.FillColor = ToRgb(ColorValue(c));
    QRgb *px = Pixels(b);
    const int stride = b.Image.bytesPerLine() / 4;
    const QRgb outline = qRgb(0, 0, 0);
    for (int y = 2; y <= 26; y++)
        for (int x = 2; x <= 26; x++)
            if (uint8_t m = BallMask[y][x])
                px[y * stride + x] = m == 2 ? b.FillColor : outline;
    // A ball covers an earlier ball whole, but not the ends of burst lines.
    (b.LineCount == 0 ? b.Under : b.Over) = c;
    DrawSharp(b);
    b.Changed = true;
}

void EraseCell(Screen &s, int16_t box)
{
    Box &b = s.Boxes[box];
    b.Image.fill(qRgb(0, 0, 0));
    b.Under = b.Over = -1;
    b.LineCount = 0;
    DrawSharp(b);
    b.Changed = true;
}

void DrawBurst(Screen &s, Random &rnd, int16_t box)
{
    Box &b = s.Boxes[box];
    QRgb *px = Pixels(b);
    const int stride = b.Image.bytesPerLine() / 4;
    // The box was cleared just before: the record starts empty.
    b.LineCount = 0;
    for (int16_t n = 1; n <= BurstLines; n++) {
        int16_t x = RoundHalfEven(NextRandom(rnd) * 26.0f + 2.0f);
        int16_t y = RoundHalfEven(NextRandom(rnd) * 26.0f + 2.0f);
        int16_t r = Channel(rnd);
        int16_t gr = Channel(rnd);
        int16_t bl = Channel(rnd);
        b.PenColor = qRgb(r, gr, bl);
        Line(px, stride, b.PenColor, BurstOrigin, BurstOrigin, x, y);
        b.Lines[b.LineCount++] = Stroke{x, y, b.PenColor};
    }
    DrawSharp(b);
    b.Changed = true;
}

void DrawPreview(Screen &s, int16_t slot, int16_t c)
{
    if (slot >= 1 && slot <= NewBallCount)
        DrawBall(s, PreviewBox(slot), c);
}

void SetSharpRatio(Screen &s, qreal ratio)
{
    for (Box &b : s.Boxes) {
        b.Sharp = SharpImage(ratio);
        DrawSharp(b);
        b.Changed = true;
    }
}
