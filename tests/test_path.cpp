// The path search: only horizontal and vertical steps through empty cells,
// and the board exactly as before after every call.
#include "fixture.h"

#include "rules/path.h"

#include <QTest>

class TestPath : public GameTest {
    Q_OBJECT

    // Runs the search and checks that it left the board untouched.
    int16_t Search(int16_t fx, int16_t fy, int16_t tx, int16_t ty)
    {
        Grid before = G->State.Board;
        int16_t found = 7;
        FindPath(G->State.Board, fx, fy, tx, ty, found);
        if (std::memcmp(&before, &G->State.Board, sizeof before) != 0)
            qFatal("FindPath changed the board");
        return found;
    }

  private slots:
    void reachesTheNeighbourCell()
    {
        SetBoard(*G, {".........", "....1....", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........."});
        QCOMPARE(Search(5, 2, 6, 2), int16_t(-1));
        QCOMPARE(Search(5, 2, 5, 1), int16_t(-1));
    }

    void aBallWalledInGoesNowhere()
    {
        SetBoard(*G, {".........", "....2....", "...212...", "....2....", ".........", "1........", "2........",
                      ".........", "........."});
        QCOMPARE(Search(5, 3, 1, 1), int16_t(0));
        // On the edge, with balls on its other sides.
        SetBoard(*G, {"23.......", "4........", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........."});
        QCOMPARE(Search(1, 1, 9, 9), int16_t(0));
    }

    void anEmptyTargetWalledInIsUnreachable()
    {
        SetBoard(*G, {".........", ".........", ".........", "......3..", ".....3.3.", "......3..", ".........",
                      ".........", "1........"});
        QCOMPARE(Search(1, 9, 7, 5), int16_t(0));
        QCOMPARE(Search(1, 9, 9, 1), int16_t(-1));
    }

    // The route must go up from the bottom right, then left, then down: steps
    // the scan order only takes one pass at a time.
    void findsARouteThatWindsLeftAndUp()
    {
        SetBoard(*G, {".........", ".4444444.", ".4.....4.", ".4.444.4.", ".4.4.4.4.", ".4.4...4.", ".4.44444.",
                      ".4.......", ".444444441"});
        QCOMPARE(Search(9, 9, 5, 5), int16_t(-1));
        QCOMPARE(Search(9, 9, 1, 9), int16_t(-1));
    }

    void aDiagonalGapIsNoPath()
    {
        SetBoard(*G, {".5.......", "5........", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........6"});
        QCOMPARE(Search(9, 9, 1, 1), int16_t(0));
    }

    void startEqualToTargetIsFound()
    {
        SetBoard(*G, {"2........", ".........", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........."});
        QCOMPARE(Search(1, 1, 1, 1), int16_t(-1));
    }

    void aTargetHoldingABallIsNotFound()
    {
        SetBoard(*G, {"23.......", ".........", ".........", ".........", ".........", ".........", ".........",
                      ".........", "........."});
        QCOMPARE(Search(1, 1, 2, 1), int16_t(0));
    }

    void aFullBoardButOneCellStillWorks()
    {
        for (int16_t x = 1; x <= 9; x++)
            for (int16_t y = 1; y <= 9; y++)
                G->State.Board(x, y) = static_cast<int16_t>((x + y) % 6 + 1);
        G->State.Board(9, 9) = 0;
        QCOMPARE(Search(9, 8, 9, 9), int16_t(-1));
        QCOMPARE(Search(1, 1, 9, 9), int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestPath)
#include "test_path.moc"
