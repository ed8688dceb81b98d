// Quintet: start the window and run until it is closed.
#include "ui/form1.h"
#include "ui/platform.h"

#include <QApplication>

int main(int, char **argv)
{
    CheckDisplay();
    // The game takes no command line, not even Qt's own options.
    int argc = 1;
    QApplication app(argc, argv);
    DisplayOpened();
    app.setApplicationName(QStringLiteral("Quintet"));
    app.setDesktopFileName(QStringLiteral("io.github.quintet.Quintet"));
    int status;
    {
        Form1 w;
        FitWindowToPlatform(&w);
        w.show();
        status = app.exec();
    }
    EndProgram(status);
}
