// Qt chooses the platform and reaches the display itself; the game only
// listens to what it says on the way, and speaks if it fails.
#include "ui/program.h"

#include "ui/identity.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QMutex>
#include <QPluginLoader>
#include <QString>
#include <cstdio>
#include <cstdlib>

// The sanitizers' leak check, which a program that ends with _Exit must ask for.
#if defined(__SANITIZE_ADDRESS__)
#define QUINTET_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUINTET_LEAK_CHECK 1
#endif
#endif
#ifdef QUINTET_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace {

struct HeldMessage {
    QtMsgType Type;
    const char *Category; // a category's name lives as long as the program
    QString Text;
};

QtMessageHandler QtHandler = nullptr;
// Qt's other threads may say something too: one lock keeps the messages in
// order and decides, with Holding, whether a message is held or printed.
QMutex HeldLock;
QList<HeldMessage> Held;
bool Holding = false;
Options Given; // what the command line asked of Qt

// The first held message that contains what; -1 for none.
qsizetype Said(const QList<HeldMessage> &held, const QString &what)
{
    for (qsizetype i = 0; i < held.size(); i++)
        if (held[i].Text.contains(what))
            return i;
    return -1;
}

QString Variable(const char *name)
{
    //: How a failed start shows an environment variable that is not set.
    if (!qEnvironmentVariableIsSet(name))
        return Translated("Failure", "unset");
    //: How a failed start shows an environment variable that is set to nothing.
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? Translated("Failure", "empty") : v;
}

// Why the platform plugin of the given name, found by Qt, cannot be loaded:
// the loader's own words, from the plugin's file in the places Qt looks.
QString WhyNotLoaded(const QString &plugin)
{
    QStringList dirs = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
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
QString Reason(const QList<HeldMessage> &held, const QString &fatal)
{
    const QString quoted = QStringLiteral("\"");
    // A plugin that connects to a display says so when it cannot.
    if (Said(held, QStringLiteral("could not connect to display")) >= 0 ||
        Said(held, QStringLiteral("Failed to create wl_display")) >= 0) {
        if (!Given.Display.isEmpty())
            //: Why the game cannot start; %1 is the display given on the command line.
            return Translated("Failure", "cannot open the display %1 given by -display").arg(Given.Display);
        if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            //: Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables' names.
            return Translated("Failure", "no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset");
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            //: Why the game cannot start; %1 and %2 say whether each variable is unset or empty.
            return Translated("Failure", "no X11 or Wayland display (DISPLAY is %1, WAYLAND_DISPLAY is %2)")
                .arg(Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"));
        //: Why the game cannot start; %1 and %2 are the variables' values.
        return Translated("Failure", "cannot open the display (DISPLAY=%1, WAYLAND_DISPLAY=%2)")
            .arg(Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"));
    }
    // Found but not loaded: the loader tells why.
    const qsizetype failed = Said(held, QStringLiteral("even though it was found"));
    if (failed >= 0) {
        const QString plugin = held[failed].Text.section(quoted, 1, 1);
        const QString why = WhyNotLoaded(plugin);
        if (why.isEmpty())
            //: Why the game cannot start; %1 is the plugin's name.
            return Translated("Failure", "the Qt platform plugin \"%1\" was found but cannot be loaded "
                                         "(QT_DEBUG_PLUGINS=1 tells why)")
                .arg(plugin);
        //: Why the game cannot start; %1 is the plugin's name, %2 the reason in Qt's words.
        return Translated("Failure", "the Qt platform plugin \"%1\" was found but cannot be loaded: %2").arg(plugin, why);
    }
    const qsizetype missing = Said(held, QStringLiteral("Could not find the Qt platform plugin"));
    if (missing >= 0) {
        const QString plugin = held[missing].Text.section(quoted, 1, 1);
        //: Where the name of a missing platform plugin came from: the command line.
        const QString asked = !Given.Platform.isEmpty() ? Translated("Failure", "-platform %1").arg(Given.Platform)
                                                        : QStringLiteral("QT_QPA_PLATFORM=") + Variable("QT_QPA_PLATFORM");
        if (plugin.startsWith(QStringLiteral("wayland")))
            //: Why the game cannot start; %1 is the plugin's name, %2 where it was asked for.
            return Translated("Failure", "no Qt platform plugin \"%1\" (%2): "
                                         "install the Qt Wayland plugin (Debian: qt6-wayland)")
                .arg(plugin, asked);
        //: Why the game cannot start; %1 is the plugin's name, %2 where it was asked for.
        return Translated("Failure", "no Qt platform plugin \"%1\" (%2)").arg(plugin, asked);
    }
    return fatal.section(QLatin1Char('\n'), 0, 0);
}

void Print(QtMsgType type, const char *category, const QString &text)
{
    QtHandler(type, QMessageLogContext(nullptr, 0, nullptr, category), text);
}

// Qt ends a failed start with a fatal message, an abort and a word on
// reinstalling; the player needs what is missing first, then Qt's words.
void TakeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QMutexLocker lock(&HeldLock);
    if (!Holding) {
        lock.unlock();
        QtHandler(type, context, message);
        return;
    }
    if (type != QtFatalMsg) {
        Held.append({type, context.category, message});
        return;
    }
    // Finding the reason may make Qt speak again: that goes straight out.
    const QList<HeldMessage> held = std::move(Held);
    Held.clear();
    Holding = false;
    lock.unlock();
    std::fprintf(stderr, "%s: %s\n", CommandName, qPrintable(Reason(held, message)));
    std::fflush(stderr);
    for (const HeldMessage &m : held)
        Print(m.Type, m.Category, m.Text);
    Print(QtFatalMsg, context.category, message);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

void HoldStartMessages(const Options &given)
{
    Given = given;
    {
        // Where Qt is told to abort at a warning, as developers ask it to,
        // each message goes out as it comes, as in any Qt program.
        const QMutexLocker lock(&HeldLock);
        Holding = qEnvironmentVariableIsEmpty("QT_FATAL_WARNINGS") && qEnvironmentVariableIsEmpty("QT_FATAL_CRITICALS");
    }
    QtHandler = qInstallMessageHandler(TakeMessage);
}

void StartSucceeded()
{
    const QMutexLocker lock(&HeldLock);
    for (const HeldMessage &m : Held)
        Print(m.Type, m.Category, m.Text);
    Held.clear();
    Holding = false;
}

// Nothing is lost: the game saves nothing, and the window is already gone.
// Qt's Wayland teardown waits for its event thread, which can sit in
// wl_display_read_events for good; the server cleans up after a client that
// ends, on X11 as on Wayland.
void EndProgram(int status)
{
    std::fflush(nullptr);
#ifdef QUINTET_LEAK_CHECK
    // What is unreachable now is lost; what Qt still holds is not.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}
