// Form1's controls, built at the places, in the fonts and in the colours of
// the game's own layout; everything the game changes comes through the
// screen model.
#include "ui/window/form1.h"

#include "game/newgame.h"
#include "ui/platform/gamesize.h"
#include "ui/platform/identity.h"
#include "ui/platform/places.h"

#include <QCoreApplication>

namespace {
const QColor Navy(0, 0, 128);
const QColor Black(0, 0, 0);
const QColor Magenta(255, 0, 255);
const QColor Olive(192, 192, 0);
const QColor Cyan(0, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);

void Fill(QWidget *w, QColor color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}
} // namespace

QLabel *Form1::MakeLabel(int x, int y, int w, int h, QColor back, QColor text, qreal points, const QString &t)
{
    auto *l = new QLabel(t, this);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont f;
    // Chinese characters come from a CJK face of the same sans style.
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    return l;
}

// A line shape covers its end points; Line9 is a bar width pixels thick.
QWidget *Form1::MakeLine(int x0, int y0, int x1, int y1, QColor color, int width)
{
    auto *w = new QWidget(this);
    w->setGeometry(x0, y0, x1 - x0 + (y0 == y1 ? 1 : width), y1 - y0 + (y0 == y1 ? width : 1));
    Fill(w, color);
    return w;
}

PictureBox *Form1::MakeBox(int16_t box, int x, int y)
{
    auto *b = new PictureBox(this, &G.View.Boxes[box], box);
    b->Symbols = &Symbols;
    b->setGeometry(x, y, BoxSize, BoxSize);
    return b;
}

Form1::Form1()
{
    InstallAccessibility(); // before any box's interface is asked for and cached
    Reader.EndScreen = EndScreen;
    Reader.Place = DeviceScreenRect;
    RegisterParts(this, &Reader);
    InitGame(G);
    // A normal top-level window, which window managers place and focus and
    // list in their taskbars and window switchers (Alt+Tab), so that a player
    // can always come back to it; with a title and a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(GameWidth, GameHeight);
    setWindowTitle(QLatin1String(GameTitle));
    Fill(this, Navy);
    MakeBoxes();
    MakeLabels();
    MakeLines();
    for (int16_t &n : NamedAs)
        n = -1;

    // The keyboard starts on the board's first cell; a click on a cell or the
    // smile moves it there, as on Qt's buttons.
    for (PictureBox *b : findChildren<PictureBox *>())
        if (b->Clickable) {
            b->setFocusPolicy(Qt::StrongFocus);
            connect(b, &PictureBox::focused, this, &Form1::FocusIn);
        }
    Picture5[0]->setFocus();
    MakeLetterKeys();

    // The end screen starts hidden: the model says so and Sync applies it.
    // A tick of 300 ms blinks a selected ball at an even pace, and leaves a
    // burst on the board for just under a second.
    Timer1.setInterval(300);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Tick);
    // The first game is told as a new game, for a player who asks for the
    // last account before any press.
    Form_Load(G);
    LastAccount = Account(G);
    Sync();
    FollowRatio(); // the sharp pictures, the smile, the cursor and the icon
    Timer1.start();
}

// The board's cells row by row, the previews left to right and the smile.
void Form1::MakeBoxes()
{
    for (int16_t i = 0; i < CellCount; i++) {
        int16_t x, y;
        CellXY(i, x, y);
        Picture5[i] = MakeBox(i, 8 + CellPitch * (x - 1), 56 + CellPitch * (y - 1));
        Reader.Cells[i] = Picture5[i];
        connect(Picture5[i], &PictureBox::clicked, this, [this, i] { Press(i); });
    }
    Picture4 = MakeBox(PreviewBox(1), 200, 8);
    Picture3 = MakeBox(PreviewBox(2), 232, 8);
    Picture2 = MakeBox(PreviewBox(3), 264, 8);
    Reader.Previews[0] = Picture4, Reader.Previews[1] = Picture3, Reader.Previews[2] = Picture2;

    Picture1 = new PictureBox(this, nullptr, Smile);
    Picture1->setGeometry(8, 8, 35, 35);
    Fill(Picture1, Navy);
    //: The smile's tooltip and its name for a screen reader.
    const QString newGame = tr("Start New Game");
    Picture1->setToolTip(newGame);
    Picture1->setAccessibleName(newGame);
    connect(Picture1, &PictureBox::clicked, this, [this] { Press(Smile); });
    Reader.Smile = Picture1;
}

void Form1::MakeLabels()
{
    Label1 = MakeLabel(48, 8, 137, 38, Black, Magenta, 24, G.View.ScoreCaption);
    Label2 = MakeLabel(16, 352, 273, 49, Black, Olive, 29.25, QString());
    // The end screen's lines, each on one line of its label but the notice,
    // which may take two.
    //: The end screen's first line: a click on the smile starts a new game.
    EndScreen[Label3] = MakeLabel(8, 104, 289, 33, Navy, Cyan, 13.5, tr("Click smile to try again"));
    //: The end screen's second line.
    EndScreen[Label4] = MakeLabel(8, 136, 289, 33, Navy, Cyan, 13.5, tr("Thank you for playing!"));
    //: The end screen's copyright notice, on at most two lines.
    QLabel *notice = MakeLabel(8, 168, 289, 49, Navy, Cyan, 13.5, tr("Copyright © 2026 the Quintet developers"));
    notice->setWordWrap(true);
    EndScreen[Label5] = notice;
    //: The end screen's fourth line.
    EndScreen[Label6] = MakeLabel(8, 224, 289, 33, Navy, Cyan, 13.5, tr("We hope to see you again soon."));
    //: The end screen's last line: who made the game.
    EndScreen[Label7] = MakeLabel(8, 256, 289, 33, Navy, Cyan, 13.5, tr("The Quintet project"));
    //: What a screen reader calls the score's label.
    Label1->setAccessibleDescription(tr("Score"));
    //: What a screen reader calls the message's label and the status bar that holds it.
    Label2->setAccessibleDescription(tr("Message"));
    Reader.Score = Label1;
    Reader.Message = Label2;
}

// Line1 to Line4 frame the previews, Line5 to Line8 the message; Line9 is
// the end screen's bar over the board.
void Form1::MakeLines()
{
    MakeLine(195, 4, 298, 4, Blue);
    MakeLine(195, 41, 299, 41, Blue);
    MakeLine(195, 4, 195, 41, Blue);
    MakeLine(298, 4, 298, 41, Blue);
    QWidget *line5 = MakeLine(12, 405, 293, 405, Olive);
    MakeLine(293, 348, 293, 405, Olive);
    QWidget *line7 = MakeLine(12, 348, 293, 348, Olive);
    MakeLine(12, 348, 12, 405, Olive);
    EndScreen[Line9] = MakeLine(8, 56, 296, 56, Yellow, 4);
    Reader.MessageFrame[0] = line7, Reader.MessageFrame[1] = line5;
}

// Readers stop asking for the parts before they go.
Form1::~Form1()
{
    RegisterParts(this, nullptr);
}
