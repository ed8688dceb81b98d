// Qt says why a start failed in messages meant for developers; a player needs
// the one thing that is missing, named as the command line or the
// environment gave it.
#include "ui/start/failure.h"

#include "ui/start/end.h"
#include "ui/start/language.h"
#include "ui/platform/identity.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

namespace {

// The first held message that contains what; -1 for none.
qsizetype FirstHeldWith(const QList<HeldMessage> &held, const QString &what)
{
    for (qsizetype i = 0; i < held.size(); i++)
        if (held[i].Text.contains(what))
            return i;
    return -1;
}

// A variable as a failed start names it, one whole clause for each case, so
// that a language can say "is not set" as its sentences need.
QString Variable(const QProcessEnvironment &env, const QString &name)
{
    if (!env.contains(name))
        //: How a failed start names a variable that is not set; %1 is its name.
        return Translated("Failure", "%1 is not set").arg(name);
    const QString v = env.value(name);
    if (v.isEmpty())
        //: How a failed start names a variable that is set to nothing; %1 is its name.
        return Translated("Failure", "%1 is empty").arg(name);
    return name + QLatin1Char('=') + v;
}

// Why the platform plugin of the given name, found by Qt, cannot be loaded:
// the loader's own words, from the plugin's file in the places Qt looks.
QString WhyNotLoaded(const QString &plugin, const QProcessEnvironment &env)
{
    QStringList dirs =
        env.value(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &d : QCoreApplication::libraryPaths())
        dirs << d + QStringLiteral("/platforms");
    for (const QString &d : dirs)
        for (const QFileInfo &f : QDir(d).entryInfoList(QDir::Files)) {
            const QJsonArray keys = QPluginLoader(f.filePath()).metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray();
            if (!keys.contains(plugin) && !keys.contains(plugin.toLower()))
                continue;
            QLibrary library(f.canonicalFilePath()); // as Qt's loader names it
            if (!library.load())
                return library.errorString();
            library.unload();
        }
    return QString();
}

// What went wrong, in Qt's own words where it said them, for one line;
// what the player gave on the command line is named first.
QString FailureReason(const QList<HeldMessage> &held, const QString &fatal, const Options &given,
                      const QProcessEnvironment &env)
{
    const QString display = QStringLiteral("DISPLAY"), wayland = QStringLiteral("WAYLAND_DISPLAY");
    const QString quoted = QStringLiteral("\"");
    // A plugin that connects to a display says so when it cannot.
    if (FirstHeldWith(held, QStringLiteral("could not connect to display")) >= 0 ||
        FirstHeldWith(held, QStringLiteral("Failed to create wl_display")) >= 0) {
        if (!given.Display.isEmpty())
            //: Why the game cannot start; %1 is the display given on the command line.
            return Translated("Failure", "cannot open the display %1 given by -display").arg(given.Display);
        if (!env.contains(display) && !env.contains(wayland))
            //: Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables' names.
            return Translated("Failure", "no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset");
        if (env.value(display).isEmpty() && env.value(wayland).isEmpty())
            //: Why the game cannot start; %1 and %2 say of each variable that it is not set or empty ("DISPLAY is
            //: empty").
            return Translated("Failure", "no X11 or Wayland display (%1, %2)")
                .arg(Variable(env, display), Variable(env, wayland));
        //: Why the game cannot start; %1 and %2 are the variables ("DISPLAY=:1", "WAYLAND_DISPLAY is not set").
        return Translated("Failure", "cannot open the display (%1, %2)")
            .arg(Variable(env, display), Variable(env, wayland));
    }
    // Found but not loaded: the loader tells why.
    const qsizetype failed = FirstHeldWith(held, QStringLiteral("even though it was found"));
    if (failed >= 0) {
        const QString plugin = held[failed].Text.section(quoted, 1, 1);
        const QString why = WhyNotLoaded(plugin, env);
        if (why.isEmpty())
            //: Why the game cannot start; %1 is the plugin's name.
            return Translated("Failure", "the Qt platform plugin \"%1\" was found but cannot be loaded "
                                         "(QT_DEBUG_PLUGINS=1 tells why)")
                .arg(plugin);
        //: Why the game cannot start; %1 is the plugin's name, %2 the reason in Qt's words.
        return Translated("Failure", "the Qt platform plugin \"%1\" was found but cannot be loaded: %2").arg(plugin, why);
    }
    const qsizetype missing = FirstHeldWith(held, QStringLiteral("Could not find the Qt platform plugin"));
    if (missing >= 0) {
        const QString plugin = held[missing].Text.section(quoted, 1, 1);
        //: Where the name of a missing platform plugin came from: the command line.
        const QString asked = !given.Platform.isEmpty() ? Translated("Failure", "-platform %1").arg(given.Platform)
                                                        : Variable(env, QStringLiteral("QT_QPA_PLATFORM"));
        if (plugin.startsWith(QStringLiteral("wayland")))
            //: Why the game cannot start; %1 is the plugin's name, %2 where it was asked for ("QT_QPA_PLATFORM=wayland").
            return Translated("Failure", "no Qt platform plugin \"%1\" (%2): "
                                         "install the Qt Wayland plugin (Debian: qt6-wayland)")
                .arg(plugin, asked);
        //: Why the game cannot start; %1 is the plugin's name, %2 where it was asked for.
        return Translated("Failure", "no Qt platform plugin \"%1\" (%2)").arg(plugin, asked);
    }
    return fatal.section(QLatin1Char('\n'), 0, 0);
}

// A message as Qt's own handler writes it: in QT_MESSAGE_PATTERN's form, a
// line of its own, and not at all where the pattern leaves nothing.
void Append(QString &lines, const HeldMessage &m)
{
    const QString line = qFormatLogMessage(m.Type, QMessageLogContext(nullptr, 0, nullptr, m.Category), m.Text);
    if (!line.isNull())
        lines += line + QLatin1Char('\n');
}

} // namespace

void AnswerFailure(const QList<HeldMessage> &held, const HeldMessage &fatal, const Options &given,
                   const QProcessEnvironment &env, StartAnswer &a)
{
    a = StartAnswer();
    a.Err = QStringLiteral("%1: %2\n").arg(QLatin1String(CommandName), FailureReason(held, fatal.Text, given, env));
    for (const HeldMessage &m : held)
        Append(a.Err, m);
    Append(a.Err, fatal);
    a.Status = 1;
    a.Goes = false;
}
