// The tick's two effects, and the switch between board and end screen.
#include "fixture.h"

#include "game/check.h"
#include "game/endgame.h"
#include "game/timer.h"
#include "screen/draw.h"

#include <QTest>

class TestTimer : public GameTest {
    Q_OBJECT

  private slots:
    void aTickWithNothingToDoChangesNothing()
    {
        SetBoard(*G, {"1........"});
        GameState before = G->State;
        Timer1_Timer(*G);
        QCOMPARE(std::memcmp(&before, &G->State, sizeof before), 0);
        QVERIFY(ShowsBall(G->View, 0, 1));
    }

    void theBlinkAlternatesAndStopBlinkLeavesTheBallDrawn()
    {
        DrawBall(G->View, 40, 3);
        StartBlink(*G, 40, 3);
        QVERIFY(ShowsBall(G->View, 40, 3)); // StartBlink draws nothing
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 40));
        Timer1_Timer(*G);
        QVERIFY(ShowsBall(G->View, 40, 3));
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 40));
        StopBlink(*G);
        QVERIFY(ShowsBall(G->View, 40, 3));
        QCOMPARE(G->State.Blinking, int16_t(0));
        Timer1_Timer(*G);
        QVERIFY(ShowsBall(G->View, 40, 3)); // off: the tick leaves it alone
    }

    // The phase carries over: a blink stopped while hidden makes the next
    // one's first tick draw the ball (no visible change), then erase it.
    void theNextBlinkCarriesOnFromTheLastPhase()
    {
        DrawBall(G->View, 10, 2);
        StartBlink(*G, 10, 2);
        Timer1_Timer(*G); // hidden
        StopBlink(*G);
        QCOMPARE(G->State.BlinkHidden, int16_t(-1));
        DrawBall(G->View, 20, 5);
        StartBlink(*G, 20, 5);
        Timer1_Timer(*G);
        QVERIFY(ShowsBall(G->View, 20, 5));
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 20));
        QVERIFY(ShowsBall(G->View, 10, 2));
    }

    void stopBlinkDrawsEvenWithNoBlinkRunning()
    {
        G->State.BlinkIndex = 4;
        G->State.BlinkColor = 6;
        StopBlink(*G);
        QVERIFY(ShowsBall(G->View, 4, 6));
    }

    void theCountdownRunsOutOnTheThirdTick()
    {
        G->State.Marked(3, 3) = -1;
        DrawBurst(G->View, G->Rnd, CellIndex(3, 3));
        StartClearDelay(*G, 3);
        Timer1_Timer(*G);
        Timer1_Timer(*G);
        QVERIFY(!IsBlank(G->View, CellIndex(3, 3)));
        QCOMPARE(G->State.ClearTicks, int16_t(2));
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, CellIndex(3, 3)));
        QCOMPARE(G->State.Marked(3, 3), int16_t(0));
        QCOMPARE(G->State.ClearPending, int16_t(0));
        QCOMPARE(G->State.ClearTicks, int16_t(0));
    }

    // A second burst restarts the count; both bursts are wiped together.
    void aSecondBurstRestartsTheCountdown()
    {
        G->State.Marked(1, 1) = -1;
        DrawBurst(G->View, G->Rnd, 0);
        StartClearDelay(*G, 3);
        Timer1_Timer(*G);
        Timer1_Timer(*G);
        G->State.Marked(9, 9) = -1;
        RemoveMarkedBalls(*G);
        BurstMarkedCells(*G);
        StartClearDelay(*G, 3);
        Timer1_Timer(*G);
        Timer1_Timer(*G);
        QVERIFY(!IsBlank(G->View, 0));
        QVERIFY(!IsBlank(G->View, 80));
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 0));
        QVERIFY(IsBlank(G->View, 80));
        QVERIFY(CheckInvariants(*G).isEmpty());
    }

    void blinkAndCountdownActInTheSameTick()
    {
        DrawBall(G->View, 50, 1);
        StartBlink(*G, 50, 1);
        G->State.Marked(2, 2) = -1;
        StartClearDelay(*G, 1);
        Timer1_Timer(*G);
        QVERIFY(IsBlank(G->View, 50));
        QCOMPARE(G->State.Marked(2, 2), int16_t(0));
    }

    void removeMarkedBallsEmptiesCellsAndKeepsTheMarks()
    {
        SetBoard(*G, {"11111...."});
        for (int16_t x = 1; x <= 5; x++)
            G->State.Marked(x, 1) = -1;
        RemoveMarkedBalls(*G);
        QCOMPARE(CountBalls(*G), int16_t(0));
        QCOMPARE(G->State.Marked(5, 1), int16_t(-1));
        ClearMarks(*G);
        QCOMPARE(G->State.Marked(5, 1), int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestTimer)
#include "test_timer.moc"
