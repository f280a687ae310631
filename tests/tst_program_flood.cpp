// The program and the controller emulator as processes: one client writes
// parameter 600 as fast as the program takes the writes, through the service
// port (5321 write blocks) or the console (4321 "set" lines), and reads what
// comes back. Meanwhile the status request keeps its pace, an event the
// controller announces reaches the program, the program's memory stays flat,
// and once the client has gone the writes stop reaching the controller soon.
#include "process_station.h"
#include "raw_client.h"
#include "service_client.h"

#include <QFile>
#include <QTcpServer>
#include <QtTest>
#include <atomic>
#include <fcntl.h>
#include <thread>

namespace {

constexpr int FloodMs = 3000;
constexpr int EventBoundMs = 1000;
constexpr int DrainBoundMs = 2000;
constexpr long MemoryBoundKb = 10 * 1024;
constexpr double StatusBoundPerSecond = 5.0;

// Writes the same bytes whenever its socket takes them and reads (and drops)
// what comes back, from a thread of its own, until stopped; then it goes as
// a client process that ends does: its unread replies make the close a reset.
class Flooder
{
public:
    Flooder(quint16 port, const QByteArray& chunk)
        : m_fd(rawClient(port))
        , m_chunk(chunk)
    {
        if (m_fd < 0)
            return;
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
        m_thread = std::thread([this] { run(); });
    }
    ~Flooder() { stop(); }
    bool connected() const { return m_fd >= 0; }
    void stop()
    {
        if (m_thread.joinable()) {
            m_running = false;
            m_thread.join();
        }
        if (m_fd >= 0) {
            const linger reset = {1, 0};
            ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            ::close(m_fd);
            m_fd = -1;
        }
    }

private:
    void run()
    {
        int offset = 0;
        char in[65536];
        while (m_running) {
            pollfd p = {m_fd, POLLIN | POLLOUT, 0};
            if (::poll(&p, 1, 10) < 0)
                return;
            if (p.revents & POLLOUT) {
                const ssize_t n = ::send(m_fd, m_chunk.constData() + offset, size_t(m_chunk.size() - offset), MSG_NOSIGNAL);
                if (n > 0)
                    offset = int((offset + n) % m_chunk.size());
            }
            if ((p.revents & (POLLIN | POLLHUP | POLLERR)) && ::recv(m_fd, in, sizeof in, 0) <= 0)
                return;
        }
    }

    int m_fd;
    QByteArray m_chunk;
    std::atomic<bool> m_running{true};
    std::thread m_thread;
};

bool portFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, port);
}

} // namespace

class TestProgramFlood : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;

    QByteArray log() { return m_station->programLog(); }
    // Requests of a command the emulator has served.
    quint64 served(int command) const
    {
        for (const QByteArray& line : m_station->control("stats").split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 2 && f.at(0).toInt() == command)
                return f.at(1).toULongLong();
        }
        return 0;
    }
    // The program's resident memory in kB.
    long residentKb() const
    {
        QFile status(QString("/proc/%1/status").arg(m_station->program().processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
        return -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(portFree(502) && portFree(5321) && portFree(4321), "the station's ports held by another program");
        m_station = new ProcessStation;
        // AddressSanitizer holds freed memory back in a quarantine of 256 MB
        // by default, so the resident size would grow whatever the program
        // keeps; a small one makes it show what is kept.
        QVERIFY(m_station->startEmulator()
                && m_station->startProgram({}, {"ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=4:thread_local_quarantine_size_kb=256"}));
        QVERIFY2(waitFor([this] { return log().contains("[I] CS: Server started"); }, 30000), log().constData());
    }

    void cleanupTestCase() { delete m_station; }

    void floodLeavesTheLinkServing_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("5321 write blocks") << 5321 << serviceRequest(2, [](QDataStream& out) { out << quint16(600) << quint32(0x40A00000) << qint32(3); });
        QTest::newRow("4321 set lines") << 4321 << QByteArray("set 600 5\n");
    }

    void floodLeavesTheLinkServing()
    {
        QFETCH(int, port);
        QFETCH(QByteArray, request);
        BlockClient watcher;
        QVERIFY2(watcher.connectTo(5321) && watcher.ready(), "a service client watching for the event");
        QByteArray record(21, '\0');
        record[0] = char(port & 0xFF);
        record[1] = char(port >> 8);
        record.replace(2, 19, QByteArray("flood event record."));
        const auto eventArrived = [&] {
            return watcher.count([&](const Reply& r) { return r.command == 4 && r.first == record; }) > 0;
        };

        const long before = residentKb();
        long highest = before;
        const quint64 status = served(1);
        QElapsedTimer clock;
        clock.start();
        Flooder flood(quint16(port), request.repeated(256));
        QVERIFY2(flood.connected(), "the flooding client connected");
        qint64 eventSet = -1, eventAt = -1;
        while (clock.elapsed() < FloodMs) {
            QTest::qWait(50);
            highest = qMax(highest, residentKb());
            if (eventSet < 0 && clock.elapsed() >= FloodMs / 3) {
                QVERIFY(m_station->control("event " + record.toHex()).endsWith("ok\n"));
                eventSet = clock.elapsed();
            } else if (eventSet >= 0 && eventAt < 0 && eventArrived()) {
                eventAt = clock.elapsed();
            }
        }
        const double statusPerSecond = double(served(1) - status) * 1000.0 / double(clock.elapsed());
        flood.stop();
        const qint64 stop = clock.elapsed();

        // Writes reaching the controller after the client has gone, watched
        // for a second past the bound.
        quint64 writes = served(3);
        qint64 lastWrite = stop;
        while (clock.elapsed() - stop < DrainBoundMs + 1000) {
            QTest::qWait(50);
            highest = qMax(highest, residentKb());
            const quint64 now = served(3);
            if (now != writes) {
                writes = now;
                lastWrite = clock.elapsed();
            }
        }
        qInfo("%.1f status requests/s during the flood; event after %lld ms; resident memory %ld -> %ld kB; "
              "last write %lld ms after the client went",
              statusPerSecond, eventAt < 0 ? -1LL : eventAt - eventSet, before, highest, lastWrite - stop);
        QVERIFY2(statusPerSecond >= StatusBoundPerSecond, "at least 5 status requests a second during the flood");
        QVERIFY2(eventAt >= 0 && eventAt - eventSet <= EventBoundMs, "the event within a second");
        QVERIFY2(lastWrite - stop <= DrainBoundMs, "no write more than 2 s after the client went");
        QVERIFY2(before > 0 && highest - before <= MemoryBoundKb, "resident memory up by 10 MB at most");
    }
};

QTEST_GUILESS_MAIN(TestProgramFlood)
#include "tst_program_flood.moc"
