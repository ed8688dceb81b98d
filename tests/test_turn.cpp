// The cell click: the selection state machine, the move, the check and the
// spawn that follows a move which cleared nothing.
#include "helpers.h"

#include "game/newgame.h"
#include "game/timer.h"
#include "game/turn.h"
#include "screen/draw.h"

#include <QTest>

class TestTurn : public QObject {
    Q_OBJECT

    Game *G = nullptr;

    void Click(int16_t x, int16_t y)
    {
        Picture5_Click(*G, CellIndex(x, y));
        QCOMPARE(CheckInvariants(*G), QString());
    }

    // The top row bursts, and the 6 at (9, 5) is selected while its
    // countdown runs.
    void BurstTopRowAndSelectTheSix()
    {
        SetBoard(*G, {"3333.....", ".........", ".........", "....3....", "........6"});
        Click(5, 4);
        Click(5, 1);
        Click(9, 5);
    }

  private slots:
    void init()
    {
        G = new Game;
        InitTestGame(*G);
        Form_Load(*G);
        SetBoard(*G, {"1........", "", "", "", "", "", "", "", "........2"});
        for (int16_t slot = 1; slot <= 3; slot++)
            G->State.NextColor[slot] = int16_t(slot + 3);
        ScriptRandom(G->Rnd, nullptr, 0); // count from here
    }
    void cleanup() { delete G; }

    void anEmptyCellWithNothingSelectedOnlyClearsTheMessage()
    {
        SetLabel2(G->View, QStringLiteral("No Way!!!"));
        GameState before = G->State;
        Click(5, 5);
        QCOMPARE(std::memcmp(&before, &G->State, sizeof before), 0);
        QCOMPARE(G->View.MessageCaption, QString());
    }

    void clickingABallSelectsItAndItBlinks()
    {
        Click(1, 1);
        const GameState &s = G->State;
        QCOMPARE((QList<int16_t>{s.Selected, s.SelX, s.SelY, s.SelColor, s.Blinking, s.BlinkIndex}),
                 (QList<int16_t>{-1, 1, 1, 1, -1, 0}));
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 0));
    }

    // Clicking another ball moves the selection and leaves the first one
    // drawn steady; clicking the selected ball keeps it selected.
    void anotherBallTakesTheSelection()
    {
        Click(1, 1);
        Timer1_Timer(*G);
        Click(9, 9);
        QVERIFY(ShowsBall(G->View, 0, 1));
        QCOMPARE(G->State.SelX, int16_t(9));
        QCOMPARE(G->State.BlinkIndex, int16_t(80));
        Click(9, 9);
        QCOMPARE(G->State.Selected, int16_t(-1));
        QCOMPARE(G->State.Blinking, int16_t(-1));
        QCOMPARE(G->State.SelX, int16_t(9));
    }

    // A refused move keeps the ball selected, steady; the next click on a
    // reachable cell moves it without a new selection.
    void aRefusedMoveSaysNoWayAndKeepsTheBall()
    {
        SetBoard(*G, {"1........", "", "", "", "", "", "", ".......33", ".......3."});
        Click(1, 1);
        Timer1_Timer(*G); // hidden at the moment of the click
        Click(9, 9);
        QCOMPARE(G->View.MessageCaption, QStringLiteral("No Way!!!"));
        QCOMPARE(G->State.Selected, int16_t(-1));
        QCOMPARE(G->State.Blinking, int16_t(0));
        QVERIFY(ShowsBall(G->View, 0, 1));
        QCOMPARE(CountBalls(*G), int16_t(4));
        Click(2, 1);
        QCOMPARE(G->View.MessageCaption, QString());
        QCOMPARE(G->State.Board(2, 1), int16_t(1));
        QCOMPARE(G->State.Board(1, 1), int16_t(0));
        QCOMPARE(G->State.Selected, int16_t(0));
    }

    // A move that clears nothing brings the three previewed colours onto
    // three empty cells, then three new preview colours.
    void aMoveThatClearsNothingBringsThreeBalls()
    {
        Click(1, 1);
        const float v[] = {0.0f, 0.0f, 0.0f, 0.0f, 0.2f, 0.4f};
        ScriptRandom(G->Rnd, v, 6);
        Click(5, 5);
        QCOMPARE(G->Rnd.Drawn, uint64_t(6));
        // The first free cells in column order: (1, 1) is free again.
        QCOMPARE(BoardRows(*G), QStringLiteral("4........\n5........\n6........\n.........\n....1....\n.........\n"
                                               ".........\n.........\n........2\n"));
        const int16_t *next = G->State.NextColor;
        QCOMPARE((QList<int16_t>{next[1], next[2], next[3]}), (QList<int16_t>{1, 2, 3}));
        QVERIFY(ShowsBall(G->View, PreviewBox(1), 1));
        QVERIFY(ShowsBall(G->View, PreviewBox(3), 3));
        QCOMPARE(G->State.Selected, int16_t(0));
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("0"));
    }

    void aMoveThatClearsBringsNoSpawn()
    {
        SetBoard(*G, {"3333.....", ".........", ".........", "....3...."});
        Click(5, 4);
        Click(5, 1);
        QCOMPARE(CountBalls(*G), int16_t(0));
        QCOMPARE(G->State.Score, int16_t(3));
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("3"));
        QCOMPARE(G->State.Selected, int16_t(0));
        QCOMPARE(G->Rnd.Drawn, uint64_t(5 * 500)); // the bursts, and no spawn
        for (int i = 0; i < 3; i++)
            Timer1_Timer(*G);
        for (int16_t x = 1; x <= 5; x++)
            QVERIFY(IsBlank(G->View, CellIndex(x, 1)));
        QCOMPARE(CheckInvariants(*G), QString());
    }

    // A ball moved into a cell whose burst is still on screen stays there,
    // in its colour, after the countdown; no burst remnant is left around it.
    void aBallMovedOntoABurstCellStays()
    {
        BurstTopRowAndSelectTheSix();
        ScriptRandom(G->Rnd, nullptr, 0);
        Click(3, 1); // into a burst cell, while the countdown runs
        QCOMPARE(G->State.Board(3, 1), int16_t(6));
        QVERIFY(ShowsBall(G->View, CellIndex(3, 1), 6));
        for (int i = 0; i < 3; i++)
            Timer1_Timer(*G);
        QCOMPARE(G->State.Board(3, 1), int16_t(6));
        QVERIFY(ShowsBall(G->View, CellIndex(3, 1), 6));
        QCOMPARE(CheckInvariants(*G), QString());
    }

    // A spawned ball in a burst cell can be selected, and stays selected
    // and on the board when the countdown runs out under it.
    void aBallSpawnedOntoABurstCellCanBeSelected()
    {
        BurstTopRowAndSelectTheSix();
        const float v[] = {0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.5f};
        ScriptRandom(G->Rnd, v, 6);
        Click(9, 6); // clears nothing: the spawn takes (1, 1), (1, 2), (1, 3)
        QCOMPARE(G->State.Board(1, 1), int16_t(4));
        QCOMPARE(G->State.Marked(1, 1), int16_t(0));
        QCOMPARE(G->State.Marked(2, 1), int16_t(-1));
        QVERIFY(ShowsBall(G->View, 0, 4));
        Click(1, 1);
        for (int i = 0; i < 3; i++) {
            Timer1_Timer(*G);
            QCOMPARE(CheckInvariants(*G), QString());
        }
        QCOMPARE(G->State.ClearPending, int16_t(0));
        QCOMPARE(G->State.Board(1, 1), int16_t(4));
        QCOMPARE(G->State.Selected, int16_t(-1));
        Click(5, 5);
        QCOMPARE(G->State.Board(5, 5), int16_t(4));
        QCOMPARE(G->State.Board(1, 1), int16_t(0));
    }

    // Three cells empty; the move fills one and frees its own, the spawn
    // fills the last three. "Game Over!" comes first; the line its balls
    // complete still scores, and a second line brings "Bonus!!!".
    void theSpawnThatFillsTheBoard_data()
    {
        QTest::addColumn<int>("third");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("message");
        QTest::newRow("one line") << 1 << 3 << QStringLiteral("Game Over!");
        QTest::newRow("two lines") << 6 << 12 << QStringLiteral("Bonus!!!");
    }
    void theSpawnThatFillsTheBoard()
    {
        QFETCH(int, third);
        QFETCH(int, score);
        QFETCH(QString, message);
        GameState &s = G->State;
        // No two alike side by side, but the sixes of column 1 and row 9,
        // each a ball short of five.
        SetBoard(*G, {"656123456", "612345612", ".34561234", "656123456", "6123.5612", "234561234", "456123456",
                      "612345612", "234566.66"});
        s.NextColor[1] = 6;
        s.NextColor[2] = 2;
        s.NextColor[3] = static_cast<int16_t>(third);
        Click(5, 4);
        const float v[] = {0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.5f};
        ScriptRandom(G->Rnd, v, 6);
        Click(5, 5);
        QCOMPARE(s.IsGameOver, int16_t(-1));
        QCOMPARE(s.Score, int16_t(score));
        QCOMPARE(G->View.ScoreCaption, QString::number(score));
        QCOMPARE(G->View.MessageCaption, message);
        QVERIFY(G->View.EndVisible[Label3]);
        QVERIFY(!G->View.Boxes[0].Visible);
        QVERIFY(ShowsBall(G->View, PreviewBox(1), 3));
    }
};

QTEST_APPLESS_MAIN(TestTurn)
#include "test_turn.moc"
