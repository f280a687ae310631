// What the in-process benchmarks share: figures over repeated runs, and a
// station built in this process (the application object with its store over
// the full parameter database in a temporary directory, offscreen, quiet) with
// no link to a controller.
#ifndef BENCH_SUPPORT_H
#define BENCH_SUPPORT_H

#include "database.h"
#include "mainapplication.h"
#include "parameters.h"
#include "rawbits.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace bench {

// The value percent of v lie below (100: the largest); -1 for none.
inline double percentile(std::vector<double> v, int percent)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1.0 : v[std::min(v.size() - 1, v.size() * size_t(percent) / 100)];
}

inline double median(std::vector<double> v)
{
    return percentile(std::move(v), 50);
}

inline double timeMs(const std::function<void()>& body)
{
    QElapsedTimer clock;
    clock.start();
    body();
    return clock.nsecsElapsed() / 1e6;
}

// Runs what is posted, deferred deletions included.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Milliseconds until done() holds, running the event loop; -1 after 5 s.
inline double waitFor(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000)
            return -1.0;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return clock.nsecsElapsed() / 1e6;
}

struct Station
{
    // Offscreen unless a platform is named.
    Station(int& argc, char** argv)
        : app((qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qputenv("QT_QPA_PLATFORM", "offscreen"), argc), argv)
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
        Database::setDirectory(dir.path());
        Database::initialization();
        app.initStore();
        store = app.getParameters();
    }
    // Values as the controller reports them.
    void report(std::initializer_list<std::pair<quint16, float>> values)
    {
        for (const auto& v : values)
            store->slotParamUpdated(v.first, bitsFromFloat(v.second), Parameters::KindValue);
    }

    MainApplication app;
    QTemporaryDir dir;
    Parameters* store = nullptr;
};

} // namespace bench

#endif // BENCH_SUPPORT_H
