// The screen model: everything the window shows, as plain data. The game
// draws here; the window only displays it, so the game runs without one.
#pragma once

#include "rules/board.h"

#include <QImage>
#include <QString>
#include <cstdint>

// Box numbers: 0..CellCount - 1 are the cell boxes; then the previews,
// slot 1 (leftmost) to NewBallCount.
constexpr int16_t PreviewBox(int16_t slot)
{
    return static_cast<int16_t>(CellCount + slot - 1);
}
constexpr int16_t BoxCount = CellCount + NewBallCount;
// The smile button, which has no box in the model.
constexpr int16_t Smile = -1;
constexpr int BoxSize = 30;
// The board's boxes stand CellPitch pixels apart, so a gap of two pixels
// lies between two boxes.
constexpr int CellPitch = 32;
// The ball: a disc of radius BallRadius around the pixel BallPixel of its
// box, in both directions. Its exact picture fills the pixels 2..26, and a
// smooth one spans 2 to 27 around BallCentre, that pixel's centre.
constexpr int BallPixel = 14;
constexpr int BallRadius = 12;
constexpr double BallCentre = BallPixel + 0.5;
constexpr int16_t BurstLines = 100; // the lines of one burst
// The pixel every line of a burst starts from, one right and down of the
// ball's: the burst's own centre of the box.
constexpr int16_t BurstOrigin = 15;

// One line of a burst, from (BurstOrigin, BurstOrigin) to (X, Y), in its colour.
struct Stroke {
    int16_t X, Y;
    QRgb Color;
};

// A drawable box: a persistent picture that survives hiding and showing.
struct Box {
    QImage Image; // 30 x 30, RGB32: the exact picture the game draws
    QImage Sharp; // the same at device resolution on dense screens, else null
    QRgb FillColor;
    QRgb PenColor;
    bool Visible;
    bool Changed; // picture or visibility changed since the window looked
    // What the box shows since it was last cleared, so that the sharp picture
    // can be drawn again at any ratio: a ball, one burst's lines over it, and
    // a ball over those. The game clears a box before each burst, so a burst
    // always starts from black and Under stays -1 under its lines; a ball
    // drawn over the lines later is Over.
    int16_t Under; // colour of the ball beneath the lines, -1 none
    int16_t Over;  // colour of the ball over the lines, -1 none
    int16_t LineCount;
    Stroke Lines[BurstLines];
};

// The end screen's controls, in the order the game shows them.
enum EndItem { Line9, Label3, Label4, Label5, Label6, Label7, EndItemCount };

struct Screen {
    Box Boxes[BoxCount];
    QString ScoreCaption;   // Label1: the score
    QString MessageCaption; // Label2: the message, in the game's own words
    bool EndVisible[EndItemCount];
    bool LabelsChanged; // a caption or an end-screen visibility changed
};

// The model as the window is built: black boxes, all shown, end screen
// hidden; no sharp pictures until the window knows its device pixel ratio.
void InitScreen(Screen &s);
// A black sharp picture for a box at the given device pixel ratio; null at 1
// and below, where the exact picture is shown as it is.
QImage SharpImage(qreal scale);

// View requests the game makes besides drawing.
void SetBoxVisible(Screen &s, int16_t box, bool visible);
void SetEndVisible(Screen &s, EndItem item, bool visible);
void SetLabel1(Screen &s, const QString &text);
void SetLabel2(Screen &s, const QString &text);
