// Prints how fast the service server answers value requests over loopback
// (ids per second, one request at a time and pipelined) and how long a
// console command takes there and back. The store is the program's own with
// its full parameter database; the servers run in this process, the clients
// in a thread of their own, as a service program and a terminal would.
// Stated bounds (the station's ARM board is slower than a desktop): at least
// 50,000 ids/s answered, a console round trip under 5 ms at the median.
#include "bench_support.h"
#include "commandserver.h"
#include "server.h"

#include <QtEndian>
#include <QTcpSocket>
#include <cstdio>
#include <thread>

using namespace bench;

namespace {

const qint64 ValueReplySize = 2 + 2 + 2 + 4 + 1;

struct Run
{
    const char* name;
    int ids, pipelined, rounds;
    double seconds;
};

// A value request of the service protocol for count ids.
QByteArray readRequest(const QVector<quint16>& all, int count)
{
    QByteArray block(4 + 2 * count, '\0');
    auto* p = reinterpret_cast<uchar*>(block.data());
    qToBigEndian<quint16>(quint16(block.size() - 2), p);
    for (int i = 0; i < count; ++i)
        qToBigEndian<quint16>(all.at(i % all.size()), p + 4 + 2 * i);
    return block;
}

// Reads until `bytes` reply bytes have arrived; false on a stall.
bool drain(QTcpSocket& socket, qint64 bytes)
{
    while (socket.bytesAvailable() < bytes) {
        if (!socket.waitForReadyRead(10000))
            return false;
    }
    return socket.read(bytes).size() == bytes;
}

// Seconds for the run's rounds of requests after one warm-up round; -1 on a failure.
double serve(quint16 port, const QVector<quint16>& all, const Run& run)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    const QByteArray block = readRequest(all, run.ids);
    const qint64 reply = ValueReplySize * run.ids;
    if (!socket.waitForConnected(5000) || socket.write(block) < 0 || !drain(socket, reply))
        return -1;
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < run.rounds; ++r) {
        for (int p = 0; p < run.pipelined; ++p)
            socket.write(block);
        socket.flush();
        if (!drain(socket, reply * run.pipelined))
            return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

// Round trips of "get 13" on the console in microseconds, sorted; empty on a failure.
std::vector<double> consoleRoundTrips(quint16 port, int count)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QByteArray in;
    auto line = [&]() {
        while (!in.contains('\n') && socket.waitForReadyRead(10000))
            in += socket.readAll();
        const int end = in.indexOf('\n');
        in.remove(0, end + 1);
        return end >= 0;
    };
    std::vector<double> micros;
    const bool help = line() && line() && line() && line();
    for (int i = 0; help && i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        socket.write("get 13\n");
        socket.flush();
        if (!line())
            return {};
        micros.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::sort(micros.begin(), micros.end());
    return micros;
}

} // namespace

int main(int argc, char* argv[])
{
    Station st(argc, argv);
    TcpServer service(st.store, nullptr, nullptr, 0);
    CommandServer console(st.store, nullptr, nullptr, 0);
    console.start();
    if (!service.isListening() || !console.isListening()) {
        std::printf("servers could not listen\n");
        return 1;
    }
    const quint16 servicePort = service.serverPort(), consolePort = console.serverPort();
    const QVector<quint16> ids = st.store->ids();
    Run runs[] = {{"1 id per request, one at a time", 1, 1, 5000, -1},
                  {"100 ids per request, one at a time", 100, 1, 2000, -1},
                  {"30000 ids per request, 4 pipelined", 30000, 4, 10, -1}};
    std::vector<double> trips;
    std::thread client([&] {
        serve(servicePort, ids, {"warm-up", 1, 1, 2000, -1});
        for (Run& run : runs)
            run.seconds = serve(servicePort, ids, run);
        trips = consoleRoundTrips(consolePort, 2000);
        QMetaObject::invokeMethod(&st.app, "quit", Qt::QueuedConnection);
    });
    st.app.exec();
    client.join();

    std::printf("service server (port 5321 protocol), loopback, %d ids in the store\n", ids.size());
    for (const Run& run : runs) {
        const qint64 total = qint64(run.rounds) * run.pipelined * run.ids;
        if (run.seconds > 0)
            std::printf("  %-38s %10.0f ids/s  (%lld ids in %.2f s)\n", run.name, total / run.seconds,
                        static_cast<long long>(total), run.seconds);
        else
            std::printf("  %-38s FAILED\n", run.name);
    }
    std::printf("  bound: at least 50000 ids/s with requests of 100 ids or more\n");
    if (trips.empty())
        std::printf("console round trip FAILED\n");
    else
        std::printf("console server (port 4321), \"get 13\" round trip over %zu commands:\n"
                    "  median %.0f us, p99 %.0f us, max %.0f us\n  bound: median under 5000 us\n",
                    trips.size(), trips[trips.size() / 2], trips[trips.size() * 99 / 100], trips.back());
    return 0;
}
