#ifndef WRITE_BACKLOG_H
#define WRITE_BACKLOG_H

#include "hand_over_count.h"

#include <QtGlobal>
#include <atomic>
#include <chrono>

// The parameter writes on their way to the controller through one SPI
// driver: those handed to it from other threads and not yet taken, and those
// in its write queue. The clients that write from the network (the service
// port, the console, Modbus) take no further write while it is full, so a
// client that writes faster than the link makes TCP hold it back, no queue
// between the threads grows past a bound, and a write accepted reaches the
// controller within about a second. A link that sends no request for a
// while (the controller is lost, the SPI thread is stuck) holds nobody
// without end: a client that has waited that long drops what it holds, as a
// queue at its cap would, until the link sends again. A link that is slow
// but sends holds its clients as long as they must wait.
// Readable from any thread; the driver shares it, so a client may hold it
// longer than the driver lives.
class WriteBacklog
{
public:
    // The link writes 35 values per exchange, a few hundred a second while
    // it also reads: this many drain in well under a second.
    static constexpr int Cap = 256;
    // A link that sends no request for this long while a client waits is
    // down or stuck.
    static constexpr int DefaultStallMs = 10000;

    int size() const { return handedOver.count() + queued.load(); }
    bool isFull() const { return size() >= Cap; }
    // Full for a client that has itself extra writes on their way to the
    // driver through another thread (the store's); without a driver only
    // those count.
    static bool isFullWith(const WriteBacklog* backlog, int extra)
    {
        return (backlog ? backlog->size() : 0) + extra >= Cap;
    }
    // True for a client that has waited waitedMs when the link has sent
    // nothing for the stall limit: both the wait and the link's silence have
    // lasted that long.
    bool isStalled(qint64 waitedMs) const
    {
        const qint64 limit = stallMs.load();
        return waitedMs >= limit && nowMs() - m_sentMs.load() >= limit;
    }
    // When the link last sent a request, on a clock of its own: a client
    // that dropped a request on a stalled link notes it, and drops what must
    // wait next at once while the link has sent nothing since.
    qint64 lastSentMs() const { return m_sentMs.load(); }

    // The driver's side: a request (of any kind) left for the controller.
    void noteSent() { m_sentMs = nowMs(); }

    // Writes posted to the driver and not yet taken by it.
    HandOverCount handedOver;
    // Writes in the driver's queue; set by the driver.
    std::atomic<int> queued{0};
    std::atomic<int> stallMs{DefaultStallMs};

private:
    static qint64 nowMs()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    std::atomic<qint64> m_sentMs{nowMs()};
};

#endif // WRITE_BACKLOG_H
