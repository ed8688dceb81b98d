// What a screen reader is told after each press, from the game's record.
#include "helpers.h"
#include "window_helpers.h"

#include "game/newgame.h"
#include "game/turn.h"
#include "ui/access/account.h"

#include <QTest>

class TestAccount : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // What a reader hears after each press of a scripted turn. Boards are
    // rows top to bottom; presses are box indices, -1 the smile.
    void eachPressIsToldInOneShortText_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QList<int>>("next");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("message"); // what the game itself says at the end
        const QString empty(9, QLatin1Char('.'));
        QStringList lone(9, empty);
        lone[0] = QStringLiteral("1........");
        // The first free cells in column order take the new balls.
        QTest::newRow("a move and its spawn")
            << lone << QList<int>{4, 5, 6} << QList<float>{0, 0, 0, 0, 0.2f, 0.4f} << QList<int>{0, 40}
            << QStringList{QStringLiteral("Red ball picked up at row 1, column 1."),
                           QStringLiteral("Red ball to row 5, column 5. New balls: green at row 1, column 1; cyan at "
                                          "row 2, column 1; magenta at row 3, column 1. Next: red, orange, yellow.")}
            << QString();
        QStringList line(9, empty);
        line[0] = QStringLiteral("3333.....");
        line[3] = QStringLiteral("....3....");
        QTest::newRow("a line cleared")
            << line << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{31, 4}
            << QStringList{QStringLiteral("Yellow ball picked up at row 4, column 5."),
                           QStringLiteral("Yellow ball to row 1, column 5. Cleared 5 yellow. Score 3.")}
            << QString();
        QStringList cross(9, empty);
        cross[0] = QStringLiteral("1111....1");
        for (int y = 1; y <= 4; y++)
            cross[y] = QStringLiteral("....1....");
        QTest::newRow("two lines at once, a bonus")
            << cross << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{8, 4}
            << QStringList{QStringLiteral("Red ball picked up at row 1, column 9."),
                           QStringLiteral("Red ball to row 1, column 5. Cleared 9 red. Score 12.")}
            << QStringLiteral("Bonus!!!");
        QStringList walled(9, empty);
        walled[0] = QStringLiteral(".1.......");
        walled[1] = QStringLiteral("1........");
        walled[4] = QStringLiteral("....2....");
        QTest::newRow("a refused move says nothing of its own")
            << walled << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{40, 0, 0}
            << QStringList{QStringLiteral("Orange ball picked up at row 5, column 5."), QString(), QString()}
            << QStringLiteral("No Way!!!");
        QStringList full = FullBoard();
        QTest::newRow("the board fills")
            << full << QList<int>{6, 5, 6} << QList<float>{0, 0, 0, 0, 0, 0} << QList<int>{9, 0}
            << QStringList{QStringLiteral("Magenta ball picked up at row 2, column 1."),
                           QStringLiteral("Magenta ball to row 1, column 1. New balls: magenta at row 2, column 1; "
                                          "cyan at row 1, column 2; magenta at row 1, column 3. Next: red, red, red.")}
            << QStringLiteral("Game Over!");
        // Two free cells: the spawn picks two and finds no third, the game
        // ends and no ball is placed. Its cells before the picks are an
        // earlier turn's, and one holds a green ball (row 5, column 5): it
        // is no new ball.
        full[0].replace(2, 1, QLatin1Char('6'));
        QTest::newRow("a spawn that ends the game places nothing")
            << full << QList<int>{6, 5, 4} << QList<float>{0, 0, 0, 0, 0} << QList<int>{9, 0}
            << QStringList{QStringLiteral("Magenta ball picked up at row 2, column 1."),
                           QStringLiteral("Magenta ball to row 1, column 1. Next: red, red, red.")}
            << QStringLiteral("Game Over!");
        // The first new ball makes five red in column 1.
        QStringList four(9, empty);
        for (int y = 1; y <= 4; y++)
            four[y] = QStringLiteral("1........");
        four[8] = QStringLiteral("........2");
        QTest::newRow("a new ball completes a line")
            << four << QList<int>{1, 3, 4} << QList<float>{0, 0, 0, 0, 0, 0} << QList<int>{80, 79}
            << QStringList{QStringLiteral("Orange ball picked up at row 9, column 9."),
                           QStringLiteral("Orange ball to row 9, column 8. New balls: red at row 1, column 1; yellow "
                                          "at row 6, column 1; green at row 7, column 1. Cleared 5 red. Next: red, "
                                          "red, red. Score 3.")}
            << QString();
        // The same, with next colours of another colour than the new red
        // ball: each new ball is named, and cleared, by its own colour.
        QTest::newRow("a new ball completes a line, other colours come next")
            << four << QList<int>{1, 3, 4} << QList<float>{0, 0, 0, 0.5f, 0.5f, 0.5f} << QList<int>{80, 79}
            << QStringList{QStringLiteral("Orange ball picked up at row 9, column 9."),
                           QStringLiteral("Orange ball to row 9, column 8. New balls: red at row 1, column 1; yellow "
                                          "at row 6, column 1; green at row 7, column 1. Cleared 5 red. Next: yellow, "
                                          "yellow, yellow. Score 3.")}
            << QString();
        // A new game after a score: its own balls and colours, and its score.
        QTest::newRow("a new game after a score")
            << line << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{31, 4, Smile}
            << QStringList{QStringLiteral("Yellow ball picked up at row 4, column 5."),
                           QStringLiteral("Yellow ball to row 1, column 5. Cleared 5 yellow. Score 3."),
                           QStringLiteral("New game. New balls: green at row 8, column 7; green at row 4, column 8; red "
                                          "at row 4, column 2. Next: cyan, orange, green. Score 0.")}
            << QString();
    }

    void eachPressIsToldInOneShortText()
    {
        QFETCH(QStringList, board);
        QFETCH(QList<int>, next);
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, presses);
        QFETCH(QStringList, said);
        QFETCH(QString, message);
        Game g;
        InitTestGame(g);
        Form_Load(g);
        SetBoard(g, board);
        for (int16_t k = 1; k <= 3; k++)
            g.State.NextColor[k] = int16_t(next[k - 1]);
        ScriptRandom(g.Rnd, script.data(), size_t(script.size()));
        for (CellPos &p : g.State.NewPos) // an earlier turn's spawn
            p = CellPos{5, 5};
        for (int i = 0; i < presses.size(); i++) {
            if (presses[i] == Smile)
                Picture1_Click(g);
            else
                Picture5_Click(g, int16_t(presses[i]));
            QCOMPARE(Account(g), said[i]);
        }
        QCOMPARE(g.View.MessageCaption, message);
    }
};

QTEST_MAIN(TestAccount)
#include "test_account.moc"
