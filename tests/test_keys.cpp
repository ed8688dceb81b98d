// The keys: what each key means, a key that presses as a click does, the
// questions and digits that change nothing, held keys, the same letters in
// every language, and F1.
#include "helpers.h"
#include "window_helpers.h"

#include "game/endgame.h"
#include "ui/access/access.h"
#include "ui/window/form1.h"
#include "ui/window/keys.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>

#include <cstring>

class TestKeys : public QObject {
    Q_OBJECT
  public slots:
    void OpenUrl(const QUrl &url) { Opened = url; }

  private:
    QUrl Opened;

    // A key as QKeySequence writes it, into the focused box; "held " before
    // it sends its auto-repeat.
    static void Type(Form1 &w, QString key)
    {
        const bool held = key.startsWith(QStringLiteral("held "));
        const QKeyCombination k =
            QKeySequence::fromString(key.remove(QStringLiteral("held ")), QKeySequence::PortableText)[0];
        QVERIFY2(k.key() != Qt::Key_unknown, qPrintable(key));
        if (!held)
            return QTest::keyClick(w.focusWidget(), k.key(), k.keyboardModifiers());
        QKeyEvent repeat(QEvent::KeyPress, k.key(), k.keyboardModifiers(), QString(), true);
        QApplication::sendEvent(w.focusWidget(), &repeat);
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
            ShowBoard(w, {"123456..."});
            QStringList heard;
            for (const int key : letters) {
                QTest::keyClick(&w, Qt::Key(key));
                heard << w.Reader.Account;
            }
            const QStringList expected{BallsOf(w.G, 1), BallsOf(w.G, 2), BallsOf(w.G, 3),      BallsOf(w.G, 4),
                                       BallsOf(w.G, 5), BallsOf(w.G, 6), LinesThrough(w.G, 0), GameSummary(w.G),
                                       w.LastAccount,   heard.last()};
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
        ShowBoard(w, FullBoard());
        w.Press(9);
        w.Press(0);
        QVERIFY(w.G.View.EndVisible[Label3]);
        for (const Qt::Key key : {Qt::Key_R, Qt::Key_X, Qt::Key_I}) {
            QTest::keyClick(&w, key);
            QCOMPARE(w.Reader.Account, QStringLiteral("The game is over. Score 0."));
        }
        QTest::keyClick(&w, Qt::Key_L);
        QVERIFY2(w.Reader.Account.startsWith(QStringLiteral("The game is over. Score 0. ")),
                 qPrintable(w.Reader.Account));
    }

    // Keys as a player meets them: from a box ("from", Smile for the smile)
    // the keys are typed in turn, and the last one does what "then" says.
    // "focus N": the focus and its ring are on box N; "pick up N": the ball
    // of box N is picked up; "red to N": the picked-up red ball went to box
    // N; "new game": the smile is pressed; "hear T": a reader hears T ("hear
    // T..." when T starts it); "manual": the manual is asked for; "nothing":
    // the focus, what is heard and the symbols are as they were. A key that
    // presses nothing leaves the game as it was, not even a random draw
    // taken. The board holds a red ball in box 0, an orange one in 40 and a
    // yellow one in 80.
    void eachKeyDoesWhatThePlayerExpects_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("then");
        const char *const lines40 = "hear Row 5: 4 empty, 1 orange, 4 empty. Column 5: 4 empty, 1 orange, 4 empty. "
                                    "Diagonal down from row 1, column 1: 1 red, 3 empty, 1 orange, 3 empty, 1 yellow. "
                                    "Diagonal up from row 9, column 1: 4 empty, 1 orange, 4 empty.";
        const char *const lines24 = "hear Row 3: 9 empty. Column 7: 9 empty. Diagonal down from row 1, column 5: 5 empty. "
                                    "Diagonal up from row 9, column 1: 4 empty, 1 orange, 4 empty.";
        auto row = [](const char *name, int from, const char *keys, const char *then) {
            QTest::newRow(name) << from << QString::fromUtf8(keys) << QString::fromUtf8(then);
        };
        row("right", 40, "Right", "focus 41");
        row("left", 40, "Left", "focus 39");
        row("up", 40, "Up", "focus 31");
        row("down", 40, "Down", "focus 49");
        row("keypad left", 40, "Num+Left", "focus 39");
        row("right at the edge", 8, "Right", "focus 8");
        row("left at the edge", 9, "Left", "focus 9");
        row("up at the top", 4, "Up", "focus 4");
        row("down at the bottom", 76, "Down", "focus 76");
        row("home", 40, "Home", "focus 36");
        row("end", 40, "End", "focus 44");
        row("ctrl+home", 40, "Ctrl+Home", "focus 0");
        row("ctrl+end", 40, "Ctrl+End", "focus 80");
        row("two digits go to their row and column", 40, "3, 7", "focus 24");
        row("a first digit is dropped by another key, which acts", 40, "3, 7, 5, Left, 2", "focus 23");
        row("a modifier alone between two digits drops nothing", 40, "2, Shift, Shift+1", "focus 9");
        row("space", 40, "Space", "pick up 40");
        row("return", 0, "Return", "pick up 0");
        row("keypad enter", 80, "Num+Enter", "pick up 80");
        row("space moves the picked-up ball", 40, "1, 1, Space, Right, Space", "red to 1");
        row("a held space acts once: the moved ball stays", 40, "1, 1, Space, Right, Space, held Space", "nothing");
        row("space on the smile", Smile, "Space", "new game");
        row("ctrl+n on a cell", 40, "Ctrl+N", "new game");
        row("ctrl+n on the smile", Smile, "Ctrl+N", "new game");
        row("a held ctrl+n starts no new game", 0, "held Ctrl+N", "nothing");
        row("an arrow on the smile", Smile, "Down", "nothing");
        row("end on the smile", Smile, "Ctrl+End", "nothing");
        row("shift+right", 40, "Shift+Right", "nothing");
        row("ctrl+right", 40, "Ctrl+Right", "nothing");
        row("alt+home", 40, "Alt+Home", "nothing");
        row("ctrl+space", 40, "Ctrl+Space", "nothing");
        row("shift+ctrl+n", 40, "Shift+Ctrl+N", "nothing");
        row("n", 40, "N", "nothing");
        row("escape", 40, "Esc", "nothing");
        row("r on the smile", Smile, "R", "hear Red ball: row 1, column 1.");
        row("shift+m", 40, "Shift+M", "hear No magenta balls.");
        row("ctrl+r", 40, "Ctrl+R", "nothing");
        row("x", 40, "X", lines40);
        row("x asks of the cell two digits went to", 40, "3, 7, X", lines24);
        row("i", 40, "I", "hear Score 0. 78 free cells. Next: ...");
        row("l tells the first game as a new game", Smile, "L", "hear New game. New balls: ...");
        row("l after a press no reader heard has nothing to repeat", 40, "1, 1, Space, L", "hear Nothing to repeat.");
        row("3", 40, "3", "hear Row 3.");
        row("shift+9, as some layouts type it", 40, "Shift+9", "hear Row 9.");
        row("keypad 1", Smile, "Num+1", "hear Row 1.");
        row("0", 40, "0", "nothing");
        row("s", Smile, "S", "hear Symbols shown.");
        row("f1", 40, "F1", "manual");
        row("f1 on the smile", Smile, "F1", "manual");
    }

    void eachKeyDoesWhatThePlayerExpects()
    {
        QFETCH(int, from);
        QFETCH(QString, keys);
        QFETCH(QString, then);
        Form1 w;
        ShowActive(w);
        ShowBoard(w, {"1........", ".........", ".........", ".........", "....2....", "", "", "", "........3"});
        (from == Smile ? static_cast<QWidget *>(w.Picture1) : w.Picture5[from])->setFocus(Qt::OtherFocusReason);
        QCOMPARE(w.Focused(), int16_t(from));
        QStringList typed = keys.split(QStringLiteral(", "));
        const QString last = typed.takeLast();
        for (const QString &key : typed)
            Type(w, key);
        const GameState kept = w.G.State;
        const uint64_t drawn = w.G.Rnd.Drawn;
        const int16_t focus = w.Focused();
        const QString heard = w.Reader.Account;
        Opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("man"), this, "OpenUrl");
        Type(w, last);
        QDesktopServices::unsetUrlHandler(QStringLiteral("man"));

        const int16_t box = int16_t(then.section(QLatin1Char(' '), -1).toInt());
        if (then.startsWith(QStringLiteral("pick up "))) {
            QCOMPARE(w.G.State.Selected, int16_t(-1));
            QCOMPARE(CellIndex(w.G.State.SelX, w.G.State.SelY), box);
            return;
        }
        if (then.startsWith(QStringLiteral("red to "))) {
            QCOMPARE(w.G.State.Selected, int16_t(0));
            QCOMPARE(w.G.State.Board(box % 9 + 1, box / 9 + 1), int16_t(1));
            return;
        }
        if (then == QStringLiteral("new game")) {
            QCOMPARE(CountBalls(w.G), int16_t(3));
            QCOMPARE(w.G.Rnd.Drawn, uint64_t(9));
            return;
        }
        // Any other key leaves the game as it was.
        QVERIFY(std::memcmp(&kept, &w.G.State, sizeof(GameState)) == 0);
        QCOMPARE(w.G.Rnd.Drawn, drawn);
        const QString rest = then.section(QLatin1Char(' '), 1);
        if (then.startsWith(QStringLiteral("focus "))) {
            QCOMPARE(w.Focused(), box);
            QVERIFY(w.KeysInUse());
        } else if (then.startsWith(QStringLiteral("hear "))) {
            if (rest.endsWith(QStringLiteral(" ...")))
                QVERIFY2(w.Reader.Account.startsWith(rest.chopped(3)), qPrintable(w.Reader.Account));
            else
                QCOMPARE(w.Reader.Account, rest);
        } else if (then == QStringLiteral("manual")) {
            QCOMPARE(Opened, QUrl(QStringLiteral("man:quintet")));
        } else {
            QCOMPARE(then, QStringLiteral("nothing"));
            QCOMPARE(w.Focused(), focus);
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

    // A first digit waits for its column, and a reader hears the row; a
    // click, also off the board, a new game or leaving the window drops it.
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
        QTest::mouseClick(w.Label1, Qt::LeftButton); // the score
        QTest::keyClick(&w, Qt::Key_7);
        QCOMPARE(w.Focused(), int16_t(80));
        QWidget other;
        ShowActive(other);
        ShowActive(w);
        QTest::keyClicks(&w, QStringLiteral("12"));
        QCOMPARE(w.Focused(), int16_t(1));
    }
};

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
