// The end screen and the board, which share one area.
#include "fixture.h"

#include "game/endgame.h"
#include "screen/draw.h"

#include <QTest>

class TestEndgame : public GameTest {
    Q_OBJECT

  private slots:
    void theEndScreenHidesAndClearsTheBoardAndBack()
    {
        DrawBall(G->View, 0, 1);
        DrawPreview(G->View, 1, 2);
        GameOver(*G);
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Game Over!"));
        for (int16_t i = 0; i <= 80; i++) {
            QVERIFY(!G->View.Boxes[i].Visible);
            QVERIFY(IsBlank(G->View, i));
        }
        for (bool v : G->View.EndVisible)
            QVERIFY(v);
        QVERIFY(G->View.Boxes[PreviewBox(1)].Visible);
        QVERIFY(ShowsBall(G->View, PreviewBox(1), 2));
        GameOver(*G); // again in the same click: the same screen
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Game Over!"));

        // Drawn while hidden, shown once the board comes back.
        DrawBall(G->View, 7, 4);
        ShowBoard(*G);
        for (int16_t i = 0; i <= 80; i++)
            QVERIFY(G->View.Boxes[i].Visible);
        for (bool v : G->View.EndVisible)
            QVERIFY(!v);
        QVERIFY(ShowsBall(G->View, 7, 4));
        QCOMPARE(G->View.MessageCaption, QStringLiteral("Game Over!")); // ShowBoard leaves the message
    }
};

QTEST_APPLESS_MAIN(TestEndgame)
#include "test_endgame.moc"
