// Quintet: read the command line, start the window and run until it is closed.
#include "ui/start/end.h"
#include "ui/window/form1.h"
#include "ui/platform/identity.h"
#include "ui/start/language.h"
#include "ui/start/options.h"
#include "ui/platform/platform.h"
#include "ui/start/program.h"

#include <QApplication>

namespace {
QStringList Arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; i++)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}
} // namespace

int main(int argc, char **argv)
{
    LoadLanguage(); // the player's language, for every answer and failure too
    Options options;
    ReadOptions(Arguments(argc, argv), options); // answers and errors need no display
    HoldStartMessages(options);
    QApplication app(argc, argv); // reaches the display, and takes Qt's own options out of argv
    StartSucceeded();
    InstallLanguage();
    app.setApplicationName(QLatin1String(GameTitle));
    app.setApplicationVersion(QStringLiteral(QUINTET_VERSION));
    app.setDesktopFileName(QLatin1String(DesktopId));
    int status;
    {
        Form1 w;
        w.ShowSymbols(options.Symbols);
        FitWindowToPlatform(&w);
        w.show();
        status = app.exec();
    }
    EndProgram(status);
}
