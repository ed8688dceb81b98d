// What a screen reader finds in the real window, through QAccessible.
#include "helpers.h"

#include "ui/access.h"
#include "ui/form1.h"

#include <QAccessible>
#include <QTest>

class TestAccess : public QObject {
    Q_OBJECT

    static QString Name(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    static void Press(QWidget *w)
    {
        QAccessibleActionInterface *a = QAccessible::queryAccessibleInterface(w)->actionInterface();
        QVERIFY(a);
        QCOMPARE(a->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        a->doAction(QAccessibleActionInterface::pressAction());
    }

  private slots:
    void namesSayRowColumnAndContent()
    {
        QCOMPARE(CellName(5, 3, 1, false), QStringLiteral("Row 3, column 5: red ball"));
        QCOMPARE(CellName(1, 1, 0, false), QStringLiteral("Row 1, column 1: empty"));
        QCOMPARE(CellName(9, 2, 6, true), QStringLiteral("Row 2, column 9: magenta ball, selected"));
        QCOMPARE(PreviewName(2, 4), QStringLiteral("Next ball 2: green"));
    }

    void theWindowCanBePlayedByName()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FixClock(w.G, 500.5f);
        Press(w.Picture1); // a press on the smile starts a new game
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Picture1)->role(), QAccessible::Button);
        QCOMPARE(Name(w.Picture1), QStringLiteral("Start New Game"));
        QCOMPARE(Name(w.Label1), QStringLiteral("0"));

        const GameState &s = w.G.State;
        int balls = 0;
        for (int16_t i = 0; i <= 80; i++) {
            int16_t x, y;
            CellXY(i, x, y);
            QCOMPARE(Name(w.Picture5[i]), CellName(x, y, s.Board(x, y), false));
            QCOMPARE(QAccessible::queryAccessibleInterface(w.Picture5[i])->role(), QAccessible::Button);
            balls += Name(w.Picture5[i]).endsWith(QStringLiteral(" ball"));
        }
        QCOMPARE(balls, 3);
        QCOMPARE(Name(w.Picture4), PreviewName(1, s.NextColor[1]));
        QCOMPARE(Name(w.Picture2), PreviewName(3, s.NextColor[3]));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Picture3)->role(), QAccessible::Graphic);

        // Select by press: the name says so at once, before any tick.
        const CellPos p = s.NewPos[1];
        const int16_t from = CellIndex(p.x, p.y);
        const int16_t colour = s.Board(p.x, p.y);
        Press(w.Picture5[from]);
        QVERIFY(Name(w.Picture5[from]).endsWith(QStringLiteral(", selected")));
        int16_t to = 0;
        while (s.Board(to % 9 + 1, to / 9 + 1) != 0)
            to++;
        Press(w.Picture5[to]);
        QCOMPARE(s.Selected, int16_t(0));
        QCOMPARE(Name(w.Picture5[to]), CellName(to % 9 + 1, to / 9 + 1, colour, false));
        for (int16_t i = 0; i <= 80; i++) {
            int16_t x, y;
            CellXY(i, x, y);
            QCOMPARE(Name(w.Picture5[i]), CellName(x, y, s.Board(x, y), false));
        }
        QCOMPARE(Name(w.Picture4), PreviewName(1, s.NextColor[1]));

        Press(w.Picture1);
        QCOMPARE(CountBalls(w.G), int16_t(3));
        for (int16_t i = 0; i <= 80; i++) {
            int16_t x, y;
            CellXY(i, x, y);
            QCOMPARE(Name(w.Picture5[i]), CellName(x, y, s.Board(x, y), false));
        }
    }

    void theMessageLabelReadsItsText()
    {
        Form1 w;
        SetLabel2(w.G.View, QStringLiteral("No Way!!!"));
        w.Sync();
        QCOMPARE(Name(w.Label2), QStringLiteral("No Way!!!"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Label2)->text(QAccessible::Description),
                 QStringLiteral("Message"));
    }
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
