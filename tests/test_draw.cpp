// Drawing, checked on the pixels of the screen model's images.
#include "fixture.h"

#include "game/check.h"
#include "screen/draw.h"

#include <QTest>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

class TestDraw : public GameTest {
    Q_OBJECT
    const QImage &Image(int16_t box) { return G->View.Boxes[box].Image; }

  private slots:
    // The palette's colours packed blue, green, red; black for no colour.
    void paletteIsPackedBlueGreenRed()
    {
        for (int16_t c = -1; c <= ColorCount + 1; c++) {
            const QRgb rgb = PaletteRgb(c);
            QCOMPARE(ColorValue(c), qBlue(rgb) << 16 | qGreen(rgb) << 8 | qRed(rgb));
        }
    }

    // The ball covers 2..26 in both directions, with a black rim whatever
    // its colour, and nothing outside that square.
    void ballCoversTwoToTwentySixWithABlackOutline()
    {
        for (int16_t c = 1; c <= 6; c++) {
            EraseCell(G->View, 5);
            DrawBall(G->View, 5, c);
            const QImage &im = Image(5);
            const QRgb fill = PaletteRgb(c), black = qRgb(0, 0, 0);
            QCOMPARE(G->View.Boxes[5].FillColor, fill);
            // The middle; the rim at either end of the middle row and column,
            // and the fill just inside it.
            QCOMPARE(PixelsDiffer(im, {{14, 14, fill}, {2, 14, black}, {14, 2, black}, {26, 14, black}, {14, 26, black},
                                       {3, 14, fill}, {25, 14, fill}}),
                     QString());
            // The coloured inside lies within the black rim: 3..25.
            QRect inside;
            for (int y = 0; y < 30; y++)
                for (int x = 0; x < 30; x++)
                    if (im.pixel(x, y) != black)
                        inside |= QRect(x, y, 1, 1);
            QCOMPARE(inside, QRect(QPoint(3, 3), QPoint(25, 25)));
        }
    }

    void colourZeroLeavesAClearedBoxEmpty()
    {
        DrawBall(G->View, 7, 0);
        QVERIFY(IsBlank(G->View, 7));
    }

    void aBallOverABallChangesOnlyItsColour()
    {
        DrawBall(G->View, 3, 2);
        DrawBall(G->View, 3, 5);
        QVERIFY(ShowsBall(G->View, 3, 5));
    }

    // A ball drawn over a burst covers its middle; the spray outside the disc
    // stays, and the rim is still black although the pen has another colour.
    void aBallOverABurstKeepsTheBurstsOuterPixels()
    {
        // The first line runs white to (2, 2); the other 99 blue to (28, 28).
        float v[500];
        for (int i = 0; i < 500; i++)
            v[i] = (i % 5 < 2 || i % 5 == 4) ? 0.9999999f : 0.0f;
        v[0] = v[1] = 0.0f;
        v[2] = v[3] = v[4] = 0.9999999f;
        ScriptRandom(G->Rnd, v, 500);
        DrawBurst(G->View, G->Rnd, 9);
        const QRgb white = qRgb(255, 255, 255), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0), black = qRgb(0, 0, 0);
        QCOMPARE(PixelsDiffer(Image(9), {{3, 3, white}, {10, 10, white}, {27, 27, blue}}), QString());
        QCOMPARE(G->View.Boxes[9].PenColor, blue);
        DrawBall(G->View, 9, 4);
        // (23, 23) lies just outside the disc, (22, 22) just inside.
        QCOMPARE(PixelsDiffer(Image(9), {{2, 2, white}, {3, 3, white}, {10, 10, green}, {2, 14, black}, {14, 26, black},
                                         {27, 27, blue}, {23, 23, blue}, {22, 22, green}}),
                 QString());
    }

    // Every line starts at (15, 15), so the centre keeps the last line's
    // colour, which is also the pen colour the burst leaves behind.
    void burstTakesFiveHundredValuesAndDrawsFromTheCentre()
    {
        Reseed(G->Rnd, 42.0f);
        DrawBurst(G->View, G->Rnd, 0);
        QCOMPARE(G->Rnd.Drawn, uint64_t(500));
        QCOMPARE(Image(0).pixel(15, 15), G->View.Boxes[0].PenColor);
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 30; x++)
                if (x < 2 || x > 28 || y < 2 || y > 28)
                    QCOMPARE(Image(0).pixel(x, y), qRgb(0, 0, 0));
    }

    // 0.25 * 26 + 2 = 8.5 goes to 8 and 0.75 * 26 + 2 = 21.5 to 22; 0.5 * 256
    // is 128, and 0.999 * 256 rounds to 256, which counts as 255. The other
    // 99 lines take zeros: black lines to (2, 2), off the first line's end.
    void scriptedValuesGiveTheRoundedEndPoints()
    {
        float v[500] = {0.25f, 0.75f, 0.5f, 0.0f, 0.999f};
        ScriptRandom(G->Rnd, v, 500);
        DrawBurst(G->View, G->Rnd, 1);
        QCOMPARE(G->Rnd.Drawn, uint64_t(500));
        const QRgb black = qRgb(0, 0, 0);
        QCOMPARE(PixelsDiffer(Image(1), {{8, 22, qRgb(128, 0, 255)}, {9, 22, black}, {8, 23, black}, {15, 15, black}}),
                 QString());
    }

    void previewSlotsMapToTheirBoxes()
    {
        for (int16_t slot = 1; slot <= 3; slot++)
            DrawPreview(G->View, slot, slot);
        for (int16_t slot = 1; slot <= 3; slot++)
            QVERIFY(ShowsBall(G->View, PreviewBox(slot), slot));
        Screen before = G->View;
        DrawPreview(G->View, 0, 4);
        DrawPreview(G->View, 4, 4);
        for (int16_t b = 0; b < BoxCount; b++)
            QCOMPARE(G->View.Boxes[b].Image, before.Boxes[b].Image);
    }

    void sharpPicturesFollowEveryDrawing_data()
    {
        QTest::addColumn<qreal>("ratio");
        for (qreal r : {1.25, 1.5, 1.75, 2.0, 3.0})
            QTest::newRow(qPrintable(QString::number(r))) << r;
    }

    // On a dense screen every box's sharp picture shows what its exact
    // picture shows, after every kind of drawing, clearings included.
    void sharpPicturesFollowEveryDrawing()
    {
        QFETCH(qreal, ratio);
        InitGame(*G);
        SetSharpRatio(G->View, ratio);
        Reseed(G->Rnd, 7.0f);
        QCOMPARE(G->View.Boxes[0].Sharp.width(), qCeil(30 * ratio));
        auto mismatch = [this] {
            for (int16_t b = 0; b < BoxCount; b++)
                if (QString m = SharpMismatch(G->View.Boxes[b]); !m.isEmpty())
                    return QStringLiteral("box %1: %2").arg(b).arg(m);
            return QString();
        };
        const std::function<void()> steps[] = {
            [this] { DrawBall(G->View, 20, 3); },
            [this] { DrawBall(G->View, 20, 5); }, // a ball over a ball
            [this] { EraseCell(G->View, 20); },
            [this] { DrawBurst(G->View, G->Rnd, 30); },
            [this] { DrawBall(G->View, 30, 2); }, // a ball over a burst
            [this] { DrawBall(G->View, 30, 0); }, // a black one
            [this] { EraseCell(G->View, 30); },
            [this] {
                for (int16_t s = 1; s <= 3; s++)
                    DrawPreview(G->View, s, static_cast<int16_t>(s + 3));
            },
            [this] {
                for (int16_t y = 2; y <= 6; y++)
                    G->State.Marked(4, y) = -1;
                BurstMarkedCells(*G);
            },
        };
        for (size_t n = 0; n < std::size(steps); n++) {
            steps[n]();
            const QString m = mismatch();
            QVERIFY2(m.isEmpty(), qPrintable(QStringLiteral("step %1, %2").arg(n).arg(m)));
        }
    }

    // The sharp burst against its record, line by line: at ratio 3 the pen is
    // 3 device pixels wide, so the pixel on a line a pixel short of its tip has
    // the line's colour, unless a later line comes near.
    void everyRecordedBurstLineShowsInTheSharpPicture()
    {
        InitGame(*G);
        SetSharpRatio(G->View, 3);
        Reseed(G->Rnd, 99.5f); // a burst whose first line, like its last, has its tip free
        DrawBurst(G->View, G->Rnd, 10);
        const Box &b = G->View.Boxes[10];
        const QPointF from(46.5, 46.5);
        auto tip = [&b](int n) { return QPointF(b.Lines[n].X + 0.5, b.Lines[n].Y + 0.5) * 3; };
        auto distance = [&](QPointF p, int m) { // from p to line m, caps aside
            const QPointF d = tip(m) - from;
            const qreal t =
                std::clamp(QPointF::dotProduct(p - from, d) / std::max(QPointF::dotProduct(d, d), 1.0), 0.0, 1.0);
            return std::hypot((from + t * d - p).x(), (from + t * d - p).y());
        };
        QList<int> checked;
        for (int n = 0; n < b.LineCount; n++) {
            const QPointF d = tip(n) - from;
            const qreal length = std::hypot(d.x(), d.y());
            if (length < 6)
                continue; // a short line's tip lies among the others' middles
            const QPoint pixel(qFloor(tip(n).x() - d.x() / length), qFloor(tip(n).y() - d.y() / length));
            bool near = false;
            for (int m = n + 1; m < b.LineCount && !near; m++) // a later line's half width and cap, half a diagonal
                near = distance(QPointF(pixel) + QPointF(0.5, 0.5), m) < 3.75;
            if (near)
                continue;
            const QRgb got = b.Sharp.pixel(pixel), want = b.Lines[n].Color;
            QVERIFY2(std::max({std::abs(qRed(got) - qRed(want)), std::abs(qGreen(got) - qGreen(want)),
                               std::abs(qBlue(got) - qBlue(want))}) <= 2,
                     qPrintable(QStringLiteral("line %1").arg(n)));
            checked.append(n);
        }
        QVERIFY2(checked.size() >= 20 && checked.first() == 0 && checked.last() == 99,
                 qPrintable(QStringLiteral("%1 lines checked").arg(checked.size())));
    }

    // A ratio changes only the sharp pictures: a game drawn at 1 and at 2
    // takes the same random values into the same exact pictures, and drawing
    // anew for 2 gives the very pictures drawn at 2 all along.
    void aChangeOfRatioRedrawsOnlyTheSharpPictures()
    {
        auto dense = std::make_unique<Game>();
        InitGame(*dense);
        SetSharpRatio(dense->View, 2);
        auto play = [](Game &g) {
            Reseed(g.Rnd, 99.5f);
            DrawBall(g.View, 3, 1);
            DrawBurst(g.View, g.Rnd, 12);
            DrawBall(g.View, 12, 6);
            DrawBurst(g.View, g.Rnd, 40);
            DrawPreview(g.View, 2, 4);
            EraseCell(g.View, 3);
            DrawBall(g.View, 3, 2);
        };
        play(*G);
        play(*dense);
        QCOMPARE(G->Rnd.Drawn, uint64_t(1000));
        QCOMPARE(dense->Rnd.Drawn, uint64_t(1000));
        QCOMPARE(NextRandom(G->Rnd), NextRandom(dense->Rnd));
        SetSharpRatio(G->View, 2);
        for (int16_t b = 0; b < BoxCount; b++) {
            QCOMPARE(G->View.Boxes[b].Image, dense->View.Boxes[b].Image);
            QCOMPARE(G->View.Boxes[b].Sharp, dense->View.Boxes[b].Sharp);
            QCOMPARE(G->View.Boxes[b].Sharp.devicePixelRatio(), 2.0);
        }
        const QImage burst = dense->View.Boxes[40].Image;
        SetSharpRatio(dense->View, 1);
        QVERIFY(dense->View.Boxes[40].Sharp.isNull());
        QCOMPARE(dense->View.Boxes[40].Image, burst);
    }
};

QTEST_APPLESS_MAIN(TestDraw)
#include "test_draw.moc"
