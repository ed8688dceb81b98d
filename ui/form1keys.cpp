// Form1's keyboard: the keys, the questions they ask, the focus and the ring
// that shows it. A key that presses makes the same call as a click.
#include "ui/form1.h"

#include "ui/keys.h"
#include "ui/platform.h"
#include "ui/wayland.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QUrl>

int16_t Form1::Focused() const
{
    const auto *b = qobject_cast<const PictureBox *>(focusWidget());
    return b && b->Clickable ? b->Index : Smile;
}

// Once the game is over the end screen hides the board, so every question
// is answered first with that; L then repeats what the last press made heard.
QString Form1::Answer(int16_t question) const
{
    //: What each question key says once the game is over; %1 is the final score.
    const QString over = G.View.EndVisible[Label3] ? tr("The game is over. Score %1.").arg(G.View.Label1) : QString();
    if (question == AskLast) {
        //: The answer to L before any press has said anything.
        const QString last = LastAccount.isEmpty() ? tr("Nothing to repeat.") : LastAccount;
        return over.isEmpty() ? last : over + QLatin1Char(' ') + last;
    }
    if (!over.isEmpty())
        return over;
    return question == AskLines ? LinesThrough(G, Keys.Cell) : question == AskSummary ? GameSummary(G) : BallsOf(G, question);
}

// The letters are shortcuts, so that Qt finds them on the Latin layout
// whichever layout is active: on a Russian one, the key of R still asks for
// the red balls. Like the other keys, they act once while held.
void Form1::MakeLetterKeys()
{
    for (const int key : LetterKeys)
        for (const Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
            auto *s = new QShortcut(QKeySequence(key | shift), this);
            s->setAutoRepeat(false);
            connect(s, &QShortcut::activated, this, [this, key] {
                FirstDigit = 0;
                Act(MapKey(key, Qt::NoModifier, Focused()), 0, nullptr);
            });
        }
}

void Form1::keyPressEvent(QKeyEvent *e)
{
    const KeyMeaning k = MapKey(e->key(), e->modifiers(), Focused());
    // As on Qt's buttons, a held key acts once; only the moves repeat.
    if (e->isAutoRepeat() && k.Action != KeyFocus && k.Action != KeyNothing)
        return;
    // A first digit waits for the second; any other key drops it, but a
    // modifier alone does not: some layouts need Shift for the digits.
    const int16_t first = FirstDigit;
    if (!IsModifierKey(e->key()))
        FirstDigit = 0;
    Act(k, first, e);
}

// What a key means, done; first is a row typed before it, or 0. A key that
// means nothing here goes on to Qt.
void Form1::Act(const KeyMeaning &k, int16_t first, QKeyEvent *e)
{
    switch (k.Action) {
    case KeyFocus:
        ShowRing(true);
        Picture5[k.Box]->setFocus(Qt::OtherFocusReason);
        break;
    case KeyPress:
        ShowRing(true);
        if (k.Box == Smile || Picture5[k.Box]->isVisible())
            Press(k.Box);
        break;
    case KeyDigit:
        if (!first) {
            FirstDigit = k.Digit;
            //: Said as the first of two digits is typed: the row, before its column.
            SpeakAccount(this, Reader, tr("Row %1.").arg(k.Digit));
        } else if (Picture5[0]->isVisible()) {
            ShowRing(true);
            Picture5[(first - 1) * BoardSize + k.Digit - 1]->setFocus(Qt::OtherFocusReason);
        }
        break;
    case KeyAsk: SpeakAccount(this, Reader, Answer(k.Asked)); break;
    case KeySymbols:
        ShowSymbols(!Symbols.Shown);
        SpeakAccount(this, Reader,
                     //: What S says as the symbols on the balls appear or go.
                     Symbols.Shown ? tr("Symbols shown.") : tr("Symbols hidden."));
        break;
    case KeyManual:
        // GNOME's and KDE's help viewers both show manual pages; where
        // nothing takes the address, nothing happens.
        QDesktopServices::openUrl(QUrl(QStringLiteral("man:quintet")));
        break;
    default:
        if (e)
            QWidget::keyPressEvent(e);
    }
}

// Only the boxes that show a ball change.
void Form1::ShowSymbols(bool shown)
{
    Symbols.Shown = shown;
    for (int16_t i = 0; i < BoxCount; i++)
        if (BallOnTop(G.View.Boxes[i]))
            BoxWidget(i)->update();
}

// The smile and the board are the two stops, so Tab and Shift+Tab both go
// to the other one; next tells them apart for the ring. Qt asks here too
// when the focused cell hides as a game ends: the focus goes to the smile,
// and the ring stays as it was.
bool Form1::focusNextPrevChild(bool next)
{
    const Qt::FocusReason tab = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    FirstDigit = 0;
    if (Focused() != Smile && !Picture5[Focused()]->isVisible())
        Picture1->setFocus(Qt::OtherFocusReason);
    else if (Focused() == Smile && Picture5[Keys.Cell]->isVisible())
        Picture5[Keys.Cell]->setFocus(tab);
    else
        Picture1->setFocus(tab);
    return true;
}

// A focus that moves takes its ring along: Tab and Shift+Tab show it, and a
// click hides it.
void Form1::FocusIn(Qt::FocusReason reason)
{
    if (Focused() != Smile)
        Keys.Cell = Focused();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        ShowRing(true);
    else
        ShowRing(Keys.KeysInUse && reason != Qt::MouseFocusReason);
}

// A press anywhere in the window hides the ring; the cells and the smile
// take the focus with it, which hides it there.
void Form1::mousePressEvent(QMouseEvent *e)
{
    FirstDigit = 0;
    ShowRing(false);
    QWidget::mousePressEvent(e);
}

// Maximised, the window moves the game, and the ring with it.
void Form1::resizeEvent(QResizeEvent *e)
{
    if (OnWayland())
        KeepGameSize(this, GameOffset);
    ShowRing(Keys.KeysInUse);
    QWidget::resizeEvent(e);
}

// As Qt's widgets show the focus only in the active window, so does the ring;
// it comes back with the window if keys were in use.
void Form1::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange) {
        ShowRing(Keys.KeysInUse);
        if (!isActiveWindow())
            FirstDigit = 0; // a digit typed before the player left is stale
    }
    QWidget::changeEvent(e);
}

void Form1::ShowRing(bool shown)
{
    ShowFocus(Keys, this, Focused() == Smile ? Picture1 : Picture5[Focused()], shown);
}

void Form1::paintEvent(QPaintEvent *)
{
    PaintFocus(Keys, this);
}
