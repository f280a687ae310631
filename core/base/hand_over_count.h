#ifndef HAND_OVER_COUNT_H
#define HAND_OVER_COUNT_H

#include <QObject>
#include <atomic>
#include <memory>

// Calls posted from one thread to an object in another and not yet run
// there. Qt's queue of posted calls has no cap: a sender that must not
// outrun its receiver counts its calls with this and holds back while too
// many are on their way. The count is shared with the connections, so it
// outlives both ends; copies share it.
class HandOverCount
{
public:
    // Connects signal to slot, queued, and counts each emission from the
    // moment it is emitted (in the sender's thread, before the call is
    // posted) until the slot has run (in the receiver's thread). A call that
    // never runs because the receiver went first stays counted; nothing is
    // handed to a receiver that is gone.
    template <typename Sender, typename... Args, typename Receiver, typename Slot>
    void connect(const Sender* sender, void (Sender::*signal)(Args...), const Receiver* receiver, Slot slot) const
    {
        const std::shared_ptr<std::atomic<int>> count = m_count;
        QObject::connect(sender, signal, receiver, [count](Args...) { count->fetch_add(1); }, Qt::DirectConnection);
        QObject::connect(sender, signal, receiver, slot, Qt::QueuedConnection);
        // Posted behind the call, to the same thread: it runs right after it.
        QObject::connect(sender, signal, receiver, [count](Args...) { count->fetch_sub(1); }, Qt::QueuedConnection);
    }

    int count() const { return m_count->load(); }

private:
    std::shared_ptr<std::atomic<int>> m_count = std::make_shared<std::atomic<int>>(0);
};

#endif // HAND_OVER_COUNT_H
