// The symbols over the balls: their shapes, their contrast with each ball
// in every vision, and how the window shows and hides them.
#include "helpers.h"
#include "window_helpers.h"

#include "screen/draw.h"
#include "ui/window/form1.h"
#include "ui/window/symbols.h"

#include <QTest>

#include <algorithm>
#include <cmath>

class TestSymbols : public QObject {
    Q_OBJECT

    // How many pixels of the area pass the test.
    template <typename Test> static int Count(const QRect &area, Test test)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); y++)
            for (int x = area.left(); x <= area.right(); x++)
                n += test(x, y);
        return n;
    }

    static bool Inked(const QImage &im, int x, int y) { return qAlpha(im.pixel(x, y)) != 0; }

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // Each pair of symbols differs in at least 30 pixels of a box at ratio
    // 1, and as much at ratio 2; every symbol lies inside its ball's fill,
    // and every device pixel is inked or clear, also between whole ratios.
    void theSymbolsDifferInOutlineAlone()
    {
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
            QImage im[7];
            for (int16_t c = 1; c <= 6; c++) {
                im[c] = SymbolImage(c, ratio);
                const int stray = Count(im[c].rect(), [&](int x, int y) {
                    return Inked(im[c], x, y) && (im[c].pixel(x, y) != SymbolInk ||
                                                  (ratio == 1.0 && At(BallImage(c), x, y) != PaletteRgb(c)));
                });
                QCOMPARE(stray, 0);
            }
            for (int16_t a = 1; a <= 6; a++)
                for (int16_t b = a + 1; b <= 6; b++) {
                    const int differ =
                        Count(im[a].rect(), [&](int x, int y) { return Inked(im[a], x, y) != Inked(im[b], x, y); });
                    QVERIFY2(differ >= 30 * ratio * ratio,
                             qPrintable(QStringLiteral("%1 and %2 at %3: %4").arg(a).arg(b).arg(ratio).arg(differ)));
                }
        }
    }

    // A WCAG contrast of 3:1 between each symbol and its ball, as seen with
    // protanopia, deuteranopia and tritanopia (Machado, Oliveira and
    // Fernandes, full severity, in linear RGB) and with no colour at all.
    void eachSymbolStandsOutFromItsBallInEveryVision()
    {
        const double seen[4][3][3] = {
            {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, // luminance alone: the typical eye and grey only
            {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}},
            {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}},
            {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}},
        };
        auto luminance = [](QRgb c, const double m[3][3]) {
            double lin[3], y = 0;
            const int part[3] = {qRed(c), qGreen(c), qBlue(c)};
            for (int i = 0; i < 3; i++) {
                const double v = part[i] / 255.0;
                lin[i] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            }
            const double weight[3] = {0.2126, 0.7152, 0.0722};
            for (int i = 0; i < 3; i++)
                y += weight[i] * std::clamp(m[i][0] * lin[0] + m[i][1] * lin[1] + m[i][2] * lin[2], 0.0, 1.0);
            return y;
        };
        auto contrast = [&luminance](QRgb fill, const double m[3][3]) {
            const double a = luminance(fill, m), b = luminance(SymbolInk, m);
            return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
        };
        double least = 100;
        for (int16_t c = 1; c <= ColorCount; c++) {
            const int32_t packed = ColorValue(c);
            const QRgb fill = qRgb(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
            for (const auto &m : seen)
                least = std::min(least, contrast(fill, m));
        }
        QVERIFY2(least >= 3.0, qPrintable(QString::number(least)));
        // The bound can fail: a dark red, too dark for the black ink, falls
        // below it in every vision.
        for (const auto &m : seen)
            QVERIFY(contrast(qRgb(96, 0, 0), m) < 3.0);
    }

    // S shows a symbol on every ball, the previews' included, and on the
    // blinking ball each time it shows; a new game keeps them; S again gives
    // back every pixel of the game as it was.
    void theSymbolsComeAndGoWithoutALeftoverPixel()
    {
        Form1 w;
        ShowActive(w);
        FixClock(w.G, 321.5f);
        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        const QImage plain = w.grab().toImage();
        auto inked = [](int16_t c) {
            const QImage im = SymbolImage(c, 1);
            return Count(im.rect(), [&im](int x, int y) { return Inked(im, x, y); });
        };
        auto changed = [&plain](const QImage &now, QWidget *box) {
            return Count(box->geometry(), [&](int x, int y) { return now.pixel(x, y) != plain.pixel(x, y); });
        };
        QTest::keyClick(&w, Qt::Key_S);
        QVERIFY(w.SymbolsShown());
        QCOMPARE(w.Reader.Account, QStringLiteral("Symbols shown.")); // what a screen reader hears
        const QImage shown = w.grab().toImage();
        PictureBox *previews[] = {w.Picture4, w.Picture3, w.Picture2};
        int total = 0; // in the new balls and the previews
        for (int16_t slot = 1; slot <= 3; slot++) {
            const int16_t box = SpawnedBox(w, slot);
            QCOMPARE(changed(shown, w.Picture5[box]), inked(w.G.State.Board(box % 9 + 1, box / 9 + 1)));
            QCOMPARE(changed(shown, previews[slot - 1]), inked(w.G.State.NextColor[slot]));
            total += changed(shown, w.Picture5[box]) + changed(shown, previews[slot - 1]);
        }
        QCOMPARE(Count(plain.rect(), [&](int x, int y) { return shown.pixel(x, y) != plain.pixel(x, y); }),
                 total); // nothing else changed

        const int16_t box = SelectSpawnedBall(w, 1);
        const int16_t colour = w.G.State.SelColor;
        int showings = 0;
        for (int tick = 0; tick < 4; tick++) {
            w.Tick();
            if (!w.G.State.BlinkHidden) {
                QCOMPARE(changed(w.grab().toImage(), w.Picture5[box]), inked(colour));
                showings++;
            }
        }
        QCOMPARE(showings, 2);
        QTest::mouseClick(w.Picture1, Qt::LeftButton); // the same game again, by the same clock
        QVERIFY(w.grab().toImage() == shown);
        QTest::keyClick(w.Picture5[40], Qt::Key_S);
        QVERIFY(!w.SymbolsShown());
        QCOMPARE(w.Reader.Account, QStringLiteral("Symbols hidden."));
        QVERIFY(w.grab().toImage() == plain);
    }

    // Each colour carries the symbol the manual names: on the board, in a
    // box whose burst still shows when a ball moves in, and in the previews,
    // which S repaints at once as it does the board.
    void everyBallShowsTheSymbolOfItsColour()
    {
        Form1 w;
        ShowActive(w);
        ShowBoard(w, {"123456..."});
        QCoreApplication::processEvents();
        PaintCounter counter;
        for (PictureBox *p : {w.Picture4, w.Picture3, w.Picture2})
            p->installEventFilter(&counter);
        QTest::keyClick(&w, Qt::Key_S);
        QCoreApplication::processEvents();
        for (PictureBox *p : {w.Picture4, w.Picture3, w.Picture2})
            QVERIFY(std::any_of(counter.Painted.begin(), counter.Painted.end(),
                                [p](const auto &e) { return e.first == p; }));
        // Inked or not at the middle, right, lower right, near lower right,
        // top and upper right of the ball's centre.
        auto shape = [&w](int16_t box) {
            const QImage im = w.grab(w.Picture5[box]->geometry()).toImage();
            QString inked;
            for (const QPoint p :
                 {QPoint(14, 14), QPoint(19, 14), QPoint(18, 18), QPoint(16, 16), QPoint(14, 9), QPoint(18, 9)})
                inked += At(im, p.x(), p.y()) == SymbolInk ? QLatin1Char('#') : QLatin1Char('.');
            return inked;
        };
        const QStringList named{QStringLiteral("######"), QStringLiteral("#.###."), QStringLiteral("##..#."),
                                QStringLiteral("##.##."), QStringLiteral(".##.##"), QStringLiteral("#.##.#")};
        for (int16_t c = 1; c <= 6; c++) // square, triangle, plus, diamond, ring, cross
            QCOMPARE(shape(c - 1), named[c - 1]);
        // Yellow clears row 1's first five cells; a red ball comes into the
        // first while its burst still shows.
        ShowBoard(w, {"3333.....", ".........", ".........", "....3...."});
        w.Press(CellIndex(5, 4));
        w.Press(CellIndex(5, 1));
        QVERIFY(w.G.View.Boxes[0].LineCount > 0);
        DrawBall(w.G.View, 0, 1);
        w.Sync();
        QCOMPARE(w.G.View.Boxes[0].Over, int16_t(1));
        QCOMPARE(shape(0), named[0]);
    }
};

QTEST_MAIN(TestSymbols)
#include "test_symbols.moc"
