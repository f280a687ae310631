#include "systemcommands.h"

#include <QDebug>
#include <QHash>
#include <QMutexLocker>
#include <QProcess>

namespace {
QMutex recordMutex;
QList<SystemCommands::Call> recordedCalls;
QHash<QString, QByteArray> dryRunOutputs;
} // namespace

QString SystemCommands::Call::text() const
{
    return arguments.isEmpty() ? program : program + " " + arguments.join(' ');
}

bool SystemCommands::isLive()
{
#ifdef VRX_TARGET_BOARD
    return true;
#else
    return false;
#endif
}

void SystemCommands::record(const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    QMutexLocker lock(&recordMutex);
    recordedCalls.append(Call{program, arguments, workingDirectory});
}

QList<SystemCommands::Call> SystemCommands::recorded()
{
    QMutexLocker lock(&recordMutex);
    return recordedCalls;
}

void SystemCommands::clearRecorded()
{
    QMutexLocker lock(&recordMutex);
    recordedCalls.clear();
}

void SystemCommands::setDryRunOutput(const QString& program, const QByteArray& output)
{
    QMutexLocker lock(&recordMutex);
    dryRunOutputs.insert(program, output);
}

bool SystemCommands::startDetached(const QString& program, const QStringList& arguments,
                                   const QString& workingDirectory)
{
    record(program, arguments, workingDirectory);
    if (!isLive()) {
        qWarning().noquote() << "[dry-run]" << Call{program, arguments, QString()}.text();
        return true;
    }
    return QProcess::startDetached(program, arguments, workingDirectory);
}

bool SystemCommands::run(const QString& program, const QStringList& arguments, int timeoutMs, QByteArray* output)
{
    record(program, arguments);
    if (!isLive()) {
        qWarning().noquote() << "[dry-run]" << Call{program, arguments, QString()}.text();
        if (output) {
            QMutexLocker lock(&recordMutex);
            *output = dryRunOutputs.value(program);
        }
        return true;
    }
    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(timeoutMs))
        return false;
    const bool finished = process.waitForFinished(timeoutMs);
    if (output)
        *output = process.readAllStandardOutput();
    return finished;
}
