// Quintet: start the window and run until it is closed.
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quintet"));
    app.setDesktopFileName(QStringLiteral("io.github.quintet.Quintet"));
    Form1 w;
    w.show();
    return app.exec();
}
