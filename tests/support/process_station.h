#ifndef PROCESS_STATION_H
#define PROCESS_STATION_H

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A "Field:   N kB" line of the /proc status of the process pid names
// ("self": this one), in kB; -1 when it cannot be read.
long statusKb(const QString& pid, const QByteArray& field);
// Its resident memory (VmRSS).
long residentKbOf(const QString& pid);

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
    // For startProgram's and startEmulator's environment: AddressSanitizer
    // holds freed memory back in a quarantine of 256 MB by default, so the
    // resident size would grow whatever the process keeps; a small one makes
    // it show what is kept.
    static constexpr const char* SmallQuarantine =
        "ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=4:thread_local_quarantine_size_kb=256";

    ProcessStation();
    ~ProcessStation();

    // Whether the station's ports (502, 5321, 4321) are free for the program.
    static bool stationPortsFree();

    // With the emulator's own seed unless another is given; extra
    // environment as NAME=VALUE; with openFiles above 0, the emulator may
    // hold that many files at most.
    bool startEmulator(const QString& seed = QString(), const QStringList& environment = QStringList(),
                       int openFiles = 0);
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
    // Requests of a command the emulator has served ("stats"), and those
    // that reached it, refused or unanswered ones too ("requests").
    quint64 served(int command) const { return commandCount("stats", command); }
    quint64 received(int command) const { return commandCount("requests", command); }
    // Requests of a command that had reached the emulator when the write it
    // watches ("watch ID HEX8") arrived; -1 while that write has not come.
    qint64 receivedAtWatchedWrite(int command) const;
    // The program's resident memory in kB; -1 when it cannot be read.
    long residentKb() const;
    // Everything the program has logged so far.
    QByteArray programLog();

    QProcess& program() { return m_program; }
    QProcess& emulator() { return m_emulator; }
    QString directory() const { return m_dir.path(); }
    // The emulator's SPI link socket.
    QString linkSocket() const { return m_dir.path() + "/controller.sock"; }

private:
    // The count of command in a control answer of "CMD COUNT" lines.
    quint64 commandCount(const QByteArray& control, int command) const;

    QTemporaryDir m_dir;
    LimitedProcess m_emulator;
    LimitedProcess m_program;
    QByteArray m_log;
};

#endif // PROCESS_STATION_H
