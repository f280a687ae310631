// The program and the controller emulator as processes: one client writes
// parameter 600 as fast as the program takes the writes, through the service
// port (5321 write blocks) or the console (4321 "set" lines), and reads what
// comes back. Meanwhile a change and an event the controller announces reach
// the program within a second (the change read back on a console connection
// of its own), the program's memory stays flat, and once the client has gone
// the writes stop reaching the controller soon.
#include "console_client.h"
#include "flooder.h"
#include "process_station.h"
#include "service_client.h"

#include <QtTest>

namespace {

constexpr int FloodMs = 3000;
constexpr int ArrivalBoundMs = 1000;
constexpr int DrainBoundMs = 2000;
constexpr long MemoryBoundKb = 10 * 1024;
// A measurement the controller changes during the flood.
constexpr quint16 ChangedId = 17;

} // namespace

class TestProgramFlood : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;

    QByteArray log() { return m_station->programLog(); }

    // One client floods port with request, repeated; the bounds are checked
    // (a failed check ends the calling test function).
    void flood(quint16 port, const QByteArray& request)
    {
        BlockClient watcher;
        QVERIFY2(watcher.connectTo(5321) && watcher.ready(), "a service client watching for the event");
        QByteArray record(21, '\0');
        record[0] = char(port & 0xFF);
        record[1] = char(port >> 8);
        record.replace(2, 19, QByteArray("flood event record."));
        const auto eventArrived = [&] {
            return watcher.count([&](const Reply& r) { return r.command == 4 && r.first == record; }) > 0;
        };
        ConsoleClient reader;
        QVERIFY2(reader.connectTo(4321), "a console client reading the change back");
        const QByteArray value = QByteArray::number(port) + ".5";
        const QByteArray changed = "El " + QByteArray::number(ChangedId) + " is " + value + "\n";

        const long before = m_station->residentKb();
        long highest = before;
        QElapsedTimer clock;
        clock.start();
        Flooder flood(quint16(port), request.repeated(256));
        QVERIFY2(flood.connected(), "the flooding client connected");
        qint64 eventSet = -1, eventAt = -1, changeSet = -1, changeAt = -1;
        while (clock.elapsed() < FloodMs) {
            QTest::qWait(50);
            highest = qMax(highest, m_station->residentKb());
            if (eventSet < 0 && clock.elapsed() >= FloodMs / 3) {
                QVERIFY(m_station->control("event " + record.toHex()).endsWith("ok\n"));
                eventSet = clock.elapsed();
                QVERIFY(m_station->control("set " + QByteArray::number(ChangedId) + " " + value).endsWith("ok\n"));
                changeSet = clock.elapsed();
            } else if (eventSet >= 0) {
                if (eventAt < 0 && eventArrived())
                    eventAt = clock.elapsed();
                if (changeAt < 0 && reader.ask("get " + QByteArray::number(ChangedId) + "\n") == changed)
                    changeAt = clock.elapsed();
            }
        }
        flood.stop();
        const qint64 stop = clock.elapsed();

        // Writes reaching the controller after the client has gone, watched
        // for a second past the bound.
        quint64 writes = m_station->served(3);
        qint64 lastWrite = stop;
        while (clock.elapsed() - stop < DrainBoundMs + 1000) {
            QTest::qWait(50);
            highest = qMax(highest, m_station->residentKb());
            const quint64 now = m_station->served(3);
            if (now != writes) {
                writes = now;
                lastWrite = clock.elapsed();
            }
        }
        qInfo("change after %lld ms, event after %lld ms; resident memory %ld -> %ld kB; "
              "last write %lld ms after the client went",
              changeAt < 0 ? -1LL : changeAt - changeSet, eventAt < 0 ? -1LL : eventAt - eventSet, before, highest,
              lastWrite - stop);
        QVERIFY2(changeAt >= 0 && changeAt - changeSet <= ArrivalBoundMs, "the change within a second");
        QVERIFY2(eventAt >= 0 && eventAt - eventSet <= ArrivalBoundMs, "the event within a second");
        QVERIFY2(lastWrite - stop <= DrainBoundMs, "no write more than 2 s after the client went");
        QVERIFY2(before > 0 && highest - before <= MemoryBoundKb, "resident memory up by 10 MB at most");
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
