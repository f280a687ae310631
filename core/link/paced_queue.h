#ifndef PACED_QUEUE_H
#define PACED_QUEUE_H

#include <QList>
#include <QtGlobal>
#include <algorithm>
#include <deque>

// A queue of things to ask the controller for (ids, event addresses), each
// asked no sooner than its own time: one the controller refused waits on
// its own while those behind it go at the link's pace. Times are on the
// driver's clock; 0 is at once.
template <typename Key>
class PacedQueue
{
public:
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }

    bool contains(Key key) const
    {
        return std::any_of(m_entries.begin(), m_entries.end(), [key](const Entry& e) { return e.key == key; });
    }

    // Appends key, asked no sooner than readyAt.
    void append(Key key, qint64 readyAt = 0) { m_entries.push_back(Entry{key, readyAt}); }

    // The same unless key is held already; false then.
    bool appendOnce(Key key, qint64 readyAt = 0)
    {
        if (contains(key))
            return false;
        append(key, readyAt);
        return true;
    }

    bool hasReady(qint64 now) const
    {
        return std::any_of(m_entries.begin(), m_entries.end(), [now](const Entry& e) { return e.readyAt <= now; });
    }

    // Takes up to max keys whose time has come, in their order.
    QList<Key> takeReady(qint64 now, int max)
    {
        QList<Key> taken;
        for (auto it = m_entries.begin(); it != m_entries.end() && taken.size() < max;) {
            if (it->readyAt <= now) {
                taken.append(it->key);
                it = m_entries.erase(it);
            } else {
                ++it;
            }
        }
        return taken;
    }

private:
    struct Entry
    {
        Key key;
        qint64 readyAt;
    };
    std::deque<Entry> m_entries;
};

#endif // PACED_QUEUE_H
