// Prints how fast the service server answers value requests over loopback
// (ids per second, one request at a time and pipelined) and how long a
// console command takes there and back. The store is the program's own with
// its full parameter database; the servers run in this process, the clients
// in a thread of their own, as a service program and a terminal would.
// Stated bounds (the station's ARM board is slower than a desktop): at least
// 50,000 ids/s answered, a console round trip under 5 ms at the median.
#include "commandserver.h"
#include "database.h"
#include "parameters.h"
#include "server.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class ClientThread : public QThread
{
public:
    explicit ClientThread(std::function<void()> body)
        : m_body(std::move(body))
    {
    }

protected:
    void run() override { m_body(); }

private:
    std::function<void()> m_body;
};

QByteArray readRequest(const QVector<quint16>& ids)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint16(0) << quint16(0);
    for (quint16 id : ids)
        out << id;
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

// Reads until `bytes` reply bytes have arrived; false on a stall.
bool drain(QTcpSocket& socket, qint64 bytes)
{
    qint64 got = 0;
    while (got < bytes) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(10000))
            return false;
        got += socket.read(bytes - got).size();
    }
    return true;
}

const qint64 ValueReplySize = 2 + 2 + 2 + 4 + 1;

struct Throughput
{
    qint64 ids = 0;
    double seconds = 0;
    bool ok = false;
};

Throughput serviceThroughput(quint16 port, const QVector<quint16>& all, int idsPerRequest, int pipelined,
                             int rounds)
{
    Throughput result;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return result;
    QVector<quint16> ids(idsPerRequest);
    for (int i = 0; i < idsPerRequest; ++i)
        ids[i] = all.at(i % all.size());
    const QByteArray block = readRequest(ids);
    // One warm-up round.
    socket.write(block);
    if (!drain(socket, ValueReplySize * idsPerRequest))
        return result;
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < rounds; ++r) {
        for (int p = 0; p < pipelined; ++p)
            socket.write(block);
        socket.flush();
        if (!drain(socket, ValueReplySize * idsPerRequest * pipelined))
            return result;
    }
    result.seconds = timer.nsecsElapsed() / 1e9;
    result.ids = qint64(rounds) * pipelined * idsPerRequest;
    result.ok = true;
    return result;
}

struct Latency
{
    std::vector<double> micros;
    bool ok = false;
};

Latency consoleLatency(quint16 port, int count)
{
    Latency result;
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return result;
    QByteArray in;
    auto line = [&]() -> bool {
        while (!in.contains('\n')) {
            if (!socket.waitForReadyRead(10000))
                return false;
            in += socket.readAll();
        }
        in.remove(0, in.indexOf('\n') + 1);
        return true;
    };
    for (int i = 0; i < 4; ++i) // the help text
        if (!line())
            return result;
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        socket.write("get 13\n");
        socket.flush();
        if (!line())
            return result;
        result.micros.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::sort(result.micros.begin(), result.micros.end());
    result.ok = true;
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QTemporaryDir dir;
    Database::setDirectory(dir.path());
    Database::initialization();
    Parameters parameters;
    TcpServer service(nullptr, 0, &parameters, nullptr);
    CommandServer console(nullptr, 0, &parameters);
    console.start();
    if (!service.isListening() || !console.isListening()) {
        std::printf("servers could not listen\n");
        return 1;
    }
    const quint16 servicePort = service.serverPort();
    const quint16 consolePort = console.serverPort();
    const QVector<quint16> ids = parameters.ids();

    Throughput single, small, pipelined;
    Latency latency;
    ClientThread client([&] {
        serviceThroughput(servicePort, ids, 1, 1, 2000); // warm-up
        single = serviceThroughput(servicePort, ids, 1, 1, 5000);
        small = serviceThroughput(servicePort, ids, 100, 1, 2000);
        pipelined = serviceThroughput(servicePort, ids, 30000, 4, 10);
        latency = consoleLatency(consolePort, 2000);
    });
    QObject::connect(&client, &QThread::finished, &app, &QCoreApplication::quit);
    client.start();
    app.exec();
    client.wait();

    std::printf("service server (port 5321 protocol), loopback, %d ids in the store\n", ids.size());
    for (const auto& row : {std::make_pair("1 id per request, one at a time", &single),
                            std::make_pair("100 ids per request, one at a time", &small),
                            std::make_pair("30000 ids per request, 4 pipelined", &pipelined)}) {
        if (!row.second->ok) {
            std::printf("  %-38s FAILED\n", row.first);
            continue;
        }
        std::printf("  %-38s %10.0f ids/s  (%lld ids in %.2f s)\n", row.first,
                    row.second->ids / row.second->seconds, static_cast<long long>(row.second->ids),
                    row.second->seconds);
    }
    std::printf("  bound: at least 50000 ids/s with requests of 100 ids or more\n");
    std::fflush(stdout);
    if (latency.ok) {
        const auto& m = latency.micros;
        std::printf("console server (port 4321), \"get 13\" round trip over %zu commands:\n", m.size());
        std::printf("  median %.0f us, p99 %.0f us, max %.0f us\n", m[m.size() / 2], m[m.size() * 99 / 100],
                    m.back());
        std::printf("  bound: median under 5000 us\n");
        std::fflush(stdout);
    } else {
        std::printf("console round trip FAILED\n");
    }
    return single.ok && small.ok && pipelined.ok && latency.ok ? 0 : 1;
}
