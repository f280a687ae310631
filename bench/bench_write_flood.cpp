// Prints what a flood of parameter writes leaves the running program able to
// do: one client writes parameter 600 as fast as the program takes the
// writes, for a while, through the service port (5321 write blocks) or the
// console (4321 "set 600 5" lines), reads what comes back, and goes (with
// replies unread, so its close is a reset). The program and the controller
// emulator run as processes, as on the station. Halfway through, a value
// change and an event are made on the controller through its control socket.
// Figures, each beside its bound:
// - the change and the event each reach the program within 1 s (the change
//   read back on a console connection of its own, the event on a service
//   connection);
// - the program's resident memory rises by at most 10 MB, from just before
//   the flood to its highest until the writes have stopped;
// - nothing of the flood reaches the controller later than 2 s after the
//   client went (writes are watched until none came for 3 s, 60 s at most).
// Also printed, with no bound, the load the flood put on the link.
//
// bench_write_flood [seconds (10)] [service|console|both (both)]
// Uses the station's ports 502, 5321 and 4321: run it alone.
#include "flood_run.h"
#include "process_station.h"
#include "service_client.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

void arrival(const char* what, qint64 ms)
{
    if (ms < 0)
        std::printf("  %s: did not reach the program during the flood   (bound: %d ms): MISSED\n", what,
                    FloodBounds::ArrivalMs);
    else
        std::printf("  %s: reached the program after %lld ms   (bound: %d ms): %s\n", what, static_cast<long long>(ms),
                    FloodBounds::ArrivalMs, verdict(ms <= FloodBounds::ArrivalMs));
}

void print(const FloodOutcome& o, int seconds)
{
    arrival("value change made on the controller", o.changeMs);
    arrival("event made on the controller", o.eventMs);
    const long rise = o.residentHighestKb - o.residentBeforeKb;
    std::printf("  resident memory: %.1f MB before, %.1f MB highest, +%.1f MB   (bound: +%ld MB): %s\n",
                o.residentBeforeKb / 1024.0, o.residentHighestKb / 1024.0, rise / 1024.0,
                FloodBounds::MemoryKb / 1024, verdict(o.residentBeforeKb > 0 && rise <= FloodBounds::MemoryKb));
    if (o.stillWriting)
        std::printf("  writes still reached the controller %lld ms after the client went   (bound: %d ms): MISSED\n",
                    static_cast<long long>(o.lastWriteMs), FloodBounds::DrainMs);
    else
        std::printf("  last write reached the controller %lld ms after the client went   (bound: %d ms): %s\n",
                    static_cast<long long>(o.lastWriteMs), FloodBounds::DrainMs,
                    verdict(o.lastWriteMs <= FloodBounds::DrainMs));
    std::printf("  load (no bound): the client wrote %.1f MB in %d s; %d writes reached the controller in %llu "
                "requests\n",
                o.bytesSent / 1048576.0, seconds, o.writes, static_cast<unsigned long long>(o.writeRequests));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    const QByteArray which = argc > 2 ? QByteArray(argv[2]) : QByteArray("both");
    std::printf("write flood of %d s, Qt event dispatcher: %s\n", seconds,
                qEnvironmentVariableIsSet("QT_NO_GLIB") ? "Qt's own (QT_NO_GLIB)" : "glib where built in");
    if (!ProcessStation::stationPortsFree()) {
        std::printf("the station's ports (502, 5321, 4321) are held by another program\n");
        return 0;
    }
    const FloodPlan plan = {seconds * 1000, seconds * 500, FloodBounds::DrainMs + 1000, 60000};
    for (const bool console : {false, true}) {
        if ((console && which == "service") || (!console && which == "console"))
            continue;
        const quint16 port = console ? 4321 : 5321;
        const auto writeBlock = [](QDataStream& out) { out << quint16(600) << quint32(0x40A00000) << qint32(3); };
        const QByteArray request = console ? QByteArray("set 600 5\n") : serviceRequest(2, writeBlock);
        std::printf("%d flood (%s):\n", int(port), console ? "\"set 600 5\" lines" : "write blocks of 600");
        ProcessStation station;
        const bool started = station.startEmulator() && station.startProgram({}, {ProcessStation::SmallQuarantine})
                             && waitFor([&] { return station.programLog().contains("[I] CS: Server started"); }, 60000);
        if (!started) {
            std::printf("  the station did not start\n");
            continue;
        }
        const FloodOutcome outcome = runFlood(station, port, request, plan);
        if (!outcome.failure.isEmpty())
            std::printf("  not measured, this failed: %s\n", outcome.failure.constData());
        else
            print(outcome, seconds);
    }
    return 0;
}
