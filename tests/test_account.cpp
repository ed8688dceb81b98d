// What a screen reader is told after each press, from the game's record.
#include "helpers.h"
#include "window_helpers.h"

#include "game/newgame.h"
#include "game/report.h"
#include "game/turn.h"
#include "ui/access/account.h"

#include <QTest>

namespace {

// The record of the latest press, in short; places are column,row.
QString Told(const Game &g)
{
    const PressReport &r = g.Report;
    auto at = [](CellPos p) { return QStringLiteral("%1,%2").arg(p.x).arg(p.y); };
    QStringList t;
    if (r.NewGame)
        t << QStringLiteral("new game");
    if (r.PickedUp)
        t << QStringLiteral("picked %1 at %2").arg(r.Color).arg(at(r.From));
    if (r.Moved)
        t << QStringLiteral("moved %1 %2 to %3").arg(r.Color).arg(at(r.From), at(r.To));
    if (r.Spawned)
        t << QStringLiteral("spawn");
    for (int16_t k = 1; k <= r.PlacedCount; k++)
        t << QStringLiteral("placed %1 at %2").arg(r.PlacedColor[k]).arg(at(r.PlacedAt[k]));
    for (int16_t c = 1; c <= ColorCount; c++)
        if (r.Cleared[c])
            t << QStringLiteral("cleared %1 of %2").arg(r.Cleared[c]).arg(c);
    if (r.Message)
        t << QStringLiteral("message %1").arg(QLatin1String(MessageText(r.Message)));
    t << QStringLiteral("score %1 to %2").arg(r.ScoreBefore).arg(g.State.Score);
    return t.join(QStringLiteral("; "));
}

} // namespace

class TestAccount : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // What a reader hears after each press of a scripted turn, and the
    // game's record of the last press, which it is told from. Boards are
    // rows top to bottom; presses are box indices, -1 the smile.
    void eachPressIsToldInOneShortText_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QList<int>>("next");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QString>("told"); // the record of the last press
        const QString empty(9, QLatin1Char('.'));
        const QStringList lone{"1........"}; // the rows not given are empty
        QTest::newRow("a pick-up") << lone << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{0}
                                   << QStringList{QStringLiteral("Red ball picked up at row 1, column 1.")}
                                   << QStringLiteral("picked 1 at 1,1; score 0 to 0");
        // The first free cells in column order take the new balls.
        QTest::newRow("a move and its spawn")
            << lone << QList<int>{4, 5, 6} << QList<float>{0, 0, 0, 0, 0.2f, 0.4f} << QList<int>{0, 40}
            << QStringList{QStringLiteral("Red ball picked up at row 1, column 1."),
                           QStringLiteral("Red ball to row 5, column 5. New balls: green at row 1, column 1; cyan at "
                                          "row 2, column 1; magenta at row 3, column 1. Next: red, orange, yellow.")}
            << QStringLiteral(
                   "moved 1 1,1 to 5,5; spawn; placed 4 at 1,1; placed 5 at 1,2; placed 6 at 1,3; score 0 to 0");
        const QStringList line{"3333.....", empty, empty, "....3...."};
        QTest::newRow("a line cleared")
            << line << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{31, 4}
            << QStringList{QStringLiteral("Yellow ball picked up at row 4, column 5."),
                           QStringLiteral("Yellow ball to row 1, column 5. Cleared 5 yellow. Score 3.")}
            << QStringLiteral("moved 3 5,4 to 5,1; cleared 5 of 3; score 0 to 3");
        const QStringList cross{"1111....1", "....1....", "....1....", "....1....", "....1...."};
        QTest::newRow("two lines at once, a bonus")
            << cross << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{8, 4}
            << QStringList{QStringLiteral("Red ball picked up at row 1, column 9."),
                           QStringLiteral("Red ball to row 1, column 5. Cleared 9 red. Score 12.")}
            << QStringLiteral("moved 1 9,1 to 5,1; cleared 9 of 1; message Bonus!!!; score 0 to 12");
        const QStringList walled{".1.......", "1........", empty, empty, "....2...."};
        QTest::newRow("a refused move says nothing of its own")
            << walled << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{40, 0, 0}
            << QStringList{QStringLiteral("Orange ball picked up at row 5, column 5."), QString(), QString()}
            << QStringLiteral("message No Way!!!; score 0 to 0");
        QStringList full = FullBoard();
        QTest::newRow("the board fills")
            << full << QList<int>{6, 5, 6} << QList<float>{0, 0, 0, 0, 0, 0} << QList<int>{9, 0}
            << QStringList{QStringLiteral("Magenta ball picked up at row 2, column 1."),
                           QStringLiteral("Magenta ball to row 1, column 1. New balls: magenta at row 2, column 1; "
                                          "cyan at row 1, column 2; magenta at row 1, column 3. Next: red, red, red.")}
            << QStringLiteral("moved 6 1,2 to 1,1; spawn; placed 6 at 1,2; placed 5 at 2,1; placed 6 at 3,1; message "
                              "Game Over!; score 0 to 0");
        // Two free cells: the spawn picks two and finds no third, the game
        // ends and no ball is placed. Its cells before the picks are an
        // earlier turn's, and one holds a green ball (row 5, column 5): it
        // is no new ball.
        full[0].replace(2, 1, QLatin1Char('6'));
        QTest::newRow("a spawn that ends the game places nothing")
            << full << QList<int>{6, 5, 4} << QList<float>{0, 0, 0, 0, 0} << QList<int>{9, 0}
            << QStringList{QStringLiteral("Magenta ball picked up at row 2, column 1."),
                           QStringLiteral("Magenta ball to row 1, column 1. Next: red, red, red.")}
            << QStringLiteral("moved 6 1,2 to 1,1; spawn; message Game Over!; score 0 to 0");
        // The first new ball makes five red in column 1.
        const QStringList four{empty, "1........", "1........", "1........", "1........",
                               empty, empty,       empty,       "........2"};
        QTest::newRow("a new ball completes a line")
            << four << QList<int>{1, 3, 4} << QList<float>{0, 0, 0, 0, 0, 0} << QList<int>{80, 79}
            << QStringList{QStringLiteral("Orange ball picked up at row 9, column 9."),
                           QStringLiteral("Orange ball to row 9, column 8. New balls: red at row 1, column 1; yellow "
                                          "at row 6, column 1; green at row 7, column 1. Cleared 5 red. Next: red, "
                                          "red, red. Score 3.")}
            << QStringLiteral("moved 2 9,9 to 8,9; spawn; placed 1 at 1,1; placed 3 at 1,6; placed 4 at 1,7; cleared 5 "
                              "of 1; score 0 to 3");
        // The same, with next colours of another colour than the new red
        // ball: each new ball is named, and cleared, by its own colour.
        QTest::newRow("a new ball completes a line, other colours come next")
            << four << QList<int>{1, 3, 4} << QList<float>{0, 0, 0, 0.5f, 0.5f, 0.5f} << QList<int>{80, 79}
            << QStringList{QStringLiteral("Orange ball picked up at row 9, column 9."),
                           QStringLiteral("Orange ball to row 9, column 8. New balls: red at row 1, column 1; yellow "
                                          "at row 6, column 1; green at row 7, column 1. Cleared 5 red. Next: yellow, "
                                          "yellow, yellow. Score 3.")}
            << QStringLiteral("moved 2 9,9 to 8,9; spawn; placed 1 at 1,1; placed 3 at 1,6; placed 4 at 1,7; cleared 5 "
                              "of 1; score 0 to 3");
        // A new game after a score: its own balls and colours, and its score.
        QTest::newRow("a new game after a score")
            << line << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{31, 4, Smile}
            << QStringList{QStringLiteral("Yellow ball picked up at row 4, column 5."),
                           QStringLiteral("Yellow ball to row 1, column 5. Cleared 5 yellow. Score 3."),
                           QStringLiteral(
                               "New game. New balls: green at row 8, column 7; green at row 4, column 8; red "
                               "at row 4, column 2. Next: cyan, orange, green. Score 0.")}
            << QStringLiteral("new game; placed 4 at 7,8; placed 4 at 8,4; placed 1 at 2,4; score 3 to 0");
        // A green line left on the board goes with the red one the move makes.
        QTest::newRow("a move that clears two colours")
            << QStringList{"1111.....", empty, "44444....", empty, empty, empty, empty, empty, "........1"}
            << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{80, 4}
            << QStringList{QStringLiteral("Red ball picked up at row 9, column 9."),
                           QStringLiteral("Red ball to row 1, column 5. Cleared 5 red, 5 green. Score 12.")}
            << QStringLiteral("moved 1 9,9 to 5,1; cleared 5 of 1; cleared 5 of 4; message Bonus!!!; score 0 to 12");
    }

    void eachPressIsToldInOneShortText()
    {
        QFETCH(QStringList, board);
        QFETCH(QList<int>, next);
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, presses);
        QFETCH(QStringList, said);
        QFETCH(QString, told);
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
        QCOMPARE(Told(g), told);
        QCOMPARE(g.View.MessageCaption, QLatin1String(MessageText(g.Report.Message)));
    }
};

QTEST_MAIN(TestAccount)
#include "test_account.moc"
