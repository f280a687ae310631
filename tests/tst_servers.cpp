// The service server (5321) and the console (4321) on free ports, with real
// TCP clients: the service server against the store and the SPI driver
// talking to the in-process controller, the console against a store of its
// own. Replies and answers, broadcasts to every client, requests cut and
// joined by TCP, what a hostile client might send, the connection cap,
// clients that read slowly, never, flood the link or vanish, accepting again
// after the descriptors ran out, and stopping with clients connected.
#include "accepted_socket.h"
#include "commandserver.h"
#include "commandsocket.h"
#include "console_client.h"
#include "descriptors_taken.h"
#include "driver_hold.h"
#include "flooder.h"
#include "function_thread.h"
#include "log_capture.h"
#include "model_link.h"
#include "param_writes.h"
#include "raw_client.h"
#include "rawbits.h"
#include "server.h"
#include "serviceblockparser.h"
#include "service_client.h"
#include "socketserver.h"
#include "tcp_acceptor.h"
#include "tcp_keepalive.h"
#include "test_database.h"
#include "thread_start_reserve.h"
#include "write_backlog.h"

#include <QtTest>
#include <fcntl.h>
#include <malloc.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

// The sanitizer's count of memory in use, when its runtime is there.
extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

using P = ServiceBlockParser;

QByteArray archiveRequest(quint16 command, const QByteArray& request)
{
    return serviceRequest(command, [&](QDataStream& out) { out << request; });
}

QByteArray eventRequest(quint32 address)
{
    return serviceRequest(P::ReadEvents, [&](QDataStream& out) { out << address; });
}

ReplyMatch replyOf(quint16 command, const QByteArray& first, const QByteArray& second = QByteArray())
{
    return [=](const Reply& r) { return r.command == command && r.first == first && r.second == second; };
}

// Memory the allocator holds for the program: what an unbounded queue grows
// (RSS under the sanitizer also holds freed memory in quarantine).
qint64 memoryInUse()
{
    return __sanitizer_get_current_allocated_bytes ? qint64(__sanitizer_get_current_allocated_bytes())
                                                   : qint64(mallinfo2().uordblks);
}


// A client of a local port with a tiny receive window that never reads:
// its descriptor, or -1.
int deafClient(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int small = 4096;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    const sockaddr_in address = loopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// A descriptor closed when it goes out of scope, also after a failed check.
struct ClosedAtEnd
{
    int fd;
    ~ClosedAtEnd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// What arrives on fd within waitMs, read without running this thread's
// event loop; done once it holds the given number of lines.
QByteArray readLines(int fd, int lines, int waitMs)
{
    QByteArray in;
    QElapsedTimer elapsed;
    elapsed.start();
    char buffer[4096];
    while (in.count('\n') < lines) {
        pollfd readable = {fd, POLLIN, 0};
        if (::poll(&readable, 1, int(qMax<qint64>(0, waitMs - elapsed.elapsed()))) != 1)
            break;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        in.append(buffer, int(n));
    }
    return in;
}

// One row for each server: the console and the service server.
void serverRows()
{
    QTest::addColumn<bool>("console");
    QTest::newRow("console") << true;
    QTest::newRow("service") << false;
}

const QByteArray Queued = "[I] added to queue\n";
const QByteArray Get13 = "El 13 is 5\n";
const QByteArray Get14 = "El 14 is 1.23457e+06\n";
// Two exponent digits on every Qt 5 (Qt 5.9 alone would write "e-5").
const QByteArray Get16 = "El 16 is -1.5e-05\n";

} // namespace

class TestServers : public QObject
{
    Q_OBJECT

private:
    // Made in this order once the test database is cut down, gone in the reverse.
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ModelStation> m_station;
    std::unique_ptr<TcpServer> m_server;
    std::unique_ptr<Parameters> m_bank;
    std::unique_ptr<CommandServer> m_console;
    quint16 m_port = 0;
    quint16 m_consolePort = 0;

private slots:
    void initTestCase()
    {
        m_db.reset(new TestDatabase);
        QVERIFY(ModelStation::keepParametersBelow(700));
        m_station.reset(new ModelStation);
        QSignalSpy end(&m_station->parameters, &Parameters::signalSyncEnd);
        m_station->link.start();
        QVERIFY2(end.wait(10000), "the first synchronisation");
        m_server.reset(new TcpServer(&m_station->parameters, m_station->link.driver, nullptr, 0));
        m_port = m_server->serverPort();
        m_bank.reset(new Parameters);
        m_bank->slotParamUpdated(13, bitsFromFloat(5.0f), Parameters::KindValue);
        m_bank->slotParamUpdated(14, bitsFromFloat(1234567.0f), Parameters::KindValue);
        m_bank->slotParamUpdated(16, bitsFromFloat(-1.5e-5f), Parameters::KindValue);
        m_console.reset(new CommandServer(m_bank.get(), nullptr, nullptr, 0));
        m_console->start();
        m_consolePort = m_console->serverPort();
    }

    void cleanup()
    {
        QVERIFY2(waitFor([this] { return m_server->connectionCount() + m_console->connectionCount() == 0; }), "clients gone");
    }

    void consoleCommands()
    {
        QSignalSpy writes(m_bank.get(), &Parameters::signalParamWrite);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_consolePort));
        QCOMPARE(client.ask("get 13\r\n"), Get13);
        QCOMPARE(client.ask("get 14\n"), Get14);
        QCOMPARE(client.ask("get 16\n"), Get16);
        QCOMPARE(client.ask("get 65549\n"), Get13); // the id keeps its low 16 bits
        QCOMPARE(client.ask("get 5000\n"), QByteArray("El 5000 is 0\n"));
        // set asks the store for a write with flag 3 and leaves its copy alone.
        QCOMPARE(client.ask("set 65551 -2.5\n"), Queued);
        QTRY_VERIFY(!writes.isEmpty());
        QVERIFY(writes.first() == QVariantList({quint16(15), bitsFromFloat(-2.5f), 3}) && m_bank->get(15) != -2.5f);
        // setb stores the raw value in the copy, nothing is written.
        QCOMPARE(client.ask("setb 600 2.9\n"), Queued);
        QTRY_COMPARE(m_bank->getU32(600), 2u);
        QCOMPARE(client.ask("setb 600 -5\n"), Queued);
        QTRY_COMPARE(m_bank->getU32(600), 0u);
        // Refused lines: the answer, and nothing written or stored.
        const QByteArray count = "[E] Not enough params. Use ", id = "[E] Not recognized param_id. Use ",
                         value = "[E] Not recognized param_value. Use ", get = "get param_id\n",
                         set = "set param_id param_value\n", setb = "setb param_id param_value\n";
        const QPair<const char*, QByteArray> refused[] = {
            {"get", count + get}, {"get  13", count + get}, {"get 13 14", count + get}, {"get 1.5", id + get},
            {"get 99999999999999999999999", id + get}, {"set 13  5", count + set}, {"set x 5", id + set},
            {"set 13 abc", value + set}, {"set 13 nan", value + set}, {"set 13 1e39", value + set},
            {"setb 600 4294967296", value + setb}, {"setb 600 -inf", value + setb}, {"setb y 1", id + setb}};
        for (const auto& line : refused)
            QVERIFY2(client.ask(QByteArray(line.first) + "\n") == line.second, line.first);
        QCOMPARE(client.ask("set 13 5\n"), Queued);
        QTRY_COMPARE(writesOf(writes), (Writes{{15, bitsFromFloat(-2.5f)}, {13, bitsFromFloat(5.0f)}}));
        QCOMPARE(m_bank->getU32(600), 0u);
    }

    void consoleLinesAsTcpDeliversThem()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_consolePort));
        // Lines with no answer: each followed by one whose answer comes first.
        // Past 1,024 bytes before the line feed a line goes whole (read, the
        // last two would be refused).
        for (const QByteArray& line : {QByteArray("GET 13\n"), QByteArray("\r\n"), QByteArray(" get 13\n"),
                                       QByteArray("\xFF\xC0\n"), QByteArray("\0get 13\n", 8),
                                       "get 13 " + QByteArray(2000, 'x') + "\n",
                                       "get 13" + QByteArray(1018, '\t') + "x\n"})
            QCOMPARE(client.ask(line + "get 13\n"), Get13);
        QCOMPARE(client.ask("get 13" + QByteArray(1018, '\t') + "\n"), Get13); // the longest line taken
        QCOMPARE(client.ask(QByteArray("get 13\0garbage\n", 15)), Get13); // a zero byte ends the text
        // Cut anywhere, joined with the next, or left unterminated by a
        // client that goes quiet.
        client.send("get 1");
        QTest::qWait(20);
        client.send("3\nget 14\nget");
        QCOMPARE(client.readLine(), Get13);
        QCOMPARE(client.readLine(), Get14);
        QCOMPARE(client.readLine(), QByteArray("[E] Not enough params. Use get param_id\n"));
        // close answers and ends the connection; what follows is not read.
        client.send("close now\nget 13\n");
        QVERIFY2(waitFor([&] { return client.socket().state() == QAbstractSocket::UnconnectedState; }), "the console closing the connection");
        QCOMPARE(client.received(), QByteArray("[I] Bye Bye\n"));
        // An over-long line over many sends, on a connection no quiet can
        // cut: whatever part of it were kept or taken afresh would be read
        // or refused; it goes whole, up to its line feed, and the next line
        // is read.
        m_console->setIdleInterval(3600 * 1000);
        ConsoleClient patient;
        QVERIFY(patient.connectTo(m_consolePort));
        m_console->setIdleInterval(CommandSocket::DefaultIdleMs);
        for (int i = 0; i < 20; ++i)
            patient.send("get 13" + QByteArray(494, '\t'));
        QTest::qWait(20);
        QCOMPARE(patient.ask("get 13\t\nget 14\n"), Get14);
    }

    void consoleConnectionsAreCappedAndFloodsStayApart()
    {
        std::vector<std::unique_ptr<ConsoleClient>> clients(CommandServer::MaxConnections - 1);
        for (auto& c : clients)
            QVERIFY((c = std::make_unique<ConsoleClient>())->connectTo(m_consolePort));
        // A client that sends lines drawing ten times their size in answers
        // and never reads: it neither stops the others nor grows the server.
        const int fd = deafClient(m_consolePort);
        QVERIFY2(fd >= 0 && waitFor([this] { return m_console->connectionCount() == CommandServer::MaxConnections; }),
                 "every console connection accepted");
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        for (int i = 0; i < 200; ++i)
            ::send(fd, QByteArray("get\n").repeated(4096).constData(), 4 * 4096, MSG_NOSIGNAL);
        QTcpSocket extra;
        extra.connectToHost(QHostAddress::LocalHost, m_consolePort);
        QVERIFY2(extra.waitForConnected(5000) && waitFor([&] { return extra.state() == QAbstractSocket::UnconnectedState; }),
                 "the connection over the cap refused");
        for (auto& c : clients)
            QCOMPARE(c->ask("get 13\n"), Get13);
        ::close(fd);
        QVERIFY2(waitFor([this] { return m_console->connectionCount() == CommandServer::MaxConnections - 1; }),
                 "the deaf client's connection gone");
        ConsoleClient next;
        QVERIFY(next.connectTo(m_consolePort));
    }

    // While the store's thread (this one) is held, a console client's "set"
    // and "setb" lines stop once as many are on their way to the store as
    // may be, and what it sends behind them waits; once the store's thread
    // runs again, every one reaches the store, in order.
    void consoleLinesWaitWhileTheStoreIsHeld_data()
    {
        QTest::addColumn<bool>("bank");
        QTest::newRow("set") << false;
        QTest::newRow("setb") << true;
    }
    void consoleLinesWaitWhileTheStoreIsHeld()
    {
        QFETCH(bool, bank);
        m_bank->slotParamUpdated(600, 1000, Parameters::KindValue);
        QSignalSpy writes(m_bank.get(), &Parameters::signalParamWrite);
        QSignalSpy stored(m_bank.get(), &Parameters::signalParamUpdated);
        const int cap = bank ? CommandSocket::MaxUpdatesToStore : WriteBacklog::Cap;
        const int lines = cap + 50;
        QByteArray sent;
        for (int i = 0; i < lines; ++i)
            sent += (bank ? "setb 600 " : "set 600 ") + QByteArray::number(i) + "\n";
        const ClosedAtEnd client{rawClient(m_consolePort)};
        const int fd = client.fd;
        QVERIFY2(fd >= 0 && waitFor([this] { return m_console->connectionCount() == 1; }), "the client connected");
        QCOMPARE(readLines(fd, 4, 5000).count('\n'), 4); // the help text
        QCOMPARE(::send(fd, sent.constData() + 0, size_t(sent.size()), MSG_NOSIGNAL), ssize_t(sent.size()));
        QCOMPARE(::send(fd, "get 13\n", 7, MSG_NOSIGNAL), ssize_t(7));
        // Held: no event loop here until the answers are counted.
        QByteArray answers = readLines(fd, cap, 5000);
        answers += readLines(fd, lines - cap + 1, 300);
        QCOMPARE(answers.count(Queued), cap);
        QVERIFY(!answers.contains(Get13));
        QVERIFY(writes.isEmpty() && stored.isEmpty());
        // Released.
        QVERIFY2(waitFor([&] {
                     answers += readLines(fd, 1, 0);
                     return answers.contains(Get13);
                 }),
                 "the line behind them answered");
        QCOMPARE(answers.count(Queued), lines);
        QVERIFY2(waitFor([&] { return (bank ? stored : writes).size() == lines; }), "every value at the store");
        for (int i = 0; i < lines; ++i) {
            if (bank)
                QCOMPARE(stored.at(i), QVariantList({quint16(600), quint8(Parameters::KindValue)}));
            else
                QCOMPARE(writes.at(i), QVariantList({quint16(600), bitsFromFloat(float(i)), 3}));
        }
        if (bank)
            QCOMPARE(m_bank->getU32(600), quint32(lines - 1));
    }

    // A "setb" flood while the store's thread (this one) is held: the client
    // waits in TCP once the values on their way to the store are at their
    // cap, and the memory in use stays flat.
    void consoleBankFloodKeepsMemoryFlat()
    {
        m_bank->slotParamUpdated(600, 1000, Parameters::KindValue);
        Flooder flood(m_consolePort, QByteArray("setb 600 5\n").repeated(256));
        QVERIFY2(flood.connected() && waitFor([this] { return m_console->connectionCount() == 1; }), "the client connected");
        const qint64 before = memoryInUse();
        // Held until the client is held back (nothing more taken for 300 ms),
        // or has sent far more than the cap allows for.
        QElapsedTimer elapsed, still;
        elapsed.start();
        still.start();
        for (qint64 sent = 0; still.elapsed() < 300 && sent < 4 * 1024 * 1024 && elapsed.elapsed() < 3000;) {
            QThread::msleep(10);
            if (flood.bytesSent() != sent) {
                sent = flood.bytesSent();
                still.restart();
            }
        }
        const qint64 grown = memoryInUse() - before;
        qInfo("%lld setb lines sent while the store was held for %lld ms; memory in use %lld kB more", flood.bytesSent() / 11,
              elapsed.elapsed(), grown / 1024);
        QVERIFY2(waitFor([this] { return m_bank->getU32(600) == 5; }), "the values stored once the store runs again");
        flood.stop();
        QVERIFY2(grown <= 10 * 1024 * 1024, "memory in use up by 10 MB at most");
    }

    void repliesFromTheStoreAsTcpDeliversTheBlocks()
    {
        ModelStation& s = *m_station;
        QVERIFY(s.link.model.setMin(13, 1.5f) && s.link.model.setMax(13, 98.25f) && s.link.model.setFloat(13, 7.0f));
        QTRY_VERIFY(s.parameters.get(13) == 7.0f && s.parameters.getMin(13) == 1.5f && s.parameters.getMax(13) == 98.25f);
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // Four blocks in one segment; an id the store does not know reads as 0.
        client.send(idRequest(P::ReadValues, {13, 5000}) + idRequest(P::ReadMin, {13}) + idRequest(P::ReadMax, {13})
                    + idRequest(P::ReadPhysic, {562}));
        QVERIFY(client.waitCount([](const Reply&) { return true; }, 5));
        QList<Reply> r = client.replies();
        QVERIFY(valueIs(13, 2, bitsFromFloat(7.0f))(r.at(0)) && valueIs(5000, 2, 0)(r.at(1)));
        QVERIFY(valueIs(13, 7, bitsFromFloat(1.5f))(r.at(2)) && valueIs(13, 8, bitsFromFloat(98.25f))(r.at(3)));
        QVERIFY(valueIs(562, 15, bitsFromFloat(1.0f))(r.at(4))); // a date-time
        // A byte at a time, then split in the size field, the body and across
        // the next block: each answered once, when whole.
        client.clear();
        const QByteArray two = idRequest(P::ReadValues, {22}) + idRequest(P::ReadMax, {32});
        for (const QByteArray& chunk : {two.left(1), two.mid(1, 1), two.mid(2, 7), two.mid(9, 3), two.mid(12)}) {
            client.send(chunk);
            QTest::qWait(20);
        }
        QVERIFY(client.waitCount(valueIs(32, 8), 1));
        QVERIFY(client.replies().size() == 2 && client.count(valueIs(22)) == 1 && !client.malformed());
    }

    void broadcastsReachEveryClient()
    {
        ControllerModel& model = m_station->link.model;
        BlockClient clients[2];
        for (BlockClient& c : clients)
            QVERIFY(c.connectTo(m_port) && c.ready());
        // A value the link reads, an event it is told of, the same event and
        // the archives asked for by one client or the other.
        QVERIFY(model.setFloat(16, 0.75f) && model.setArchive(ControllerModel::CmdReadArchive, "0123456789")
                && model.setArchive(ControllerModel::CmdReadArchiveCompressed, "abcdef"));
        const quint32 address = model.addEvent(QByteArray(21, '\x44'));
        QByteArray header(15, '\0');
        header[7] = 4; // four bytes from the start
        clients[0].send(eventRequest(address) + archiveRequest(P::ReadArchive, header));
        clients[1].send(archiveRequest(P::ReadArchiveCompressed, header));
        header[11] = 4; // as served
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(valueIs(16, 2, bitsFromFloat(0.75f)), 1) && c.waitCount(replyOf(4, QByteArray(21, '\x44')), 2)
                    && c.waitCount(replyOf(7, header, "0123"), 1) && c.waitCount(replyOf(9, header, "abcd"), 1));
        // The link lost (21 failed exchanges) and back.
        model.setFault(ControllerModel::Fault::Corrupt, 22);
        for (quint32 state : {0u, 1u})
            for (BlockClient& c : clients)
                QVERIFY(c.waitCount([=](const Reply& r) { return r.command == 8 && r.kind == 0 && r.value == state; }, 1));
        // One client's read is answered to that client alone.
        clients[0].send(idRequest(P::ReadValues, {17}));
        clients[1].send(idRequest(P::ReadMin, {22}));
        QVERIFY(clients[0].waitCount(valueIs(17), 1) && clients[1].waitCount(valueIs(22, 7), 1));
        QVERIFY(clients[1].count(valueIs(17)) == 0 && !clients[0].malformed() && !clients[1].malformed());
    }

    // Each is followed by a read of 14, answered once everything before it
    // is done; were the stream to lose its place, the read of 13 inside would
    // be answered too.
    void malformedBlocksAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("answers");
        auto raw = [](const QByteArray& body) { return QByteArray(1, char(body.size() >> 8)) + char(body.size()) + body; };
        const QByteArray inner = idRequest(P::ReadValues, {13});
        const QByteArray write = serviceRequest(P::WriteValue, [](QDataStream& out) { out << quint16(17) << 4 << 1; });
        QTest::newRow("sizes 0 and 1") << raw(QByteArray()) + raw("x") << 0;
        QTest::newRow("odd id payload: whole ids") << raw(QByteArray("\0\0\0\x0d\0", 5)) << 1;
        QTest::newRow("unknown command") << raw(QByteArray("\0\x04", 2) + inner) << 0;
        QTest::newRow("write too short") << raw(write.mid(2, 8)) << 0;
        QTest::newRow("write too long") << raw(write.mid(2) + inner) << 0;
        QTest::newRow("archive past its block") << raw(QByteArray("\0\x07\0\0\x03\xE8", 6) + inner) << 0;
    }

    void malformedBlocksAreSkipped()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, answers);
        const int writes = m_station->link.model.writes().size();
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(bytes + idRequest(P::ReadValues, {14}));
        QVERIFY(client.waitCount(valueIs(14), 1));
        QCOMPARE(client.replies().size(), answers + 1);
        QCOMPARE(client.count(valueIs(13)), answers);
        QCOMPARE(m_station->link.model.writes().size(), writes);
        QVERIFY(!client.malformed());
    }

    // 2,000 addresses in one request: the first 975 (the controller's whole
    // event area) are read, all before the next request's; bytes after the
    // last whole address are ignored.
    void eventRequestsAreCapped()
    {
        ControllerModel& model = m_station->link.model;
        BlockClient client;
        QVERIFY(client.connectTo(m_port) && client.ready());
        const QByteArray record(21, '\x61'), next(21, '\x62');
        const quint32 address = model.addEvent(record), nextAddress = model.addEvent(next);
        QVERIFY2(client.waitCount(replyOf(4, next), 1), "the new events read");
        client.clear();
        client.send(serviceRequest(P::ReadEvents, [&](QDataStream& out) {
                        for (int i = 0; i < 2000; ++i)
                            out << address;
                    })
                    + serviceRequest(P::ReadEvents, [&](QDataStream& out) { out << nextAddress << quint8(1) << quint16(2); }));
        QVERIFY2(client.waitCount(replyOf(4, next), 1), "the event after the capped request");
        QCOMPARE(client.count(replyOf(4, record)), 975);
    }

    // The controller echoes the request it received as the reply's header,
    // the count served in its last four bytes: a short request reaches it
    // padded with zeros, a long one cut, an empty or null one as 15 zeros.
    void archiveRequestsAreMadeFifteenBytes()
    {
        QVERIFY(m_station->link.model.setArchive(ControllerModel::CmdReadArchive, "0123456789"));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        QByteArray header(15, '\0');
        header[0] = 5;
        header[3] = 2; // from offset 2
        header[7] = 4; // four bytes
        for (const QByteArray& request : {header.left(8), header + "\x7F\x7F\x7F", QByteArray(""), QByteArray()})
            client.send(archiveRequest(P::ReadArchive, request));
        QVERIFY(client.waitCount([](const Reply& r) { return r.command == 7; }, 4));
        header[11] = 4;
        const QList<Reply> r = client.replies();
        QVERIFY(replyOf(7, header, "2345")(r.at(0)) && replyOf(7, header, "2345")(r.at(1)));
        QVERIFY(replyOf(7, QByteArray(15, '\0'))(r.at(2)) && replyOf(7, QByteArray(15, '\0'))(r.at(3)));
    }

    // The ninth client is refused; the eight admitted are still served, and
    // a place freed is taken again.
    void serviceConnectionsAreCapped()
    {
        std::vector<std::unique_ptr<BlockClient>> clients(TcpServer::MaxConnections);
        for (auto& c : clients)
            QVERIFY((c = std::make_unique<BlockClient>())->connectTo(m_port));
        QVERIFY2(waitFor([this] { return m_server->connectionCount() == TcpServer::MaxConnections; }),
                 "every service connection accepted");
        BlockClient extra;
        QVERIFY2(extra.connectTo(m_port) && waitFor([&] { return extra.socket().state() == QAbstractSocket::UnconnectedState; }),
                 "the connection over the cap refused");
        QCOMPARE(m_server->connectionCount(), TcpServer::MaxConnections);
        for (auto& c : clients)
            QVERIFY(c->ready());
        clients.pop_back();
        QVERIFY2(waitFor([this] { return m_server->connectionCount() == TcpServer::MaxConnections - 1; }),
                 "the place freed");
        BlockClient next;
        QVERIFY(next.connectTo(m_port) && next.ready());
    }

    void slowReaderGetsEveryAnswer()
    {
        BlockClient client, other;
        QVERIFY(client.connectTo(m_port) && other.connectTo(m_port));
        // It reads nothing at first: its requests are held back rather than
        // its answers piling up, and it is not dropped.
        client.socket().setReadBufferSize(1024);
        const QByteArray request = idRequest(P::ReadValues, QVector<quint16>(30000, 13));
        client.send(request + request + request + request);
        other.send(idRequest(P::ReadValues, {22}));
        QVERIFY(other.waitCount(valueIs(22), 1));
        QCOMPARE(m_server->connectionCount(), 2);
        client.socket().setReadBufferSize(0);
        int received = 0;
        QVERIFY2(waitFor([&] {
                     received += client.replies().size();
                     client.clear();
                     return received >= 4 * 30000;
                 }),
                 "every answer");
    }

    // On a server whose driver the test plays: a client that never reads is
    // cut off once too much waits for it, while the others get everything;
    // deleting the server while its connections are busy ends them all.
    void deafClientsAndDeletingTheServer()
    {
        SpiDriver driver(nullptr, false);
        auto* server = new TcpServer(&m_station->parameters, &driver, nullptr, 0);
        BlockClient reader, busy;
        const int deaf = deafClient(server->serverPort());
        QVERIFY(reader.connectTo(server->serverPort()) && busy.connectTo(server->serverPort()) && reader.ready());
        QVERIFY2(deaf >= 0 && waitFor([&] { return server->connectionCount() == 3; }), "three service connections");
        const QByteArray data(4000, 'a');
        int sent = 0;
        QVERIFY2(waitFor([&] {
                     for (int i = 0; i < 100; ++i, ++sent)
                         emit driver.signalLogRead(QByteArray(15, '\0'), data);
                     reader.replies();
                     busy.replies();
                     return server->connectionCount() == 2 || sent > 40000;
                 }),
                 "the deaf client cut off");
        QVERIFY(reader.waitCount(replyOf(7, QByteArray(15, '\0'), data), sent) && !reader.malformed());
        ::close(deaf);
        busy.send(idRequest(P::ReadValues, QVector<quint16>(30000, 13)));
        for (int i = 0; i < 300; ++i)
            emit driver.signalLogRead(QByteArray(15, '\0'), data);
        delete server;
        for (BlockClient* c : {&reader, &busy})
            QVERIFY2(waitFor([&] { return c->socket().state() == QAbstractSocket::UnconnectedState; }), "clients cut off at stop");
    }

    // Every accepted connection is probed after a quiet minute, three probes
    // ten seconds apart, and given up after 90 s without an answer; a client
    // gone without a word is noticed and its place freed.
    void vanishedClientFreesItsPlace_data() { serverRows(); }
    void vanishedClientFreesItsPlace()
    {
        QFETCH(bool, console);
        QTcpServer* server = console ? static_cast<QTcpServer*>(m_console.get()) : m_server.get();
        auto count = [&] { return console ? m_console->connectionCount() : m_server->connectionCount(); };
        const int client = deafClient(server->serverPort());
        int end = -1;
        QVERIFY2(client >= 0 && waitFor([&] {
                     return count() == 1 && (end = AcceptedSocket::find(server->serverPort(), AcceptedSocket::localPort(client))) >= 0;
                 }),
                 "the connection accepted");
        QCOMPARE(AcceptedSocket::keepAlive(end), QByteArray("on 1 idle 60 interval 10 probes 3 timeout 90000"));
        if (!AcceptedSocket::vanish(client, end)) {
            ::close(client);
            QSKIP("closing a client without a word takes the right to repair sockets");
        }
        QVERIFY2(waitFor([&] { return count() == 0; }), "the vanished client's place freed");
    }

    // A connection whose thread the system does not make (as at the
    // process's limit of threads) is refused with the refusal line; its
    // place, its thread and its connection object are freed, and the next
    // client is admitted and served.
    void threadThatCannotStartFreesItsPlace_data() { serverRows(); }
    void threadThatCannotStartFreesItsPlace()
    {
        QFETCH(bool, console);
        QTcpServer* server = console ? static_cast<QTcpServer*>(m_console.get()) : m_server.get();
        auto count = [&] { return console ? m_console->connectionCount() : m_server->connectionCount(); };
        LogCapture log;
        const ClosedAtEnd first{rawClient(server->serverPort())};
        QVERIFY2(first.fd >= 0 && waitFor([&] { return count() == 1; }), "a client admitted");
        const int consoleObjects = CommandSocket::liveCount();
        // The next start fails as at the limit: a stack the system refuses.
        QPointer<QThread> failed;
        int starts = 0;
        struct HookRemoved
        {
            ~HookRemoved() { ThreadStartReserve::setStartHook(nullptr); }
        } removed;
        ThreadStartReserve::setStartHook([&](QThread* thread) {
            if (starts++ > 0)
                return;
            failed = thread;
            thread->setStackSize(1);
        });
        const ClosedAtEnd refused{rawClient(server->serverPort())};
        char byte;
        QVERIFY2(refused.fd >= 0 && waitFor([&] { return ::recv(refused.fd, &byte, 1, MSG_DONTWAIT) == 0; }),
                 "the client whose thread could not start turned away");
        QCOMPARE(starts, 1);
        QVERIFY2(failed.isNull(), "its thread deleted");
        QCOMPARE(count(), 1);
        const QStringList lines = log.lines(console ? "Client refused, its thread could not start" : "refused: its thread could not start");
        QCOMPARE(lines.size(), 1);
        // Its connection object too.
        if (console)
            QCOMPARE(CommandSocket::liveCount(), consoleObjects);
        else
            QCOMPARE(log.count("~SocketServer " + lines.first().section(' ', 1, 1)), 1);
        // The next client is counted while it is still connected: its close
        // at the end of its block would free its place again.
        if (console) {
            ConsoleClient next;
            QVERIFY(next.connectTo(server->serverPort()));
            QCOMPARE(next.ask("get 13\n"), Get13);
            QCOMPARE(count(), 2);
        } else {
            BlockClient next;
            QVERIFY(next.connectTo(server->serverPort()) && next.ready());
            QCOMPARE(count(), 2);
        }
    }

    // A client that takes the last free descriptor is turned away, for its
    // thread would find none. With no descriptor left a connection cannot be
    // accepted: the server waits, without keeping its thread (this one)
    // busy, and accepts the client once descriptors are free again.
    void acceptingResumesOnceDescriptorsAreFree_data() { serverRows(); }
    void acceptingResumesOnceDescriptorsAreFree()
    {
        QFETCH(bool, console);
        QTcpServer* server = console ? static_cast<QTcpServer*>(m_console.get()) : m_server.get();
        auto count = [&] { return console ? m_console->connectionCount() : m_server->connectionCount(); };
        QSignalSpy failed(server->findChild<TcpAcceptor*>(), &TcpAcceptor::signalAcceptFailed);
        const sockaddr_in address = loopbackAddress(server->serverPort());
        // Accepting as usual first (see DescriptorsTaken).
        int client = deafClient(server->serverPort());
        QVERIFY2(waitFor([&] { return count() == 1; }), "a client accepted as usual");
        ::close(client);
        QVERIFY2(waitFor([&] { return count() == 0; }), "its place freed");
        client = ::socket(AF_INET, SOCK_STREAM, 0);
        {
            DescriptorsTaken taken(1);
            char byte;
            QVERIFY(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
            QVERIFY2(waitFor([&] { return ::recv(client, &byte, 1, MSG_DONTWAIT) == 0; }) && count() == 0,
                     "the client on the last descriptor turned away");
        }
        ::close(client);
        client = ::socket(AF_INET, SOCK_STREAM, 0);
        {
            DescriptorsTaken taken;
            QVERIFY(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
            QVERIFY2(failed.wait(5000), "an accept failed");
            rusage before = {}, after = {};
            ::getrusage(RUSAGE_THREAD, &before);
            QTest::qWait(2 * TcpAcceptor::RetryMs);
            ::getrusage(RUSAGE_THREAD, &after);
            const qint64 busyMs = (after.ru_utime.tv_sec + after.ru_stime.tv_sec - before.ru_utime.tv_sec - before.ru_stime.tv_sec) * 1000
                                  + (after.ru_utime.tv_usec + after.ru_stime.tv_usec - before.ru_utime.tv_usec - before.ru_stime.tv_usec) / 1000;
            QVERIFY2(busyMs < TcpAcceptor::RetryMs, qPrintable(QString("%1 ms busy in 2 s").arg(busyMs)));
            QVERIFY(failed.count() >= 2 && count() == 0);
        }
        QVERIFY2(waitFor([&] { return count() == 1; }), "the waiting client accepted");
        ::close(client);
    }

    // The last free descriptors are raced for by a thread that opens and
    // closes descriptors, one and two at a time (an eventfd, a pipe), as
    // fast as it can: connections are still admitted, and none of their
    // threads finds no descriptor for its event loop (Qt would end the
    // program) in 1,000 admissions, half with one descriptor left and half
    // with two. The count is the work done, however long it takes.
    void admittingWhileDescriptorsAreRacedFor_data()
    {
        QTest::addColumn<int>("left");
        QTest::newRow("one descriptor left") << 1;
        QTest::newRow("two left") << 2;
    }
    void admittingWhileDescriptorsAreRacedFor()
    {
        QFETCH(int, left);
        const int admissions = 500;
        enum { Refused, Admitted, NotStarted, LeftRunning };
        ConnectionThreads threads(1);
        const QString refusedLine = QStringLiteral("Test connection %1 refused: %2");
        const auto admitted = [&]() -> int {
            const int handle = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (handle < 0 || !threads.admit(handle, refusedLine))
                return Refused;
            auto* thread = new FunctionThread([] {});
            if (!threads.start(thread, nullptr, handle, refusedLine))
                return NotStarted;
            const bool ended = thread->wait(5000);
            ::close(handle);
            if (!ended)
                return LeftRunning; // left, rather than deleted running
            delete thread;
            return Admitted;
        };
        // Both ways once as usual first (see DescriptorsTaken).
        QCOMPARE(admitted(), int(Admitted));
        ConnectionThreads none(0);
        QVERIFY(!none.admit(::open("/dev/null", O_RDONLY | O_CLOEXEC), refusedLine));
        // The racer runs (its event loop's descriptor made) before the
        // descriptors are taken, and races once they are.
        std::atomic<int> racing{0};
        std::atomic<bool> ready{false};
        FunctionThread racer([&racing, &ready] {
            ready = true;
            while (racing.load() == 0)
                QThread::yieldCurrentThread();
            int pipe[2];
            while (racing.load() == 1) {
                ::close(::eventfd(0, EFD_CLOEXEC));
                if (::pipe2(pipe, O_CLOEXEC) == 0) {
                    ::close(pipe[0]);
                    ::close(pipe[1]);
                }
            }
        });
        racer.start();
        if (!waitFor([&ready] { return ready.load(); })) {
            racing = 2;
            racer.wait();
            QFAIL("the racing thread running");
        }
        // Many tries are refused while the racer holds what is left. A
        // refused try leaves the racer a moment to go on: on a loaded machine
        // a racer put aside while it holds the last descriptor would meet
        // thousands of tries meanwhile, and admissions would come slowly.
        int count = 0, tries = 0, result = Admitted;
        QElapsedTimer elapsed;
        elapsed.start();
        {
            DescriptorsTaken taken(1 + left); // the handle's, and those left
            racing = 1;
            for (; count < admissions && (result == Admitted || result == Refused) && elapsed.elapsed() < 9000; ++tries) {
                result = admitted();
                if (result == Admitted)
                    ++count;
                else if (result == Refused)
                    QThread::usleep(500);
            }
            racing = 2;
            racer.wait();
        }
        qInfo("%d connections admitted of %d tries in %lld ms", count, tries, elapsed.elapsed());
        QVERIFY2(result != NotStarted, "every admitted connection's thread started");
        QVERIFY2(result != LeftRunning, "every connection's thread ended");
        QVERIFY2(count == admissions, qPrintable(QString("%1 connections admitted of %2 within 9 s").arg(count).arg(admissions)));
    }

    // An acceptor moved to another thread with its server accepts through a
    // shortage of descriptors there too. A failure of the listening socket
    // itself is logged as what it is, once, and tried again every second.
    void acceptorInAnotherThread()
    {
        LogCapture log;
        std::atomic<int> accepted{0}, failures{0}, error{0};
        struct Worker : QThread
        {
            ~Worker() override
            {
                quit();
                wait();
            }
        } worker;
        auto* server = new QTcpServer;
        auto* acceptor = new TcpAcceptor(server, [&accepted](qintptr d) { ::close(int(d)); ++accepted; },
                                         QStringLiteral("Test:"), QStringLiteral("Test:"));
        connect(acceptor, &TcpAcceptor::signalAcceptFailed, acceptor, [&](int e) { error = e; ++failures; });
        QVERIFY(server->listen(QHostAddress::LocalHost, 0));
        acceptor->start();
        const quint16 port = server->serverPort();
        const int listening = int(server->socketDescriptor());
        server->moveToThread(&worker);
        connect(&worker, &QThread::finished, server, &QObject::deleteLater);
        worker.start();
        // Accepting as usual first (see DescriptorsTaken).
        int client = rawClient(port);
        QVERIFY2(waitFor([&] { return accepted == 1; }), "a client accepted as usual");
        ::close(client);
        client = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = loopbackAddress(port);
        {
            DescriptorsTaken taken;
            QVERIFY(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
            QVERIFY2(waitFor([&] { return failures >= 2; }), "accepts failed, and failed again a second later");
        }
        QVERIFY2(waitFor([&] { return accepted == 2; }), "the waiting client accepted");
        ::close(client);
        failures = 0;
        ::shutdown(listening, SHUT_RD);
        QVERIFY2(waitFor([&] { return failures >= 2; }), "the listening socket failed, and was tried again a second later");
        QCOMPARE(error.load(), EINVAL);
        QCOMPARE(log.lines("Test: ").join('\n'),
                 QString("Test: connection not accepted on port %1, no descriptor or memory left (Too many open files); trying again every second\n"
                         "Test: accepting connections on port %1 again after %2 failed accept(s)\n"
                         "Test: accepting on port %1 failed (Invalid argument); trying again every second")
                     .arg(port)
                     .arg(log.lines("Test: accepting connections").value(0).section(' ', 8, 8)));
    }

    // A system that refuses the probing options refuses them for every
    // connection: that is logged now and then, in one line naming them.
    void refusedKeepAliveIsLoggedNowAndThen()
    {
        LogCapture log;
        int pair[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) == 0);
        bool set = false;
        for (int i = 0; i < 100; ++i)
            set = TcpKeepAlive::enable(pair[0]) || set;
        ::close(pair[0]);
        ::close(pair[1]);
        QVERIFY(!set);
        QCOMPARE(log.lines("keepalive").join('\n'),
                 QString("Socket %1: keepalive options not set: TCP_KEEPIDLE (%2), TCP_KEEPINTVL (%2), TCP_KEEPCNT (%2), "
                         "TCP_USER_TIMEOUT (%2)").arg(pair[0]).arg(qt_error_string(EOPNOTSUPP)));
    }

    // While the SPI driver's thread is held, a client's writes stop at the
    // link's write backlog: what waits between the threads stays at its cap
    // and the rest waits in TCP. Once the link goes on, every write reaches
    // the controller, in order.
    void writesWaitAtTheLinksBacklog()
    {
        const ControllerModel& model = m_station->link.model;
        const int before = model.writes().size();
        const std::shared_ptr<const WriteBacklog> backlog = m_station->link.driver->writeBacklog();
        const int count = 1000;
        QByteArray writes;
        for (int i = 0; i < count; ++i)
            writes += serviceRequest(P::WriteValue, [i](QDataStream& out) { out << quint16(5000) << qint32(i) << 1; });
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        {
            DriverHold hold(m_station->link.driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            client.send(writes);
            QVERIFY2(waitFor([&] { return backlog->size() >= WriteBacklog::Cap; }), "the backlog full");
            QTest::qWait(200);
            QCOMPARE(backlog->size(), WriteBacklog::Cap);
        }
        QVERIFY2(waitFor([&] { return model.writes().size() - before == count; }), "every write at the controller");
        for (int i = 0; i < count; ++i)
            QCOMPARE(model.writes().at(before + i).raw, quint32(i));
    }

    // A controller that refuses every write frame and answers everything
    // else makes a link that takes no writes, once it counts as down for
    // them: the console's writes that wait for room in the backlog are
    // dropped after the stall limit, as on a stuck link, and the line behind
    // them is answered. Those queued before reach the controller once it
    // takes writes again.
    void refusedWritesDropTheWaitingOnes()
    {
        SpiDriver* driver = m_station->link.driver;
        ControllerModel& model = m_station->link.model;
        CommandServer consoleServer(&m_station->parameters, driver, nullptr, 0);
        consoleServer.start();
        const int before = model.writes().size();
        driver->setWriteStall(300);
        model.setFault(ControllerModel::Fault::Refuse, 1000000, ControllerModel::CmdWriteValues);
        ConsoleClient client;
        QVERIFY(client.connectTo(consoleServer.serverPort()));
        const int writes = WriteBacklog::Cap + 50;
        client.send(QByteArray("set 600 1\n").repeated(writes) + "get 13\n");
        const bool answered = waitFor([&] { return client.received().contains("El 13 is "); }, 8000);
        model.setFault(ControllerModel::Fault::None);
        driver->setWriteStall(WriteBacklog::DefaultStallMs);
        QVERIFY2(answered, "the line behind the writes answered");
        const QByteArray answers = client.received();
        QVERIFY(answers.count("[E] Not added to queue, the SPI link takes no writes\n") > 0);
        QCOMPARE(answers.count(Queued) + answers.count("[E] Not added to queue"), writes);
        QVERIFY2(waitFor([&] { return model.writes().size() - before == answers.count(Queued); }),
                 "every write queued at the controller");
    }

    // A link that sends no write for a while holds no client without end:
    // the writes that wait then are dropped, with a line in the log, and what
    // the client sends behind them is answered while the link stays stuck.
    void stalledLinkDropsTheWaitingWrites_data() { serverRows(); }
    void stalledLinkDropsTheWaitingWrites()
    {
        QFETCH(bool, console);
        SpiDriver* driver = m_station->link.driver;
        CommandServer consoleServer(&m_station->parameters, driver, nullptr, 0);
        consoleServer.start();
        LogCapture log;
        driver->setWriteStall(300);
        {
            DriverHold hold(driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            const int writes = WriteBacklog::Cap + 50;
            if (console) {
                ConsoleClient client;
                QVERIFY(client.connectTo(consoleServer.serverPort()));
                client.send(QByteArray("set 600 1\n").repeated(writes) + "get 13\n");
                QVERIFY2(waitFor([&] { return client.received().contains("El 13 is "); }, 3000), "the line behind the writes answered");
                QCOMPARE(log.count("the SPI link takes no writes, set 600 dropped"), 1);
                // Each dropped write is answered as such, never as queued.
                const QByteArray answers = client.received();
                QVERIFY(answers.count("[E] Not added to queue, the SPI link takes no writes\n") > 0);
                QCOMPARE(answers.count(Queued) + answers.count("[E] Not added to queue"), writes);
            } else {
                BlockClient client;
                QVERIFY(client.connectTo(m_port));
                const QByteArray write = serviceRequest(P::WriteValue, [](QDataStream& out) { out << quint16(5000) << 1 << 1; });
                client.send(write.repeated(writes) + idRequest(P::ReadValues, {13}));
                QVERIFY2(client.waitCount(valueIs(13), 1, 3000), "the request behind the writes answered");
                QCOMPARE(log.count("the SPI link takes nothing, request 2 dropped"), 1);
            }
        }
        driver->setWriteStall(WriteBacklog::DefaultStallMs);
        QVERIFY2(waitFor([driver] { return driver->writeBacklog()->size() == 0; }), "the writes taken before sent");
    }

    // Event reads too: while the SPI driver's thread is held, the ones after
    // the first thousand or so on their way to it wait, and with them what
    // the client sends behind; once the link goes on, all are served.
    void eventReadsWaitWhileTheLinkIsHeld()
    {
        const int half = SocketServer::MaxRequestsHandedOver / 2 + 1;
        const QByteArray block = serviceRequest(P::ReadEvents, [half](QDataStream& out) {
            for (int i = 0; i < half; ++i)
                out << quint32(21 * (i % 195));
        });
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        {
            DriverHold hold(m_station->link.driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            client.send(block + block + eventRequest(0) + idRequest(P::ReadValues, {13}));
            QTest::qWait(300);
            QCOMPARE(client.count(valueIs(13)), 0);
        }
        QVERIFY2(client.waitCount(valueIs(13), 1), "the request behind them answered once the link went on");
        QVERIFY2(client.waitCount([](const Reply& r) { return r.command == P::EventReply; }, 2 * half + 1), "every event read");
    }

    // Writes and archive requests far faster than the link serves them (one
    // request per 15 ms): the writes wait in TCP while the link's write
    // backlog is full, the driver's archive queue stops at its cap, and the
    // memory in use stays flat from one flood to the next. Last: the link
    // works the queues off for a few seconds.
    void floodingClientKeepsMemoryFlat()
    {
        const QByteArray write = serviceRequest(P::WriteValue, [](QDataStream& out) { out << quint16(5000) << 1 << 1; });
        const QByteArray flood = write.repeated(2000) + archiveRequest(P::ReadArchive, QByteArray(15, '\0')).repeated(5000);
        QVERIFY(m_station->link.model.setArchive(ControllerModel::CmdReadArchive, QByteArray()));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        const quint32 address = m_station->link.model.addEvent(QByteArray(21, '\x55'));
        qint64 used[2];
        for (int round = 0; round < 2; ++round) {
            // The event asked for last comes back once all before it is queued.
            client.send(flood + eventRequest(address));
            QVERIFY2(client.waitCount(replyOf(4, QByteArray(21, '\x55')), round + 2), "the flood taken");
            used[round] = memoryInUse();
        }
        QVERIFY2(used[1] - used[0] < 512 * 1024, qPrintable(QString("%1 bytes more").arg(used[1] - used[0])));
    }

    // A client writes as fast as the program takes its writes, through the
    // service port or the console: the link's write backlog holds it back,
    // the link goes on with its other work, and a change and an event made
    // on the controller meanwhile reach the program within a second. Once
    // the client has gone, what it wrote is at the controller within 2 s.
    void changesAndEventsArriveDuringAWriteFlood_data() { serverRows(); }
    void changesAndEventsArriveDuringAWriteFlood()
    {
        QFETCH(bool, console);
        ModelStation& s = *m_station;
        ControllerModel& model = s.link.model;
        CommandServer consoleServer(&s.parameters, s.link.driver, nullptr, 0);
        consoleServer.start();
        BlockClient watcher;
        QVERIFY(watcher.connectTo(m_port) && watcher.ready());
        const QByteArray write = console ? QByteArray("set 600 5\n") : serviceRequest(P::WriteValue, [](QDataStream& out) {
            out << quint16(600) << quint32(0x40A00000) << qint32(3);
        });
        const int before = model.writes().size();
        Flooder flood(console ? consoleServer.serverPort() : m_port, write.repeated(256));
        QVERIFY2(flood.connected(), "the flooding client connected");
        QVERIFY2(waitFor([&] { return model.writes().size() - before > 4 * WriteBacklog::Cap; }), "the flood at the controller");
        const float value = s.parameters.get(13) + 1.5f;
        QByteArray record(21, '\0');
        record.replace(0, 19, console ? "console flood event" : "service flood event");
        QElapsedTimer took;
        took.start();
        QVERIFY(model.setFloat(13, value));
        model.addEvent(record);
        qint64 changeMs = -1, eventMs = -1;
        waitFor([&] {
            if (changeMs < 0 && s.parameters.get(13) == value)
                changeMs = took.elapsed();
            if (eventMs < 0 && watcher.count(replyOf(P::EventReply, record)) > 0)
                eventMs = took.elapsed();
            return changeMs >= 0 && eventMs >= 0;
        }, 1000);
        qInfo("the change after %lld ms, the event after %lld ms (-1: not within a second)", changeMs, eventMs);
        QVERIFY2(changeMs >= 0, "the change within a second");
        QVERIFY2(eventMs >= 0, "the event within a second");
        flood.stop();
        QVERIFY2(waitFor([&s] { return s.link.driver->writeBacklog()->size() == 0; }, 2000),
                 "the flood's writes sent within 2 s of the client's going");
        // The values they changed read back: a status request goes only then.
        const quint64 polls = model.stats().value(ControllerModel::CmdStatus);
        QVERIFY2(waitFor([&] { return model.stats().value(ControllerModel::CmdStatus) > polls; }), "the link idle again");
    }

    // A client that lost writes while the link was stuck is not held to that
    // wait afterwards: once the link goes on, its event requests that meet
    // the cap wait as anybody's do, and are answered.
    void dropOnAStuckLinkIsNotHeldAgainstLaterRequests()
    {
        SpiDriver* driver = m_station->link.driver;
        ControllerModel& model = m_station->link.model;
        LogCapture log;
        driver->setWriteStall(1000);
        BlockClient client;
        QVERIFY(client.connectTo(m_port) && client.ready());
        const QByteArray write = serviceRequest(P::WriteValue, [](QDataStream& out) { out << quint16(5000) << 1 << 1; });
        {
            DriverHold hold(driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            client.send(write.repeated(WriteBacklog::Cap + 20) + idRequest(P::ReadValues, {13}));
            QVERIFY2(client.waitCount(valueIs(13), 1, 4000), "the request behind the dropped writes answered");
        }
        QCOMPARE(log.count("the SPI link takes nothing, request 2 dropped"), 1);
        QVERIFY2(waitFor([driver] { return driver->writeBacklog()->size() == 0; }), "the writes taken before sent");
        const QByteArray record(21, '\x5C');
        const quint32 address = model.addEvent(record);
        QVERIFY2(client.waitCount(replyOf(P::EventReply, record), 1), "the new event read");
        // Two blocks reach the cap; the third, asking for the new event
        // again, must wait for the driver.
        const quint32 other = address == 0 ? 21 : 0;
        const int half = SocketServer::MaxRequestsHandedOver / 2 + 1;
        const QByteArray block = serviceRequest(P::ReadEvents, [half, other](QDataStream& out) {
            for (int i = 0; i < half; ++i)
                out << other;
        });
        {
            DriverHold hold(driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            client.send(block + block + eventRequest(address) + idRequest(P::ReadValues, {14}));
            QTest::qWait(200);
            QVERIFY2(client.count(valueIs(14)) == 0, "the requests behind the cap waiting");
        }
        QVERIFY2(client.waitCount(replyOf(P::EventReply, record), 2, 5000), "the held event request answered");
        QVERIFY(client.waitCount(valueIs(14), 1));
        driver->setWriteStall(WriteBacklog::DefaultStallMs);
    }

    // A link slower than a client's writes, but sending all along, drops
    // nothing the client holds: with the write backlog full for several
    // times the stall limit, the client's writes wait, and all arrive.
    void slowLinkDropsNothing()
    {
        SpiDriver* driver = m_station->link.driver;
        const ControllerModel& model = m_station->link.model;
        LogCapture log;
        const int stallMs = 200;
        driver->setWriteStall(stallMs);
        // Another writer's, straight into the driver's queue.
        for (int i = 0; i < 2000; ++i)
            QMetaObject::invokeMethod(driver, "slotParamWrite", Qt::QueuedConnection, Q_ARG(quint16, 5000),
                                      Q_ARG(quint32, quint32(i)), Q_ARG(int, 1));
        QVERIFY2(waitFor([driver] { return driver->writeBacklog()->isFull(); }), "the backlog full");
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        const int count = 20;
        QByteArray writes;
        for (int i = 0; i < count; ++i)
            writes += serviceRequest(P::WriteValue, [i](QDataStream& out) { out << quint16(5001) << qint32(i) << 1; });
        QElapsedTimer held;
        held.start();
        client.send(writes + idRequest(P::ReadValues, {13}));
        QVERIFY2(client.waitCount(valueIs(13), 1), "the request behind the writes answered");
        const qint64 heldMs = held.elapsed();
        qInfo("held %lld ms, the stall limit %d ms", heldMs, stallMs);
        QCOMPARE(log.count("the SPI link takes nothing"), 0);
        const auto ofClient = [&model] {
            const QVector<ControllerModel::WriteRecord> all = model.writes();
            return std::count_if(all.begin(), all.end(), [](const ControllerModel::WriteRecord& w) { return w.id == 5001; });
        };
        QVERIFY2(waitFor([&] { return ofClient() == count; }), "every write of the client at the controller");
        QVERIFY2(heldMs >= 2 * stallMs, "the writes held past the stall limit");
        driver->setWriteStall(WriteBacklog::DefaultStallMs);
    }

    // Event and archive requests too: with the requests handed to the driver
    // at their cap for several times the stall limit, while the link sends
    // all along, the next one waits, and goes once the driver takes those
    // before it. The driver runs no link of its own: it lives in a thread the
    // test starts only at the end, so its requests stay at the cap, and the
    // link moves only as the test marks it.
    void slowLinkDropsNoHeldRequest_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("event") << eventRequest(0);
        QTest::newRow("archive") << archiveRequest(P::ReadArchive, QByteArray(15, '\0'));
    }
    void slowLinkDropsNoHeldRequest()
    {
        QFETCH(QByteArray, request);
        QThread driverThread;
        SpiDriver driver(nullptr, false);
        driver.moveToThread(&driverThread);
        struct ThreadStopped
        {
            QThread& thread;
            ~ThreadStopped()
            {
                thread.quit();
                thread.wait();
            }
        } stopped{driverThread};
        const int stallMs = 500;
        driver.setWriteStall(stallMs);
        // The driver's own mark, which its loop sets as it sends.
        WriteBacklog& link = const_cast<WriteBacklog&>(*driver.writeBacklog());
        TcpServer server(&m_station->parameters, &driver, nullptr, 0);
        LogCapture log;
        BlockClient client;
        QVERIFY(client.connectTo(server.serverPort()) && client.ready());
        const QByteArray half = serviceRequest(P::ReadEvents, [](QDataStream& out) {
            for (int i = 0; i < SocketServer::MaxRequestsHandedOver / 2; ++i)
                out << quint32(0);
        });
        client.send(half + half + request + idRequest(P::ReadValues, {13}));
        QElapsedTimer held;
        held.start();
        waitFor([&] {
            link.noteSent();
            return held.elapsed() >= 3 * stallMs;
        }, 10000);
        QVERIFY2(client.count(valueIs(13)) == 0, "the request behind the held one waiting");
        QCOMPARE(log.count("the SPI link takes nothing"), 0);
        driverThread.start();
        QVERIFY2(client.waitCount(valueIs(13), 1), "the request behind answered once the driver took its requests");
        QCOMPARE(log.count("the SPI link takes nothing"), 0);
    }
};

QTEST_GUILESS_MAIN(TestServers)
#include "tst_servers.moc"
