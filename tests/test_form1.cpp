// The real window, offscreen: its layout, what it shows, and a whole game
// played through mouse clicks on its boxes.
#include "helpers.h"

#include "ui/draw.h"
#include "ui/form1.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

// Records which widgets receive paint events, and the area painted.
class PaintCounter : public QObject {
  public:
    QList<QPair<QObject *, QRect>> Painted;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            Painted.append({o, static_cast<QPaintEvent *>(e)->rect()});
        return false;
    }
};

class TestForm1 : public QObject {
    Q_OBJECT

    static QRgb At(const QImage &im, int x, int y) { return im.pixel(x, y) | 0xFF000000u; }

    // The box of the ball the new game placed in the given slot.
    static int16_t SpawnedBox(const Form1 &w, int16_t slot)
    {
        const CellPos p = w.G.State.NewPos[slot];
        return CellIndex(p.x, p.y);
    }

    // Clicks that ball, which selects it, and gives its box.
    static int16_t SelectSpawnedBall(Form1 &w, int16_t slot)
    {
        const int16_t box = SpawnedBox(w, slot);
        QTest::mouseClick(w.Picture5[box], Qt::LeftButton);
        return box;
    }

    // Every widget shows what the model holds: pictures and visibility.
    static QString WindowMatchesModel(Form1 &w)
    {
        const Screen &s = w.G.View;
        for (int16_t i = 0; i <= 80; i++) {
            if (w.Picture5[i]->isVisibleTo(&w) != s.Boxes[i].Visible)
                return QStringLiteral("box %1 visibility").arg(i);
            if (s.Boxes[i].Changed)
                return QStringLiteral("box %1 not synced").arg(i);
        }
        if (w.Label1->text() != s.Label1 || w.Label2->text() != s.Label2)
            return QStringLiteral("captions");
        if (w.Label3->isVisibleTo(&w) != s.EndVisible[Label3] || w.Line[9]->isVisibleTo(&w) != s.EndVisible[Line9])
            return QStringLiteral("end screen");
        return QString();
    }

  private slots:
    void controlsStandAtTheirPlaces()
    {
        Form1 w;
        QCOMPARE(w.size(), QSize(304, 413));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.Picture5[0]->geometry(), QRect(8, 56, 30, 30));
        QCOMPARE(w.Picture5[8]->geometry(), QRect(264, 56, 30, 30));
        QCOMPARE(w.Picture5[9]->geometry(), QRect(8, 88, 30, 30));
        QCOMPARE(w.Picture5[40]->geometry(), QRect(136, 184, 30, 30));
        QCOMPARE(w.Picture5[72]->geometry(), QRect(8, 312, 30, 30));
        QCOMPARE(w.Picture5[80]->geometry(), QRect(264, 312, 30, 30));
        for (int i = 0; i < 80; i++) {
            if (i % 9 != 8)
                QCOMPARE(w.Picture5[i + 1]->x() - w.Picture5[i]->geometry().right(), 3); // a 2-pixel gap
            if (i < 72)
                QCOMPARE(w.Picture5[i + 9]->y() - w.Picture5[i]->geometry().bottom(), 3);
        }
        QCOMPARE(w.Picture4->geometry(), QRect(200, 8, 30, 30));
        QCOMPARE(w.Picture3->geometry(), QRect(232, 8, 30, 30));
        QCOMPARE(w.Picture2->geometry(), QRect(264, 8, 30, 30));
        QCOMPARE(w.Picture1->geometry(), QRect(8, 8, 35, 35));
        QCOMPARE(w.Label1->geometry(), QRect(48, 8, 137, 38));
        QCOMPARE(w.Label2->geometry(), QRect(16, 352, 273, 49));
        QCOMPARE(w.Label3->geometry(), QRect(8, 104, 289, 33));
        QCOMPARE(w.Label5->geometry(), QRect(8, 168, 289, 49));
        QCOMPARE(w.Label7->geometry(), QRect(8, 256, 289, 33));
        QCOMPARE(w.Line[1]->geometry(), QRect(195, 4, 104, 1));
        QCOMPARE(w.Line[2]->geometry(), QRect(195, 41, 105, 1));
        QCOMPARE(w.Line[6]->geometry(), QRect(293, 348, 1, 58));
        QCOMPARE(w.Line[9]->geometry(), QRect(8, 56, 289, 4));
        QCOMPARE(w.Label3->text(), QStringLiteral("Click smile to try again"));
        QCOMPARE(w.Picture1->toolTip(), QStringLiteral("Start New Game"));
        QCOMPARE(w.Picture1->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(w.Label1->font().pointSizeF(), 24.0);
        QCOMPARE(w.Label2->font().pointSizeF(), 29.25);
        QCOMPARE(w.Label3->font().pointSizeF(), 13.5);
        QVERIFY(w.Label1->alignment() & Qt::AlignHCenter);
        QCOMPARE(w.Timer1.interval(), 300);
        QVERIFY(w.Timer1.isActive());
        QCOMPARE(w.windowType(), Qt::Window); // placed and focused as a top-level window
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.windowIcon().availableSizes().size(), 2); // 16 and 32
    }

    void startUpShowsTheBoardAndAFreshGame()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i <= 80; i++)
            QVERIFY(w.Picture5[i]->isVisible());
        for (QWidget *end :
             std::initializer_list<QWidget *>{w.Label3, w.Label4, w.Label5, w.Label6, w.Label7, w.Line[9]})
            QVERIFY(!end->isVisible());
        QCOMPARE(w.Label1->text(), QStringLiteral("0"));
        QCOMPARE(w.Label2->text(), QString());
        QCOMPARE(CountBalls(w.G), int16_t(3));
        QCOMPARE(WindowMatchesModel(w), QString());
    }

    // A grab of the window at a few telling pixels.
    void theWindowRendersItsColours()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QImage im = w.grab().toImage();
        QCOMPARE(im.size(), QSize(304, 413));
        const QRgb navy = qRgb(0, 0, 128), black = qRgb(0, 0, 0);
        QCOMPARE(At(im, 38, 60), navy); // the gap between box 0 and box 1
        QCOMPARE(At(im, 39, 60), navy);
        QCOMPARE(At(im, 9, 57), black); // a box corner, outside any ball
        QCOMPARE(At(im, 2, 2), navy);
        QCOMPARE(At(im, 250, 4), qRgb(0, 0, 255));
        QCOMPARE(At(im, 299, 41), qRgb(0, 0, 255));
        QCOMPARE(At(im, 195, 20), qRgb(0, 0, 255));
        QCOMPARE(At(im, 100, 405), qRgb(192, 192, 0));
        QCOMPARE(At(im, 12, 380), qRgb(192, 192, 0));
        QCOMPARE(At(im, 50, 10), black); // the score label's background
        QCOMPARE(At(im, 20, 398), black);
        // Each preview box shows its colour in the middle.
        QCOMPARE(At(im, 214, 22), PaletteRgb(w.G.State.NextColor[1]));
        QCOMPARE(At(im, 278, 22), PaletteRgb(w.G.State.NextColor[3]));
        // The smile's yellow face.
        QCOMPARE(At(im, 8 + 16, 8 + 8), qRgb(255, 255, 0));
    }

    void aBoxKeepsItsPictureWhenHiddenAndShown()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Picture5[30]->hide();
        DrawBall(w.G.View, 30, 5);
        w.Sync();
        SetBoxVisible(w.G.View, 30, true);
        w.Sync();
        QVERIFY(w.Picture5[30]->isVisible());
        QCOMPARE(At(w.Picture5[30]->grab().toImage(), 14, 14), qRgb(0, 255, 255));
        w.hide();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(At(w.grab().toImage(), 8 + 32 * 3 + 14, 56 + 32 * 3 + 14), qRgb(0, 255, 255));
    }

    // Clicking a ball makes that box alternate between the ball and black.
    void aSelectedBallBlinksOnSuccessiveTicks()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int16_t box = SelectSpawnedBall(w, 1);
        QCOMPARE(w.G.State.Selected, int16_t(-1));
        QRgb seen[4];
        for (QRgb &c : seen) {
            w.Tick();
            c = At(w.Picture5[box]->grab().toImage(), 14, 14);
        }
        const QRgb ball = w.G.View.Boxes[box].FillColor;
        QVERIFY(seen[0] == qRgb(0, 0, 0) || seen[1] == qRgb(0, 0, 0));
        for (int i = 0; i + 1 < 4; i++)
            QVERIFY(seen[i] != seen[i + 1]);
        for (QRgb c : seen)
            QVERIFY(c == ball || c == qRgb(0, 0, 0));
    }

    // A tick that blinks a ball repaints that one box and nothing else.
    void aBlinkTickRepaintsOneBox()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int16_t box = SelectSpawnedBall(w, 2);
        QCoreApplication::processEvents();
        PaintCounter counter;
        w.installEventFilter(&counter);
        for (QWidget *child : w.findChildren<QWidget *>())
            child->installEventFilter(&counter);
        for (int i = 0; i < 4; i++) {
            counter.Painted.clear();
            w.Tick();
            QCoreApplication::processEvents();
            QCOMPARE(counter.Painted.size(), 1);
            QCOMPARE(counter.Painted[0].first, static_cast<QObject *>(w.Picture5[box]));
            QCOMPARE(counter.Painted[0].second, QRect(0, 0, 30, 30));
        }
    }

    // A press on one box and a release on another is no click, nor is a
    // right click.
    void aClickNeedsPressAndReleaseOnTheSameBox()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        PictureBox *b = w.Picture5[SpawnedBox(w, 1)];
        QTest::mouseClick(b, Qt::RightButton);
        QCOMPARE(w.G.State.Selected, int16_t(0));
        QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(w.G.State.Selected, int16_t(0));
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(w.G.State.Selected, int16_t(-1));
    }

    // A whole game through the window: clicks on random boxes, ticks, until
    // the board fills; then the smile starts again. Checked after each event.
    void aWholeGamePlaysThroughTheWindow()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FixClock(w.G, 4000.5f); // the same game on every run
        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        Random pick{};
        Reseed(pick, 99.0f);
        int moves = 0, refused = 0, cleared = 0;
        for (int event = 0; event < 20000 && w.G.State.IsGameOver == 0; event++) {
            float r = NextRandom(pick);
            int16_t from, to;
            if (r < 0.2f) {
                w.Tick();
                continue;
            }
            int16_t before = w.G.State.Score;
            if (r < 0.6f && FindGoodMove(w.G.State, from, to)) {
                QTest::mouseClick(w.Picture5[from], Qt::LeftButton);
                QTest::mouseClick(w.Picture5[to], Qt::LeftButton);
            } else {
                // A ball, or an empty cell once one is selected, at random.
                const bool wantBall = w.G.State.Selected == 0 || r < 0.65f;
                int16_t box = 0;
                for (int tries = 0; tries < 200; tries++) {
                    box = static_cast<int16_t>(NextRandom(pick) * 81);
                    int16_t x, y;
                    CellXY(box, x, y);
                    if ((w.G.State.Board(x, y) != 0) == wantBall)
                        break;
                }
                QTest::mouseClick(w.Picture5[box], Qt::LeftButton);
                refused += w.Label2->text() == QStringLiteral("No Way!!!");
            }
            moves += w.G.State.Selected == 0;
            cleared += w.G.State.Score > before;
            QCOMPARE(CheckInvariants(w.G), QString());
            QCOMPARE(WindowMatchesModel(w), QString());
        }
        QCOMPARE(w.G.State.IsGameOver, int16_t(-1));
        QVERIFY(moves > 10);
        QVERIFY(refused > 0);
        QVERIFY(cleared > 0);
        QVERIFY(w.Label3->isVisible());
        QVERIFY(!w.Picture5[0]->isVisible());
        QCOMPARE(w.Label2->text().isEmpty(), false);
        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        QCOMPARE(w.G.State.IsGameOver, int16_t(0));
        QVERIFY(w.Picture5[0]->isVisible());
        QVERIFY(!w.Label3->isVisible());
        QCOMPARE(w.Label1->text(), QStringLiteral("0"));
        QCOMPARE(CountBalls(w.G), int16_t(3));
        QCOMPARE(CheckInvariants(w.G), QString());
    }

    // A tool window does not count for Qt's quit-on-last-window; closing it
    // must still end the event loop.
    void closingTheWindowEndsTheProgram()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTimer::singleShot(50, &w, [&w] { w.close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
