// The ball supply, driven by scripted random values where the outcome is
// fixed, and by a seeded generator for the distributions.
#include "helpers.h"

#include "game/spawn.h"
#include "game/turn.h"
#include "rules/supply.h"
#include "screen/draw.h"

#include <QTest>

class TestSupply : public QObject {
    Q_OBJECT

    Game *G = nullptr;

    // Fills the board but for the first n cells in traversal order (column 1
    // from the top, then column 2, ...), with no five alike in a line.
    void LeaveFree(int16_t n)
    {
        for (int16_t x = 1; x <= 9; x++)
            for (int16_t y = 1; y <= 9; y++)
                G->State.Board(x, y) = n-- > 0 ? 0 : static_cast<int16_t>((x + 2 * y) % 6 + 1);
    }

    CellPos Pick()
    {
        CellPos p{77, 77};
        PickNewCell(*G, p);
        return p;
    }

  private slots:
    void init()
    {
        G = new Game;
        InitTestGame(*G);
    }
    void cleanup() { delete G; }

    // 0.5 * 5 = 2.5 rounds to 2; 0.1f * 5 is exactly 0.5 in single precision
    // and rounds to 0, where a double product would give colour 2.
    void randomColorRoundsSinglePrecisionHalvesToEven()
    {
        const float v[] = {0.5f, 0.0f, 0.9999999f, 0.1f, 0.3f, 0.7f};
        const int16_t want[] = {3, 1, 6, 1, 3, 5};
        ScriptRandom(G->Rnd, v, 6);
        for (int16_t w : want) {
            int16_t c = 0;
            RandomColor(G->Rnd, c);
            QCOMPARE(c, w);
        }
        QCOMPARE(G->Rnd.Drawn, uint64_t(6));
    }

    // Colours 1 and 6 one time in ten, the others one in five; a plain
    // round-half-up or truncation would fail these bounds.
    void randomColorDistribution()
    {
        Reseed(G->Rnd, 777.125f);
        int count[7] = {};
        const int n = 200000;
        for (int i = 0; i < n; i++) {
            int16_t c = 0;
            RandomColor(G->Rnd, c);
            QVERIFY(c >= 1 && c <= 6);
            count[c]++;
        }
        for (int c = 1; c <= 6; c++) {
            double want = (c == 1 || c == 6) ? 0.1 : 0.2;
            QVERIFY2(std::abs(count[c] / double(n) - want) < 0.005, qPrintable(QString::number(c)));
        }
    }

    // With five free cells, 0.125, 0.375, 0.625 and 0.875 give the products
    // 0.5, 1.5, 2.5, 3.5, so entries 1, 3, 3 and 5.
    void fiveFreeCellsTakeEntriesOneThreeThreeFive()
    {
        const float v[] = {0.125f, 0.375f, 0.625f, 0.875f};
        const int16_t want[] = {1, 3, 3, 5};
        for (int i = 0; i < 4; i++) {
            LeaveFree(5);
            ClearReserved(G->State);
            ScriptRandom(G->Rnd, v + i, 1);
            CellPos p = Pick();
            QCOMPARE(p.x, int16_t(1));
            QCOMPARE(p.y, want[i]);
            QCOMPARE(G->State.Reserved(1, want[i]), int16_t(-1));
        }
    }

    void pickFollowsTraversalOrderAndSkipsReservedCells()
    {
        LeaveFree(0);
        G->State.Board(3, 2) = 0;
        G->State.Board(2, 7) = 0;
        G->State.Board(5, 1) = 0;
        G->State.Reserved(2, 7) = -1;
        const float v[] = {0.0f, 0.9999f};
        ScriptRandom(G->Rnd, v, 2);
        CellPos first = Pick();
        QCOMPARE(first.x, int16_t(3));
        QCOMPARE(first.y, int16_t(2));
        CellPos last = Pick();
        QCOMPARE(last.x, int16_t(5));
        QCOMPARE(last.y, int16_t(1));
    }

    void oneFreeCellIsTakenAndStillCostsAValue()
    {
        LeaveFree(0);
        G->State.Board(6, 4) = 0;
        CellPos p = Pick();
        QCOMPARE(p.x, int16_t(6));
        QCOMPARE(p.y, int16_t(4));
        QCOMPARE(G->Rnd.Drawn, uint64_t(1));
        QCOMPARE(G->State.IsGameOver, int16_t(0));
    }

    void noFreeCellEndsTheGameWithoutAValue()
    {
        LeaveFree(0);
        CellPos p = Pick();
        QCOMPARE(p.x, int16_t(77));
        QCOMPARE(p.y, int16_t(77));
        QCOMPARE(G->Rnd.Drawn, uint64_t(0));
        QCOMPARE(G->State.IsGameOver, int16_t(-1));
        QCOMPARE(G->View.Label2, QStringLiteral("Game Over!"));
        QVERIFY(!G->View.Boxes[0].Visible);
        // Once over, a pick searches nothing, even with cells free.
        G->State.Board(1, 1) = 0;
        SetLabel2(G->View, QString());
        p = Pick();
        QCOMPARE(p.x, int16_t(77));
        QCOMPARE(G->Rnd.Drawn, uint64_t(0));
        QCOMPARE(G->View.Label2, QStringLiteral("Game Over!"));
    }

    // Entries 1 and n come half as often as the others.
    void pickDistributionHasUnevenEnds()
    {
        Reseed(G->Rnd, 31.75f);
        int count[6] = {};
        const int n = 160000;
        for (int i = 0; i < n; i++) {
            LeaveFree(5);
            ClearReserved(G->State);
            count[Pick().y]++;
        }
        const double want[6] = {0, 0.125, 0.25, 0.25, 0.25, 0.125};
        for (int k = 1; k <= 5; k++)
            QVERIFY2(std::abs(count[k] / double(n) - want[k]) < 0.006, qPrintable(QString::number(k)));
    }

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

    void checkBoardFullOnlyEverSetsTheFlag()
    {
        LeaveFree(1);
        CheckBoardFull(G->State);
        QCOMPARE(G->State.IsGameOver, int16_t(0));
        G->State.Reserved(1, 1) = -1; // reserved cells still count as empty
        CheckBoardFull(G->State);
        QCOMPARE(G->State.IsGameOver, int16_t(0));
        G->State.IsGameOver = -1;
        CheckBoardFull(G->State);
        QCOMPARE(G->State.IsGameOver, int16_t(-1));
        G->State.IsGameOver = 0;
        G->State.Board(1, 1) = 2;
        CheckBoardFull(G->State);
        QCOMPARE(G->State.IsGameOver, int16_t(-1));
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
        QCOMPARE(G->View.Label2, QStringLiteral("Game Over!"));
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

QTEST_APPLESS_MAIN(TestSupply)
#include "test_supply.moc"
