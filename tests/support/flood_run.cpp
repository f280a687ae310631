#include "flood_run.h"
#include "console_client.h"
#include "flooder.h"
#include "process_station.h"
#include "service_client.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// A measurement the controller changes during the flood.
constexpr quint16 ChangedId = 17;

} // namespace

FloodOutcome runFlood(ProcessStation& station, quint16 port, const QByteArray& request, const FloodPlan& plan)
{
    FloodOutcome outcome;
    BlockClient watcher;
    if (!watcher.connectTo(5321) || !watcher.ready()) {
        outcome.failure = "a service client watching for the event";
        return outcome;
    }
    // Record and value name the port, so a flood's arrivals are not taken
    // for an earlier one's.
    QByteArray record(21, '\0');
    record[0] = char(port & 0xFF);
    record[1] = char(port >> 8);
    record.replace(2, 19, QByteArray("flood event record."));
    const auto eventArrived = [&] {
        return watcher.count([&](const Reply& r) { return r.command == 4 && r.first == record; }) > 0;
    };
    ConsoleClient reader;
    if (!reader.connectTo(4321)) {
        outcome.failure = "a console client reading the change back";
        return outcome;
    }
    const QByteArray value = QByteArray::number(port) + ".5";
    const QByteArray changed = "El " + QByteArray::number(ChangedId) + " is " + value + "\n";

    outcome.residentBeforeKb = station.residentKb();
    outcome.residentHighestKb = outcome.residentBeforeKb;
    const quint64 requestsBefore = station.served(3);
    const int writesBefore = station.writes().size();
    QElapsedTimer clock;
    clock.start();
    Flooder flood(port, request.repeated(256));
    if (!flood.connected()) {
        outcome.failure = "the flooding client connected";
        return outcome;
    }
    qint64 eventSet = -1, eventAt = -1, changeSet = -1, changeAt = -1;
    while (clock.elapsed() < plan.floodMs) {
        QTest::qWait(50);
        outcome.residentHighestKb = qMax(outcome.residentHighestKb, station.residentKb());
        if (eventSet < 0 && clock.elapsed() >= plan.announceAtMs) {
            if (!station.control("event " + record.toHex()).endsWith("ok\n")) {
                outcome.failure = "the event made on the controller";
                return outcome;
            }
            eventSet = clock.elapsed();
            if (!station.control("set " + QByteArray::number(ChangedId) + " " + value).endsWith("ok\n")) {
                outcome.failure = "the change made on the controller";
                return outcome;
            }
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
    outcome.bytesSent = flood.bytesSent();

    quint64 writes = station.served(3);
    qint64 lastWrite = stop;
    while (clock.elapsed() - stop < plan.watchMs && clock.elapsed() - lastWrite < plan.quietMs) {
        QTest::qWait(50);
        outcome.residentHighestKb = qMax(outcome.residentHighestKb, station.residentKb());
        const quint64 now = station.served(3);
        if (now != writes) {
            writes = now;
            lastWrite = clock.elapsed();
        }
    }
    outcome.changeMs = changeAt < 0 ? -1 : changeAt - changeSet;
    outcome.eventMs = eventAt < 0 ? -1 : eventAt - eventSet;
    outcome.lastWriteMs = lastWrite - stop;
    outcome.stillWriting = clock.elapsed() - lastWrite < plan.quietMs;
    outcome.writeRequests = writes - requestsBefore;
    outcome.writes = station.writes().size() - writesBefore;
    return outcome;
}
