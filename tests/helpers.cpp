// The tests' shared helpers: boards from rows of text, pictures against
// reference drawings, the invariants every event keeps, and the moves of the
// tests' player.
#include "helpers.h"

#include "rules/path.h"
#include "screen/draw.h"

#include <algorithm>
#include <cmath>

static float FixedTime;

void FixClock(Game &g, float timeOfDay)
{
    FixedTime = timeOfDay;
    g.TimeOfDay = [] { return FixedTime; };
}

void InitTestGame(Game &g, float timeOfDay)
{
    InitGame(g);
    FixClock(g, timeOfDay);
}

void SetBoard(Game &g, const QStringList &rows)
{
    for (int16_t y = 1; y <= 9; y++) {
        const QString row = rows.value(y - 1).leftJustified(9, QLatin1Char('.'));
        for (int16_t x = 1; x <= 9; x++) {
            const int16_t v = row[x - 1] == '.' ? 0 : static_cast<int16_t>(row[x - 1].unicode() - '0');
            g.State.Board(x, y) = v;
            v ? DrawBall(g.View, CellIndex(x, y), v) : EraseCell(g.View, CellIndex(x, y));
        }
    }
}

QString BoardRows(const Game &g)
{
    QString out;
    for (int16_t y = 1; y <= 9; y++) {
        for (int16_t x = 1; x <= 9; x++) {
            int16_t v = g.State.Board(x, y);
            out += v == 0 ? QChar('.') : QChar('0' + v);
        }
        out += '\n';
    }
    return out;
}

QImage BallImage(int16_t color)
{
    static QImage drawn[7]; // drawn once: the checks compare with them often
    if (color < 0 || color > 6)
        color = 0;
    if (drawn[color].isNull()) {
        static Screen s;
        InitScreen(s);
        EraseCell(s, 0);
        DrawBall(s, 0, color);
        drawn[color] = s.Boxes[0].Image.copy();
    }
    return drawn[color];
}

QRgb PaletteRgb(int16_t color)
{
    static const QRgb palette[7] = {qRgb(0, 0, 0),   qRgb(255, 0, 0),   qRgb(255, 128, 0), qRgb(255, 255, 0),
                                    qRgb(0, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)};
    return color >= 1 && color <= 6 ? palette[color] : palette[0];
}

QString PixelsDiffer(const QImage &im, std::initializer_list<Pixel> want, QPoint origin)
{
    for (const Pixel &p : want)
        if (const QRgb got = im.pixel(origin + QPoint(p.X, p.Y)) | 0xFF000000u; got != p.Rgb)
            return QString::asprintf("(%d, %d) is %08x, not %08x", p.X, p.Y, got, p.Rgb);
    return {};
}

bool ShowsBall(const Screen &s, int16_t box, int16_t color)
{
    return s.Boxes[box].Image == BallImage(color);
}

bool IsBlank(const Screen &s, int16_t box)
{
    return s.Boxes[box].Image == BallImage(0) && s.Boxes[box].Image.pixel(14, 14) == qRgb(0, 0, 0) &&
           s.Boxes[box].Image.pixel(0, 0) == qRgb(0, 0, 0);
}

// Two checks that together catch a missing, stale or displaced sharp picture:
// where the exact picture is one colour all round a pixel, the sharp pixels
// in it have that colour; and near every bright exact pixel some sharp pixel
// is lit. Edges and crossings of lines are free to blend.
QString SharpMismatch(const Box &b)
{
    if (b.Sharp.isNull())
        return {};
    const QImage &sharp = b.Sharp;
    const qreal r = sharp.devicePixelRatio();
    auto exact = [&b](int x, int y) {
        return x < 0 || y < 0 || x >= BoxSize || y >= BoxSize ? qRgb(0, 0, 0) : b.Image.pixel(x, y) | 0xFF000000u;
    };
    auto brightness = [](QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}); };
    auto farFrom = [](QRgb a, QRgb c) {
        return std::max({std::abs(qRed(a) - qRed(c)), std::abs(qGreen(a) - qGreen(c)), std::abs(qBlue(a) - qBlue(c))}) >
               64;
    };
    // The exact pixel under each sharp pixel's centre.
    auto under = [r](int s) { return static_cast<int>(std::floor((s + 0.5) / r)); };
    for (int sy = 0; sy < sharp.height(); sy++)
        for (int sx = 0; sx < sharp.width(); sx++) {
            const int x = under(sx), y = under(sy);
            const QRgb c = exact(x, y);
            bool uniform = true;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++)
                    uniform = uniform && exact(x + dx, y + dy) == c;
            const QRgb got = sharp.pixel(sx, sy);
            if (uniform && farFrom(got, c))
                return QString::asprintf("sharp pixel (%d, %d) is %06x, the exact picture around (%d, %d) is %06x", sx,
                                         sy, got & 0xFFFFFF, x, y, c & 0xFFFFFF);
        }
    for (int y = 0; y < BoxSize; y++)
        for (int x = 0; x < BoxSize; x++) {
            if (brightness(exact(x, y)) < 64)
                continue;
            bool lit = false;
            const int lo = std::max(0, static_cast<int>((x - 1) * r)), hi = std::min(sharp.width(), int((x + 2) * r));
            const int top = std::max(0, static_cast<int>((y - 1) * r)),
                      end = std::min(sharp.height(), int((y + 2) * r));
            for (int sy = top; sy < end && !lit; sy++)
                for (int sx = lo; sx < hi && !lit; sx++)
                    lit = std::abs(under(sx) - x) <= 1 && std::abs(under(sy) - y) <= 1 &&
                          brightness(sharp.pixel(sx, sy)) >= 16;
            if (!lit)
                return QStringLiteral("exact pixel (%1, %2) is lit, the sharp picture near it is dark").arg(x).arg(y);
        }
    return {};
}

static bool BorderClear(const Grid &grid)
{
    for (int16_t i = 0; i <= 10; i++)
        if (grid(i, 0) || grid(i, 10) || grid(0, i) || grid(10, i))
            return false;
    return true;
}

QString CheckInvariants(const Game &g)
{
    const GameState &s = g.State;
    if (!BorderClear(s.Board) || !BorderClear(s.Marked) || !BorderClear(s.Reserved))
        return QStringLiteral("a grid's outer ring is not zero");
    for (int16_t x = 1; x <= 9; x++)
        for (int16_t y = 1; y <= 9; y++) {
            int16_t v = s.Board(x, y);
            if (v < 0 || v > 6)
                return QStringLiteral("cell (%1, %2) holds %3").arg(x).arg(y).arg(v);
            if (s.Reserved(x, y))
                return QStringLiteral("cell (%1, %2) is still reserved").arg(x).arg(y);
            if (s.ClearPending == 0 && s.Marked(x, y))
                return QStringLiteral("cell (%1, %2) is marked with no countdown").arg(x).arg(y);
            int16_t box = CellIndex(x, y);
            if (s.Marked(x, y))
                continue; // a burst may show, even in a hidden box
            if (s.IsGameOver == -1) {
                if (!IsBlank(g.View, box) || g.View.Boxes[box].Visible)
                    return QStringLiteral("box %1 is not hidden and clear on the end screen").arg(box);
                continue;
            }
            if (!g.View.Boxes[box].Visible)
                return QStringLiteral("box %1 is hidden during play").arg(box);
            if (s.Blinking == -1 && box == s.BlinkIndex)
                continue;
            bool ok = v ? ShowsBall(g.View, box, v) : IsBlank(g.View, box);
            if (!ok)
                return QStringLiteral("box %1 does not show cell value %2").arg(box).arg(v);
        }
    if (s.Score < 0)
        return QStringLiteral("negative score");
    // The record of the latest press says what the state and the screen say.
    const PressReport &r = g.Report;
    if (g.View.MessageCaption != QLatin1String(MessageText(r.Message)))
        return QStringLiteral("the record of the press disagrees with the game");
    return QString();
}

int16_t CountBalls(const Game &g)
{
    int16_t n = 0;
    for (int16_t i = 0; i <= 80; i++)
        n += g.State.Board(i % 9 + 1, i / 9 + 1) != 0;
    return n;
}

// Length of the line of colour c through (x, y) in direction (dx, dy), with
// the cell (sx, sy) counted as empty: the ball that would leave it.
static int RunThrough(const Grid &b, int16_t x, int16_t y, int dx, int dy, int16_t c, int16_t sx, int16_t sy)
{
    int n = 1;
    for (int sign = -1; sign <= 1; sign += 2)
        for (int k = 1;; k++) {
            int cx = x + sign * k * dx, cy = y + sign * k * dy;
            if (cx < 1 || cx > 9 || cy < 1 || cy > 9 || (cx == sx && cy == sy) || b(cx, cy) != c)
                break;
            n++;
        }
    return n;
}

bool FindGoodMove(const GameState &s, int16_t &from, int16_t &to)
{
    int best = 0; // any reachable move beats none
    for (int16_t fx = 1; fx <= 9; fx++)
        for (int16_t fy = 1; fy <= 9; fy++) {
            int16_t c = s.Board(fx, fy);
            if (c == 0)
                continue;
            for (int16_t tx = 1; tx <= 9; tx++)
                for (int16_t ty = 1; ty <= 9; ty++) {
                    if (s.Board(tx, ty) != 0)
                        continue;
                    int len = 0;
                    const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
                    for (const auto &d : dirs)
                        len = std::max(len, RunThrough(s.Board, tx, ty, d[0], d[1], c, fx, fy));
                    if (len <= best)
                        continue;
                    Grid board = s.Board;
                    int16_t found = 0;
                    FindPath(board, fx, fy, tx, ty, found);
                    if (found == -1) {
                        best = len;
                        from = CellIndex(fx, fy);
                        to = CellIndex(tx, ty);
                    }
                }
        }
    return best > 0;
}

int RingPixels(const QImage &plain, const QImage &keyed, const QRect &box, int width)
{
    const QRect outer = box.adjusted(-width, -width, width, width);
    int changed = 0;
    for (int y = 0; y < keyed.height(); y++)
        for (int x = 0; x < keyed.width(); x++)
            if (keyed.pixel(x, y) != plain.pixel(x, y)) {
                if ((keyed.pixel(x, y) | 0xFF000000u) != qRgb(255, 255, 255) || !outer.contains(x, y) ||
                    box.contains(x, y))
                    return -1;
                changed++;
            }
    return changed;
}

QStringList FullBoard()
{
    QStringList full;
    for (int y = 1; y <= 9; y++) {
        full << QString();
        for (int x = 1; x <= 9; x++)
            full.last() += y == 1 && x <= 3 ? QLatin1Char('.') : QLatin1Char('0' + (x + 2 * y) % 6 + 1);
    }
    return full;
}
