#ifndef PROCESS_STATION_H
#define PROCESS_STATION_H

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A process that starts with a limit of its own on open files, when given one.
class LimitedProcess : public QProcess
{
public:
    int openFiles = 0;

protected:
    void setupChildProcess() override;
};

// The controller emulator and the program as real processes in a temporary
// directory, reached only through their real interfaces: the emulator's
// control socket, the program's TCP ports and its log.
class ProcessStation
{
public:
    ProcessStation();
    ~ProcessStation();

    // With the emulator's own seed unless another is given.
    bool startEmulator(const QString& seed = QString());
    // Starts the program against the emulator; extra environment as NAME=VALUE;
    // with openFiles above 0, the program may hold that many files at most.
    bool startProgram(const QStringList& arguments = QStringList(), const QStringList& environment = QStringList(),
                      int openFiles = 0);
    // Sends one control command and returns the whole answer (up to "ok"/"error:").
    QByteArray control(const QByteArray& command) const;
    // Waits until the emulator's write log holds a write of id; false on time-out.
    bool waitForWrite(quint16 id, int timeoutMs);
    // The write log as (id, raw, flag) lines.
    QList<QByteArrayList> writes() const;
    // Everything the program has logged so far.
    QByteArray programLog();

    QProcess& program() { return m_program; }
    QProcess& emulator() { return m_emulator; }
    QString directory() const { return m_dir.path(); }
    // The emulator's SPI link socket.
    QString linkSocket() const { return m_dir.path() + "/controller.sock"; }

private:
    QTemporaryDir m_dir;
    QProcess m_emulator;
    LimitedProcess m_program;
    QByteArray m_log;
};

#endif // PROCESS_STATION_H
