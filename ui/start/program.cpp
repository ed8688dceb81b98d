// Qt chooses the platform and reaches the display itself; the game only
// listens to what it says on the way, and speaks if it fails.
#include "ui/start/program.h"

#include "ui/start/end.h"
#include "ui/start/failure.h"

#include <QMutex>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler QtHandler = nullptr;
// Qt's other threads may say something too: one lock keeps the messages in
// order and decides, with Holding, whether a message is held or printed.
QMutex HeldLock;
QList<HeldMessage> Held;
bool Holding = false;
Options Given; // what the command line asked of Qt

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
    StartAnswer a;
    AnswerFailure(held, {type, context.category, message}, Given, QProcessEnvironment::systemEnvironment(), a);
    Say(a);
    std::fflush(stderr);
    // Where Qt would abort: at once, and with no leak check, as the game's
    // own end asks for one. Qt stops half built inside its application
    // object, and what it holds then is not the game's to free.
    std::_Exit(a.Status);
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
