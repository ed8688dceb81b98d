// The real window, offscreen: its layout, what it shows, and a whole game
// played through mouse clicks on its boxes.
#include "helpers.h"
#include "window_helpers.h"

#include "game/endgame.h"
#include "ui/access/access.h"
#include "screen/draw.h"
#include "ui/focusring.h"
#include "ui/form1.h"
#include "ui/keys.h"
#include "ui/language.h"
#include "ui/symbols.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPaintEvent>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>

class TestForm1 : public QObject {
    Q_OBJECT
  public slots:
    void OpenUrl(const QUrl &url) { Opened = url; }

  private:
    QUrl Opened;

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // In every language each text of the window fits its label at the
    // label's own font: one line each, two for the notice.
    void everyWindowTextFitsItsLabel()
    {
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("quintet_*.qm")});
        QVERIFY(files.size() >= 5);
        for (const QString &file : files) {
            QVERIFY(LoadLanguageFile(QStringLiteral(":/i18n/") + file));
            InstallLanguage();
            Form1 w;
            QList<std::pair<QLabel *, QString>> texts;
            for (const char *message : {"No Way!!!", "Bonus!!!", "Game Over!"})
                texts.append({w.Label2, QCoreApplication::translate("Message", message)});
            for (int item = Label3; item < EndItemCount; item++) {
                auto *label = static_cast<QLabel *>(w.EndScreen[item]);
                texts.append({label, label->text()});
            }
            for (const auto &[label, text] : texts) {
                const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
                const QRect r = QFontMetrics(label->font())
                                    .boundingRect(QRect(0, 0, label->width(), 1000), int(label->alignment()) | wrap, text);
                QVERIFY2(r.width() <= label->width() && r.height() <= label->height(),
                         qPrintable(QStringLiteral("%1: \"%2\" takes %3 x %4 of %5 x %6")
                                        .arg(file, text)
                                        .arg(r.width())
                                        .arg(r.height())
                                        .arg(label->width())
                                        .arg(label->height())));
            }
        }
        UseLanguage("en");
    }

    // The question keys are the same letters in every language, and each
    // asks its own question. Once the game is over, each first says so.
    void theSameLettersAskTheSameQuestionsInEveryLanguage()
    {
        const QList<int> letters(std::begin(LetterKeys), std::end(LetterKeys));
        QCOMPARE(QSet<int>(letters.begin(), letters.end()).size(), letters.size());
        for (const char *language : {"en", "de", "es", "fr", "ru"}) {
            UseLanguage(language);
            Form1 w;
            ShowActive(w);
            SetBoard(w.G, {"123456...", ".........", ".........", ".........", ".........", ".........",
                           ".........", ".........", "........."});
            w.Sync();
            QStringList heard;
            for (const int key : letters) {
                QTest::keyClick(&w, Qt::Key(key));
                heard << w.Reader.Account;
            }
            const QStringList expected{BallsOf(w.G, 1),        BallsOf(w.G, 2),   BallsOf(w.G, 3), BallsOf(w.G, 4),
                                       BallsOf(w.G, 5),        BallsOf(w.G, 6),   LinesThrough(w.G, 0),
                                       GameSummary(w.G),       w.LastAccount,     heard.last()};
            QCOMPARE(heard, expected);
            // L repeats what the game's start said, not the questions' answers.
            QVERIFY(heard[8].startsWith(QCoreApplication::translate("Account", "New game.")));
            QVERIFY(w.SymbolsShown());
            heard.removeDuplicates();
            QCOMPARE(heard.size(), letters.size());
        }
        UseLanguage("en");
        Form1 w;
        ShowActive(w);
        QStringList full;
        for (int y = 1; y <= 9; y++) {
            full << QString();
            for (int x = 1; x <= 9; x++)
                full.last() += y == 1 && x <= 3 ? QLatin1Char('.') : QLatin1Char('0' + (x + 2 * y) % 6 + 1);
        }
        SetBoard(w.G, full);
        w.Sync();
        w.Press(9);
        w.Press(0);
        QVERIFY(w.G.View.EndVisible[Label3]);
        for (const Qt::Key key : {Qt::Key_R, Qt::Key_X, Qt::Key_I}) {
            QTest::keyClick(&w, key);
            QCOMPARE(w.Reader.Account, QStringLiteral("The game is over. Score 0."));
        }
        QTest::keyClick(&w, Qt::Key_L);
        QVERIFY2(w.Reader.Account.startsWith(QStringLiteral("The game is over. Score 0. ")), qPrintable(w.Reader.Account));
    }

    void keysMapAsTheKeyboardSchemeSays_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("target");
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, pad = Qt::KeypadModifier;
        struct Row {
            const char *name;
            int key, mods, focus, action, target;
        };
        const Row rows[] = {
            {"right", Qt::Key_Right, none, 40, KeyFocus, 41},
            {"left", Qt::Key_Left, none, 40, KeyFocus, 39},
            {"up", Qt::Key_Up, none, 40, KeyFocus, 31},
            {"down", Qt::Key_Down, none, 40, KeyFocus, 49},
            {"keypad left", Qt::Key_Left, pad, 40, KeyFocus, 39},
            {"right at the edge", Qt::Key_Right, none, 8, KeyFocus, 8},
            {"left at the edge", Qt::Key_Left, none, 9, KeyFocus, 9},
            {"up at the top", Qt::Key_Up, none, 4, KeyFocus, 4},
            {"down at the bottom", Qt::Key_Down, none, 76, KeyFocus, 76},
            {"home", Qt::Key_Home, none, 40, KeyFocus, 36},
            {"end", Qt::Key_End, none, 40, KeyFocus, 44},
            {"ctrl+home", Qt::Key_Home, ctrl, 40, KeyFocus, 0},
            {"ctrl+end", Qt::Key_End, ctrl, 40, KeyFocus, 80},
            {"space", Qt::Key_Space, none, 40, KeyPress, 40},
            {"return", Qt::Key_Return, none, 0, KeyPress, 0},
            {"keypad enter", Qt::Key_Enter, pad, 80, KeyPress, 80},
            {"space on the smile", Qt::Key_Space, none, Smile, KeyPress, Smile},
            {"ctrl+n on a cell", Qt::Key_N, ctrl, 40, KeyPress, Smile},
            {"ctrl+n on the smile", Qt::Key_N, ctrl, Smile, KeyPress, Smile},
            {"an arrow on the smile", Qt::Key_Down, none, Smile, KeyNothing, Smile},
            {"end on the smile", Qt::Key_End, ctrl, Smile, KeyNothing, Smile},
            {"shift+right", Qt::Key_Right, Qt::ShiftModifier, 40, KeyNothing, 40},
            {"ctrl+right", Qt::Key_Right, ctrl, 40, KeyNothing, 40},
            {"alt+home", Qt::Key_Home, Qt::AltModifier, 40, KeyNothing, 40},
            {"ctrl+space", Qt::Key_Space, ctrl, 40, KeyNothing, 40},
            {"shift+ctrl+n", Qt::Key_N, ctrl | Qt::ShiftModifier, 40, KeyNothing, 40},
            {"n", Qt::Key_N, none, 40, KeyNothing, 40},
            {"escape", Qt::Key_Escape, none, 40, KeyNothing, 40},
            {"r on the smile", Qt::Key_R, none, Smile, KeyAsk, 1},
            {"shift+m", Qt::Key_M, Qt::ShiftModifier, 40, KeyAsk, 6},
            {"ctrl+r", Qt::Key_R, ctrl, 40, KeyNothing, 40},
            {"x", Qt::Key_X, none, 40, KeyAsk, AskLines},
            {"l", Qt::Key_L, none, Smile, KeyAsk, AskLast},
            {"3", Qt::Key_3, none, 40, KeyDigit, 3},
            {"shift+9, as some layouts type it", Qt::Key_9, Qt::ShiftModifier, 40, KeyDigit, 9},
            {"keypad 1", Qt::Key_1, pad, Smile, KeyDigit, 1},
            {"0", Qt::Key_0, none, 40, KeyNothing, 40},
            {"s", Qt::Key_S, none, Smile, KeySymbols, Smile},
            {"f1", Qt::Key_F1, none, 40, KeyManual, 40},
        };
        for (const Row &r : rows)
            QTest::newRow(r.name) << r.key << r.mods << r.focus << r.action << r.target;
    }

    void keysMapAsTheKeyboardSchemeSays()
    {
        QFETCH(int, key);
        QFETCH(int, mods);
        QFETCH(int, focus);
        const KeyMeaning k = MapKey(key, Qt::KeyboardModifiers(mods), int16_t(focus));
        QTEST(int(k.Action), "action");
        QTEST(int(k.Action == KeyAsk ? k.Asked : k.Action == KeyDigit ? k.Digit : k.Box), "target");
    }

    // Two windows, one played by clicks and one by keys, stay the same in
    // every variable, random draw and picture.
    void keysPressAsClicksDo()
    {
        Form1 clicked, keyed;
        ShowActive(keyed);
        FixClock(clicked.G, 700.5f);
        FixClock(keyed.G, 700.5f);
        QTest::mouseClick(clicked.Picture1, Qt::LeftButton);
        QTest::keyClick(&keyed, Qt::Key_N, Qt::ControlModifier);
        const Qt::Key presses[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
        Random pick{};
        Reseed(pick, 5.0f);
        for (int turn = 0; turn < 40 && clicked.G.State.IsGameOver == 0; turn++) {
            int16_t from, to;
            QVERIFY(FindGoodMove(clicked.G.State, from, to));
            if (NextRandom(pick) < 0.3f) // now and then a refused or odd press
                to = static_cast<int16_t>(NextRandom(pick) * 81);
            for (int16_t box : {from, to}) {
                QTest::mouseClick(clicked.Picture5[box], Qt::LeftButton);
                PressByKeys(keyed, box, presses[(turn + box) % 3]);
                clicked.Tick();
                keyed.Tick();
            }
            QVERIFY(std::memcmp(&clicked.G.State, &keyed.G.State, sizeof(GameState)) == 0);
            QCOMPARE(keyed.G.Rnd.Drawn, clicked.G.Rnd.Drawn);
            for (int16_t i = 0; i < BoxCount; i++)
                QVERIFY(keyed.G.View.Boxes[i].Image == clicked.G.View.Boxes[i].Image);
            QCOMPARE(keyed.Label2->text(), clicked.Label2->text());
        }
        QVERIFY(clicked.G.State.Score > 0);
    }

    // Questions and digits change nothing in the game; two digits go to a
    // row and column, and a first digit followed by another key is dropped.
    // A held Space or Ctrl+N acts once, on its first press.
    void questionsAndDigitsChangeNothingAndAHeldKeyActsOnce()
    {
        Form1 w;
        ShowActive(w);
        QTest::keyClick(&w, Qt::Key_L); // the first game is told as a new game
        QVERIFY2(w.Reader.Account.startsWith(QStringLiteral("New game. New balls: ")), qPrintable(w.Reader.Account));
        SetBoard(w.G, {"1........", ".........", ".........", ".........", ".........", ".........", ".........",
                       ".........", "........."});
        w.Sync();
        GameState kept = w.G.State;
        const uint32_t drawn = w.G.Rnd.Drawn;
        QTest::keyClicks(&w, QStringLiteral("37"));
        QCOMPARE(w.Focused(), int16_t(2 * 9 + 6));
        QVERIFY(w.KeysInUse());
        QTest::keyClick(&w, Qt::Key_R);
        QCOMPARE(w.Reader.Account, QStringLiteral("Red ball: row 1, column 1."));
        QTest::keyClick(&w, Qt::Key_X);
        QCOMPARE(w.Reader.Account, LinesThrough(w.G, 2 * 9 + 6));
        QTest::keyClick(&w, Qt::Key_5);
        QTest::keyClick(w.focusWidget(), Qt::Key_Left); // the 5 is dropped, the arrow moves
        QTest::keyClick(&w, Qt::Key_2);
        QCOMPARE(w.Focused(), int16_t(2 * 9 + 5));
        QTest::keyClick(&w, Qt::Key_Shift);
        QTest::keyClick(&w, Qt::Key_1, Qt::ShiftModifier); // 2 then 1, with Shift between
        QCOMPARE(w.Focused(), int16_t(9));
        QTest::keyClick(&w, Qt::Key_I);
        QCOMPARE(w.Reader.Account, GameSummary(w.G));
        QVERIFY(std::memcmp(&kept, &w.G.State, sizeof(GameState)) == 0);
        QCOMPARE(w.G.Rnd.Drawn, drawn);

        // Pick up the ball and move it; a held Space repeats on the moved
        // ball, which stays where it went, not picked up.
        auto space = [&w](bool repeat) {
            QKeyEvent e(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
            QApplication::sendEvent(w.focusWidget(), &e);
        };
        QTest::keyClick(&w, Qt::Key_1);
        QTest::keyClick(&w, Qt::Key_1);
        space(false);
        QCOMPARE(w.G.State.Selected, int16_t(-1));
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
        space(false);
        QCOMPARE(w.G.State.Selected, int16_t(0));
        QCOMPARE(w.G.State.Board(2, 1), int16_t(1));
        space(true);
        QCOMPARE(w.G.State.Selected, int16_t(0));
        // With no reader to hear them, presses are not told, and L has
        // nothing older to repeat.
        QTest::keyClick(&w, Qt::Key_L);
        QCOMPARE(w.Reader.Account, QStringLiteral("Nothing to repeat."));
        kept = w.G.State;
        QKeyEvent held(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(&w, &held);
        QVERIFY(std::memcmp(&kept, &w.G.State, sizeof(GameState)) == 0);
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
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
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
        QStringList full;
        for (int y = 1; y <= 9; y++) {
            full << QString();
            for (int x = 1; x <= 9; x++)
                full.last() += y == 1 && x <= 3 ? QLatin1Char('.') : QLatin1Char('0' + (x + 2 * y) % 6 + 1);
        }
        SetBoard(w.G, full);
        w.Sync();
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

    // A first digit waits for its column, and a reader hears the row; a
    // click, a new game or leaving the window drops it.
    void aFirstDigitIsDroppedByAClickANewGameOrLeaving()
    {
        Form1 w;
        ShowActive(w);
        QTest::keyClick(&w, Qt::Key_3);
        QCOMPARE(w.Reader.Account, QStringLiteral("Row 3."));
        QTest::mouseClick(w.Picture5[80], Qt::LeftButton);
        QTest::keyClick(&w, Qt::Key_7);
        QCOMPARE(w.Focused(), int16_t(80));
        w.Press(Smile); // a new game, as a reader's press action starts one
        QTest::keyClick(&w, Qt::Key_4);
        QCOMPARE(w.Focused(), int16_t(80));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        ShowActive(w);
        QTest::keyClick(&w, Qt::Key_1);
        QTest::keyClick(&w, Qt::Key_2);
        QCOMPARE(w.Focused(), int16_t(1));
    }

    // F1 asks the desktop for the manual page, from anywhere in the window.
    void f1OpensTheManual()
    {
        Form1 w;
        ShowActive(w);
        QDesktopServices::setUrlHandler(QStringLiteral("man"), this, "OpenUrl");
        QTest::keyClick(w.Picture1, Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("man"));
        QCOMPARE(Opened, QUrl(QStringLiteral("man:quintet")));
    }

    void controlsStandAtTheirPlaces()
    {
        Form1 w;
        QCOMPARE(w.size(), QSize(GameWidth, GameHeight));
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
        QCOMPARE(w.EndScreen[Label3]->geometry(), QRect(8, 104, 289, 33));
        QCOMPARE(w.EndScreen[Label5]->geometry(), QRect(8, 168, 289, 49));
        QCOMPARE(w.EndScreen[Label7]->geometry(), QRect(8, 256, 289, 33));
        QCOMPARE(w.Line[1]->geometry(), QRect(195, 4, 104, 1));
        QCOMPARE(w.Line[2]->geometry(), QRect(195, 41, 105, 1));
        QCOMPARE(w.Line[6]->geometry(), QRect(293, 348, 1, 58));
        QCOMPARE(w.Line[9]->geometry(), QRect(8, 56, 289, 4));
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
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
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
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QImage im = w.grab().toImage();
        QCOMPARE(im.size(), QSize(GameWidth, GameHeight));
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
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTimer::singleShot(50, &w, [&w] { w.close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
