// Form1's input: a click, a key or a screen reader makes a press, the same
// handler call; the keys from the key map; the focus, the Tab chain between
// the smile and the board and the ring that shows it while keys are in use;
// and a row typed, waiting for its column.
#include "ui/window/form1.h"

#include "game/newgame.h"
#include "game/turn.h"
#include "ui/platform/identity.h"
#include "ui/platform/platform.h"
#include "ui/platform/wayland.h"
#include "ui/window/keys.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QUrl>

void Form1::Press(int16_t box)
{
    DropDigit();
    if (box == Smile)
        Picture1_Click(G);
    else
        Picture5_Click(G, box);
    Sync();
    TellPress();
}

// A row typed waits for its column; any other key, a press, a click
// anywhere in the window or leaving the window drops it.
void Form1::DropDigit()
{
    FirstDigit = 0;
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
                DropDigit();
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
    // A modifier alone keeps a first digit: some layouts need Shift for the
    // digits.
    const int16_t first = FirstDigit;
    if (!IsModifierKey(e->key()))
        DropDigit();
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
            Say(tr("Row %1.").arg(k.Digit));
        } else if (Picture5[0]->isVisible()) {
            ShowRing(true);
            Picture5[CellIndex(k.Digit, first)]->setFocus(Qt::OtherFocusReason);
        }
        break;
    case KeyAsk: Say(Answer(k.Asked)); break;
    case KeySymbols:
        ShowSymbols(!Symbols.Shown);
        if (Symbols.Shown)
            //: What S says as the symbols on the balls appear.
            Say(tr("Symbols shown."));
        else
            //: What S says as the symbols on the balls go.
            Say(tr("Symbols hidden."));
        break;
    case KeyManual:
        // GNOME's and KDE's help viewers both show manual pages; where
        // nothing takes the address, nothing happens.
        QDesktopServices::openUrl(QUrl(QStringLiteral("man:") + QLatin1String(CommandName)));
        break;
    default:
        if (e)
            QWidget::keyPressEvent(e);
    }
}

int16_t Form1::Focused() const
{
    const auto *b = qobject_cast<const PictureBox *>(focusWidget());
    return b && b->Clickable ? b->Index : Smile;
}

// The smile and the board are the two stops, so Tab and Shift+Tab both go
// to the other one; next tells them apart for the ring. Qt asks here too
// when the focused cell hides as a game ends: the focus goes to the smile,
// and the ring stays as it was.
bool Form1::focusNextPrevChild(bool next)
{
    const Qt::FocusReason tab = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    DropDigit();
    if (Focused() != Smile && !Picture5[Focused()]->isVisible())
        Picture1->setFocus(Qt::OtherFocusReason);
    else if (Focused() == Smile && Picture5[Keyboard.Cell]->isVisible())
        Picture5[Keyboard.Cell]->setFocus(tab);
    else
        Picture1->setFocus(tab);
    return true;
}

// A focus that moves takes its ring along: Tab and Shift+Tab show it, and a
// click hides it.
void Form1::FocusIn(Qt::FocusReason reason)
{
    if (Focused() != Smile)
        Keyboard.Cell = Focused();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
        ShowRing(true);
    else
        ShowRing(Keyboard.KeysInUse && reason != Qt::MouseFocusReason);
}

// A press anywhere in the window hides the ring; the cells and the smile
// take the focus with it, which hides it there.
void Form1::mousePressEvent(QMouseEvent *e)
{
    DropDigit();
    ShowRing(false);
    QWidget::mousePressEvent(e);
}

// Maximised, the window moves the game, and the ring with it.
void Form1::resizeEvent(QResizeEvent *e)
{
    if (OnWayland())
        KeepGameSize(this, GameOffset);
    ShowRing(Keyboard.KeysInUse);
    QWidget::resizeEvent(e);
}

// As Qt's widgets show the focus only in the active window, so does the ring;
// it comes back with the window if keys were in use.
void Form1::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange) {
        ShowRing(Keyboard.KeysInUse);
        if (!isActiveWindow())
            DropDigit(); // a digit typed before the player left is stale
    }
    QWidget::changeEvent(e);
}

void Form1::ShowRing(bool shown)
{
    ShowFocus(Keyboard, this, Focused() == Smile ? Picture1 : Picture5[Focused()], shown);
}

void Form1::paintEvent(QPaintEvent *)
{
    PaintFocus(Keyboard, this);
}
