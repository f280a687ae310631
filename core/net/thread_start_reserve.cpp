#include "thread_start_reserve.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>
#include <memory>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

namespace {

class Reserve
{
public:
    ~Reserve()
    {
        for (int fd : m_held)
            ::close(fd);
    }

    QMutex mutex;

    // Holds Size descriptors again, unless the thread started last may still
    // be making its wake-up: the descriptors it needs are not taken from it.
    bool fill()
    {
        if (m_starting) {
            if (!m_starting->tryAcquire())
                return false;
            m_starting.reset();
        }
        while (int(m_held.size()) < ThreadStartReserve::Size) {
            const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
            if (fd < 0)
                return false;
            m_held.push_back(fd);
        }
        return true;
    }

    void giveBack()
    {
        for (int fd : m_held)
            ::close(fd);
        m_held.clear();
    }

    int held() const { return int(m_held.size()); }

    // Told once the thread has its event loop (started is emitted in the
    // thread right after it is made).
    void startingUp(std::shared_ptr<QSemaphore> started) { m_starting = std::move(started); }

    std::function<void(QThread*)> startHook;

private:
    std::vector<int> m_held;
    std::shared_ptr<QSemaphore> m_starting;
};

Reserve& reserve()
{
    static Reserve r;
    return r;
}

// Waits until the thread has its event loop; false when it has not after
// StartWaitMs, or never will (the system made no thread).
bool waitStarted(QThread* thread, QSemaphore* started)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!started->tryAcquire(1, 10)) {
        // A thread that never ran is neither running nor finished.
        if ((!thread->isRunning() && !thread->isFinished()) || elapsed.elapsed() >= ThreadStartReserve::StartWaitMs)
            return false;
    }
    return true;
}

} // namespace

bool ThreadStartReserve::isReady()
{
    Reserve& r = reserve();
    QMutexLocker lock(&r.mutex);
    return r.fill();
}

bool ThreadStartReserve::start(QThread* thread, QThread::Priority priority)
{
    Reserve& r = reserve();
    QMutexLocker lock(&r.mutex);
    // Whole unless another thread started one since isReady(); topped up as
    // far as it goes.
    r.fill();
    const auto started = std::make_shared<QSemaphore>();
    QObject::connect(thread, &QThread::started, [started] { started->release(); });
    if (r.startHook)
        r.startHook(thread);
    r.giveBack();
    thread->start(priority);
    if (waitStarted(thread, started.get()) || !thread->isRunning()) {
        r.fill();
        // A thread that the system did not make is neither running nor
        // finished, and stays so.
        return thread->isRunning() || thread->isFinished();
    }
    // Still making its event loop after all this time: the reserve waits
    // for it, and admissions with it.
    r.startingUp(started);
    return true;
}

int ThreadStartReserve::held()
{
    Reserve& r = reserve();
    QMutexLocker lock(&r.mutex);
    return r.held();
}

void ThreadStartReserve::setStartHook(std::function<void(QThread*)> hook)
{
    Reserve& r = reserve();
    QMutexLocker lock(&r.mutex);
    r.startHook = std::move(hook);
}
