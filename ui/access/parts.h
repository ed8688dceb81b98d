// The window's parts that a screen reader is shown, which the window fills in
// as it builds them. Each stays null until made: a reader may ask for the
// window's parts while it is being built.
#pragma once

#include <QString>

class PictureBox;
class QLabel;
class QWidget;

struct ReaderParts {
    PictureBox *Smile = nullptr;
    QLabel *Score = nullptr;
    PictureBox *Previews[3] = {}; // left to right
    PictureBox *Cells[81] = {};   // by box number
    QLabel *EndScreen[5] = {};    // top to bottom
    QLabel *Message = nullptr;
    QWidget *MessageFrame[2] = {}; // the top and bottom lines of its frame
    QString Account;               // what the last press did, as a reader says it
};
