// What a start says before any window: the command line's answers, and the line of a failed start with Qt's words.
#include "ui/start/end.h"
#include "ui/start/failure.h"
#include "ui/start/language.h"
#include "ui/start/options.h"

#include <QFile>
#include <QTest>

namespace {

// Qt 6.4's words on the way to a failed start, as its handler writes them:
// a display it cannot reach, a plugin found but not loaded, one not found,
// and its last, fatal word.
QString Unreached(const char *display)
{
    return QStringLiteral("qt.qpa.xcb: could not connect to display ") + display;
}
QString Found(const char *plugin)
{
    return QStringLiteral(
               "qt.qpa.plugin: Could not load the Qt platform plugin \"%1\" in \"\" even though it was found.")
        .arg(QLatin1String(plugin));
}
QString Missing(const char *plugin)
{
    return QStringLiteral("qt.qpa.plugin: Could not find the Qt platform plugin \"%1\" in \"\"")
        .arg(QLatin1String(plugin));
}
const QString Fatal = QStringLiteral("This application failed to start because no Qt platform plugin could be "
                                     "initialized. Reinstalling the application may fix this problem.\n\nAvailable "
                                     "platform plugins are: wayland-egl, minimal, linuxfb, offscreen, xcb, eglfs, vnc, "
                                     "vkkhrdisplay, minimalegl, wayland.\n");
const QString NoWayland = QStringLiteral("Failed to create wl_display (No such file or directory)");

// The version that the package's changelog gives in its first line.
QString PackageVersion()
{
    QFile changelog(QStringLiteral(QUINTET_CHANGELOG));
    return changelog.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(changelog.readLine()).section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0)
               : QString();
}

} // namespace

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    // The command line after "quintet" and the environment, words split at
    // spaces; Qt's messages where Qt goes on to fail, the fatal one last. What
    // the start says: with status 0 on stdout alone, with 1 on stderr alone;
    // the whole text, or "~" and a part of it; after a failure's first line,
    // Qt's messages follow whole and in order. Nothing said: the start goes on.
    void aStartSaysWhatItShould_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("env");
        QTest::addColumn<QStringList>("qt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("want");
        auto row = [](const char *name, const char *language, const char *line, const char *env, const QStringList &qt,
                      int status, const char *want) {
            QTest::newRow(name) << QString::fromLatin1(language) << QString::fromLatin1(line)
                                << QString::fromLatin1(env) << qt << status << QString::fromUtf8(want);
        };
        const char *unknown = "quintet: Unknown option 'nonsense'. Try quintet --help.";
        const char *stray = "quintet: Unexpected argument 'foo'. Try quintet --help.";
        row("help", "en", "--help", "", {}, 0, "~--symbols      Show a symbol on every ball");
        row("help beside -display", "en", "-display :9 --help", "", {}, 0, "~The keys and how to play: man quintet");
        row("help beside Qt's options", "en", "-platform xcb -reverse -style fusion --help", "", {}, 0,
            "~Usage: quintet [options]");
        row("help beside an unknown option", "en", "--nonsense --help", "", {}, 0, "~-v, --version");
        row("help in French", "fr", "--help", "", {}, 0,
            "~--symbols      Afficher sur chaque boule un symbole qui indique sa couleur.");
        row("version", "en", "--version", "", {}, 0, "quintet %version");
        row("version beside Qt's options", "en", "-platform xcb -display :9 --version", "", {}, 0, "quintet %version");
        row("unknown option", "en", "--nonsense", "", {}, 1, unknown);
        row("unknown option beside -display", "en", "-display :9 --nonsense", "", {}, 1, unknown);
        row("stray argument", "en", "foo", "", {}, 1, stray);
        row("stray argument after -platform's", "en", "-platform xcb foo", "", {}, 1, stray);
        row("two short options in one", "en", "-hv", "", {}, 1, "quintet: Unknown option 'hv'. Try quintet --help.");
        row("-platform without its value", "en", "-platform", "", {}, 1,
            "quintet: Missing value after '-platform'. Try quintet --help.");
        row("-style takes a value", "en", "-style fusion", "", {}, 0, "");
        row("Qt's options go on to Qt", "en", "-platform xcb -display :9 -reverse -style fusion --symbols", "", {}, 0,
            "");
        row("no display", "en", "", "", {Unreached(""), Found("xcb"), Fatal}, 1,
            "quintet: no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset");
        row("DISPLAY empty", "en", "", "DISPLAY=", {Unreached(""), Found("xcb"), Fatal}, 1,
            "quintet: no X11 or Wayland display (DISPLAY is empty, WAYLAND_DISPLAY is unset)");
        row("DISPLAY empty in French", "fr", "", "DISPLAY=", {Unreached(""), Found("xcb"), Fatal}, 1,
            "quintet: aucun affichage X11 ni Wayland (DISPLAY est vide, WAYLAND_DISPLAY est non définie)");
        row("both empty, Qt's four messages in order", "en", "",
            "DISPLAY= WAYLAND_DISPLAY=", {NoWayland, Found("wayland"), Unreached(""), Found("xcb"), Fatal}, 1,
            "quintet: no X11 or Wayland display (DISPLAY is empty, WAYLAND_DISPLAY is empty)");
        row("DISPLAY unreached", "en", "", "DISPLAY=:9", {Unreached(":9"), Found("xcb"), Fatal}, 1,
            "quintet: cannot open the display (DISPLAY=:9, WAYLAND_DISPLAY=unset)");
        row("WAYLAND_DISPLAY unreached", "en", "", "WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland",
            {NoWayland, Found("wayland"), Fatal}, 1,
            "quintet: cannot open the display (DISPLAY=unset, WAYLAND_DISPLAY=wayland-0)");
        row("-display unreached", "en", "-display :9", "DISPLAY=:8", {Unreached(":9"), Found("xcb"), Fatal}, 1,
            "quintet: cannot open the display :9 given by -display");
        row("no such plugin", "en", "", "DISPLAY=:9 QT_QPA_PLATFORM=nosuchplatform", {Missing("nosuchplatform"), Fatal},
            1, "quintet: no Qt platform plugin \"nosuchplatform\" (QT_QPA_PLATFORM=nosuchplatform)");
        row("no such plugin by -platform", "en", "-platform nosuchplatform", "DISPLAY=:9 QT_QPA_PLATFORM=xcb",
            {Missing("nosuchplatform"), Fatal}, 1,
            "quintet: no Qt platform plugin \"nosuchplatform\" (-platform nosuchplatform)");
        row("no wayland plugin", "en", "", "WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland",
            {Missing("wayland"), Fatal}, 1,
            "quintet: no Qt platform plugin \"wayland\" (QT_QPA_PLATFORM=wayland): "
            "install the Qt Wayland plugin (Debian: qt6-wayland)");
        row("no wayland-egl plugin by -platform", "en", "-platform wayland-egl", "WAYLAND_DISPLAY=wayland-0",
            {Missing("wayland-egl"), Fatal}, 1,
            "quintet: no Qt platform plugin \"wayland-egl\" (-platform wayland-egl): "
            "install the Qt Wayland plugin (Debian: qt6-wayland)");
        row("a plugin that cannot load, not on disk", "en", "", "DISPLAY=:9 QT_QPA_PLATFORM=nosuchplatform",
            {Found("nosuchplatform"), Fatal}, 1,
            "quintet: the Qt platform plugin \"nosuchplatform\" was found but cannot be loaded "
            "(QT_DEBUG_PLUGINS=1 tells why)");
    }
    void aStartSaysWhatItShould()
    {
        QFETCH(QString, language);
        QFETCH(QString, line);
        QFETCH(QString, env);
        QFETCH(QStringList, qt);
        QFETCH(int, status);
        QFETCH(QString, want);
        LoadLanguage(QLocale(language));
        InstallLanguage();
        Options given;
        StartAnswer a;
        AnswerOptions(QStringList(QStringLiteral("quintet")) + line.split(u' ', Qt::SkipEmptyParts), given, a);
        if (!qt.isEmpty()) {
            QVERIFY2(a.Goes, qPrintable(a.Out + a.Err)); // Qt starts only after the command line
            QProcessEnvironment variables;
            for (const QString &v : env.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                variables.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
            QList<QByteArray> categories; // as Qt's, they outlive the messages
            QList<HeldMessage> held;
            for (const QString &m : qt) {
                const bool named = m.startsWith(QStringLiteral("qt."));
                categories << (named ? m.section(QStringLiteral(": "), 0, 0).toLatin1() : QByteArray("default"));
                held.append(
                    {QtWarningMsg, categories.last().constData(), named ? m.section(QStringLiteral(": "), 1) : m});
            }
            AnswerFailure(held.first(held.size() - 1), held.last(), given, variables, a);
            want += QLatin1Char('\n') + qt.join(QLatin1Char('\n'));
        }
        QVERIFY2(a.Goes == want.isEmpty(), qPrintable(a.Out + a.Err));
        QCOMPARE(a.Status, status);
        QCOMPARE(status == 0 ? a.Err : a.Out, QString());
        const QString said = status == 0 ? a.Out : a.Err;
        const QString whole = want.isEmpty() ? want : want.replace(QStringLiteral("%version"), PackageVersion()) + '\n';
        if (want.startsWith(QLatin1Char('~')))
            QVERIFY2(said.contains(want.mid(1)), qPrintable(said));
        else
            QCOMPARE(said, whole);
    }
};

QTEST_GUILESS_MAIN(TestStart)
#include "test_start.moc"
