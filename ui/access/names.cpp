// Names count rows and columns from 1, as a player does.
#include "ui/access/names.h"

QString ColourName(int16_t c)
{
    static const char *const names[] = {"empty", "red", "orange", "yellow", "green", "cyan", "magenta"};
    return QString::fromLatin1(c >= 0 && c <= 6 ? names[c] : names[0]);
}

QString CellName(int16_t x, int16_t y, int16_t value, bool selected)
{
    QString what = value ? ColourName(value) + QStringLiteral(" ball") : ColourName(0);
    if (selected)
        what += QStringLiteral(", selected");
    return QStringLiteral("Row %1, column %2: %3").arg(y).arg(x).arg(what);
}

QString PreviewName(int16_t slot, int16_t c)
{
    return QStringLiteral("Next ball %1: %2").arg(slot).arg(ColourName(c));
}
