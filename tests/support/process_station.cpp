#include "process_station.h"
#include "wait_for.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTcpServer>
#include <QThread>
#include <sys/resource.h>

namespace {

// This process's environment and the given NAME=VALUE pairs.
QProcessEnvironment environmentWith(const QStringList& pairs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& pair : pairs)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    return env;
}

} // namespace

void LimitedProcess::setupChildProcess()
{
    rlimit limit = {};
    if (openFiles > 0 && ::getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = rlim_t(openFiles);
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

ProcessStation::ProcessStation()
{
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_emulator.setProcessChannelMode(QProcess::MergedChannels);
}

ProcessStation::~ProcessStation()
{
    m_program.terminate();
    if (m_program.state() != QProcess::NotRunning && !m_program.waitForFinished(5000))
        m_program.kill();
    if (m_emulator.state() != QProcess::NotRunning && (control("quit").isEmpty() || !m_emulator.waitForFinished(3000)))
        m_emulator.kill();
    m_program.waitForFinished(1000);
    m_emulator.waitForFinished(1000);
}

bool ProcessStation::stationPortsFree()
{
    for (quint16 port : {502, 5321, 4321}) {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::Any, port))
            return false;
    }
    return true;
}

bool ProcessStation::startEmulator(const QString& seed, const QStringList& environment, int openFiles)
{
    m_emulator.openFiles = openFiles;
    m_emulator.setProcessEnvironment(environmentWith(environment));
    m_emulator.start(VRX_BINARY_DIR "/emulator/controller_emu",
                     {"--socket", linkSocket(), "--control", m_dir.path() + "/control.sock", "--seed",
                      seed.isEmpty() ? VRX_BINARY_DIR "/emulator/seed.csv" : seed});
    return m_emulator.waitForStarted(5000) && waitFor([this] { return QFile::exists(m_dir.path() + "/control.sock"); }, 10000);
}

bool ProcessStation::startProgram(const QStringList& arguments, const QStringList& environment, int openFiles)
{
    m_program.openFiles = openFiles;
    const QString exe = m_dir.path() + "/vrx_gui";
    if (!QFile::exists(exe) && QFile::copy(VRX_BINARY_DIR "/vrx_gui", exe))
        QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_program.setProcessEnvironment(environmentWith(QStringList{"VRX_CONTROLLER_SOCKET=" + linkSocket(),
                                                                "QT_QPA_PLATFORM=offscreen",
                                                                "VRX_SYSFS_ROOT=" + m_dir.path() + "/sys"}
                                                    + environment));
    m_program.setWorkingDirectory(m_dir.path());
    m_program.start(exe, arguments);
    return m_program.waitForStarted(5000);
}

QByteArray ProcessStation::control(const QByteArray& command) const
{
    QLocalSocket socket;
    socket.connectToServer(m_dir.path() + "/control.sock");
    if (!socket.waitForConnected(2000))
        return QByteArray();
    socket.write(command + "\n");
    socket.flush();
    QByteArray answer;
    while (!answer.endsWith("ok\n") && !answer.contains("error:") && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    return answer;
}

QList<QByteArrayList> ProcessStation::writes() const
{
    QList<QByteArrayList> result;
    for (const QByteArray& line : control("writes").split('\n'))
        if (line.count(' ') == 2)
            result << line.split(' ');
    return result;
}

bool ProcessStation::waitForWrite(quint16 id, int timeoutMs)
{
    QElapsedTimer timer;
    for (timer.start(); timer.elapsed() < timeoutMs; QThread::msleep(50))
        for (const QByteArrayList& w : writes())
            if (w.at(0) == QByteArray::number(id))
                return true;
    return false;
}

quint64 ProcessStation::commandCount(const QByteArray& control, int command) const
{
    for (const QByteArray& line : this->control(control).split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2 && fields.at(0).toInt() == command)
            return fields.at(1).toULongLong();
    }
    return 0;
}

qint64 ProcessStation::receivedAtWatchedWrite(int command) const
{
    const QByteArray answer = control("watched");
    if (!answer.endsWith("ok\n"))
        return -1;
    for (const QByteArray& line : answer.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2 && fields.at(0).toInt() == command)
            return fields.at(1).toLongLong();
    }
    return 0;
}

long statusKb(const QString& pid, const QByteArray& field)
{
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    return -1;
}

long residentKbOf(const QString& pid)
{
    return statusKb(pid, "VmRSS");
}

long ProcessStation::residentKb() const
{
    return residentKbOf(QString::number(m_program.processId()));
}

QByteArray ProcessStation::programLog()
{
    m_log += m_program.readAll();
    return m_log;
}
