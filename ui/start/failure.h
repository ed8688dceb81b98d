// Why a start failed, in one line: Qt's own words where it said them, and
// what the command line gave.
#pragma once

#include "ui/start/options.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// A message of Qt's, held while the start may still fail.
struct HeldMessage {
    QtMsgType Type;
    const char *Category; // a category's name lives as long as the program
    QString Text;
};

// The reason for the line that a failed start prints, from the messages Qt
// held and its last, fatal one.
QString FailureReason(const QList<HeldMessage> &held, const QString &fatal, const Options &given);
