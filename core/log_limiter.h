#ifndef LOG_LIMITER_H
#define LOG_LIMITER_H

#include <QElapsedTimer>
#include <QString>

// Lets a log line that outside input can trigger through at most once per
// interval and counts the ones held back, so that a flood costs the log a
// line now and then rather than a line per event.
class LogLimiter
{
public:
    static constexpr qint64 DefaultIntervalMs = 10000;

    explicit LogLimiter(qint64 intervalMs = DefaultIntervalMs)
        : m_intervalMs(intervalMs)
    {
    }

    // True when a line may be logged now; *held then takes the number of
    // lines held back since the last one.
    bool allow(int* held)
    {
        if (m_last.isValid() && m_last.elapsed() < m_intervalMs) {
            ++m_held;
            return false;
        }
        m_last.start();
        *held = m_held;
        m_held = 0;
        return true;
    }

    // What to append to the line logged for the ones held back before it.
    static QString heldNote(int held)
    {
        return held > 0 ? QStringLiteral(" (%1 more not logged)").arg(held) : QString();
    }

private:
    qint64 m_intervalMs;
    QElapsedTimer m_last;
    int m_held = 0;
};

#endif // LOG_LIMITER_H
