// Helpers for the tests of the real window: its pixels, the balls of a new
// game, a board shown, the window made active, keys that walk to a box, the
// language.
#pragma once

#include "helpers.h"
#include "ui/window/form1.h"
#include "ui/start/language.h"

#include <QPaintEvent>
#include <QTest>

// Records which widgets receive paint events, and the area painted.
class PaintCounter : public QObject {
  public:
    QList<QPair<QObject *, QRect>> Painted;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            Painted.append({o, static_cast<QPaintEvent *>(e)->rect()});
        return false;
    }
};

inline QRgb At(const QImage &im, int x, int y) { return im.pixel(x, y) | 0xFF000000u; }

// The box of the ball the new game placed in the given slot.
inline int16_t SpawnedBox(const Form1 &w, int16_t slot)
{
    const CellPos p = w.G.State.NewPos[slot];
    return CellIndex(p.x, p.y);
}

// Clicks that ball, which selects it, and gives its box.
inline int16_t SelectSpawnedBall(Form1 &w, int16_t slot)
{
    const int16_t box = SpawnedBox(w, slot);
    QTest::mouseClick(w.Picture5[box], Qt::LeftButton);
    return box;
}

// Sets the board's rows from the top, those not given empty, and shows it.
inline void ShowBoard(Form1 &w, const QStringList &rows)
{
    SetBoard(w.G, rows);
    w.Sync();
}

// Shows a window and waits until it is drawn: QVERIFY(Shown(w)).
inline bool Shown(QWidget &w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

inline void ShowActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// From the board's first cell, by arrows, to a box; then presses it.
inline void PressByKeys(Form1 &w, int16_t box, Qt::Key press)
{
    QTest::keyClick(&w, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < box / 9; i++)
        QTest::keyClick(w.focusWidget(), Qt::Key_Down);
    for (int i = 0; i < box % 9; i++)
        QTest::keyClick(w.focusWidget(), Qt::Key_Right);
    QCOMPARE(w.Focused(), box);
    QTest::keyClick(w.focusWidget(), press, press == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

inline void UseLanguage(const char *name)
{
    LoadLanguage(QLocale(QString::fromLatin1(name)));
    InstallLanguage();
}
