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
#include "flooder.h"
#include "process_station.h"
#include "service_client.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtTest>
#include <cstdio>

namespace {

struct Figures
{
    double idleStatus = 0, floodStatus = 0;
    long rssBefore = 0, rssMax = 0, rssEnd = 0;
    qint64 eventMs = -1, drainMs = -1;
    double writesPerSecond = 0;
    qint64 bytesSent = 0;
};

bool flood(ProcessStation& station, bool console, int seconds, Figures* fig)
{
    // Idle first: the status requests of a link with nothing else to do.
    quint64 status0 = station.served(1);
    QTest::qWait(1000);
    fig->idleStatus = double(station.served(1) - status0);

    BlockClient watcher;
    if (!watcher.connectTo(5321) || !watcher.ready())
        return false;
    QByteArray record(21, '\0');
    record.replace(0, 19, QByteArray(console ? "console flood event" : "service flood event"));
    const auto eventArrived = [&] {
        return watcher.count([&](const Reply& r) { return r.command == 4 && r.first == record; }) > 0;
    };

    const QByteArray request = console ? QByteArray("set 600 5\n")
                                       : serviceRequest(2, [](QDataStream& out) { out << quint16(600) << quint32(0x40A00000) << qint32(3); });
    fig->rssBefore = station.residentKb();
    fig->rssMax = fig->rssBefore;
    const int writes0 = station.writes().size();
    status0 = station.served(1);
    QElapsedTimer clock;
    clock.start();
    Flooder writer(console ? 4321 : 5321, request.repeated(256));
    if (!writer.connected())
        return false;
    qint64 eventSet = -1, eventAt = -1;
    while (clock.elapsed() < seconds * 1000) {
        QTest::qWait(100);
        fig->rssMax = qMax(fig->rssMax, station.residentKb());
        if (eventSet < 0 && clock.elapsed() >= seconds * 500) {
            station.control("event " + record.toHex());
            eventSet = clock.elapsed();
        } else if (eventSet >= 0 && eventAt < 0 && eventArrived()) {
            eventAt = clock.elapsed();
        }
    }
    const qint64 stop = clock.elapsed();
    fig->floodStatus = double(station.served(1) - status0) * 1000.0 / double(stop);
    // The client stops: it writes no more and goes, as a client that stops does.
    writer.stop();
    fig->bytesSent = writer.bytesSent();

    // Writes reaching the controller after the stop: until none came for 2 s.
    quint64 last = station.served(3);
    qint64 lastChange = stop;
    while (clock.elapsed() - lastChange < 2000 && clock.elapsed() - stop < 60000) {
        QTest::qWait(50);
        fig->rssMax = qMax(fig->rssMax, station.residentKb());
        const quint64 n = station.served(3);
        if (n != last) {
            last = n;
            lastChange = clock.elapsed();
        }
    }
    fig->drainMs = lastChange - stop;
    fig->writesPerSecond = double(station.writes().size() - writes0) * 1000.0 / double(lastChange);
    fig->eventMs = eventAt >= 0 ? eventAt - eventSet : -1;
    fig->rssEnd = station.residentKb();
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
        ProcessStation station;
        Figures fig;
        const bool started = station.startEmulator() && station.startProgram({}, {ProcessStation::SmallQuarantine})
                             && waitFor([&] { return station.programLog().contains("[I] CS: Server started"); }, 60000);
        if (!started || !flood(station, console, seconds, &fig)) {
            std::printf("%s: the station did not start or a client could not connect\n", console ? "4321" : "5321");
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
