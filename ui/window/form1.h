// Form1: the game's one window. It shows the screen model and turns its four
// events (load, cell click, smile click, timer tick) into handler calls. Its
// jobs stand in a file each: showing the model (form1.cpp), building the
// controls (form1build.cpp), the input that makes a press, with the keys,
// the focus and a typed row (form1input.cpp), and what a screen reader is
// told (form1reader.cpp).
#pragma once

#include "game/game.h"
#include "ui/access/access.h"
#include "ui/window/focusring.h"
#include "ui/window/keys.h"
#include "ui/window/picturebox.h"
#include "ui/window/symbols.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

class Form1 : public QWidget {
    Q_OBJECT
  public:
    Form1();
    ~Form1() override;

    Game G; // the game this window plays
    // Null until made: a screen reader may ask for the window's parts while
    // it is being built.
    PictureBox *Picture5[CellCount] = {};
    PictureBox *Picture4 = nullptr, *Picture3 = nullptr, *Picture2 = nullptr, *Picture1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    // The end screen by EndItem: Line9, then Label3..Label7 top to bottom.
    QWidget *EndScreen[EndItemCount] = {};
    QTimer Timer1;
    ReaderParts Reader;  // what a screen reader is shown of the window
    QString LastAccount; // what the last press made heard, which L says once more

    // Brings the widgets up to date with the screen model after an event.
    void Sync();
    // One tick of Timer1; tests call it to deliver ticks at will.
    void Tick();
    // A press on a cell box or on the smile (Smile), by a click, a key
    // or a screen reader: the same handler call, then what it did is said.
    void Press(int16_t box);
    // Where the keyboard focus is: a cell box, or Smile.
    int16_t Focused() const;
    // Whether keys are in use, so that the ring shows while the window is
    // active: from the first key that moves the focus or presses, until the
    // next mouse press.
    bool KeysInUse() const { return Keyboard.KeysInUse; }
    // Shows or hides a symbol on every ball, for the rest of the run.
    void ShowSymbols(bool shown);
    bool SymbolsShown() const { return Symbols.Shown; }

  protected:
    void changeEvent(QEvent *e) override; // the ring goes with the window's activation
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override; // follows a change of screen
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    // Tab and Shift+Tab: the smile and the board are the two stops.
    bool focusNextPrevChild(bool next) override;

  private:
    // Building.
    QLabel *MakeLabel(int x, int y, int w, int h, QColor back, QColor text, qreal points, const QString &t);
    QWidget *MakeLine(int x0, int y0, int x1, int y1, QColor color, int width = 1);
    PictureBox *MakeBox(int16_t box, int x, int y);
    void MakeBoxes();
    void MakeLabels();
    void MakeLines();
    void MakeLetterKeys();
    // Showing the model.
    void FollowRatio();
    // Input: the keys, the focus and a row typed.
    void ShowRing(bool shown);
    void FocusIn(Qt::FocusReason reason); // a box took the keyboard focus, for the given reason
    void Act(const KeyMeaning &k, int16_t first, QKeyEvent *e);
    void DropDigit();
    // What a reader is told.
    void UpdateNames();
    void TellPress();
    QString Answer(int16_t question) const; // to a question key: a Question or a colour
    void Say(const QString &text);

    qreal ArtRatio = 0;        // the device pixel ratio the pictures are drawn for
    QPoint GameOffset;         // on Wayland, where the game stands in a larger window
    KeyboardFocus Keyboard;    // the keyboard focus, as the window shows it
    SymbolSet Symbols;         // the symbols over the balls
    int16_t FirstDigit = 0;    // a row typed, 1..9, waiting for its column; 0 for none
    int16_t NamedAs[BoxCount]; // what each box's accessible name last said
};
