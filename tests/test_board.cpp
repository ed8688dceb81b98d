// Cell addressing, the grid layout and the fresh game record.
#include "helpers.h"

#include <QTest>
#include <cstring>

class TestBoard : public QObject {
    Q_OBJECT
  private slots:
    void addressingGoesBothWaysForEveryIndex()
    {
        for (int16_t i = 0; i <= 80; i++) {
            int16_t x = 0, y = 0;
            CellXY(i, x, y);
            QCOMPARE(x, static_cast<int16_t>(i % 9 + 1));
            QCOMPARE(y, static_cast<int16_t>(i / 9 + 1));
            QCOMPARE(CellIndex(x, y), i);
        }
    }

    void addressingNamesTheCornersAndCentre_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("index");
        QTest::newRow("top-left") << 1 << 1 << 0;
        QTest::newRow("top-right") << 9 << 1 << 8;
        QTest::newRow("second row") << 1 << 2 << 9;
        QTest::newRow("centre") << 5 << 5 << 40;
        QTest::newRow("bottom-left") << 1 << 9 << 72;
        QTest::newRow("bottom-right") << 9 << 9 << 80;
    }
    void addressingNamesTheCornersAndCentre()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, index);
        QCOMPARE(CellIndex(x, y), index);
    }

    void gridElementXYLivesAtXPlusElevenY()
    {
        Grid g{};
        g(3, 7) = 5;
        QCOMPARE(g.Cell[3 + 11 * 7], int16_t(5));
        FillGrid(g, -1);
        QCOMPARE(g(0, 5), int16_t(0));
        QCOMPARE(g(10, 10), int16_t(0));
        QCOMPARE(g(1, 9), int16_t(-1));
    }

    // Every field, grid and buffer of a new record is zero, outer rings too.
    void freshRecordIsZeroEverywhere()
    {
        auto *g = new Game;
        std::memset(static_cast<void *>(&g->State), 0x5A, sizeof g->State);
        InitGame(*g);
        const auto *bytes = reinterpret_cast<const unsigned char *>(&g->State);
        for (size_t i = 0; i < sizeof g->State; i++)
            QCOMPARE(int(bytes[i]), 0);
        QVERIFY(CheckInvariants(*g).isEmpty());
        delete g;
    }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "test_board.moc"
