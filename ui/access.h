// What a screen reader finds: the window as a frame, the board as a 9 by 9
// table of cells with names and press actions, the captions as text, and each
// new message as a notification that the reader speaks once.
#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

class QLabel;
class QWidget;

// "red", "orange", ... for the colours 1..6; "empty" for 0.
QString ColourName(int16_t c);
// "Row 3, column 5: red ball", with ", selected" for the selected ball.
QString CellName(int16_t x, int16_t y, int16_t value, bool selected);
QString PreviewName(int16_t slot, int16_t c);

// Lets Qt's accessibility use the game's own interfaces. Safe to call twice;
// it must run after QApplication is built, or Qt's own factory wins.
void InstallAccessibility();

// Sets a caption and tells screen readers which text changed.
void ShowCaption(QLabel *label, const QString &text);
// The same for the message label; every message a click leaves, even the one
// it had before, is shown anew, so a reader speaks it once more.
void ShowMessage(QLabel *label, const QString &text);

// Tells screen readers what a press did: the text is spoken once, as a
// notification beside the message, and never shown on screen.
void SpeakAccount(QWidget *form, const QString &text);

// Where rectangle r of widget w stands on the screen, in device pixels: the
// unit of a screen reader's coordinates, also on a dense screen.
QRect ScreenRect(const QWidget *w, const QRect &r);
