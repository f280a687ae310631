#ifndef WAIT_FOR_H
#define WAIT_FOR_H

#include <QElapsedTimer>
#include <QtTest>
#include <functional>

// Runs the event loop until cond holds; false once timeoutMs have passed.
inline bool waitFor(const std::function<bool()>& cond, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

#endif // WAIT_FOR_H
