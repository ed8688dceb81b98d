// The screen model's bookkeeping: every request records what changed.
#include "screen/screen.h"

#include <QtMath>

QImage SharpImage(qreal scale)
{
    if (scale <= 1)
        return QImage();
    const int size = qCeil(BoxSize * scale);
    QImage im(size, size, QImage::Format_RGB32);
    im.setDevicePixelRatio(scale);
    im.fill(qRgb(0, 0, 0));
    return im;
}

void InitScreen(Screen &s)
{
    for (Box &b : s.Boxes) {
        b.Image = QImage(BoxSize, BoxSize, QImage::Format_RGB32);
        b.Image.fill(qRgb(0, 0, 0));
        b.Sharp = QImage();
        b.Under = b.Over = -1;
        b.LineCount = 0;
        b.FillColor = qRgb(0, 0, 0);
        b.PenColor = qRgb(0, 0, 0); // the window-text colour
        b.Visible = true;
        b.Changed = true;
    }
    // The score label's caption as the window is drawn, before the new game
    // at load puts the score 0 there.
    s.ScoreCaption = QStringLiteral("1234567");
    s.MessageCaption.clear();
    for (bool &v : s.EndVisible)
        v = false;
    s.LabelsChanged = true;
}

void SetBoxVisible(Screen &s, int16_t box, bool visible)
{
    Box &b = s.Boxes[box];
    if (b.Visible != visible) {
        b.Visible = visible;
        b.Changed = true;
    }
}

void SetEndVisible(Screen &s, EndItem item, bool visible)
{
    if (s.EndVisible[item] != visible) {
        s.EndVisible[item] = visible;
        s.LabelsChanged = true;
    }
}

void SetLabel1(Screen &s, const QString &text)
{
    if (s.ScoreCaption != text) {
        s.ScoreCaption = text;
        s.LabelsChanged = true;
    }
}

void SetLabel2(Screen &s, const QString &text)
{
    if (s.MessageCaption != text) {
        s.MessageCaption = text;
        s.LabelsChanged = true;
    }
}
