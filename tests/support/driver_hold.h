#ifndef DRIVER_HOLD_H
#define DRIVER_HOLD_H

#include "spidriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QTimer>
#include <atomic>
#include <memory>

// Holds the SPI driver's thread in its event loop until released: at the
// latest when the hold goes out of scope, so that a failed check leaves no
// thread blocked. The driver's side gives up on its own after 5 s.
class DriverHold
{
public:
    explicit DriverHold(SpiDriver* driver)
    {
        const std::shared_ptr<QSemaphore> entered = m_entered, gate = m_gate;
        const std::shared_ptr<std::atomic<int>> state = m_state;
        QTimer::singleShot(0, driver, [entered, gate, state] {
            entered->release();
            if (!gate->tryAcquire(1, 5000))
                state->store(GaveUp);
        });
        // The driver may be waiting for this thread to take the values it
        // read (the store's barrier): this thread's events go on meanwhile,
        // or neither thread would move until the hold gave up.
        QElapsedTimer waited;
        waited.start();
        while (!(m_held = m_entered->tryAcquire(1, 10)) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ~DriverHold() { release(); }
    // The driver's thread reached the hold within 5 s.
    bool isHeld() const { return m_held; }
    // Lets the driver go on; true when it was held until now.
    bool release()
    {
        const int was = m_state->exchange(Released);
        if (was == Holding)
            m_gate->release();
        return m_held && was == Holding;
    }

private:
    Q_DISABLE_COPY(DriverHold)
    enum { Holding, Released, GaveUp };
    std::shared_ptr<QSemaphore> m_entered = std::make_shared<QSemaphore>();
    std::shared_ptr<QSemaphore> m_gate = std::make_shared<QSemaphore>();
    std::shared_ptr<std::atomic<int>> m_state = std::make_shared<std::atomic<int>>(Holding);
    bool m_held = false;
};

#endif // DRIVER_HOLD_H
