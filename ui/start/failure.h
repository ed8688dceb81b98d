// Why a start failed, in one line: Qt's own words where it said them, and
// what the command line gave.
#pragma once

#include "ui/start/options.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QtGlobal>

// A message of Qt's, held while the start may still fail.
struct HeldMessage {
    QtMsgType Type;
    const char *Category; // a category's name lives as long as the program
    QString Text;
};

// What a failed start prints, into a, printing nothing: one line that says
// why, naming what the command line (given) or the environment (env) asked
// for, then the messages Qt held and its last, fatal one, whole and in order
// as Qt's own handler writes them; status 1.
void AnswerFailure(const QList<HeldMessage> &held, const HeldMessage &fatal, const Options &given,
                   const QProcessEnvironment &env, StartAnswer &a);
