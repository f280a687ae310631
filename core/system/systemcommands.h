#ifndef SYSTEMCOMMANDS_H
#define SYSTEMCOMMANDS_H

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QProcess;
class SystemCommandJob;

// Every process the program starts (network, date, power, updater, Wi-Fi
// tools) goes through here. Only a build for the station board really starts
// them; any other build logs "[dry-run] <program> <args>" and records the
// call, so nothing on a development or CI machine changes its clock, network
// or power state.
class SystemCommands
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
        // Where it runs; empty: the program's own working directory.
        QString workingDirectory;
        QString text() const;
    };

    // How a program ends in a build that starts nothing, per program: tests
    // play a tool that fails, cannot be started, or is still running when the
    // next step would begin. By default a job of start() ends at once with
    // exit code 0; startDetached() heeds only failsToStart.
    struct DryRunBehaviour
    {
        int exitCode = 0;
        bool failsToStart = false;
        // Ends only on releaseHeld() (or its time-out).
        bool held = false;
    };

    SystemCommands() = delete;

    // Starts a program without waiting for it, in workingDirectory when one
    // is given; true when it was started.
    static bool startDetached(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory = QString());
    // Runs a program and waits for it up to timeoutMs; its standard output
    // goes to output when given. True when it ran and finished in time.
    static bool run(const QString& program, const QStringList& arguments, int timeoutMs,
                    QByteArray* output = nullptr);
    // Starts a program and returns at once; the job, a child of parent, tells
    // through signalFinished how the program ended, always later than this
    // call returns. A program still running after timeoutMs is killed.
    static SystemCommandJob* start(const QString& program, const QStringList& arguments, int timeoutMs,
                                   QObject* parent);

    // What was asked for so far (every build records it).
    static QList<Call> recorded();
    static void clearRecorded();
    // What run() hands back as a program's standard output in a build that
    // starts nothing (nothing unless set here); tests play the tools' answers.
    static void setDryRunOutput(const QString& program, const QByteArray& output);
    static void setDryRunBehaviour(const QString& program, const DryRunBehaviour& behaviour);
    // Every program back to ending at once with exit code 0.
    static void clearDryRunBehaviours();
    // Ends every held job now (each with its program's exit code); how many.
    static int releaseHeld();
    // True in a build that really starts processes.
    static bool isLive();

private:
    static void record(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory = QString());
};

// One program started by SystemCommands::start().
class SystemCommandJob : public QObject
{
    Q_OBJECT
public:
    const SystemCommands::Call& call() const { return m_call; }
    bool isFinished() const { return m_finished; }

signals:
    // Emitted once. error is empty when the program ran to its end, with
    // exitCode its exit code; otherwise it says why the program did not start
    // or end by itself, and exitCode is -1.
    void signalFinished(int exitCode, const QString& error);

private:
    friend class SystemCommands;
    SystemCommandJob(const SystemCommands::Call& call, int timeoutMs, QObject* parent);
    void begin();
    // Ends the job once; the signal comes from the event loop, as a
    // process's end would.
    void finishLater(int exitCode, const QString& error);

    SystemCommands::Call m_call;
    QTimer m_timeout;
    QProcess* m_process = nullptr;
    int m_dryRunExitCode = 0;
    bool m_finished = false;
};

#endif // SYSTEMCOMMANDS_H
