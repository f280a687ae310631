#include "log_throttle.h"

LogThrottle::LogThrottle(qint64 intervalMs)
    : m_intervalMs(intervalMs)
{
    m_monotonic.start();
}

qint64 LogThrottle::now() const
{
    return m_clock ? m_clock() : m_monotonic.elapsed();
}

bool LogThrottle::pass(int kind, quint64* held)
{
    const qint64 at = now();
    const auto it = m_kinds.find(kind);
    if (it == m_kinds.end()) {
        Kind first;
        first.loggedMs = at;
        m_kinds.insert(kind, first);
        *held = 0;
        return true;
    }
    const qint64 since = at - it->loggedMs;
    // A clock that went back lets the line through rather than silence the
    // kind until it has caught up.
    if (since >= 0 && since < m_intervalMs) {
        ++it->held;
        return false;
    }
    *held = it->held;
    it->held = 0;
    it->loggedMs = at;
    return true;
}

QString LogThrottle::heldText(quint64 held)
{
    return held == 0 ? QString() : QString("; %1 more like it not logged").arg(held);
}
