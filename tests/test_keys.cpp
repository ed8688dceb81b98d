// The keys: what each key means, a key that presses as a click does, the
// questions and digits that change nothing, held keys, the same letters in
// every language, and F1.
#include "helpers.h"
#include "window_helpers.h"

#include "game/endgame.h"
#include "ui/access/access.h"
#include "ui/form1.h"
#include "ui/keys.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QDir>
#include <QTest>

#include <cstring>

class TestKeys : public QObject {
    Q_OBJECT
  public slots:
    void OpenUrl(const QUrl &url) { Opened = url; }

  private:
    QUrl Opened;

    // A board with one red ball, top left.
    static void OneRedBall(Form1 &w)
    {
        SetBoard(w.G, {"1........", ".........", ".........", ".........", ".........", ".........", ".........",
                       ".........", "........."});
        w.Sync();
    }

    // Space on the focused box, or its auto-repeat.
    static void Space(Form1 &w, bool repeat)
    {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QApplication::sendEvent(w.focusWidget(), &e);
    }

  private slots:
    void initTestCase() { UseLanguage("en"); }

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
        const QStringList full = FullBoard();
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

    // Each key from a box, as a player meets it: where the focus goes, what
    // it presses, or what a reader hears. "focus N": the focus is on box N;
    // "pick up N": the ball of box N is picked up; "new game": the smile is
    // pressed; "hear T": a reader hears T ("hear T..." when T starts it);
    // "manual": the manual is asked for; "nothing": the focus stays, and the
    // game, what is heard and the symbols are as they were. The board holds
    // a red ball in box 0, an orange one in 40 and a yellow one in 80.
    void eachKeyDoesWhatThePlayerExpects_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("mods");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("then");
        const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, pad = Qt::KeypadModifier;
        const char *const lines40 = "hear Row 5: 4 empty, 1 orange, 4 empty. Column 5: 4 empty, 1 orange, 4 empty. "
                                    "Down from row 1, column 1: 1 red, 3 empty, 1 orange, 3 empty, 1 yellow. "
                                    "Up from row 9, column 1: 4 empty, 1 orange, 4 empty.";
        struct Row {
            const char *name;
            int key, mods, focus;
            const char *then;
        };
        const Row rows[] = {
            {"right", Qt::Key_Right, none, 40, "focus 41"},
            {"left", Qt::Key_Left, none, 40, "focus 39"},
            {"up", Qt::Key_Up, none, 40, "focus 31"},
            {"down", Qt::Key_Down, none, 40, "focus 49"},
            {"keypad left", Qt::Key_Left, pad, 40, "focus 39"},
            {"right at the edge", Qt::Key_Right, none, 8, "focus 8"},
            {"left at the edge", Qt::Key_Left, none, 9, "focus 9"},
            {"up at the top", Qt::Key_Up, none, 4, "focus 4"},
            {"down at the bottom", Qt::Key_Down, none, 76, "focus 76"},
            {"home", Qt::Key_Home, none, 40, "focus 36"},
            {"end", Qt::Key_End, none, 40, "focus 44"},
            {"ctrl+home", Qt::Key_Home, ctrl, 40, "focus 0"},
            {"ctrl+end", Qt::Key_End, ctrl, 40, "focus 80"},
            {"space", Qt::Key_Space, none, 40, "pick up 40"},
            {"return", Qt::Key_Return, none, 0, "pick up 0"},
            {"keypad enter", Qt::Key_Enter, pad, 80, "pick up 80"},
            {"space on the smile", Qt::Key_Space, none, Smile, "new game"},
            {"ctrl+n on a cell", Qt::Key_N, ctrl, 40, "new game"},
            {"ctrl+n on the smile", Qt::Key_N, ctrl, Smile, "new game"},
            {"an arrow on the smile", Qt::Key_Down, none, Smile, "nothing"},
            {"end on the smile", Qt::Key_End, ctrl, Smile, "nothing"},
            {"shift+right", Qt::Key_Right, Qt::ShiftModifier, 40, "nothing"},
            {"ctrl+right", Qt::Key_Right, ctrl, 40, "nothing"},
            {"alt+home", Qt::Key_Home, Qt::AltModifier, 40, "nothing"},
            {"ctrl+space", Qt::Key_Space, ctrl, 40, "nothing"},
            {"shift+ctrl+n", Qt::Key_N, ctrl | Qt::ShiftModifier, 40, "nothing"},
            {"n", Qt::Key_N, none, 40, "nothing"},
            {"escape", Qt::Key_Escape, none, 40, "nothing"},
            {"r on the smile", Qt::Key_R, none, Smile, "hear Red ball: row 1, column 1."},
            {"shift+m", Qt::Key_M, Qt::ShiftModifier, 40, "hear No magenta balls."},
            {"ctrl+r", Qt::Key_R, ctrl, 40, "nothing"},
            {"x", Qt::Key_X, none, 40, lines40},
            {"l", Qt::Key_L, none, Smile, "hear New game. ..."},
            {"3", Qt::Key_3, none, 40, "hear Row 3."},
            {"shift+9, as some layouts type it", Qt::Key_9, Qt::ShiftModifier, 40, "hear Row 9."},
            {"keypad 1", Qt::Key_1, pad, Smile, "hear Row 1."},
            {"0", Qt::Key_0, none, 40, "nothing"},
            {"s", Qt::Key_S, none, Smile, "hear Symbols shown."},
            {"f1", Qt::Key_F1, none, 40, "manual"},
        };
        for (const Row &r : rows)
            QTest::newRow(r.name) << r.key << r.mods << r.focus << QString::fromUtf8(r.then);
    }

    void eachKeyDoesWhatThePlayerExpects()
    {
        QFETCH(int, key);
        QFETCH(int, mods);
        QFETCH(int, focus);
        QFETCH(QString, then);
        Form1 w;
        ShowActive(w);
        SetBoard(w.G, {"1........", ".........", ".........", ".........", "....2....", ".........", ".........",
                       ".........", "........3"});
        w.Sync();
        (focus == Smile ? static_cast<QWidget *>(w.Picture1) : w.Picture5[focus])->setFocus(Qt::OtherFocusReason);
        QCOMPARE(w.Focused(), int16_t(focus));
        const GameState kept = w.G.State;
        const QString heard = w.Reader.Account;
        Opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("man"), this, "OpenUrl");
        QTest::keyClick(w.focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(mods));
        QDesktopServices::unsetUrlHandler(QStringLiteral("man"));

        const QString word = then.section(QLatin1Char(' '), 0, 0);
        const QString rest = then.section(QLatin1Char(' '), 1);
        if (then.startsWith(QStringLiteral("focus "))) {
            QCOMPARE(w.Focused(), int16_t(rest.toInt()));
        } else if (then.startsWith(QStringLiteral("pick up "))) {
            const int16_t box = int16_t(then.section(QLatin1Char(' '), 2).toInt());
            QCOMPARE(w.G.State.Selected, int16_t(-1));
            QCOMPARE(CellIndex(w.G.State.SelX, w.G.State.SelY), box);
        } else if (then == QStringLiteral("new game")) {
            QCOMPARE(CountBalls(w.G), int16_t(3));
            QCOMPARE(w.G.Rnd.Drawn, uint64_t(9));
        } else if (word == QStringLiteral("hear")) {
            if (rest.endsWith(QStringLiteral(" ...")))
                QVERIFY2(w.Reader.Account.startsWith(rest.chopped(3)), qPrintable(w.Reader.Account));
            else
                QCOMPARE(w.Reader.Account, rest);
        } else if (then == QStringLiteral("manual")) {
            QCOMPARE(Opened, QUrl(QStringLiteral("man:quintet")));
        } else {
            QCOMPARE(then, QStringLiteral("nothing"));
            QCOMPARE(w.Focused(), int16_t(focus));
            QVERIFY(std::memcmp(&kept, &w.G.State, sizeof(GameState)) == 0);
            QCOMPARE(w.Reader.Account, heard);
            QVERIFY(!w.SymbolsShown());
            QVERIFY(Opened.isEmpty());
        }
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

    // The first game is told as a new game, for L before any press.
    void theFirstGameIsToldAsANewGame()
    {
        Form1 w;
        ShowActive(w);
        QTest::keyClick(&w, Qt::Key_L);
        QVERIFY2(w.Reader.Account.startsWith(QStringLiteral("New game. New balls: ")), qPrintable(w.Reader.Account));
    }

    // Two digits go to a row and column, and show the ring.
    void twoDigitsGoToTheirRowAndColumn()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        QTest::keyClicks(&w, QStringLiteral("37"));
        QCOMPARE(w.Focused(), int16_t(2 * 9 + 6));
        QVERIFY(w.KeysInUse());
    }

    // R, X and I answer about the board and the focused cell.
    void theQuestionKeysAnswerFromTheBoard()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        QTest::keyClicks(&w, QStringLiteral("37"));
        QTest::keyClick(&w, Qt::Key_R);
        QCOMPARE(w.Reader.Account, QStringLiteral("Red ball: row 1, column 1."));
        QTest::keyClick(&w, Qt::Key_X);
        QCOMPARE(w.Reader.Account, LinesThrough(w.G, 2 * 9 + 6));
        QTest::keyClick(&w, Qt::Key_I);
        QCOMPARE(w.Reader.Account, GameSummary(w.G));
    }

    // A first digit followed by another key is dropped, and the key acts;
    // a modifier alone between two digits drops nothing.
    void aFirstDigitIsDroppedByAnotherKeyButNotByAModifier()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        QTest::keyClicks(&w, QStringLiteral("37"));
        QTest::keyClick(&w, Qt::Key_5);
        QTest::keyClick(w.focusWidget(), Qt::Key_Left); // the 5 is dropped, the arrow moves
        QTest::keyClick(&w, Qt::Key_2);
        QCOMPARE(w.Focused(), int16_t(2 * 9 + 5));
        QTest::keyClick(&w, Qt::Key_Shift);
        QTest::keyClick(&w, Qt::Key_1, Qt::ShiftModifier); // 2 then 1, with Shift between
        QCOMPARE(w.Focused(), int16_t(9));
    }

    // Questions, digits and arrows change nothing in the game, not even a
    // random draw.
    void questionsAndDigitsChangeNothingInTheGame()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        const GameState kept = w.G.State;
        const uint32_t drawn = w.G.Rnd.Drawn;
        QTest::keyClicks(&w, QStringLiteral("37"));
        QTest::keyClick(&w, Qt::Key_R);
        QTest::keyClick(&w, Qt::Key_X);
        QTest::keyClick(&w, Qt::Key_5);
        QTest::keyClick(w.focusWidget(), Qt::Key_Left);
        QTest::keyClick(&w, Qt::Key_2);
        QTest::keyClick(&w, Qt::Key_Shift);
        QTest::keyClick(&w, Qt::Key_1, Qt::ShiftModifier);
        QTest::keyClick(&w, Qt::Key_I);
        QVERIFY(std::memcmp(&kept, &w.G.State, sizeof(GameState)) == 0);
        QCOMPARE(w.G.Rnd.Drawn, drawn);
    }

    // Pick up the ball and move it; a held Space repeats on the moved ball,
    // which stays where it went, not picked up.
    void aHeldSpaceActsOnce()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        QTest::keyClick(&w, Qt::Key_1);
        QTest::keyClick(&w, Qt::Key_1);
        Space(w, false);
        QCOMPARE(w.G.State.Selected, int16_t(-1));
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
        Space(w, false);
        QCOMPARE(w.G.State.Selected, int16_t(0));
        QCOMPARE(w.G.State.Board(2, 1), int16_t(1));
        Space(w, true);
        QCOMPARE(w.G.State.Selected, int16_t(0));
    }

    // With no reader to hear them, presses are not told, and L has nothing
    // older to repeat.
    void withoutAReaderLHasNothingToRepeatAfterAPress()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        QTest::keyClick(&w, Qt::Key_1);
        QTest::keyClick(&w, Qt::Key_1);
        Space(w, false);
        QTest::keyClick(&w, Qt::Key_L);
        QCOMPARE(w.Reader.Account, QStringLiteral("Nothing to repeat."));
    }

    // A held Ctrl+N starts no new game.
    void aHeldCtrlNActsOnce()
    {
        Form1 w;
        ShowActive(w);
        OneRedBall(w);
        const GameState kept = w.G.State;
        QKeyEvent held(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(&w, &held);
        QVERIFY(std::memcmp(&kept, &w.G.State, sizeof(GameState)) == 0);
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
};

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
