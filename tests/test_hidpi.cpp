// The window on a dense screen (run with QT_SCALE_FACTOR=2): the same layout
// in logical pixels, with balls drawn at device resolution.
#include "helpers.h"

#include "ui/form1.h"

#include <QTest>

class TestHiDpi : public QObject {
    Q_OBJECT
  private slots:
    void ballsAreDrawnAtDeviceResolution()
    {
        Form1 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.devicePixelRatioF(), 2.0);
        QCOMPARE(w.G.View.Boxes[0].Sharp.devicePixelRatio(), 2.0);
        QImage im = w.grab().toImage();
        QCOMPARE(im.size(), QSize(608, 826));
        QCOMPARE(w.Picture5[80]->geometry(), QRect(264, 312, 30, 30));

        int checked = 0;
        for (int16_t i = 1; i <= 3; i++) {
            const CellPos p = w.G.State.NewPos[i];
            const int16_t box = CellIndex(p.x, p.y);
            const Box &b = w.G.View.Boxes[box];
            const QPoint origin(2 * (8 + 32 * (box % 9)), 2 * (56 + 32 * (box / 9)));
            auto at = [&](int x, int y) { return im.pixel(origin + QPoint(x, y)) | 0xFF000000u; };
            // The disc spans the pixels 2..26 as at ratio 1: 4..53 here.
            QCOMPARE(at(29, 29), b.FillColor);
            QCOMPARE(at(10, 29), b.FillColor);
            QCOMPARE(at(49, 29), b.FillColor);
            QCOMPARE(at(29, 10), b.FillColor);
            QCOMPARE(at(2, 29), qRgb(0, 0, 0));
            QCOMPARE(at(56, 29), qRgb(0, 0, 0));
            QCOMPARE(at(29, 56), qRgb(0, 0, 0));
            QCOMPARE(at(1, 1), qRgb(0, 0, 0));
            // Against a nearest-neighbour enlargement of the exact picture,
            // the rim has pixels of its own: in-between shades.
            QImage blown = b.Image.scaled(60, 60, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            int differ = 0, between = 0;
            for (int y = 0; y < 60; y++)
                for (int x = 0; x < 60; x++) {
                    QRgb got = im.pixel(origin + QPoint(x, y)) | 0xFF000000u;
                    differ += got != (blown.pixel(x, y) | 0xFF000000u);
                    between += got != qRgb(0, 0, 0) && got != b.FillColor;
                }
            QVERIFY2(differ > 20, qPrintable(QString::number(differ)));
            QVERIFY2(between > 20, qPrintable(QString::number(between)));
            checked++;
        }
        QCOMPARE(checked, 3);
        // The exact picture is still kept for the game, pixel for pixel.
        const CellPos p = w.G.State.NewPos[1];
        QVERIFY(ShowsBall(w.G.View, CellIndex(p.x, p.y), w.G.State.Board(p.x, p.y)));
    }

    void theSmileAndCursorUseDenseArt()
    {
        Form1 w;
        QCOMPARE(w.Picture1->cursor().pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(w.Picture1->cursor().pixmap().width(), 64);
        QCOMPARE(w.Picture1->cursor().hotSpot(), QPoint(24, 2)); // device pixels, as X takes it
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(64, 64)));
    }
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
