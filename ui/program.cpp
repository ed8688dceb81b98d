// Qt chooses the platform and reaches the display itself; the game only
// listens to what it says on the way, and speaks if it fails.
#include "ui/program.h"

#include "ui/language.h"

#include <QLoggingCategory>
#include <QMutex>
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
    bool Asked; // asked for by the game alone, to tell why a plugin failed
};

QtMessageHandler QtHandler = nullptr;
// Qt's other threads may say something too: one lock keeps the messages in
// order and decides, with Holding, whether a message is held or printed.
QMutex HeldLock;
QList<HeldMessage> Held;
bool Holding = false;
// Qt's library loader says why a plugin failed to load only in its debug
// messages; the game turns them on while Qt starts, unless the player did.
bool LoaderAsked = false;

// The first held message that contains what, from the given one on; -1 for none.
qsizetype Said(const QString &what, qsizetype from = 0)
{
    for (qsizetype i = from; i < Held.size(); i++)
        if (Held[i].Text.contains(what))
            return i;
    return -1;
}

QString Variable(const char *name)
{
    const QString v = qEnvironmentVariable(name);
    //: How a failed start shows an environment variable that is not set.
    return v.isEmpty() ? Translated("Failure", "unset") : v;
}

// What went wrong, in Qt's own words where it said them, for one line.
QString Reason(const QString &fatal)
{
    const QString quoted = QStringLiteral("\"");
    // A plugin that connects to a display says so when it cannot.
    if (Said(QStringLiteral("could not connect to display")) >= 0 ||
        Said(QStringLiteral("Failed to create wl_display")) >= 0) {
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            //: Why the game cannot start; DISPLAY and WAYLAND_DISPLAY are the variables' names.
            return Translated("Failure", "no X11 or Wayland display: DISPLAY and WAYLAND_DISPLAY are unset");
        //: Why the game cannot start; %1 and %2 are the variables' values.
        return Translated("Failure", "cannot open the display (DISPLAY=%1, WAYLAND_DISPLAY=%2)")
            .arg(Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"));
    }
    // Found but not loaded: the loader said why just before.
    const qsizetype failed = Said(QStringLiteral("even though it was found"));
    if (failed >= 0) {
        QString why;
        for (qsizetype i = 0; i < failed; i++)
            if (Held[i].Text.contains(QStringLiteral(" cannot load: ")))
                why = Held[i].Text.section(QStringLiteral(" cannot load: "), 1);
        const QString plugin = Held[failed].Text.section(quoted, 1, 1);
        if (why.isEmpty())
            //: Why the game cannot start; %1 is the plugin's name.
            return Translated("Failure", "the Qt platform plugin \"%1\" was found but cannot be loaded "
                                         "(QT_DEBUG_PLUGINS=1 tells why)")
                .arg(plugin);
        //: Why the game cannot start; %1 is the plugin's name, %2 the reason in Qt's words.
        return Translated("Failure", "the Qt platform plugin \"%1\" was found but cannot be loaded: %2").arg(plugin, why);
    }
    const qsizetype missing = Said(QStringLiteral("Could not find the Qt platform plugin"));
    if (missing >= 0) {
        const QString plugin = Held[missing].Text.section(quoted, 1, 1);
        if (plugin.startsWith(QStringLiteral("wayland")))
            //: Why the game cannot start; %1 is the plugin's name, %2 the variable's value.
            return Translated("Failure", "no Qt platform plugin \"%1\" (QT_QPA_PLATFORM=%2): "
                                         "install the Qt Wayland plugin (Debian: qt6-wayland)")
                .arg(plugin, Variable("QT_QPA_PLATFORM"));
        //: Why the game cannot start; %1 is the plugin's name, %2 the variable's value.
        return Translated("Failure", "no Qt platform plugin \"%1\" (QT_QPA_PLATFORM=%2)")
            .arg(plugin, Variable("QT_QPA_PLATFORM"));
    }
    return fatal.section(QLatin1Char('\n'), 0, 0);
}

void Print(const HeldMessage &m)
{
    QtHandler(m.Type, QMessageLogContext(nullptr, 0, nullptr, m.Category), m.Text);
}

// Qt ends a failed start with a fatal message, an abort and a word on
// reinstalling; the player needs what is missing.
void TakeMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    QMutexLocker lock(&HeldLock);
    if (!Holding) {
        lock.unlock();
        QtHandler(type, context, message);
        return;
    }
    if (type != QtFatalMsg) {
        const bool asked = LoaderAsked && type == QtDebugMsg && context.category &&
                           QLatin1String(context.category) == QLatin1String("qt.core.library");
        Held.append({type, context.category, message, asked});
        return;
    }
    std::fprintf(stderr, "quintet: %s\n", qPrintable(Reason(message)));
    for (const HeldMessage &m : Held)
        if (!m.Asked)
            Print(m);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

void HoldStartMessages()
{
    {
        const QMutexLocker lock(&HeldLock);
        Holding = true;
    }
    LoaderAsked = qEnvironmentVariableIsEmpty("QT_DEBUG_PLUGINS") && qEnvironmentVariableIsEmpty("QT_LOGGING_RULES");
    if (LoaderAsked)
        QLoggingCategory::setFilterRules(QStringLiteral("qt.core.library.debug=true"));
    QtHandler = qInstallMessageHandler(TakeMessage);
}

void StartSucceeded()
{
    if (LoaderAsked)
        QLoggingCategory::setFilterRules(QString());
    const QMutexLocker lock(&HeldLock);
    for (const HeldMessage &m : Held)
        if (!m.Asked)
            Print(m);
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
