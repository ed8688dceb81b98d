// The real window, offscreen: its layout, what it shows, and a whole game
// played through mouse clicks on its boxes.
#include "helpers.h"
#include "window_helpers.h"

#include "game/endgame.h"
#include "ui/access/access.h"
#include "screen/draw.h"
#include "ui/window/focusring.h"
#include "ui/window/form1.h"
#include "ui/platform/gamesize.h"
#include "ui/start/language.h"
#include "ui/window/symbols.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QRawFont>
#include <QPaintEvent>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>

class TestForm1 : public QObject {
    Q_OBJECT

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
        if (w.Label1->text() != s.ScoreCaption || w.Label2->text() != s.MessageCaption)
            return QStringLiteral("captions");
        if (w.EndScreen[Label3]->isVisibleTo(&w) != s.EndVisible[Label3] ||
            w.EndScreen[Line9]->isVisibleTo(&w) != s.EndVisible[Line9])
            return QStringLiteral("end screen");
        return QString();
    }

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // In every language each text of the window fits its label at the
    // label's own font: one line each, two for the notice. Arabic runs right
    // to left, and every control stays where it is in English.
    void everyWindowTextFitsItsLabel()
    {
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("quintet_*.qm")});
        QVERIFY(files.size() >= 10);
        auto places = [](const Form1 &w) {
            QList<QRect> r;
            for (const QWidget *c : w.findChildren<QWidget *>())
                r << c->geometry();
            return r;
        };
        const QList<QRect> english = places(Form1());
        for (const QString &file : files) {
            QVERIFY(LoadLanguageFile(QStringLiteral(":/i18n/") + file));
            InstallLanguage();
            Form1 w;
            QCOMPARE(w.layoutDirection() == Qt::RightToLeft, file == QStringLiteral("quintet_ar.qm"));
            QCOMPARE(places(w), english);
            QList<std::pair<QLabel *, QString>> texts;
            for (const char *message : {"No Way!!!", "Bonus!!!", "Game Over!"})
                texts.append({w.Label2, QCoreApplication::translate("Message", message)});
            for (int item = Label3; item < EndItemCount; item++) {
                auto *label = static_cast<QLabel *>(w.EndScreen[item]);
                texts.append({label, label->text()});
            }
            for (const auto &[label, text] : texts) {
                // Every character from a face the label names, not a fallback box.
                const QStringList faces = label->font().families();
                for (const char32_t c : text.toUcs4())
                    QVERIFY2(std::any_of(faces.cbegin(), faces.cend(),
                                         [c](const QString &f) {
                                             return QFontDatabase::hasFamily(f) &&
                                                    QRawFont::fromFont(QFont(f)).supportsCharacter(c);
                                         }),
                             qPrintable(file + QStringLiteral(": no named face draws ") + QString::fromUcs4(&c, 1)));
                const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
                const QRect r = QFontMetrics(label->font())
                                    .boundingRect(QRect(0, 0, label->width(), 1000), int(label->alignment()) | wrap, text);
                QVERIFY2(r.width() <= label->width() && r.height() <= label->height(),
                         qPrintable(QString::asprintf("%s: \"%s\" takes %d x %d of %d x %d", qPrintable(file),
                                                      qPrintable(text), r.width(), r.height(), label->width(),
                                                      label->height())));
            }
        }
        UseLanguage("en");
    }

    // A click puts the keyboard focus on its cell or the smile and hides the
    // ring; the ring shows only while the window is active.
    void aClickMovesTheFocusAndTheRingFollowsTheWindow()
    {
        Form1 w;
        ShowActive(w);
        const QImage plain = w.grab().toImage();
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
        QVERIFY(w.KeysInUse());
        QTest::mouseClick(w.Picture5[50], Qt::LeftButton);
        QCOMPARE(w.Focused(), int16_t(50));
        QVERIFY(!w.KeysInUse());
        QVERIFY(w.grab().toImage() == plain);
        QTest::keyClick(w.focusWidget(), Qt::Key_Down);
        QCOMPARE(w.Focused(), int16_t(59));
        const QImage ringed = w.grab().toImage();
        QVERIFY(ringed != plain);
        QWidget other;
        ShowActive(other);
        QVERIFY(w.grab().toImage() == plain);
        ShowActive(w);
        QVERIFY(w.grab().toImage() == ringed);
        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        QCOMPARE(w.Focused(), Smile);
    }

    // Tab goes between the smile and the board, coming back to the cell it
    // left; the end screen leaves only the smile.
    void tabGoesBetweenTheSmileAndTheBoard()
    {
        Form1 w;
        ShowActive(w);
        QCOMPARE(w.focusWidget(), w.Picture5[0]);
        QVERIFY(!w.KeysInUse());
        QTest::keyClick(w.focusWidget(), Qt::Key_End);
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.Picture1);
        QTest::keyClick(w.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focusWidget(), w.Picture5[8]);
        GameOver(w.G);
        w.Sync();
        QCOMPARE(w.focusWidget(), w.Picture1);
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.Picture1);
        QTest::keyClick(w.focusWidget(), Qt::Key_Space);
        QVERIFY(w.Picture5[8]->isVisible());
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.Picture5[8]);
    }

    // Shift+Tab shows the ring as Tab does, and a new game by a key keeps it.
    void theRingComesWithShiftTabAndStaysThroughANewGame()
    {
        Form1 w;
        ShowActive(w);
        auto ringAround = [&w](QWidget *box) {
            const QRect r = box->geometry();
            return w.KeysInUse() && At(w.grab().toImage(), r.left() - 1, r.top() - 1) == qRgb(255, 255, 255);
        };
        QTest::keyClick(w.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w.focusWidget(), w.Picture1);
        QVERIFY(ringAround(w.Picture1));
        QTest::keyClick(w.focusWidget(), Qt::Key_Space);
        QVERIFY(ringAround(w.Picture1));
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(w.focusWidget(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(ringAround(w.Picture5[0]));
    }

    // The ring lies in the gap around the focused box, white, and touches no
    // box; a click anywhere takes it away and leaves every pixel as before.
    void theFocusRingLeavesEveryBoxAlone()
    {
        Form1 w;
        ShowActive(w);
        const QImage plain = w.grab().toImage();
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
        QTest::keyClick(w.focusWidget(), Qt::Key_Down);
        QVERIFY(w.KeysInUse());
        QCOMPARE(RingPixels(plain, w.grab().toImage(), w.Picture5[10]->geometry(), 2), 34 * 34 - 30 * 30);
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab); // around the smile too
        QCOMPARE(At(w.grab().toImage(), 6, 6), qRgb(255, 255, 255));
        QTest::mouseClick(w.Label1, Qt::LeftButton);
        QVERIFY(!w.KeysInUse());
        QVERIFY(w.grab().toImage() == plain);
    }

    // The ring shows where keys are used: a game ended by the mouse shows
    // none on the smile, and a ring that moves leaves no trace.
    void theRingGoesOnlyWithTheKeys()
    {
        Form1 w;
        ShowActive(w);
        ShowBoard(w, FullBoard());
        QTest::mouseClick(w.Picture5[9], Qt::LeftButton);
        QTest::mouseClick(w.Picture5[0], Qt::LeftButton);
        QVERIFY(w.G.View.EndVisible[Label3]);
        QCOMPARE(w.Focused(), Smile);
        QVERIFY(!w.KeysInUse());
        const QImage ended = w.grab().toImage();
        for (const QRect &r : FocusRing(w.Picture1->geometry()))
            for (int y = r.top(); y <= r.bottom(); y++)
                for (int x = r.left(); x <= r.right(); x++)
                    QCOMPARE(At(ended, x, y), QColor(0, 0, 128).rgb());

        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.Focused(), int16_t(0));
        QCoreApplication::processEvents();
        PaintCounter counter;
        w.installEventFilter(&counter);
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
        QCoreApplication::processEvents();
        QRegion repainted;
        for (const auto &[object, rect] : counter.Painted)
            if (object == &w)
                repainted += rect;
        QCOMPARE(repainted.intersected(FocusRing(w.Picture5[0]->geometry())), FocusRing(w.Picture5[0]->geometry()));
    }

    void controlsStandAtTheirPlaces()
    {
        Form1 w;
        QCOMPARE(w.size(), QSize(GameWidth, GameHeight));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // The board's corners and middle, the previews, the smile, the captions
        // and the end screen's labels.
        for (const auto &[c, place] : QList<std::pair<QWidget *, QRect>>{
                 {w.Picture5[0], {8, 56, 30, 30}}, {w.Picture5[8], {264, 56, 30, 30}}, {w.Picture5[9], {8, 88, 30, 30}},
                 {w.Picture5[40], {136, 184, 30, 30}}, {w.Picture5[72], {8, 312, 30, 30}},
                 {w.Picture5[80], {264, 312, 30, 30}}, {w.Picture4, {200, 8, 30, 30}}, {w.Picture3, {232, 8, 30, 30}},
                 {w.Picture2, {264, 8, 30, 30}}, {w.Picture1, {8, 8, 35, 35}}, {w.Label1, {48, 8, 137, 38}},
                 {w.Label2, {16, 352, 273, 49}}, {w.EndScreen[Label3], {8, 104, 289, 33}},
                 {w.EndScreen[Label5], {8, 168, 289, 49}}, {w.EndScreen[Label7], {8, 256, 289, 33}}})
            QCOMPARE(c->geometry(), place);
        for (int i = 0; i < 80; i++) {
            if (i % 9 != 8)
                QCOMPARE(w.Picture5[i + 1]->x() - w.Picture5[i]->geometry().right(), 3); // a 2-pixel gap
            if (i < 72)
                QCOMPARE(w.Picture5[i + 9]->y() - w.Picture5[i]->geometry().bottom(), 3);
        }
        // The lines, the window's plain widgets: Line1 to Line9.
        QList<QRect> lines;
        for (const QWidget *c : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (c->metaObject() == &QWidget::staticMetaObject)
                lines << c->geometry();
        QCOMPARE(lines, (QList<QRect>{{195, 4, 104, 1}, {195, 41, 105, 1}, {195, 4, 1, 38}, {298, 4, 1, 38},
                                      {12, 405, 282, 1}, {293, 348, 1, 58}, {12, 348, 282, 1}, {12, 348, 1, 58},
                                      {8, 56, 289, 4}}));
        QCOMPARE(static_cast<QLabel *>(w.EndScreen[Label3])->text(), QStringLiteral("Click smile to try again"));
        QCOMPARE(w.Picture1->toolTip(), QStringLiteral("Start New Game"));
        QCOMPARE(w.Picture1->cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(w.Label1->font().pointSizeF(), 24.0);
        QCOMPARE(w.Label2->font().pointSizeF(), 29.25);
        QCOMPARE(static_cast<QLabel *>(w.EndScreen[Label3])->font().pointSizeF(), 13.5);
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
        QVERIFY(Shown(w));
        for (int i = 0; i <= 80; i++)
            QVERIFY(w.Picture5[i]->isVisible());
        for (QWidget *end : w.EndScreen)
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
        QVERIFY(Shown(w));
        QImage im = w.grab().toImage();
        QCOMPARE(im.size(), QSize(GameWidth, GameHeight));
        const QRgb navy = qRgb(0, 0, 128), black = qRgb(0, 0, 0), blue = qRgb(0, 0, 255), olive = qRgb(192, 192, 0);
        // In turn: the gap between box 0 and box 1, a box corner outside any
        // ball, the background, the lines, the score label's and the message's
        // backgrounds, the middles of the first and last previews, and the
        // smile's yellow face.
        QCOMPARE(PixelsDiffer(im, {{38, 60, navy}, {39, 60, navy}, {9, 57, black}, {2, 2, navy}, {250, 4, blue},
                                   {299, 41, blue}, {195, 20, blue}, {100, 405, olive}, {12, 380, olive},
                                   {50, 10, black}, {20, 398, black}, {214, 22, PaletteRgb(w.G.State.NextColor[1])},
                                   {278, 22, PaletteRgb(w.G.State.NextColor[3])}, {8 + 16, 8 + 8, qRgb(255, 255, 0)}}),
                 QString());
    }

    void aBoxKeepsItsPictureWhenHiddenAndShown()
    {
        Form1 w;
        QVERIFY(Shown(w));
        w.Picture5[30]->hide();
        DrawBall(w.G.View, 30, 5);
        w.Sync();
        SetBoxVisible(w.G.View, 30, true);
        w.Sync();
        QVERIFY(w.Picture5[30]->isVisible());
        QCOMPARE(At(w.Picture5[30]->grab().toImage(), 14, 14), qRgb(0, 255, 255));
        w.hide();
        QVERIFY(Shown(w));
        QCOMPARE(At(w.grab().toImage(), 8 + 32 * 3 + 14, 56 + 32 * 3 + 14), qRgb(0, 255, 255));
    }

    // Clicking a ball makes that box alternate between the ball and black.
    void aSelectedBallBlinksOnSuccessiveTicks()
    {
        Form1 w;
        QVERIFY(Shown(w));
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
        QVERIFY(Shown(w));
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
        QVERIFY(Shown(w));
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
        QVERIFY(Shown(w));
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
        QVERIFY(w.EndScreen[Label3]->isVisible());
        QVERIFY(!w.Picture5[0]->isVisible());
        QCOMPARE(w.Label2->text().isEmpty(), false);
        QTest::mouseClick(w.Picture1, Qt::LeftButton);
        QCOMPARE(w.G.State.IsGameOver, int16_t(0));
        QVERIFY(w.Picture5[0]->isVisible());
        QVERIFY(!w.EndScreen[Label3]->isVisible());
        QCOMPARE(w.Label1->text(), QStringLiteral("0"));
        QCOMPARE(CountBalls(w.G), int16_t(3));
        QCOMPARE(CheckInvariants(w.G), QString());
    }

    // A tool window does not count for Qt's quit-on-last-window; closing it
    // must still end the event loop.
    void closingTheWindowEndsTheProgram()
    {
        Form1 w;
        QVERIFY(Shown(w));
        QTimer::singleShot(50, &w, [&w] { w.close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
