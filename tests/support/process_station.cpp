#include "process_station.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

namespace {
const QString BinaryDir = QStringLiteral(VRX_BINARY_DIR);
}

ProcessStation::ProcessStation()
{
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_emulator.setProcessChannelMode(QProcess::MergedChannels);
}

ProcessStation::~ProcessStation()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.terminate();
        if (!m_program.waitForFinished(5000))
            m_program.kill();
        m_program.waitForFinished(1000);
    }
    if (m_emulator.state() != QProcess::NotRunning) {
        control("quit");
        if (!m_emulator.waitForFinished(3000))
            m_emulator.kill();
        m_emulator.waitForFinished(1000);
    }
}

bool ProcessStation::startEmulator()
{
    const QString control = m_dir.path() + "/control.sock";
    m_emulator.start(BinaryDir + "/emulator/controller_emu",
                     {"--socket", m_dir.path() + "/controller.sock", "--control", control, "--seed",
                      BinaryDir + "/emulator/seed.csv"});
    if (!m_emulator.waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(control) && timer.elapsed() < 10000)
        QThread::msleep(20);
    return QFile::exists(control);
}

bool ProcessStation::startProgram(const QStringList& arguments, const QStringList& environment)
{
    const QString exe = m_dir.path() + "/vrx_gui";
    if (!QFile::exists(exe)) {
        QFile::copy(BinaryDir + "/vrx_gui", exe);
        QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VRX_CONTROLLER_SOCKET", m_dir.path() + "/controller.sock");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("VRX_SYSFS_ROOT", m_dir.path() + "/sys");
    for (const QString& pair : environment)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    m_program.setProcessEnvironment(env);
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
    while (socket.waitForReadyRead(5000)) {
        answer += socket.readAll();
        if (answer.endsWith("ok\n") || answer.contains("error:"))
            break;
    }
    return answer;
}

QList<QByteArrayList> ProcessStation::writes() const
{
    QList<QByteArrayList> result;
    for (const QByteArray& line : control("writes").split('\n')) {
        const QByteArrayList fields = line.split(' ');
        if (fields.size() == 3)
            result << fields;
    }
    return result;
}

bool ProcessStation::waitForWrite(quint16 id, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray key = QByteArray::number(id);
    while (timer.elapsed() < timeoutMs) {
        for (const QByteArrayList& w : writes())
            if (w.at(0) == key)
                return true;
        QThread::msleep(50);
    }
    return false;
}

QByteArray ProcessStation::programLog()
{
    m_log += m_program.readAll();
    return m_log;
}
