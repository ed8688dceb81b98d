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
    // Boards, and searches on them: from x, y to x, y, and the answer.
    void onlyStepsAcrossAndUpOrDownThroughEmptyCellsLeadAnywhere_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QList<int>>("searches");
        const QString e(9, QLatin1Char('.'));
        QTest::newRow("the neighbour cell")
            << QStringList{e, "....1....", e, e, e, e, e, e, e} << QList<int>{5, 2, 6, 2, -1, 5, 2, 5, 1, -1};
        QTest::newRow("a ball walled in")
            << QStringList{e, "....2....", "...212...", "....2....", e, "1........", "2........", e, e}
            << QList<int>{5, 3, 1, 1, 0};
        QTest::newRow("a ball walled in on the edge")
            << QStringList{"23.......", "4........", e, e, e, e, e, e, e} << QList<int>{1, 1, 9, 9, 0};
        QTest::newRow("an empty target walled in")
            << QStringList{e, e, e, "......3..", ".....3.3.", "......3..", e, e, "1........"}
            << QList<int>{1, 9, 7, 5, 0, 1, 9, 9, 1, -1};
        // Up from the bottom right, then left, then down: steps the scan order
        // only takes one pass at a time.
        QTest::newRow("a route that winds left and up")
            << QStringList{e,           ".4444444.", ".4.....4.", ".4.444.4.", ".4.4.4.4.",
                           ".4.4...4.", ".4.44444.", ".4.......", ".444444441"}
            << QList<int>{9, 9, 5, 5, -1, 9, 9, 1, 9, -1};
        QTest::newRow("a diagonal gap") << QStringList{".5.......", "5........", e, e, e, e, e, e, "........6"}
                                        << QList<int>{9, 9, 1, 1, 0};
        QTest::newRow("the start itself")
            << QStringList{"2........", e, e, e, e, e, e, e, e} << QList<int>{1, 1, 1, 1, -1};
        QTest::newRow("a target holding a ball")
            << QStringList{"23.......", e, e, e, e, e, e, e, e} << QList<int>{1, 1, 2, 1, 0};
    }
    void onlyStepsAcrossAndUpOrDownThroughEmptyCellsLeadAnywhere()
    {
        QFETCH(QStringList, board);
        QFETCH(QList<int>, searches);
        SetBoard(*G, board);
        for (qsizetype i = 0; i + 4 < searches.size(); i += 5)
            QCOMPARE(Search(int16_t(searches[i]), int16_t(searches[i + 1]), int16_t(searches[i + 2]),
                            int16_t(searches[i + 3])),
                     int16_t(searches[i + 4]));
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
