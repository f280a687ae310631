// The program and the controller emulator as processes: one client writes
// parameter 600 as fast as the program takes the writes, through the service
// port (5321 write blocks) or the console (4321 "set" lines), and reads what
// comes back. Meanwhile a change and an event the controller announces reach
// the program within a second (the change read back on a console connection
// of its own), the program's memory stays flat, and once the client has gone
// the writes stop reaching the controller soon.
#include "flood_run.h"
#include "process_station.h"
#include "service_client.h"

#include <QtTest>

namespace {

constexpr int FloodMs = 3000;

} // namespace

class TestProgramFlood : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;

    QByteArray log() { return m_station->programLog(); }

    // One client floods port with request, repeated; the bounds are checked
    // (a failed check ends the calling test function). Writes are watched
    // for a second past their bound after the client has gone.
    void flood(quint16 port, const QByteArray& request)
    {
        using namespace FloodBounds;
        const FloodOutcome o =
            runFlood(*m_station, port, request, {FloodMs, FloodMs / 3, DrainMs + 1000, DrainMs + 1000});
        QVERIFY2(o.failure.isEmpty(), o.failure.constData());
        qInfo("change after %lld ms, event after %lld ms; resident memory %ld -> %ld kB; "
              "last write %lld ms after the client went",
              o.changeMs, o.eventMs, o.residentBeforeKb, o.residentHighestKb, o.lastWriteMs);
        QVERIFY2(o.changeMs >= 0 && o.changeMs <= ArrivalMs, "the change within a second");
        QVERIFY2(o.eventMs >= 0 && o.eventMs <= ArrivalMs, "the event within a second");
        QVERIFY2(o.lastWriteMs <= DrainMs, "no write more than 2 s after the client went");
        QVERIFY2(o.residentBeforeKb > 0 && o.residentHighestKb - o.residentBeforeKb <= MemoryKb,
                 "resident memory up by 10 MB at most");
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(ProcessStation::stationPortsFree(), "the station's ports held by another program");
        m_station = new ProcessStation;
        QVERIFY(m_station->startEmulator() && m_station->startProgram({}, {ProcessStation::SmallQuarantine}));
        QVERIFY2(waitFor([this] { return log().contains("[I] CS: Server started"); }, 30000), log().constData());
    }

    void cleanupTestCase() { delete m_station; }

    void serviceFloodLeavesTheLinkServing()
    {
        flood(5321, serviceRequest(2, [](QDataStream& out) { out << quint16(600) << quint32(0x40A00000) << qint32(3); }));
    }

    void consoleFloodLeavesTheLinkServing() { flood(4321, QByteArray("set 600 5\n")); }
};

QTEST_GUILESS_MAIN(TestProgramFlood)
#include "tst_program_flood.moc"
