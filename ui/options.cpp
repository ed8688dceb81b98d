// Qt's own parser reads the options, so they behave as in every Qt program;
// the game prints its own answers, as a program without a window yet.
#include "ui/options.h"

#include "ui/program.h"

#include <QCommandLineParser>
#include <cstdio>

void ReadOptions(const QStringList &arguments, bool final, Options &o)
{
    QCommandLineParser parser;
    // One dash or two, as Qt takes its own: -platform is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("A puzzle game: line up five balls of one colour to clear them.\n"
                                                    "Qt's own options, such as -platform and -display, work too.\n"
                                                    "The keys and how to play: man quintet"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption symbols(QStringLiteral("symbols"),
                                     QStringLiteral("Show a symbol on every ball, which tells its colour."));
    parser.addOptions({help, version, symbols});
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        if (!final)
            return; // Qt's own options, perhaps
        const QString error = parsed ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0])
                                     : parser.errorText();
        std::fprintf(stderr, "quintet: %s Try quintet --help.\n", qPrintable(error));
        EndProgram(1);
    }
    if (parser.isSet(help)) {
        // Without an application object Qt cannot know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QStringLiteral("quintet"));
        std::fputs(qPrintable(text), stdout);
        EndProgram(0);
    }
    if (parser.isSet(version)) {
        std::printf("quintet %s\n", QUINTET_VERSION);
        EndProgram(0);
    }
    o.Symbols = parser.isSet(symbols);
}
