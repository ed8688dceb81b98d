// Qt's own parser reads the options, so they behave as in every Qt program;
// the game words its own answers, as a program without a window yet.
#include "ui/start/options.h"

#include "ui/start/end.h"
#include "ui/platform/identity.h"
#include "ui/start/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>
#include <optional>

namespace {

// The options that Qt's application objects take, as their documentation
// lists them: those with a value, then those without.
const char *const QtValueOptions[] = {"platform",  "platformpluginpath", "platformtheme", "plugin",
                                      "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                      "display", "geometry", "name", "style", "stylesheet", "qmljsdebugger"};
const char *const QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb"};

struct Parsed {
    bool Ok, Help, Version;
    QString Error, HelpText;
    Options Given; // what the line asks of the game and of Qt
};

void Parse(const QStringList &arguments, Parsed &p)
{
    QCommandLineParser parser;
    // One dash or two, as Qt takes its own: -platform is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: The text of quintet --help under its first line; "man quintet" is a command.
    parser.setApplicationDescription(QCoreApplication::translate(
        "Options", "A puzzle game: line up five balls of one colour to clear them.\n"
                   "Qt's own options, such as -platform and -display, work too.\n"
                   "The keys and how to play: man quintet"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("Options", "Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("Options", "Show the version."));
    const QCommandLineOption symbols(
        QStringLiteral("symbols"), QCoreApplication::translate("Options", "Show a symbol on every ball, which tells its colour."));
    parser.addOptions({help, version, symbols});
    for (const char *name : QtValueOptions) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char *name : QtFlagOptions) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    const bool parsed = parser.parse(arguments);
    p.Ok = parsed && parser.positionalArguments().isEmpty();
    p.Help = parser.isSet(help);
    p.Version = parser.isSet(version);
    p.Given = {parser.isSet(symbols), parser.value(QStringLiteral("platform")), parser.value(QStringLiteral("display"))};
    // The answers' texts only where one is needed: every start parses here.
    if (!p.Ok)
        //: quintet was given an argument that is not an option; %1 is the argument.
        p.Error = parsed ? QCoreApplication::translate("Options", "Unexpected argument '%1'.")
                               .arg(parser.positionalArguments().value(0))
                         : parser.errorText();
    if (!p.Help)
        return;
    // Qt names the program by its application object's first argument, or by
    // a mark without one; the game's answer names its command.
    const QString named = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                       : QStringLiteral("<executable_name>");
    p.HelpText = parser.helpText();
    const qsizetype at = named.isEmpty() ? -1 : p.HelpText.indexOf(named);
    if (at >= 0)
        p.HelpText.replace(at, named.size(), QLatin1String(CommandName));
}

} // namespace

void AnswerOptions(const QStringList &arguments, Options &o, StartAnswer &a)
{
    Parsed p;
    Parse(arguments, p);
    a = StartAnswer();
    if (p.Ok && !p.Help && !p.Version) {
        o = p.Given;
        return;
    }
    // An answer, in the player's language. Qt translates its parser's words
    // only through an application object: one without a display will do.
    std::optional<QCoreApplication> core;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[sizeof CommandName];
        std::memcpy(name, CommandName, sizeof name);
        static char *argv[] = {name, nullptr};
        core.emplace(argc, argv);
        InstallLanguage();
        Parse(arguments, p);
    }
    a.Goes = false;
    if (p.Help) {
        a.Out = p.HelpText;
        return;
    }
    if (p.Version) {
        a.Out = QStringLiteral("%1 %2\n").arg(QLatin1String(CommandName), QLatin1String(QUINTET_VERSION));
        return;
    }
    //: After the error on the command line; "quintet --help" is a command.
    const QString hint = QCoreApplication::translate("Options", "Try quintet --help.");
    a.Err = QStringLiteral("%1: %2 %3\n").arg(QLatin1String(CommandName), p.Error, hint);
    a.Status = 1;
}

void ReadOptions(const QStringList &arguments, Options &o)
{
    StartAnswer a;
    AnswerOptions(arguments, o, a);
    if (a.Goes)
        return;
    Say(a);
    EndProgram(a.Status);
}
