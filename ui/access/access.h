// What a screen reader finds: the window as a frame, the board as a 9 by 9
// table of cells with names and press actions, the captions as text, each new
// message as a notification that the reader speaks once, and after each
// press a short account of what it did. The window and the tests reach the
// accessibility code through this header alone.
#pragma once

#include "ui/access/account.h"
#include "ui/access/answers.h"
#include "ui/access/names.h"
#include "ui/access/parts.h"

class QLabel;
class QWidget;

// Lets Qt's accessibility use the game's own interfaces. Safe to call twice;
// it must run after QApplication is built, or Qt's own factory wins.
void InstallAccessibility();

// Sets a caption and tells screen readers which text changed.
void ShowCaption(QLabel *label, const QString &text);
// The same for the message label; every message a click leaves, even the one
// it had before, is shown anew, so a reader speaks it once more.
void ShowMessage(QLabel *label, const QString &text);

// Tells screen readers what a press did: the text is kept in the window's
// parts and spoken once, as a notification beside the message, and never
// shown on screen.
void SpeakAccount(QWidget *window, ReaderParts &parts, const QString &text);
