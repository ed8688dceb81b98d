// The README's picture of the symbols: the six balls as the window draws
// them at ratio 2, red to magenta, with their symbols; below, the same in
// grey, as a player who sees no colour sees them.
// Usage: symbol_sheet OUT.png
#include "screen/draw.h"
#include "ui/window/symbols.h"

#include <QGuiApplication>
#include <QPainter>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int pitch = 64, ratio = 2;
    QImage sheet(6 * pitch + 8, 2 * pitch + 8, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 128));
    QPainter p(&sheet);
    Screen s;
    InitScreen(s);
    SetSharpRatio(s, ratio);
    for (int16_t c = 1; c <= 6; c++) {
        DrawBall(s, 0, c);
        QImage box = s.Boxes[0].Sharp.copy(), symbol = SymbolImage(c, ratio);
        box.setDevicePixelRatio(1);
        symbol.setDevicePixelRatio(1);
        QPainter(&box).drawImage(0, 0, symbol);
        p.drawImage(8 + (c - 1) * pitch, 8, box);
        p.drawImage(8 + (c - 1) * pitch, 8 + pitch, box.convertToFormat(QImage::Format_Grayscale8));
    }
    p.end();
    return sheet.save(QString::fromLocal8Bit(argc > 1 ? argv[1] : "symbols.png")) ? 0 : 1;
}
