// The program and the controller emulator as processes, the program allowed
// few open files (the board allows 1,024): more Modbus TCP connections than
// that are capped, the console (4321) and the service port (5321) answer
// meanwhile, and every server answers once the connections have closed.
#include "console_client.h"
#include "modbus_master.h"
#include "process_station.h"
#include "raw_client.h"
#include "scada.h"
#include "service_client.h"

#include <QtTest>
#include <sys/resource.h>

namespace {

constexpr int ProgramFiles = 128;

// Connections to a local port, one after the other; fewer when one is not
// made (a server that accepts nothing lets them wait).
std::vector<int> connectMany(quint16 port, int count)
{
    std::vector<int> fds;
    for (int i = 0; i < count; ++i) {
        const int fd = rawClient(port);
        if (fd < 0)
            break;
        fds.push_back(fd);
    }
    return fds;
}

// How many of them the other end has closed.
int closedByPeer(const std::vector<int>& fds)
{
    int closed = 0;
    char byte;
    for (int fd : fds) {
        const ssize_t got = ::recv(fd, &byte, 1, MSG_DONTWAIT);
        closed += got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }
    return closed;
}

// A client of port 502 that is served: a new one is tried while the places
// of clients gone are still being freed. -1 when none is served within 5 s.
int servedModbusClient()
{
    int fd = -1;
    const bool served = waitFor([&] {
        ::close(fd);
        fd = rawClient(502);
        return !ModbusMaster::readRegister10(fd).isEmpty();
    });
    return served ? fd : -1;
}

} // namespace

class TestProgramServers : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;
    QByteArray log() { return m_station->programLog(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(ProcessStation::stationPortsFree(), "the station's ports held by another program");
        // This side holds more connections than the program may.
        rlimit own = {};
        ::getrlimit(RLIMIT_NOFILE, &own);
        own.rlim_cur = qMax<rlim_t>(own.rlim_cur, qMin<rlim_t>(own.rlim_max, 8 * ProgramFiles));
        ::setrlimit(RLIMIT_NOFILE, &own);
        m_station = new ProcessStation;
        QVERIFY(m_station->startEmulator() && m_station->startProgram({}, {}, ProgramFiles));
        QVERIFY2(waitFor([this] { return log().contains("[I] CS: Server started") && log().contains("SCADA: Modbus unit identifier"); }, 30000),
                 log().constData());
    }

    void cleanupTestCase() { delete m_station; }

    // More Modbus connections than the program may hold files: those over
    // the cap are turned away, in one line of the log, and the clients of
    // every server are served meanwhile and afterwards.
    void modbusFloodLeavesEveryServerAnswering()
    {
        const int modbus = servedModbusClient();
        QVERIFY2(modbus >= 0, "port 502 answering");
        const std::vector<int> flood = connectMany(502, ProgramFiles + 2 * Scada::MaxConnections);
        QVERIFY2(int(flood.size()) == ProgramFiles + 2 * Scada::MaxConnections, "every flood connection made");
        const int over = int(flood.size()) - (Scada::MaxConnections - 1);
        QVERIFY2(waitFor([&] { return closedByPeer(flood) == over; }), "the connections over the cap turned away");
        ConsoleClient console;
        BlockClient service;
        QVERIFY2(console.connectTo(4321) && console.ask("get 13\n").startsWith("El 13 is "), "a new console client answered");
        QVERIFY2(service.connectTo(5321) && service.ready(), "a new service client answered");
        QVERIFY2(!ModbusMaster::readRegister10(modbus).isEmpty(), "the Modbus client connected before answered");
        QCOMPARE(log().count("SCADA: Modbus TCP client refused"), 1);
        for (int fd : flood)
            ::close(fd);
        ::close(modbus);
        const int next = servedModbusClient();
        QVERIFY2(next >= 0, "port 502 answering once the flood has gone");
        ::close(next);
        ConsoleClient nextConsole;
        BlockClient nextService;
        QVERIFY(nextConsole.connectTo(4321) && nextService.connectTo(5321) && nextService.ready());
    }
};

QTEST_GUILESS_MAIN(TestProgramServers)
#include "tst_program_servers.moc"
