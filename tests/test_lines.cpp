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

    // Runs FindLines alone from a zero score and reports the lines found.
    int16_t Find(std::initializer_list<const char *> rows)
    {
        SetBoard(*G, rows);
        G->State.Score = 0;
        G->State.RunsScored = 0;
        FindLines(G->State);
        return G->State.RunsScored;
    }

  private slots:
    void nothingToFind()
    {
        QCOMPARE(Find({".........", ".........", ".........", ".........", ".........", ".........", ".........",
                       ".........", "........."}),
                 int16_t(0));
        // Four in a row is no line, nor is a row of nine empty cells.
        QCOMPARE(Find({"1111.....", "22223....", ".........", "3333.3333", ".........", ".........", ".........",
                       ".........", "........."}),
                 int16_t(0));
        // Five broken by another colour: 4 + 1 other + 4 is no line.
        QCOMPARE(Find({"111121111", "222212222", ".........", ".........", ".........", ".........", ".........",
                       ".........", "........."}),
                 int16_t(0));
        QCOMPARE(MarkedCount(), int16_t(0));
        QCOMPARE(G->State.Score, int16_t(0));
    }

    void fiveAtEitherEdgeOrInTheMiddleScoreThreeEach()
    {
        QCOMPARE(Find({"33333....", ".........", "..44444..", ".........", "....55555", ".........", ".........",
                       ".........", "........."}),
                 int16_t(3));
        QCOMPARE(G->State.Score, int16_t(9));
        QCOMPARE(MarkedCount(), int16_t(15));
        QCOMPARE(G->State.Marked(5, 5), int16_t(-1));
        QCOMPARE(G->State.Marked(4, 5), int16_t(0));
    }

    void nineInAColumnScoreSeven()
    {
        QCOMPARE(Find({"....6....", "....6....", "....6....", "....6....", "....6....", "....6....", "....6....",
                       "....6....", "....6...."}),
                 int16_t(1));
        QCOMPARE(G->State.Score, int16_t(7));
        QCOMPARE(MarkedCount(), int16_t(9));
    }

    void bothDiagonalsFromTheTopEdge()
    {
        // Down-right from (5, 1) to (9, 5) and down-left from (5, 1) to (1, 5).
        QCOMPARE(Find({"....2....", "...2.2...", "..2...2..", ".2.....2.", "2.......2", ".........", ".........",
                       ".........", "........."}),
                 int16_t(2));
        QCOMPARE(G->State.Score, int16_t(6));
        QCOMPARE(MarkedCount(), int16_t(9));
    }

    void longDiagonalsThroughTheCorners()
    {
        QCOMPARE(Find({"1.......4", ".1.....4.", "..1...4..", "...1.4...", "....1....", "...4.1...", "..4...1..",
                       ".4.....1.", "4.......1"}),
                 int16_t(1));
        QCOMPARE(G->State.Score, int16_t(7));
        // Eight 4s run up the other diagonal, broken by the 1 in the centre.
        QCOMPARE(MarkedCount(), int16_t(9));
    }

    void everyLineIsLoadedOnce()
    {
        // Diagonals starting on the left edge and on the right edge.
        QCOMPARE(Find({".........", ".........", ".........", "5........", ".5......3", "..5....3.", "...5..3..",
                       "....53...", "....3...."}),
                 int16_t(2));
        QCOMPARE(G->State.Score, int16_t(6));
    }

    void theLoadersStopAtTheEdges()
    {
        LoadDiagonal(G->State, 3, 1);
        QCOMPARE(G->State.LineLen, int16_t(7));
        QCOMPARE(G->State.LineCells[7].x, int16_t(9));
        QCOMPARE(G->State.LineCells[7].y, int16_t(7));
        LoadAntiDiagonal(G->State, 9, 6);
        QCOMPARE(G->State.LineLen, int16_t(4));
        QCOMPARE(G->State.LineCells[4].x, int16_t(6));
        QCOMPARE(G->State.LineCells[4].y, int16_t(9));
        LoadDiagonal(G->State, 9, 9);
        QCOMPARE(G->State.LineLen, int16_t(1));
    }

    void splitRunsCutsAtEveryChange()
    {
        SetBoard(*G, {"..1112...", ".........", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........."});
        LoadRow(G->State, 1);
        SplitRuns(G->State);
        QCOMPARE(G->State.RunCount, int16_t(4));
        QCOMPARE(G->State.Runs[1].Value, int16_t(0));
        QCOMPARE(G->State.Runs[1].Length, int16_t(2));
        QCOMPARE(G->State.Runs[2].Value, int16_t(1));
        QCOMPARE(G->State.Runs[2].Length, int16_t(3));
        QCOMPARE(G->State.Runs[2].Cells[1].x, int16_t(3));
        QCOMPARE(G->State.Runs[4].Length, int16_t(3));
        QCOMPARE(G->State.Runs[5].Length, int16_t(0));
    }

    // A row of five and a column of five sharing a ball: both score in full
    // and count twice, the shared cell is marked once. With no streak
    // before: B = 6, L = 2, S = 1, so the score rises by 12, "Bonus!!!".
    void crossingLinesScoreTwiceAndMarkOnce()
    {
        SetBoard(*G, {"..4......", "..4......", "44444....", "..4......", "..4......", ".........", ".........",
                      ".........", "........."});
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
        const char *five[] = {"11111....", ".........", ".........", ".........", ".........",
                              ".........", ".........", ".........", "........."};
        SetBoard(*G, {five[0], five[1], five[2], five[3], five[4], five[5], five[6], five[7], five[8]});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(3));
        QCOMPARE(G->View.MessageCaption, QString());
        SetBoard(*G, {five[0], five[1], five[2], five[3], five[4], five[5], five[6], five[7], five[8]});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(7));
        QCOMPARE(G->State.Streak, int16_t(2));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
        SetLabel2(G->View, QString());
        SetBoard(*G, {"222222...", five[1], five[2], five[3], five[4], five[5], five[6], five[7], five[8]});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(13));
        QCOMPARE(G->State.Streak, int16_t(3));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
        SetLabel2(G->View, QString());
        SetBoard(*G, {"2........", five[1], five[2], five[3], five[4], five[5], five[6], five[7], five[8]});
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
        SetBoard(*G, {"5........", "5........", "555555...", "5........", "5........", ".........", ".........",
                      ".........", "........."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(118));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Bonus!!!"));
    }

    // The score never wraps: every raising step holds at 32767.
    void theScoreSaturates()
    {
        G->State.Score = 32760;
        G->State.Streak = 4;
        SetBoard(*G, {"..4......", "..4......", "44444....", "..4......", "..4......", ".........", ".........",
                      ".........", "........."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(32767));
        QCOMPARE(G->View.ScoreCaption, QStringLiteral("32767"));
        SetBoard(*G, {"66666....", ".........", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........."});
        CheckLines(*G);
        QCOMPARE(G->State.Score, int16_t(32767));
    }
};

QTEST_APPLESS_MAIN(TestLines)
#include "test_lines.moc"
