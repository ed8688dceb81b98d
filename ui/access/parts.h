// The window's parts that a screen reader is shown, which the window fills in
// as it builds them. Each stays null until made: a reader may ask for the
// window's parts while it is being built.
#pragma once

#include "screen/screen.h"

#include <QString>

class PictureBox;
class QLabel;
class QWidget;

struct ReaderParts {
    PictureBox *Smile = nullptr;
    QLabel *Score = nullptr;
    PictureBox *Previews[3] = {};        // left to right
    PictureBox *const *Cells = nullptr;  // the window's CellCount cell boxes, by box number
    QWidget *const *EndScreen = nullptr; // the window's end screen, by EndItem: Line9, Label3..Label7
    QLabel *Message = nullptr;
    QWidget *MessageFrame[2] = {}; // the top and bottom lines of its frame
    QString Account;               // what is said now: the last press's account, or an answer
};

// Lets readers see the parts of a window; null forgets them, as the window
// goes.
void ReadParts(const QWidget *window, const ReaderParts *parts);
