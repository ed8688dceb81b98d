// The answers to the question keys, read from the game as it stands.
#include "helpers.h"
#include "window_helpers.h"

#include "game/newgame.h"
#include "ui/access/answers.h"

#include <QTest>

#include <algorithm>

class TestAnswers : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // The answers to the question keys, word for word, on one board: a
    // corner's one-cell diagonal, a colour with no ball, a full row; and a
    // list of places in French.
    void questionsAreAnsweredFromTheBoard()
    {
        Game g;
        InitTestGame(g);
        Form_Load(g);
        SetBoard(g, {"........1", ".........", "..11.....", ".........", ".........", ".........", "3........",
                     ".........", "123451234"});
        g.State.Score = 12;
        const int16_t next[4] = {0, 1, 2, 3};
        std::copy(next, next + 4, g.State.NextColor);
        QCOMPARE(BallsOf(g, 1), QStringLiteral("Red balls: row 1, column 9; row 3, column 3; row 3, column 4; "
                                               "row 9, column 1; row 9, column 6."));
        QCOMPARE(BallsOf(g, 6), QStringLiteral("No magenta balls."));
        QCOMPARE(LinesThrough(g, CellIndex(5, 3)),
                 QStringLiteral("Row 3: 2 empty, 2 red, 5 empty. Column 5: 8 empty, 1 cyan. Diagonal down from row 1, column "
                                "3: 7 empty. Diagonal up from row 7, column 1: 1 yellow, 6 empty."));
        QCOMPARE(LinesThrough(g, CellIndex(9, 1)),
                 QStringLiteral("Row 1: 8 empty, 1 red. Column 9: 1 red, 7 empty, 1 green. Diagonal down from row 1, column "
                                "9: 1 red. Diagonal up from row 9, column 1: 1 red, 7 empty, 1 red."));
        QCOMPARE(LinesThrough(g, CellIndex(5, 9)),
                 QStringLiteral("Row 9: 1 red, 1 orange, 1 yellow, 1 green, 1 cyan, 1 red, 1 orange, 1 yellow, 1 "
                                "green. Column 5: 8 empty, 1 cyan. Diagonal down from row 5, column 1: 4 empty, 1 cyan. "
                                "Diagonal up from row 9, column 5: 1 cyan, 4 empty."));
        QCOMPARE(GameSummary(g), QStringLiteral("Score 12. 68 free cells. Next: red, orange, yellow."));
        UseLanguage("fr"); // its places joined as French writes them, a no-break space before the semicolon
        const QString orange = BallsOf(g, 2);
        UseLanguage("en");
        QCOMPARE(orange, QStringLiteral("Boules orange\u00a0: ligne 9, colonne 2\u00a0; ligne 9, colonne 7."));
    }
};

QTEST_MAIN(TestAnswers)
#include "test_answers.moc"
