// The window's parts that a screen reader is shown, which the window fills in
// as it builds them. Each stays null until made: a reader may ask for the
// window's parts while it is being built. The reader's layer knows them as
// plain widgets, and the window hands it what it cannot know itself.
#pragma once

#include "screen/screen.h"

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

struct ReaderParts {
    QWidget *Smile = nullptr;
    QLabel *Score = nullptr;
    QWidget *Previews[NewBallCount] = {}; // left to right
    QWidget *Cells[CellCount] = {};       // the cell boxes, by box number
    QWidget *const *EndScreen = nullptr;  // the window's end screen, by EndItem: Line9, Label3..Label7
    QLabel *Message = nullptr;
    QWidget *MessageFrame[2] = {}; // the top and bottom lines of its frame
    QString Account;               // what is said now: the last press's account, or an answer
    // Where rectangle r of widget w stands on the screen, in device pixels,
    // as the window system knows it; null where Qt's own mapping will do.
    QRect (*Place)(const QWidget *w, const QRect &r) = nullptr;
};

// Lets readers see the parts of a window; null forgets them, as the window
// goes.
void RegisterParts(const QWidget *window, const ReaderParts *parts);
