// Prints what a flood of parameter writes does to the running program: one
// client writes parameter 600 as fast as the program takes the writes, for a
// while, through the service port (5321 write blocks) or the console (4321
// "set 600 5" lines), and reads what comes back. The program and the
// controller emulator run as processes, as on the station; a second service
// client watches for the event the controller announces halfway through.
// Figures: status requests a second while idle and during the flood, the
// program's resident memory before, at its highest and at the end, how long
// the event took to arrive, and how long writes kept reaching the controller
// after the client went (it closes its connection with replies unread, so
// the close is a reset and what it had sent and the program had not read
// goes with it).
// Stated bounds: at least 5 status requests a second during the flood, memory
// rising by at most 10 MB, the event within 1 s, the last write at most 2 s
// after the client went.
//
// bench_write_flood [seconds (10)] [service|console|both (both)]
// Uses the station's ports 502, 5321 and 4321: run it alone.
#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int EventRecordSize = 21;

qint64 now(const QElapsedTimer& clock) { return clock.elapsed(); }

int connectLocal(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    return fd;
}

// A service write block: size, command 2, id, value, flag.
QByteArray writeBlock(quint16 id, quint32 value, qint32 flag)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint16(0) << quint16(2) << id << value << flag;
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

struct Station
{
    QTemporaryDir dir;
    QProcess emulator;
    QProcess program;

    bool start()
    {
        emulator.setStandardOutputFile(dir.path() + "/emulator.log");
        emulator.setStandardErrorFile(dir.path() + "/emulator.log", QIODevice::Append);
        emulator.start(VRX_BINARY_DIR "/emulator/controller_emu",
                       {"--socket", dir.path() + "/controller.sock", "--control", dir.path() + "/control.sock", "--seed",
                        VRX_BINARY_DIR "/emulator/seed.csv"});
        if (!emulator.waitForStarted(5000) || !waitFile(dir.path() + "/control.sock", 10000))
            return false;
        const QString exe = dir.path() + "/vrx_gui";
        QFile::copy(VRX_BINARY_DIR "/vrx_gui", exe);
        QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VRX_CONTROLLER_SOCKET", dir.path() + "/controller.sock");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VRX_SYSFS_ROOT", dir.path() + "/sys");
        // Under AddressSanitizer freed memory is held back for a while: a
        // small quarantine makes the resident size show what is kept.
        env.insert("ASAN_OPTIONS", "detect_leaks=0:quarantine_size_mb=4:thread_local_quarantine_size_kb=256");
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.setStandardOutputFile(dir.path() + "/program.log");
        program.setStandardErrorFile(dir.path() + "/program.log", QIODevice::Append);
        program.start(exe, QStringList());
        if (!program.waitForStarted(5000))
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 60000) {
            if (log().contains("[I] CS: Server started"))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    ~Station()
    {
        program.terminate();
        if (!program.waitForFinished(10000))
            program.kill();
        control("quit");
        if (!emulator.waitForFinished(3000))
            emulator.kill();
    }
    static bool waitFile(const QString& path, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(path)) {
            if (t.elapsed() > ms)
                return false;
            QThread::msleep(20);
        }
        return true;
    }
    QByteArray log() const
    {
        QFile f(dir.path() + "/program.log");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray control(const QByteArray& command) const
    {
        QLocalSocket socket;
        socket.connectToServer(dir.path() + "/control.sock");
        if (!socket.waitForConnected(2000))
            return QByteArray();
        socket.write(command + "\n");
        socket.flush();
        QByteArray answer;
        while (!answer.endsWith("ok\n") && !answer.contains("error:") && socket.waitForReadyRead(5000))
            answer += socket.readAll();
        return answer;
    }
    int writeCount() const { return control("writes").count('\n') - 1; }
    quint64 served(int command) const
    {
        for (const QByteArray& line : control("stats").split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 2 && f.at(0).toInt() == command)
                return f.at(1).toULongLong();
        }
        return 0;
    }
    // Resident memory in kB.
    long rss() const
    {
        QFile f(QString("/proc/%1/status").arg(program.processId()));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        return -1;
    }
};

// A client that writes the same bytes whenever its socket takes them and
// reads (and drops) whatever comes back; a service client also looks for
// event replies (command 4) carrying the record marked by eventMark.
struct Client
{
    int fd = -1;
    QByteArray chunk;
    std::atomic<bool> writing{true};
    std::atomic<bool> running{true};
    std::atomic<qint64> writtenBytes{0};
    std::atomic<qint64> eventAt{-1};
    QByteArray eventMark;
    bool service = false;
    std::thread thread;

    void run(const QElapsedTimer& clock)
    {
        QByteArray in;
        int offset = 0;
        char buffer[65536];
        while (running) {
            pollfd p = {fd, short(POLLIN | (writing ? POLLOUT : 0)), 0};
            if (::poll(&p, 1, 10) < 0)
                break;
            if ((p.revents & POLLOUT) && writing) {
                const ssize_t n = ::send(fd, chunk.constData() + offset, size_t(chunk.size() - offset), MSG_NOSIGNAL);
                if (n > 0) {
                    writtenBytes += n;
                    offset = int((offset + n) % chunk.size());
                }
            }
            if (p.revents & (POLLIN | POLLHUP | POLLERR)) {
                const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                if (!service)
                    continue;
                in.append(buffer, int(n));
                while (in.size() >= 4) {
                    const int size = qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(in.constData()));
                    if (in.size() < 2 + size)
                        break;
                    const quint16 command = qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(in.constData() + 2));
                    if (command == 4 && eventAt < 0 && !eventMark.isEmpty() && in.mid(4, 2 + size).contains(eventMark))
                        eventAt = now(clock);
                    in.remove(0, 2 + size);
                }
            }
        }
    }
};

struct Figures
{
    double idleStatus = 0, floodStatus = 0;
    long rssBefore = 0, rssMax = 0, rssEnd = 0;
    qint64 eventMs = -1, drainMs = -1;
    double writesPerSecond = 0;
    qint64 bytesSent = 0;
};

bool flood(Station& station, bool console, int seconds, Figures* fig)
{
    QElapsedTimer clock;
    clock.start();

    // Idle first: the status requests of a link with nothing else to do.
    quint64 status0 = station.served(1);
    QThread::msleep(1000);
    fig->idleStatus = double(station.served(1) - status0);

    Client watcher;
    watcher.fd = connectLocal(5321);
    watcher.service = true;
    watcher.writing = false;
    Client writer;
    writer.fd = connectLocal(console ? 4321 : 5321);
    if (watcher.fd < 0 || writer.fd < 0)
        return false;
    QByteArray chunk;
    for (int i = 0; i < 256; ++i)
        chunk += console ? QByteArray("set 600 5\n") : writeBlock(600, 0x40A00000u, 3);
    writer.chunk = chunk;
    QByteArray record(EventRecordSize, '\0');
    const quint32 mark = 0x5EA1ED00u + quint32(console);
    for (int i = 0; i < 4; ++i)
        record[i] = char((mark >> (8 * i)) & 0xFF);
    for (int i = 4; i < EventRecordSize; ++i)
        record[i] = char(0xA0 + i);
    watcher.eventMark = record;
    watcher.thread = std::thread([&] { watcher.run(clock); });
    writer.thread = std::thread([&] { writer.run(clock); });

    fig->rssBefore = station.rss();
    fig->rssMax = fig->rssBefore;
    const int writes0 = station.writeCount();
    status0 = station.served(1);
    const qint64 start = now(clock);
    qint64 eventSet = -1;
    while (now(clock) - start < seconds * 1000) {
        QThread::msleep(100);
        fig->rssMax = qMax(fig->rssMax, station.rss());
        if (eventSet < 0 && now(clock) - start >= seconds * 500) {
            station.control("event " + record.toHex());
            eventSet = now(clock);
        }
    }
    const qint64 stop = now(clock);
    fig->floodStatus = double(station.served(1) - status0) * 1000.0 / double(stop - start);
    // The client stops: it writes no more and goes, as a client that stops does.
    writer.writing = false;
    writer.running = false;
    writer.thread.join();
    linger abort = {1, 0};
    ::setsockopt(writer.fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    ::close(writer.fd);
    fig->bytesSent = writer.writtenBytes;

    // Writes reaching the controller after the stop: until none came for 2 s.
    quint64 last = station.served(3);
    qint64 lastChange = stop;
    while (now(clock) - lastChange < 2000 && now(clock) - stop < 60000) {
        QThread::msleep(50);
        fig->rssMax = qMax(fig->rssMax, station.rss());
        const quint64 n = station.served(3);
        if (n != last) {
            last = n;
            lastChange = now(clock);
        }
    }
    fig->drainMs = lastChange - stop;
    fig->writesPerSecond = double(station.writeCount() - writes0) * 1000.0 / double(lastChange - start);
    fig->eventMs = watcher.eventAt >= 0 && eventSet >= 0 ? watcher.eventAt - eventSet : -1;
    fig->rssEnd = station.rss();
    watcher.running = false;
    watcher.thread.join();
    ::close(watcher.fd);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    const QByteArray which = argc > 2 ? QByteArray(argv[2]) : QByteArray("both");
    std::printf("write flood of %d s, Qt event dispatcher: %s\n", seconds,
                qEnvironmentVariableIsSet("QT_NO_GLIB") ? "Qt's own (QT_NO_GLIB)" : "glib where built in");
    for (const bool console : {false, true}) {
        if ((console && which == "service") || (!console && which == "console"))
            continue;
        Station station;
        Figures fig;
        if (!station.start() || !flood(station, console, seconds, &fig)) {
            std::printf("%s: the station did not start or the client could not connect\n", console ? "4321" : "5321");
            continue;
        }
        std::printf("%s flood (%s):\n", console ? "4321" : "5321", console ? "\"set 600 5\" lines" : "write blocks of 600");
        std::printf("  status requests: %.0f/s idle, %.1f/s during the flood   (bound: at least 5/s)\n", fig.idleStatus,
                    fig.floodStatus);
        std::printf("  resident memory: %.1f MB before, %.1f MB highest (+%.1f MB), %.1f MB at the end   (bound: +10 MB)\n",
                    fig.rssBefore / 1024.0, fig.rssMax / 1024.0, (fig.rssMax - fig.rssBefore) / 1024.0, fig.rssEnd / 1024.0);
        std::printf("  event set halfway arrived after %lld ms   (bound: 1000 ms; -1 never)\n",
                    static_cast<long long>(fig.eventMs));
        std::printf("  writes reached the controller until %lld ms after the client stopped   (bound: 2000 ms)\n",
                    static_cast<long long>(fig.drainMs));
        std::printf("  about %.0f writes/s reached the controller; the client wrote %.1f MB\n", fig.writesPerSecond,
                    fig.bytesSent / 1048576.0);
    }
    return 0;
}
