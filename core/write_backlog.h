#ifndef WRITE_BACKLOG_H
#define WRITE_BACKLOG_H

#include "hand_over_count.h"

#include <atomic>

// The parameter writes on their way to the controller through one SPI
// driver: those handed to it from other threads and not yet taken, and those
// in its write queue. The clients that write from the network (the service
// port, the console, Modbus) take no further write while it is full, so a
// client that writes faster than the link makes TCP hold it back, no queue
// between the threads grows past a bound, and a write accepted reaches the
// controller within about a second. Readable from any thread; the driver
// shares it, so a client may hold it longer than the driver lives.
class WriteBacklog
{
public:
    // The link writes 35 values per exchange, a few hundred a second while
    // it also reads: this many drain in well under a second.
    static constexpr int Cap = 256;

    int size() const { return handedOver.count() + queued.load(); }
    bool isFull() const { return size() >= Cap; }
    // Full for a client that has itself extra writes on their way to the
    // driver through another thread (the store's).
    bool isFullWith(int extra) const { return size() + extra >= Cap; }

    // Writes posted to the driver and not yet taken by it.
    HandOverCount handedOver;
    // Writes in the driver's queue; set by the driver.
    std::atomic<int> queued{0};
};

#endif // WRITE_BACKLOG_H
