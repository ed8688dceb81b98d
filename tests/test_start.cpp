// What the start says before any window: the command line's answers, and a failed start's line with Qt's words.
#include "ui/start/failure.h"
#include "ui/start/language.h"

#include <QTest>

class TestStart : public QObject {
    Q_OBJECT
  private slots:
    // A row's name is a command as a shell runs it; then Qt's words on its way to fail, before its fatal one; and what
    // the start says, whole or in part ("~"): "quintet: ..." on stderr with status 1, then Qt's words whole and in
    // order; else on stdout with status 0 (%v: the package's version); nothing, and the start goes on.
    void aStartSaysWhatItShould_data()
    {
        QTest::addColumn<QStringList>("qt");
        QTest::addColumn<QString>("want");
        auto row = [](const char *command, const QStringList &qt, const char *want) {
            QTest::newRow(command) << qt << QString::fromUtf8(want);
        };
        // Qt 6.4's words: a display not reached, a platform plugin found but not loaded, or not found.
        auto unreached = [](const char *d) { return QStringLiteral("qt.qpa.xcb: could not connect to display ") + d; };
        const QString plugin = QStringLiteral("qt.qpa.plugin: Could not %1 the Qt platform plugin \"%2\" in \"\"");
        auto found = [&](const char *name) {
            return plugin.arg(QStringLiteral("load"), name) + QStringLiteral(" even though it was found.");
        };
        auto missing = [&](const char *name) { return plugin.arg(QStringLiteral("find"), name); };
        row("quintet --help", {}, "~--symbols      Show a symbol on every ball");
        row("quintet -display :9 --help", {}, "~The keys and how to play: man quintet");
        row("quintet -platform xcb -reverse -style fusion --help", {}, "~Usage: quintet [options]");
        row("quintet --nonsense --help", {}, "~-v, --version");
        row("LANGUAGE=fr quintet --help", {}, "~--symbols      Afficher sur chaque boule un symbole qui indique sa couleur.");
        row("quintet --version", {}, "quintet %v");
        row("quintet -platform xcb -display :9 --version", {}, "quintet %v");
        row("quintet --nonsense", {}, "quintet: Unknown option 'nonsense'. Try quintet --help.");
        row("quintet -display :9 --nonsense", {}, "quintet: Unknown option 'nonsense'. Try quintet --help.");
        row("quintet foo", {}, "quintet: Unexpected argument 'foo'. Try quintet --help.");
        row("quintet -platform xcb foo", {}, "quintet: Unexpected argument 'foo'. Try quintet --help.");
        row("quintet -hv", {}, "quintet: Unknown option 'hv'. Try quintet --help.");
        row("quintet -platform", {}, "quintet: Missing value after '-platform'. Try quintet --help.");
        row("quintet -style fusion", {}, "");
        row("quintet", {unreached(""), found("xcb")}, "quintet: no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset");
        row("DISPLAY= quintet", {unreached(""), found("xcb")}, "quintet: no X11 or Wayland display (DISPLAY is empty, WAYLAND_DISPLAY is not set)");
        row("DISPLAY= WAYLAND_DISPLAY= quintet", {found("wayland"), unreached(""), found("xcb")}, "quintet: no X11 or Wayland display (DISPLAY is empty, WAYLAND_DISPLAY is empty)");
        row("DISPLAY=:9 quintet", {unreached(":9"), found("xcb")}, "quintet: cannot open the display (DISPLAY=:9, WAYLAND_DISPLAY is not set)");
        row("DISPLAY=:8 quintet -display :9", {unreached(":9"), found("xcb")}, "quintet: cannot open the display :9 given by -display");
        row("QT_QPA_PLATFORM= quintet", {missing("xcb")}, "quintet: no Qt platform plugin \"xcb\" (QT_QPA_PLATFORM is empty)");
        row("LANGUAGE=de QT_QPA_PLATFORM= quintet", {missing("xcb")}, "quintet: kein Qt-Plattform-Plugin „xcb“ (QT_QPA_PLATFORM ist leer)");
        row("DISPLAY=:0 quintet", {missing("xcb")}, "quintet: no Qt platform plugin \"xcb\" (QT_QPA_PLATFORM is not set)");
        row("QT_QPA_PLATFORM=nosuch quintet", {missing("nosuch")}, "quintet: no Qt platform plugin \"nosuch\" (QT_QPA_PLATFORM=nosuch)");
        row("QT_QPA_PLATFORM=xcb quintet -platform nosuch", {missing("nosuch")}, "quintet: no Qt platform plugin \"nosuch\" (-platform nosuch)");
        row("QT_QPA_PLATFORM=wayland quintet", {missing("wayland")}, "quintet: no Qt platform plugin \"wayland\" (QT_QPA_PLATFORM=wayland): install the Qt Wayland plugin (Debian: qt6-wayland)");
        row("quintet -platform wayland-egl", {missing("wayland-egl")}, "quintet: no Qt platform plugin \"wayland-egl\" (-platform wayland-egl): install the Qt Wayland plugin (Debian: qt6-wayland)");
        row("DISPLAY=:9 quintet -platform nosuch", {found("nosuch")}, "quintet: the Qt platform plugin \"nosuch\" was found but cannot be loaded (QT_DEBUG_PLUGINS=1 tells why)");
    }
    void aStartSaysWhatItShould()
    {
        QFETCH(QStringList, qt);
        QFETCH(QString, want);
        QStringList words = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
        QProcessEnvironment env; // the words before the command
        for (; words.first() != QStringLiteral("quintet"); words.removeFirst())
            env.insert(words.first().section(u'=', 0, 0), words.first().section(u'=', 1));
        LoadLanguage(QLocale(env.value(QStringLiteral("LANGUAGE"), QStringLiteral("en"))));
        InstallLanguage();
        Options given;
        StartAnswer a;
        AnswerOptions(words, given, a);
        if (a.Goes && !qt.isEmpty()) { // Qt starts once the command line goes on
            QByteArrayList categories;  // as Qt's, alive while their messages are read
            QList<HeldMessage> held;
            for (const QString &m : qt)
                held.append({QtWarningMsg, (categories << m.section(u':', 0, 0).toLatin1()).last().constData(),
                             m.section(QStringLiteral(": "), 1)});
            qt << QStringLiteral("This application failed to start because no Qt platform plugin could be initialized. "
                                 "Reinstalling the application may fix this problem.\n\n"
                                 "Available platform plugins are: xcb, wayland.\n");
            AnswerFailure(held, {QtFatalMsg, "default", qt.last()}, given, env, a);
            want += u'\n' + qt.join(u'\n');
        }
        QFile changelog(QFINDTESTDATA("../debian/changelog")); // the package's version, in its first line
        QVERIFY(changelog.open(QIODevice::ReadOnly));
        const QString version = QString::fromUtf8(changelog.readLine()).section(u'(', 1).section(u')', 0, 0);
        want.replace(QStringLiteral("%v"), version);
        const bool error = want.startsWith(QStringLiteral("quintet:"));
        QVERIFY2(a.Goes == want.isEmpty() && (error ? a.Out : a.Err).isEmpty(), qPrintable(a.Out + a.Err));
        QCOMPARE(a.Status, error ? 1 : 0);
        const QString said = error ? a.Err : a.Out;
        if (want.startsWith(u'~'))
            QVERIFY2(said.contains(want.mid(1)), qPrintable(said));
        else
            QCOMPARE(said, want.isEmpty() ? want : want + u'\n');
    }
};

QTEST_GUILESS_MAIN(TestStart)
#include "test_start.moc"
