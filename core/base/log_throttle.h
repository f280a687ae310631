#ifndef LOG_THROTTLE_H
#define LOG_THROTTLE_H

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <functional>

// Bounds the lines that outside input can make a part log: the first line of
// each kind goes out, then at most one per interval, and that one tells how
// many of its kind were held back since the line before. Kinds are the few
// fixed reasons a part names, so the table stays small.
class LogThrottle
{
public:
    static constexpr qint64 DefaultIntervalMs = 10000;

    explicit LogThrottle(qint64 intervalMs = DefaultIntervalMs);

    // Milliseconds on a clock that only moves forward; a monotonic one by
    // default, since the program itself sets the wall clock.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    qint64 interval() const { return m_intervalMs; }

    // Whether a line of this kind may be logged now; if so, held gets the
    // number of lines of the kind held back since the last one logged.
    bool pass(int kind, quint64* held);
    // The same for a part that logs one kind only.
    bool pass(quint64* held) { return pass(0, held); }

    // What a line that passed adds about the lines held back: nothing when
    // none were, else "; N more like it not logged".
    static QString heldText(quint64 held);

private:
    struct Kind
    {
        qint64 loggedMs = 0;
        quint64 held = 0;
    };

    qint64 now() const;

    qint64 m_intervalMs;
    QHash<int, Kind> m_kinds;
    QElapsedTimer m_monotonic;
    std::function<qint64()> m_clock;
};

#endif // LOG_THROTTLE_H
