// Form1's keys: what each does, from the key map. A key that presses makes
// the same call as a click.
#include "ui/window/form1.h"

#include "ui/window/keys.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QShortcut>
#include <QUrl>

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
        if (Symbols.Shown)
            //: What S says as the symbols on the balls appear.
            SpeakAccount(this, Reader, tr("Symbols shown."));
        else
            //: What S says as the symbols on the balls go.
            SpeakAccount(this, Reader, tr("Symbols hidden."));
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
