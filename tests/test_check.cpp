// The check after a move or a spawn: its bursts, in the board's order.
#include "fixture.h"

#include "game/check.h"

#include <QTest>

class TestCheck : public GameTest {
    Q_OBJECT

  private slots:
    void burstWithNothingMarkedDrawsNothingAndTakesNoValue()
    {
        BurstMarkedCells(*G);
        QCOMPARE(G->Rnd.Drawn, uint64_t(0));
        for (int16_t b = 0; b <= 80; b++)
            QVERIFY(IsBlank(G->View, b));
    }

    // Column by column: (1, 2) bursts before (2, 1), whatever the box order.
    void markedCellsBurstColumnByColumn()
    {
        G->State.Marked(2, 1) = -1;
        G->State.Marked(1, 2) = -1;
        float v[1000] = {};
        for (int i = 2; i < 500; i += 5)
            v[i] = 0.5f; // first burst red 128
        for (int i = 502; i < 1000; i += 5)
            v[i + 1] = 0.5f; // second burst green 128
        ScriptRandom(G->Rnd, v, 1000);
        BurstMarkedCells(*G);
        QCOMPARE(G->Rnd.Drawn, uint64_t(1000));
        QCOMPARE(G->View.Boxes[CellIndex(1, 2)].Image.pixel(15, 15), qRgb(128, 0, 0));
        QCOMPARE(G->View.Boxes[CellIndex(2, 1)].Image.pixel(15, 15), qRgb(0, 128, 0));
    }
};

QTEST_APPLESS_MAIN(TestCheck)
#include "test_check.moc"
