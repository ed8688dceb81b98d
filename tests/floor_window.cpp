// The toolkit's floor for scripts/bench: a bare Qt window of the game's size
// with 81 plain child boxes and a 300 ms timer, and nothing else. With
// FLOOR_BLINK=1 the timer repaints one box a tick, as a blinking ball does;
// with FLOOR_LABELS=1 it also shows two labels in the game's fonts, which
// tells apart what text rendering itself costs.
#include "ui/platform/gamesize.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

class Plain : public QWidget {
  public:
    using QWidget::QWidget;
    bool On = false;

  protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), On ? Qt::red : Qt::black); }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Floor"));
    w.setFixedSize(GameWidth, GameHeight);
    Plain *boxes[81];
    for (int i = 0; i < 81; i++) {
        boxes[i] = new Plain(&w);
        boxes[i]->setGeometry(8 + 32 * (i % 9), 56 + 32 * (i / 9), 30, 30);
    }
    if (qEnvironmentVariableIntValue("FLOOR_LABELS") == 1) {
        const qreal points[2] = {24, 13.5};
        for (int i = 0; i < 2; i++) {
            auto *l = new QLabel(QStringLiteral("0123456789"), &w);
            l->setGeometry(48, 8 + 100 * i, 200, 38);
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPointSizeF(points[i]);
            l->setFont(f);
        }
    }
    const bool blink = qEnvironmentVariableIntValue("FLOOR_BLINK") == 1;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (blink) {
            boxes[40]->On = !boxes[40]->On;
            boxes[40]->update();
        }
    });
    timer.start(300);
    w.show();
    return app.exec();
}
