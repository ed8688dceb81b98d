// Names count rows and columns from 1, as a player does.
#include "ui/access/names.h"

#include "rules/board.h"

QString ColourName(int16_t c)
{
    static const char *const names[] = {"empty", "red", "orange", "yellow", "green", "cyan", "magenta"};
    return QString::fromLatin1(c >= 0 && c <= 6 ? names[c] : names[0]);
}

QString PlaceName(int16_t x, int16_t y)
{
    return QStringLiteral("row %1, column %2").arg(y).arg(x);
}

QString PlaceOfBox(int16_t box)
{
    int16_t x, y;
    CellXY(box, x, y);
    return PlaceName(x, y);
}

QString CellName(int16_t x, int16_t y, int16_t value, bool selected)
{
    QString what = value ? ColourName(value) + QStringLiteral(" ball") : ColourName(0);
    if (selected)
        what += QStringLiteral(", selected");
    return QStringLiteral("%1: %2").arg(Capital(PlaceName(x, y)), what);
}

QString PreviewName(int16_t slot, int16_t c)
{
    return QStringLiteral("Next ball %1: %2").arg(slot).arg(ColourName(c));
}

QString NextColours(const int16_t next[4])
{
    return QStringLiteral("Next: %1, %2, %3.").arg(ColourName(next[1]), ColourName(next[2]), ColourName(next[3]));
}

QString Capital(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}
