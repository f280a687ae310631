#ifndef RECORDED_COMMANDS_H
#define RECORDED_COMMANDS_H

#include "systemcommands.h"

#include <QStringList>

// The programs the dry-run runner was asked to start, as "<program> <args>",
// oldest first.
inline QStringList recordedCommands()
{
    QStringList texts;
    for (const SystemCommands::Call& call : SystemCommands::recorded())
        texts << call.text();
    return texts;
}

#endif // RECORDED_COMMANDS_H
