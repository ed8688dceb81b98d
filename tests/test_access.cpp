// What a screen reader finds in the real window, through QAccessible.
#include "helpers.h"
#include "window_helpers.h"

#include "game/endgame.h"
#include "game/newgame.h"
#include "game/turn.h"
#include "ui/access/access.h"
#include "screen/draw.h"
#include "ui/window/form1.h"
#include "ui/start/language.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

class TestAccess : public QObject {
    Q_OBJECT

    static QString Name(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
    static void Press(QWidget *w)
    {
        QAccessibleActionInterface *a = QAccessible::queryAccessibleInterface(w)->actionInterface();
        QVERIFY(a);
        QCOMPARE(a->actionNames(), Actions());
        a->doAction(QAccessibleActionInterface::pressAction());
    }

    static QAccessibleInterface *Of(QWidget *w) { return QAccessible::queryAccessibleInterface(w); }
    // A press, and the focus that Qt's bridge grants a reader's grab-focus.
    static QStringList Actions()
    {
        return {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::setFocusAction()};
    }

    // Every text of an accessible and its children, tables' headers too.
    static void Texts(QAccessibleInterface *a, QStringList &texts)
    {
        texts << a->text(QAccessible::Name) << a->text(QAccessible::Description);
        if (QAccessibleTableInterface *t = a->tableInterface())
            for (int i = 0; i < t->rowCount(); i++)
                texts << t->rowDescription(i) << t->columnDescription(i);
        for (int i = 0; i < a->childCount(); i++)
            if (QAccessibleInterface *c = a->child(i))
                Texts(c, texts);
    }

  private slots:
    void initTestCase() { UseLanguage("en"); }

    // Under a pseudo-language in which every text is its source in capitals
    // between marks, everything the window shows and a reader hears in a
    // short game, its questions and its end comes out so: no text escapes
    // translation.
    void noTextEscapesTranslation()
    {
        QVERIFY(LoadLanguageFile(QStringLiteral(QUINTET_PSEUDO_QM)));
        InstallLanguage();
        QStringList texts;
        {
            Form1 w;
            QVERIFY(Shown(w));
            ShowBoard(w, {"1.2......", ".1......."});
            auto press = [&](int16_t box) {
                w.Press(box);
                texts << Account(w.G) << w.Label2->text();
            };
            press(0);  // picked up
            press(80); // no way
            press(2);  // another picked up
            press(40); // a move and new balls
            // The questions, then the symbols hidden, and a row waiting for its column.
            QList<int> keys(std::begin(LetterKeys), std::end(LetterKeys));
            for (const int key : keys << Qt::Key_S << Qt::Key_3) {
                QTest::keyClick(&w, Qt::Key(key));
                texts << w.Reader.Account;
            }
            Texts(QAccessible::queryAccessibleInterface(&w), texts);
            texts << w.Picture1->toolTip();
            // The board fills, a new game, and it fills again.
            for (const bool again : {false, true}) {
                if (again)
                    press(Smile);
                ShowBoard(w, FullBoard());
                press(9);
                press(0);
            }
            for (QLabel *l : w.findChildren<QLabel *>())
                texts << l->text();
            QTest::keyClick(&w, Qt::Key_L);
            texts << w.Reader.Account;
            Texts(QAccessible::queryAccessibleInterface(&w), texts);
        }
        UseLanguage("en");
        texts.removeAll(QString());
        texts.removeAll(QStringLiteral("Quintet")); // the window's title, a name
        QVERIFY2(texts.size() > 200, qPrintable(QString::number(texts.size())));
        static const QRegularExpression number(QStringLiteral("^[0-9]+$")), lower(QStringLiteral("[a-z]"));
        for (const QString &t : texts)
            if (!number.match(t).hasMatch())
                QVERIFY2(t.contains(QStringLiteral("⟦")) && !lower.match(t).hasMatch(), qPrintable(t));
    }

    // One ball is one, also in the C locale, which has no translation but
    // the game's English; Russian says 1, 2 and 5 each in its own form. Qt's
    // own words, as in --help, come in the player's language too.
    void countsTakeTheirLanguagesPluralForms()
    {
        Game g;
        InitTestGame(g);
        Form_Load(g);
        UseLanguage("C");
        SetBoard(g, {"133....44", ".........", ".........", ".........", ".........", ".........", ".........",
                     ".........", "........."});
        QCOMPARE(BallsOf(g, 1), QStringLiteral("Red ball: row 1, column 1."));
        QVERIFY(GameSummary(g).contains(QStringLiteral(" 76 free cells.")));
        SetBoard(g, {"1111.1111", "111111111", "111111111", "111111111", "111111111", "111111111", "111111111",
                     "111111111", "111111111"});
        QVERIFY(GameSummary(g).contains(QStringLiteral(" 1 free cell.")));
        UseLanguage("de");
        const QString options = QCoreApplication::translate("QCommandLineParser", "Options:");
        UseLanguage("ru");
        SetBoard(g, {"1.....3..", ".........", ".........", ".........", ".........", ".........", ".........",
                     ".........", "........."});
        const QString row = LinesThrough(g, 0).section(QLatin1Char('.'), 0, 0);
        UseLanguage("en");
        QCOMPARE(row, QStringLiteral("Строка 1: 1 красный, 5 пустых, 1 жёлтый, 2 пустые"));
        QVERIFY2(options == QStringLiteral("Optionen:"), "Qt's own German (qt6-translations-l10n) is not loaded");
    }

    // The free cells in each form a language has: Russian and Polish three,
    // Arabic six, of which a board of 81 reaches five.
    void freeCellsTakeEachPluralForm_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("free");
        QTest::addColumn<QString>("said");
        auto row = [](const char *language, int free, const char *said) {
            QTest::addRow("%s %d", language, free) << QString::fromLatin1(language) << free << QString::fromUtf8(said);
        };
        for (const auto &[free, said] : {std::pair{1, "1 свободная клетка."}, {21, "21 свободная клетка."},
                                         {2, "2 свободные клетки."}, {14, "14 свободных клеток."}})
            row("ru", free, said);
        for (const auto &[free, said] : {std::pair{1, "1 wolne pole."}, {22, "22 wolne pola."}, {12, "12 wolnych pól."},
                                         {25, "25 wolnych pól."}})
            row("pl", free, said);
        for (const auto &[free, said] : {std::pair{0, "لا توجد خانات فارغة."}, {1, "خانة فارغة واحدة."},
                                         {2, "خانتان فارغتان."}, {10, "10 خانات فارغة."}, {11, "11 خانة فارغة."}})
            row("ar", free, said);
    }
    void freeCellsTakeEachPluralForm()
    {
        QFETCH(QString, language);
        QFETCH(int, free);
        QFETCH(QString, said);
        Game g;
        InitTestGame(g);
        QStringList rows(9, QStringLiteral("123456123"));
        for (int i = 0; i < free; i++)
            rows[i / 9][i % 9] = u'.';
        SetBoard(g, rows);
        UseLanguage(qPrintable(language));
        const QString summary = GameSummary(g);
        UseLanguage("en");
        QVERIFY2(summary.contains(said), qPrintable(summary));
    }

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
        QVERIFY(Shown(w));
        FixClock(w.G, 500.5f);
        Press(w.Picture1); // a press on the smile starts a new game
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Picture1)->role(), QAccessible::Button);
        QCOMPARE(Name(w.Picture1), QStringLiteral("Start New Game"));
        QCOMPARE(Name(w.Label1), QStringLiteral("0"));

        const GameState &s = w.G.State;
        auto namesSayTheBoard = [&w, &s] {
            for (int16_t i = 0; i <= 80; i++) {
                int16_t x, y;
                CellXY(i, x, y);
                QCOMPARE(Name(w.Picture5[i]), CellName(x, y, s.Board(x, y), false));
            }
        };
        namesSayTheBoard();
        int balls = 0;
        for (PictureBox *cell : w.Picture5) {
            QCOMPARE(Of(cell)->role(), QAccessible::Cell);
            balls += Name(cell).endsWith(QStringLiteral(" ball"));
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
        namesSayTheBoard();
        QCOMPARE(Name(w.Picture4), PreviewName(1, s.NextColor[1]));

        Press(w.Picture1);
        QCOMPARE(CountBalls(w.G), int16_t(3));
        namesSayTheBoard();
    }

    void theMessageLabelReadsItsText()
    {
        Form1 w;
        SetLabel2(w.G.View, QStringLiteral("No Way!!!"));
        w.Sync();
        QCOMPARE(Name(w.Label2), QStringLiteral("No Way!!!"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Label2)->text(QAccessible::Description), QString());
    }

    // The window is a frame of twelve parts in reading order, each of which
    // knows its place and its parent; the lines are not among them.
    void theFrameHoldsTheTopBarTheBoardTheEndScreenAndTheStatusBar()
    {
        Form1 w;
        QAccessibleInterface *frame = Of(&w);
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("Quintet"));
        const QList<QAccessible::Role> roles = {
            QAccessible::Button,     QAccessible::StaticText, QAccessible::Graphic,    QAccessible::Graphic,
            QAccessible::Graphic,    QAccessible::Table,      QAccessible::StaticText, QAccessible::StaticText,
            QAccessible::StaticText, QAccessible::StaticText, QAccessible::StaticText, QAccessible::StatusBar};
        QCOMPARE(frame->childCount(), int(roles.size()));
        for (int i = 0; i < frame->childCount(); i++) {
            QCOMPARE(frame->child(i)->role(), roles[i]);
            QCOMPARE(frame->indexOfChild(frame->child(i)), i);
            QCOMPARE(frame->child(i)->parent(), frame);
        }
        QCOMPARE(frame->child(0), Of(w.Picture1));
        QCOMPARE(frame->child(2), Of(w.Picture4));
        QCOMPARE(frame->child(10), Of(w.EndScreen[Label7]));
        QCOMPARE(frame->indexOfChild(Of(w.Reader.MessageFrame[1])), -1);
        QCOMPARE(frame->child(12), nullptr);

        QAccessibleInterface *bar = frame->child(11);
        QCOMPARE(bar->childCount(), 2); // the message and the account of a press
        QCOMPARE(bar->child(0), Of(w.Label2));
        for (int i = 0; i < 2; i++) {
            QCOMPARE(bar->child(i)->parent(), bar);
            QCOMPARE(bar->indexOfChild(bar->child(i)), i);
            QCOMPARE(bar->child(i)->role(), QAccessible::Notification);
        }
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Message"));
    }

    // Row r, column c of the table is box 9r + c, and the cell says so.
    void theBoardIsANineByNineTableOfPressableCells()
    {
        Form1 w;
        QVERIFY(Shown(w));
        QAccessibleInterface *board = Of(&w)->child(5);
        QAccessibleTableInterface *t = board->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 9);
        QCOMPARE(t->columnCount(), 9);
        QCOMPARE(board->childCount(), 81);
        QCOMPARE(t->cellAt(9, 0), nullptr);
        for (int16_t i = 0; i <= 80; i++) {
            QAccessibleInterface *cell = Of(w.Picture5[i]);
            QCOMPARE(t->cellAt(i / 9, i % 9), cell);
            QCOMPARE(board->child(i), cell);
            QCOMPARE(board->indexOfChild(cell), int(i));
            QCOMPARE(cell->parent(), board);
            QAccessibleTableCellInterface *c = cell->tableCellInterface();
            QVERIFY(c);
            QCOMPARE(c->rowIndex(), i / 9);
            QCOMPARE(c->columnIndex(), i % 9);
            QCOMPARE(c->table(), board);
            QCOMPARE(cell->actionInterface()->actionNames(), Actions());
        }
        QCOMPARE(Of(w.Picture1)->tableCellInterface(), nullptr);
        QCOMPARE(Of(w.Picture4)->tableCellInterface(), nullptr);

        // A point finds the board, then the cell under it; hidden cells and
        // the table itself are gone on the end screen.
        const QRect box40 = Of(w.Picture5[40])->rect();
        QCOMPARE(box40, QRect(w.mapToGlobal(QPoint(136, 184)), QSize(30, 30)));
        QCOMPARE(Of(&w)->childAt(box40.center().x(), box40.center().y()), board);
        QCOMPARE(board->childAt(box40.center().x(), box40.center().y()), Of(w.Picture5[40]));
        QCOMPARE(board->childAt(box40.right() + 1, box40.top()), nullptr); // the gap between cells
        ShowEndScreen(w.G);
        w.Sync();
        QVERIFY(board->state().invisible);
        QCOMPARE(Of(&w)->childAt(box40.center().x(), box40.center().y()), Of(w.EndScreen[Label5]));
    }

    // Maximised, the game stands in the middle of a larger window: the
    // board's and the status bar's places move with their widgets.
    void placesFollowTheGameInALargerWindow()
    {
        Form1 w;
        w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        w.resize(500, 600);
        QVERIFY(Shown(w));
        for (QObject *c : w.children())
            if (c->isWidgetType())
                static_cast<QWidget *>(c)->move(static_cast<QWidget *>(c)->pos() + QPoint(98, 93));
        QAccessibleInterface *board = Of(&w)->child(5), *bar = Of(&w)->child(11);
        QCOMPARE(board->rect(), Of(w.Picture5[0])->rect() | Of(w.Picture5[80])->rect());
        QCOMPARE(bar->rect(), Of(w.Reader.MessageFrame[0])->rect() | Of(w.Reader.MessageFrame[1])->rect());
        QCOMPARE(bar->child(1)->rect(), Of(w.Label2)->rect()); // the account stands where the message does
        const QPoint c = Of(w.Picture5[40])->rect().center();
        QCOMPARE(Of(&w)->childAt(c.x(), c.y()), board); // a reader's hit test finds the board
    }

    void theCaptionsReadAsText()
    {
        Form1 w;
        QAccessibleTextInterface *score = Of(w.Label1)->textInterface();
        QVERIFY(score);
        QCOMPARE(score->text(0, -1), QStringLiteral("0"));
        SetLabel1(w.G.View, QStringLiteral("125"));
        w.Sync();
        QCOMPARE(score->characterCount(), 3);
        QCOMPARE(score->text(1, 3), QStringLiteral("25"));
        QCOMPARE(score->text(2, 99), QStringLiteral("5"));
        QCOMPARE(Of(w.Label1)->role(), QAccessible::StaticText);
        QCOMPARE(Of(w.Label1)->text(QAccessible::Description), QStringLiteral("Score"));

        // Each character stands inside the label, left to right.
        const QRect label = Of(w.Label1)->rect();
        QVERIFY(label.contains(score->characterRect(0)));
        QVERIFY(score->characterRect(0).right() < score->characterRect(2).left());
        QCOMPARE(score->offsetAtPoint(score->characterRect(1).center()), 1);
    }

    // The message shows while it holds a message and not while it is empty,
    // and its text follows the clicks. (The events that make a reader speak
    // it need a real bridge: the AT-SPI check counts them.)
    void theMessageShowsOnlyWhileItHoldsAMessage()
    {
        Form1 w;
        QVERIFY(Shown(w));
        QAccessibleInterface *message = Of(w.Label2);
        QVERIFY(message->state().invisible);
        SetBoard(w.G, {"31.......", "1........", ".........", ".........", "....2...."});
        w.Sync();
        Press(w.Picture5[40]); // select the ball in the middle
        Press(w.Picture5[0]);  // not empty: selects that ball
        Press(w.Picture5[40]);
        QCOMPARE(w.G.View.MessageCaption, QString());
        QVERIFY(message->state().invisible);

        w.G.State.Board(1, 1) = 0; // the corner walled in by its two neighbours
        EraseCell(w.G.View, 0);
        w.Sync();
        Press(w.Picture5[0]);
        QCOMPARE(message->textInterface()->text(0, -1), QStringLiteral("No Way!!!"));
        QVERIFY(!message->state().invisible);
        QCOMPARE(message->text(QAccessible::Name), QStringLiteral("No Way!!!"));
        Press(w.Picture5[0]);
        QVERIFY(!message->state().invisible);

        Press(w.Picture5[12]); // a reachable cell: the move clears the message
        QCOMPARE(w.G.View.MessageCaption, QString());
        QCOMPARE(message->textInterface()->characterCount(), 0);
        QVERIFY(message->state().invisible);
    }

};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
