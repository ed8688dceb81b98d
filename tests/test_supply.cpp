// The ball supply, driven by scripted random values where the outcome is
// fixed, and by a seeded generator for the distributions.
#include "fixture.h"

#include "game/spawn.h"
#include "game/turn.h"
#include "rules/supply.h"
#include "screen/draw.h"

#include <QTest>

class TestSupply : public GameTest {
    Q_OBJECT

    // The cell picked, as x and y; (77, 77) where none is.
    QPoint Pick()
    {
        CellPos p{77, 77};
        PickNewCell(*G, p);
        return {p.x, p.y};
    }

  private slots:
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
            QCOMPARE(Pick(), QPoint(1, want[i]));
            QCOMPARE(G->State.Reserved(1, want[i]), int16_t(-1));
        }
    }

    void pickFollowsTraversalOrderAndSkipsReservedCells()
    {
        LeaveFree(0);
        G->State.Board(3, 2) = G->State.Board(2, 7) = G->State.Board(5, 1) = 0;
        G->State.Reserved(2, 7) = -1;
        const float v[] = {0.0f, 0.9999f};
        ScriptRandom(G->Rnd, v, 2);
        QCOMPARE(Pick(), QPoint(3, 2)); // the first
        QCOMPARE(Pick(), QPoint(5, 1)); // the last
    }

    void oneFreeCellIsTakenAndStillCostsAValue()
    {
        LeaveFree(0);
        G->State.Board(6, 4) = 0;
        QCOMPARE(Pick(), QPoint(6, 4));
        QCOMPARE(G->Rnd.Drawn, uint64_t(1));
        QCOMPARE(G->State.IsGameOver, int16_t(0));
    }

    void noFreeCellEndsTheGameWithoutAValue()
    {
        LeaveFree(0);
        QCOMPARE(Pick(), QPoint(77, 77));
        QCOMPARE(G->Rnd.Drawn, uint64_t(0));
        QCOMPARE(G->State.IsGameOver, int16_t(-1));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Game Over!"));
        QVERIFY(!G->View.Boxes[0].Visible);
        // Once over, a pick searches nothing, even with cells free.
        G->State.Board(1, 1) = 0;
        SetLabel2(G->View, QString());
        QCOMPARE(Pick(), QPoint(77, 77));
        QCOMPARE(G->Rnd.Drawn, uint64_t(0));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Game Over!"));
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
            count[Pick().y()]++;
        }
        const double want[6] = {0, 0.125, 0.25, 0.25, 0.25, 0.125};
        for (int k = 1; k <= 5; k++)
            QVERIFY2(std::abs(count[k] / double(n) - want[k]) < 0.006, qPrintable(QString::number(k)));
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
};

QTEST_APPLESS_MAIN(TestSupply)
#include "test_supply.moc"
