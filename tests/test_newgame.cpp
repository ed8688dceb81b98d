// A new game from any state: fresh board, three balls, nine random values,
// and the box of the last selection settled.
#include "fixture.h"

#include "game/check.h"
#include "game/newgame.h"
#include "game/timer.h"
#include "game/turn.h"

#include <QTest>

class TestNewGame : public GameTest {
    Q_OBJECT

    void CheckFreshGame()
    {
        const GameState &s = G->State;
        QCOMPARE(CountBalls(*G), int16_t(3));
        for (int16_t i = 1; i <= 3; i++) {
            int16_t c = s.Board(s.NewPos[i].x, s.NewPos[i].y);
            QVERIFY(c >= 1 && c <= 6);
            QVERIFY(ShowsBall(G->View, CellIndex(s.NewPos[i].x, s.NewPos[i].y), c));
            QVERIFY(ShowsBall(G->View, PreviewBox(i), s.NextColor[i]));
        }
        // The score, the selection, the blink, the end and the streak.
        QCOMPARE((QList<int16_t>{s.Score, s.Selected, s.Blinking, s.IsGameOver, s.Streak}), QList<int16_t>(5, 0));
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("0"));
        QCOMPARE(G->View.MessageCaption, QString());
        for (bool v : G->View.EndVisible)
            QVERIFY(!v);
        for (int16_t x = 1; x <= 9; x++)
            for (int16_t y = 1; y <= 9; y++)
                QCOMPARE(s.Marked(x, y), int16_t(0));
        QCOMPARE(CheckInvariants(*G), QString());
    }

  private slots:
    // Three picks, three colours placed, three colours previewed, in order.
    void nineValuesInTheirOrder()
    {
        // Picks on the emptying board: entry 1 = (1, 1), then entries 41 of 80
        // and 80 of 79 free cells; colours 1, 2, 3 placed, then 4, 5, 6.
        const float v[] = {0.0f, 0.5f, 0.9999999f, 0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 0.9999999f};
        ScriptRandom(G->Rnd, v, 9);
        Form_Load(*G);
        QCOMPARE(G->Rnd.Drawn, uint64_t(9));
        // (5, 6) is entry 41 of the 80 left.
        QCOMPARE(BoardRows(*G), QStringLiteral("1........\n.........\n.........\n.........\n.........\n....2....\n"
                                               ".........\n.........\n........3\n"));
        const int16_t *next = G->State.NextColor;
        QCOMPARE((QList<int16_t>{next[1], next[2], next[3]}), (QList<int16_t>{4, 5, 6}));
        CheckFreshGame();
    }

    void theClockSeedsEveryGame()
    {
        Form_Load(*G);
        QString first = BoardRows(*G);
        Picture1_Click(*G);
        QCOMPARE(BoardRows(*G), first); // same clock, same game
        Game other;
        InitTestGame(other, 4321.25f);
        Form_Load(other);
        QVERIFY(BoardRows(other) != first);
        InitTestGame(*G); // put the fixed clock back for the other tests
    }

    // The first game settles box 0: empty unless a new ball stands there.
    void theFirstGameSettlesBoxZero()
    {
        const float none[] = {0.5f, 0.5f, 0.5f, 0, 0, 0, 0, 0, 0};
        ScriptRandom(G->Rnd, none, 9);
        Form_Load(*G);
        QVERIFY(IsBlank(G->View, 0));
        CheckFreshGame();
        const float corner[] = {0.0f, 0.5f, 0.5f, 0.6f, 0, 0, 0, 0, 0};
        ScriptRandom(G->Rnd, corner, 9);
        Picture1_Click(*G);
        QVERIFY(ShowsBall(G->View, 0, 4));
    }

    void startedMidBlinkTheOldBallIsCleared()
    {
        Form_Load(*G);
        SetBoard(*G, {".........", ".........", ".........", ".........", "....6...."});
        Picture5_Click(*G, 40);
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 40));
        const float away[] = {0.0f, 0.0f, 0.0f, 0.5f, 0, 0, 0, 0, 0};
        ScriptRandom(G->Rnd, away, 9);
        Picture1_Click(*G);
        QVERIFY(IsBlank(G->View, 40));
        CheckFreshGame();
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 40)); // nothing blinks any more
    }

    // A new ball in the last selected cell shows in its own colour.
    void aNewBallInTheLastSelectedCellShowsItsOwnColour()
    {
        Form_Load(*G);
        SetBoard(*G, {"6........"});
        Picture5_Click(*G, 0);
        const float here[] = {0.0f, 0.5f, 0.5f, 0.5f, 0, 0, 0, 0, 0};
        ScriptRandom(G->Rnd, here, 9);
        Picture1_Click(*G);
        QCOMPARE(G->State.Board(1, 1), int16_t(3));
        QVERIFY(ShowsBall(G->View, 0, 3));
        CheckFreshGame();
    }

    void startedMidCountdownTheBurstCellsAreEmptiedAtOnce()
    {
        Form_Load(*G);
        SetBoard(*G, {"22222...."});
        CheckLines(*G);
        QCOMPARE(G->State.ClearPending, int16_t(-1));
        Timer1_Timer(*G);
        const float v[] = {0.0f, 0.0f, 0.0f, 0, 0, 0, 0, 0, 0}; // picks (1,1), (1,2), (1,3)
        ScriptRandom(G->Rnd, v, 9);
        Picture1_Click(*G);
        CheckFreshGame();
        Screen before = G->View;
        Timer1_Timer(*G);
        Timer1_Timer(*G); // the old countdown runs out and changes nothing
        QCOMPARE(G->State.ClearPending, int16_t(0));
        for (int16_t b = 0; b < BoxCount; b++)
            QCOMPARE(G->View.Boxes[b].Image, before.Boxes[b].Image);
        QCOMPARE(CountBalls(*G), int16_t(3));
    }

    void startedFromTheEndScreenTheBoardComesBack()
    {
        Form_Load(*G);
        LeaveFree(0);
        Picture5_Click(*G, 10); // the click finds the board full
        QCOMPARE(G->State.IsGameOver, int16_t(-1));
        QVERIFY(!G->View.Boxes[10].Visible);
        Picture1_Click(*G);
        for (int16_t b = 0; b <= 80; b++)
            QVERIFY(G->View.Boxes[b].Visible);
        CheckFreshGame();
    }
};

QTEST_APPLESS_MAIN(TestNewGame)
#include "test_newgame.moc"
