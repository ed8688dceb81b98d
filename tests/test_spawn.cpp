// A spawn: its three cells, its balls, and a board that fills.
#include "fixture.h"

#include "game/spawn.h"
#include "game/turn.h"
#include "rules/supply.h"
#include "screen/draw.h"

#include <QTest>

class TestSpawn : public GameTest {
    Q_OBJECT

  private slots:
    void placeBallDrawsAndStoresUnlessTheGameIsOver()
    {
        PlaceBall(*G, CellPos{4, 6}, 5);
        QCOMPARE(G->State.Board(4, 6), int16_t(5));
        QVERIFY(ShowsBall(G->View, CellIndex(4, 6), 5));
        G->State.IsGameOver = -1;
        PlaceBall(*G, CellPos{5, 6}, 2);
        QCOMPARE(G->State.Board(5, 6), int16_t(0));
        QVERIFY(IsBlank(G->View, CellIndex(5, 6)));
    }

    // A ball placed into a cell still waiting for its burst to be wiped
    // stays: the cell drops its mark and its burst picture.
    void aBallPlacedOnABurstCellStays()
    {
        G->State.Marked(2, 2) = -1;
        DrawBurst(G->View, G->Rnd, CellIndex(2, 2));
        PlaceBall(*G, CellPos{2, 2}, 4);
        QCOMPARE(G->State.Marked(2, 2), int16_t(0));
        QVERIFY(ShowsBall(G->View, CellIndex(2, 2), 4));
    }

    // With one or two free cells the spawn places no ball at all; the game
    // ends and the preview is still redrawn with three new colours.
    void aSpawnWithTooFewCellsPlacesNothing_data()
    {
        QTest::addColumn<int>("free");
        QTest::newRow("one free cell") << 1;
        QTest::newRow("two free cells") << 2;
    }

    void aSpawnWithTooFewCellsPlacesNothing()
    {
        QFETCH(int, free);
        LeaveFree(static_cast<int16_t>(free));
        for (int16_t x = 1; x <= 9; x++)
            for (int16_t y = 1; y <= 9; y++)
                if (G->State.Board(x, y))
                    DrawBall(G->View, CellIndex(x, y), G->State.Board(x, y));
        G->State.NextColor[1] = G->State.NextColor[2] = G->State.NextColor[3] = 1;
        // One value for each pick that finds a cell, then the three colours.
        float v[5] = {};
        v[free] = v[free + 1] = 0.5f;
        v[free + 2] = 0.9999f;
        ScriptRandom(G->Rnd, v, 5);
        SpawnBalls(*G);
        QCOMPARE(CountBalls(*G), int16_t(81 - free));
        QCOMPARE(G->State.IsGameOver, int16_t(-1));
        QCOMPARE(G->Rnd.Drawn, uint64_t(free + 3));
        QCOMPARE(G->State.NextColor[3], int16_t(6));
        QVERIFY(ShowsBall(G->View, PreviewBox(3), 6));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Game Over!"));
        ClearReserved(G->State);
        QVERIFY(CheckInvariants(*G).isEmpty());
    }

    void theThreeCellsOfASpawnAreAlwaysDistinct()
    {
        Reseed(G->Rnd, 5.5f);
        for (int round = 0; round < 2000; round++) {
            LeaveFree(static_cast<int16_t>(3 + round % 6));
            ClearReserved(G->State);
            for (int16_t i = 1; i <= 3; i++)
                PickFreeCell(G->State, G->Rnd, G->State.NewPos[i]);
            const CellPos *p = G->State.NewPos;
            QVERIFY(!(p[1].x == p[2].x && p[1].y == p[2].y));
            QVERIFY(!(p[1].x == p[3].x && p[1].y == p[3].y));
            QVERIFY(!(p[2].x == p[3].x && p[2].y == p[3].y));
            for (int16_t i = 1; i <= 3; i++)
                QCOMPARE(G->State.Board(p[i].x, p[i].y), int16_t(0));
        }
    }
};

QTEST_APPLESS_MAIN(TestSpawn)
#include "test_spawn.moc"
