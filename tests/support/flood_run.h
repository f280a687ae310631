#ifndef FLOOD_RUN_H
#define FLOOD_RUN_H

#include <QByteArray>

class ProcessStation;

// What a flood of writes must leave the program able to do: a change and an
// event made on the controller reach the program within ArrivalMs, its
// resident memory rises by at most MemoryKb, and once the client has gone
// no write reaches the controller later than DrainMs.
namespace FloodBounds {
constexpr int ArrivalMs = 1000;
constexpr int DrainMs = 2000;
constexpr long MemoryKb = 10 * 1024;
} // namespace FloodBounds

struct FloodPlan
{
    int floodMs;
    // When, after the flood began, the controller makes its change and its event.
    int announceAtMs;
    // After the client has gone, writes are watched until none came for
    // quietMs, and for watchMs at most.
    int quietMs, watchMs;
};

struct FloodOutcome
{
    // Empty when the flood ran; what failed otherwise.
    QByteArray failure;
    // From the change (the event) made on the controller until it reached
    // the program; -1 when it did not during the flood.
    qint64 changeMs = -1, eventMs = -1;
    // The program's resident memory just before the flood and at its highest
    // until the watch ended.
    long residentBeforeKb = -1, residentHighestKb = -1;
    // From the client's going to the last write that reached the controller
    // (0: none after it); whether writes were still coming when the watch ended.
    qint64 lastWriteMs = 0;
    bool stillWriting = false;
    // From the flood's start to the watch's end: the write requests the
    // controller served and the writes they carried; the bytes the client sent.
    quint64 writeRequests = 0;
    int writes = 0;
    qint64 bytesSent = 0;
};

// Runs a flood against a station whose program has started its servers: one
// client (a Flooder) sends request, repeated, to port as fast as the program
// takes it, and goes after plan.floodMs. Meanwhile the controller changes a
// measurement and announces an event; a console client of its own reads the
// change back with "get" and a service client watches for the event.
FloodOutcome runFlood(ProcessStation& station, quint16 port, const QByteArray& request, const FloodPlan& plan);

#endif // FLOOD_RUN_H
