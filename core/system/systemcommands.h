#ifndef SYSTEMCOMMANDS_H
#define SYSTEMCOMMANDS_H

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

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

    SystemCommands() = delete;

    // Starts a program without waiting for it, in workingDirectory when one
    // is given; true when it was started.
    static bool startDetached(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory = QString());
    // Runs a program and waits for it up to timeoutMs; its standard output
    // goes to output when given. True when it ran and finished in time.
    static bool run(const QString& program, const QStringList& arguments, int timeoutMs,
                    QByteArray* output = nullptr);

    // What was asked for so far (every build records it).
    static QList<Call> recorded();
    static void clearRecorded();
    // What run() hands back as a program's standard output in a build that
    // starts nothing (nothing unless set here); tests play the tools' answers.
    static void setDryRunOutput(const QString& program, const QByteArray& output);
    // True in a build that really starts processes.
    static bool isLive();

private:
    static void record(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory = QString());
};

#endif // SYSTEMCOMMANDS_H
