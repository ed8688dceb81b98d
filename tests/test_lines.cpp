// Finding lines, scoring them, and the streak and multi-line bonuses.
#include "fixture.h"

#include "game/check.h"
#include "rules/lines.h"

#include <QTest>

class TestLines : public GameTest {
    Q_OBJECT

    int16_t MarkedCount()
    {
        int16_t n = 0;
        for (int16_t x = 1; x <= 9; x++)
            for (int16_t y = 1; y <= 9; y++)
                n += G->State.Marked(x, y) == -1;
        return n;
    }

  private slots:
    // Boards for FindLines alone, from a zero score: the lines it finds, the
    // score, and how many balls it marks, all of them balls of the lines.
    void eachLineOfFiveOrMoreScoresAndMarksItsBalls_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("marked");
        const QString e(9, QLatin1Char('.'));
        QTest::newRow("an empty board") << QStringList(9, e) << 0 << 0 << 0;
        QTest::newRow("four in a row, or nine empty cells")
            << QStringList{"1111.....", "22223....", e, "3333.3333", e, e, e, e, e} << 0 << 0 << 0;
        QTest::newRow("four, another colour, four")
            << QStringList{"111121111", "222212222", e, e, e, e, e, e, e} << 0 << 0 << 0;
        QTest::newRow("five at either edge or in the middle")
            << QStringList{"33333....", e, "..44444..", e, "....55555", e, e, e, e} << 3 << 9 << 15;
        QTest::newRow("nine in a column") << QStringList(9, QStringLiteral("....6....")) << 1 << 7 << 9;
        // Down-right from (5, 1) to (9, 5) and down-left from (5, 1) to (1, 5).
        QTest::newRow("both diagonals from the top edge")
            << QStringList{"....2....", "...2.2...", "..2...2..", ".2.....2.", "2.......2", e, e, e, e} << 2 << 6 << 9;
        // Eight 4s run up the other diagonal, broken by the 1 in the centre.
        QTest::newRow("long diagonals through the corners")
            << QStringList{"1.......4", ".1.....4.", "..1...4..", "...1.4...", "....1....",
                           "...4.1...", "..4...1..", ".4.....1.", "4.......1"}
            << 1 << 7 << 9;
        // Diagonals starting on the left edge and on the right edge.
        QTest::newRow("every line loaded once")
            << QStringList{e, e, e, "5........", ".5......3", "..5....3.", "...5..3..", "....53...", "....3...."} << 2
            << 6 << 10;
    }
    void eachLineOfFiveOrMoreScoresAndMarksItsBalls()
    {
        QFETCH(QStringList, board);
        QFETCH(int, lines);
        QFETCH(int, score);
        QFETCH(int, marked);
        SetBoard(*G, board);
        FindLines(G->State);
        QCOMPARE(G->State.RunsScored, int16_t(lines));
        QCOMPARE(G->State.Score, int16_t(score));
        QCOMPARE(MarkedCount(), int16_t(marked));
        for (int16_t x = 1; x <= BoardSize; x++)
            for (int16_t y = 1; y <= BoardSize; y++)
                QVERIFY(G->State.Marked(x, y) == 0 || G->State.Board(x, y) != Empty);
    }

    void theLoadersStopAtTheEdges()
    {
        LoadDiagonal(G->State, 3, 1);
        QCOMPARE(G->State.LineLen, int16_t(7));
        QCOMPARE(QPoint(G->State.LineCells[7].x, G->State.LineCells[7].y), QPoint(9, 7));
        LoadAntiDiagonal(G->State, 9, 6);
        QCOMPARE(G->State.LineLen, int16_t(4));
        QCOMPARE(QPoint(G->State.LineCells[4].x, G->State.LineCells[4].y), QPoint(6, 9));
        LoadDiagonal(G->State, 9, 9);
        QCOMPARE(G->State.LineLen, int16_t(1));
    }

    void splitRunsCutsAtEveryChange()
    {
        SetBoard(*G, {"..1112..."});
        LoadRow(G->State, 1);
        SplitRuns(G->State);
        QCOMPARE(G->State.RunCount, int16_t(4));
        // Two empty, then three 1s from column 3; the last run three long, and none after it.
        const auto *r = G->State.Runs;
        QCOMPARE((QList<int16_t>{r[1].Value, r[1].Length, r[2].Value, r[2].Length, r[2].Cells[1].x, r[4].Length,
                                 r[5].Length}),
                 (QList<int16_t>{0, 2, 1, 3, 3, 3, 0}));
    }

    // A row of five and a column of five sharing a ball: both score in full
    // and count twice, the shared cell is marked once. With no streak
    // before: B = 6, L = 2, S = 1, so the score rises by 12, "Bonus!!!".
    void crossingLinesScoreTwiceAndMarkOnce()
    {
        SetBoard(*G, {"..4......", "..4......", "44444....", "..4......", "..4......"});
        CheckLines(*G);
        QCOMPARE(G->State.RunsScored, int16_t(2));
        QCOMPARE(MarkedCount(), int16_t(9));
        QCOMPARE(G->State.Score, int16_t(12));
        QCOMPARE(G->State.Streak, int16_t(1));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("12"));
        QCOMPARE(CountBalls(*G), int16_t(0)); // removed at once
        QCOMPARE(G->State.ClearPending, int16_t(-1));
        QCOMPARE(G->Rnd.Drawn, uint64_t(9 * 500));
    }

    // Three clearing moves in a row: +3, then +4 with "Bonus!!!", then a
    // line of six with +6; a move that clears nothing resets the streak.
    void theStreakBonusGrowsWithEveryClearingCheck()
    {
        SetBoard(*G, {"11111...."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(3));
        QCOMPARE(G->View.MessageCaption, QString());
        SetBoard(*G, {"11111...."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(7));
        QCOMPARE(G->State.Streak, int16_t(2));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
        SetLabel2(G->View, QString());
        SetBoard(*G, {"222222..."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(13));
        QCOMPARE(G->State.Streak, int16_t(3));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
        SetLabel2(G->View, QString());
        SetBoard(*G, {"2........"});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(13));
        QCOMPARE(G->State.Streak, int16_t(0));
        QCOMPARE(G->View.MessageCaption, QString());
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("13"));
    }

    // A line of six crossing a line of five with a streak of 2 before:
    // B = 7, S = 3, L = 2, so (7 + 3 - 1) * 2 = 18.
    void aCrossingWithAStreakScoresEighteen()
    {
        G->State.Streak = 2;
        G->State.Score = 100;
        SetBoard(*G, {"5........", "5........", "555555...", "5........", "5........"});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(118));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
    }

    // The score never wraps: every raising step holds at 32767.
    void theScoreSaturates()
    {
        G->State.Score = 32760;
        G->State.Streak = 4;
        SetBoard(*G, {"..4......", "..4......", "44444....", "..4......", "..4......"});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(32767));
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("32767"));
        SetBoard(*G, {"66666...."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(32767));
    }
};

QTEST_APPLESS_MAIN(TestLines)
#include "test_lines.moc"
