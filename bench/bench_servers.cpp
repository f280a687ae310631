// Prints how fast the service server answers value requests over loopback
// (ids per second, one request at a time and pipelined), how long a console
// command takes there and back, and how long three Modbus TCP masters wait
// for their answers while another pipelines requests and reads none of the
// answers. The store is the program's own with its full parameter database;
// the servers run in this process (the Modbus server in a thread of its own,
// as in the program), the clients in threads of their own, as a service
// program, a terminal and SCADA masters would.
// Stated bounds (the station's ARM board is slower than a desktop): at least
// 50,000 ids/s answered, a console round trip under 5 ms at the median; the
// Modbus masters' p99 during the flood, and their first answer once the
// flooder has gone, within 50 ms, and the resident memory within 4 MB of its
// level before the flood. --modbus-flood-seconds N sets the flood's length
// (30 s by default).
#include "bench_support.h"
#include "commandserver.h"
#include "flooder.h"
#include "modbus_master.h"
#include "process_station.h"
#include "scada.h"
#include "server.h"

#include <QAbstractEventDispatcher>
#include <QThread>
#include <QtEndian>
#include <QTcpServer>
#include <QTcpSocket>
#include <atomic>
#include <cstdio>
#include <memory>
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

// Round trips of "get 13" on the console in microseconds; empty on a failure.
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
    return micros;
}

// What the Modbus masters met, phase by phase.
struct ModbusFlood
{
    static constexpr int Masters = 3;
    static constexpr int PollEveryMs = 10;
    static constexpr int BoundMs = 50;
    static constexpr long MemoryBoundKb = 4 * 1024;
    enum Phase { Before, During, After, Done };

    int floodSeconds = 30;
    std::atomic<int> phase{Before};
    // Round trips in ms (-1: unanswered), per master and phase.
    std::vector<double> trips[Masters][Done];
    int drops = 0;
    qint64 flooderBytes = 0;
    long residentBeforeKb = -1, residentHighestKb = -1;

    void run(quint16 port)
    {
        std::vector<std::thread> masters;
        for (int m = 0; m < Masters; ++m)
            masters.emplace_back([this, port, m] {
                ModbusMaster::Poller poller(port);
                for (int now = phase; now != Done; now = phase) {
                    trips[m][now].push_back(poller.poll(5000));
                    std::this_thread::sleep_for(std::chrono::milliseconds(PollEveryMs));
                }
            });
        std::this_thread::sleep_for(std::chrono::seconds(2));
        residentBeforeKb = residentHighestKb = residentKbOf("self");
        phase = During;
        // Reads of 125 registers, pipelined through a 4 KiB receive buffer,
        // none of the answers read; again whenever the server drops it.
        const QByteArray requests = ModbusMaster::readRequest(1, 125).repeated(256);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < floodSeconds * 1000LL) {
            Flooder flooder(port, requests, Flooder::LeaveRepliesUnread, 4096);
            while (!flooder.closedByPeer() && clock.elapsed() < floodSeconds * 1000LL) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                residentHighestKb = std::max(residentHighestKb, residentKbOf("self"));
            }
            drops += flooder.closedByPeer();
            flooderBytes += flooder.bytesSent();
        }
        phase = After;
        std::this_thread::sleep_for(std::chrono::seconds(2));
        phase = Done;
        for (std::thread& m : masters)
            m.join();
    }

    void print() const
    {
        const char* names[] = {"before the flood", "during the flood", "after the flood"};
        const char* dispatcher = QAbstractEventDispatcher::instance()->metaObject()->className();
        std::printf("Modbus TCP server (port 502), %d masters polling a register every %d ms while another pipelines\n"
                    "reads of 125 registers through a 4 KiB receive buffer and reads none of the answers, for %d s\n"
                    "(event dispatcher %s):\n",
                    Masters, PollEveryMs, floodSeconds, dispatcher);
        for (int p = Before; p < Done; ++p) {
            std::vector<double> all;
            int unanswered = 0;
            for (int m = 0; m < Masters; ++m)
                for (double t : trips[m][p]) {
                    if (t < 0)
                        ++unanswered;
                    else
                        all.push_back(t);
                }
            std::printf("  %-17s %6zu polls, %d unanswered; p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", names[p],
                        all.size() + size_t(unanswered), unanswered, percentile(all, 50), percentile(all, 99),
                        percentile(all, 100));
        }
        std::printf("  first answer after the flooder has gone:");
        for (int m = 0; m < Masters; ++m)
            std::printf(" %.2f ms", trips[m][After].empty() ? -1.0 : trips[m][After].front());
        std::printf(" (-1: unanswered)\n");
        std::printf("  the flooder: %d times dropped, %.1f MB of requests taken by the system\n", drops,
                    flooderBytes / 1e6);
        std::printf("  resident memory: %ld kB before the flood, %ld kB at most during it (%+ld kB)\n",
                    residentBeforeKb, residentHighestKb, residentHighestKb - residentBeforeKb);
        std::printf("  bounds: p99 during the flood and the first answer after it within %d ms; "
                    "resident memory within %ld kB\n",
                    BoundMs, MemoryBoundKb);
    }
};

// A port nothing listens on now.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::AnyIPv4, 0) ? probe.serverPort() : 0;
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
    ModbusFlood modbus;
    const QStringList arguments = st.app.arguments();
    const int floodAt = arguments.indexOf("--modbus-flood-seconds");
    if (floodAt > 0 && floodAt + 1 < arguments.size())
        modbus.floodSeconds = qMax(1, arguments.at(floodAt + 1).toInt());
    // The station's map, without registers, serving in its own thread, unit 1.
    st.report({{Scada::IdModbusAddress, 1.0f}});
    QThread scadaThread;
    auto* map = new Scada(freePort());
    map->moveToThread(&scadaThread);
    QObject::connect(&scadaThread, &QThread::started, map, &Scada::process);
    QObject::connect(&scadaThread, &QThread::finished, map, &QObject::deleteLater);
    scadaThread.start();
    if (bench::waitFor([map] { return map->isListening(); }) < 0) {
        std::printf("the Modbus server could not listen\n");
        return 1;
    }
    const quint16 modbusPort = map->port();
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
        modbus.run(modbusPort);
        QMetaObject::invokeMethod(&st.app, "quit", Qt::QueuedConnection);
    });
    st.app.exec();
    client.join();
    map->setProcessEnabled(false);
    scadaThread.quit();
    scadaThread.wait();

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
                    trips.size(), median(trips), percentile(trips, 99), percentile(trips, 100));
    modbus.print();
    return 0;
}
