// The record of a press: what each kind of press leaves there, written as
// the game did it. Boards are rows top to bottom; presses are box indices,
// Smile the smile; places are column,row.
#include "helpers.h"

#include "game/newgame.h"
#include "game/report.h"
#include "game/turn.h"

#include <QTest>

namespace {

QString Told(const PressReport &r)
{
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
    t << QStringLiteral("score %1 to %2").arg(r.ScoreBefore).arg(r.ScoreAfter);
    if (r.Ended)
        t << QStringLiteral("ended");
    return t.join(QStringLiteral("; "));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

  private slots:
    void eachPressLeavesWhatItDid_data()
    {
        QTest::addColumn<QStringList>("board");
        QTest::addColumn<QList<int>>("next");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<QString>("told"); // by the last press
        const QString e(9, QLatin1Char('.'));
        QStringList full = FullBoard();
        full[0].replace(2, 1, QLatin1Char('6')); // two free cells
        QTest::newRow("a pick-up") << QStringList{"1........", e, e, e, e, e, e, e, e} << QList<int>{1, 1, 1}
                                   << QList<float>{} << QList<int>{0} << "picked 1 at 1,1; score 0 to 0";
        // The ball picked up before it is not this press's.
        QTest::newRow("a refusal") << QStringList{".1.......", "1........", e, e, "....2....", e, e, e, e}
                                   << QList<int>{1, 1, 1} << QList<float>{} << QList<int>{40, 0}
                                   << "message No Way!!!; score 0 to 0";
        QTest::newRow("a move and its spawn")
            << QStringList{"1........", e, e, e, e, e, e, e, e} << QList<int>{4, 5, 6}
            << QList<float>{0, 0, 0, 0, 0.2f, 0.4f} << QList<int>{0, 40}
            << "moved 1 1,1 to 5,5; spawn; placed 4 at 1,1; placed 5 at 1,2; placed 6 at 1,3; score 0 to 0";
        // A green line left on the board goes with the red one the move makes.
        QTest::newRow("a move that clears two colours")
            << QStringList{"1111.....", e, "44444....", e, e, e, e, e, "........1"} << QList<int>{1, 1, 1}
            << QList<float>{} << QList<int>{80, 4}
            << "moved 1 9,9 to 5,1; cleared 5 of 1; cleared 5 of 4; message Bonus!!!; score 0 to 12";
        QTest::newRow("new balls complete a line")
            << QStringList{e, "1........", "1........", "1........", "1........", e, e, e, "........2"}
            << QList<int>{1, 3, 4} << QList<float>{0, 0, 0, 0, 0, 0} << QList<int>{80, 79}
            << "moved 2 9,9 to 8,9; spawn; placed 1 at 1,1; placed 3 at 1,6; placed 4 at 1,7; cleared 5 of 1; "
               "score 0 to 3";
        // The picks find no third cell: the game ends and places no ball.
        QTest::newRow("a spawn that ends the game")
            << full << QList<int>{6, 5, 4} << QList<float>{0, 0, 0, 0, 0} << QList<int>{9, 0}
            << "moved 6 1,2 to 1,1; spawn; message Game Over!; score 0 to 0; ended";
        QTest::newRow("a new game") << QStringList{"3333.....", e, e, "....3....", e, e, e, e, e} << QList<int>{1, 1, 1}
                                    << QList<float>{} << QList<int>{31, 4, Smile}
                                    << "new game; placed 4 at 7,8; placed 4 at 8,4; placed 1 at 2,4; score 3 to 0";
    }

    void eachPressLeavesWhatItDid()
    {
        QFETCH(QStringList, board);
        QFETCH(QList<int>, next);
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, presses);
        QFETCH(QString, told);
        Game g;
        InitTestGame(g);
        Form_Load(g);
        SetBoard(g, board);
        for (int16_t k = 1; k <= NewBallCount; k++)
            g.State.NextColor[k] = int16_t(next[k - 1]);
        ScriptRandom(g.Rnd, script.data(), size_t(script.size()));
        for (const int box : presses)
            box == Smile ? Picture1_Click(g) : Picture5_Click(g, int16_t(box));
        QCOMPARE(Told(g.Report), told);
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
