#include "systemcommands.h"

#include <QDebug>
#include <QHash>
#include <QMutexLocker>
#include <QPointer>
#include <QProcess>

namespace {
QMutex recordMutex;
QList<SystemCommands::Call> recordedCalls;
QHash<QString, QByteArray> dryRunOutputs;
QHash<QString, SystemCommands::DryRunBehaviour> dryRunBehaviours;
QList<QPointer<SystemCommandJob>> heldJobs;
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

void SystemCommands::setDryRunBehaviour(const QString& program, const DryRunBehaviour& behaviour)
{
    QMutexLocker lock(&recordMutex);
    dryRunBehaviours.insert(program, behaviour);
}

void SystemCommands::clearDryRunBehaviours()
{
    QMutexLocker lock(&recordMutex);
    dryRunBehaviours.clear();
}

int SystemCommands::releaseHeld()
{
    QList<QPointer<SystemCommandJob>> jobs;
    {
        QMutexLocker lock(&recordMutex);
        jobs.swap(heldJobs);
    }
    int released = 0;
    for (const QPointer<SystemCommandJob>& job : jobs) {
        if (job && !job->isFinished()) {
            job->finishLater(job->m_dryRunExitCode, QString());
            ++released;
        }
    }
    return released;
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
        QMutexLocker lock(&recordMutex);
        return !dryRunBehaviours.value(program).failsToStart;
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

SystemCommandJob* SystemCommands::start(const QString& program, const QStringList& arguments, int timeoutMs,
                                        QObject* parent)
{
    record(program, arguments);
    auto* job = new SystemCommandJob(Call{program, arguments, QString()}, timeoutMs, parent);
    job->begin();
    return job;
}

SystemCommandJob::SystemCommandJob(const SystemCommands::Call& call, int timeoutMs, QObject* parent)
    : QObject(parent)
    , m_call(call)
    , m_timeout(this)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        if (m_process)
            m_process->kill();
        finishLater(-1, QString("did not end within %1 ms").arg(m_timeout.interval()));
    });
}

void SystemCommandJob::begin()
{
    m_timeout.start();
    if (!SystemCommands::isLive()) {
        qWarning().noquote() << "[dry-run]" << m_call.text();
        QMutexLocker lock(&recordMutex);
        const SystemCommands::DryRunBehaviour behaviour = dryRunBehaviours.value(m_call.program);
        m_dryRunExitCode = behaviour.exitCode;
        if (behaviour.failsToStart)
            finishLater(-1, QStringLiteral("failed to start (dry-run)"));
        else if (behaviour.held)
            heldJobs.append(this);
        else
            finishLater(behaviour.exitCode, QString());
        return;
    }
    m_process = new QProcess(this);
    // What the tool says about a failure belongs in the program's own log.
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus status) {
                if (status == QProcess::CrashExit)
                    finishLater(-1, QStringLiteral("crashed"));
                else
                    finishLater(exitCode, QString());
            });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishLater(-1, m_process->errorString());
    });
    m_process->start(m_call.program, m_call.arguments, QIODevice::ReadOnly);
}

void SystemCommandJob::finishLater(int exitCode, const QString& error)
{
    if (m_finished)
        return;
    m_finished = true;
    // A failure to start can be reported inside QProcess::start(), before
    // whoever started the job has connected to it. The time limit runs on
    // until the end is told, so a running timer shows the job still busy.
    QTimer::singleShot(0, this, [this, exitCode, error] {
        m_timeout.stop();
        emit signalFinished(exitCode, error);
    });
}
