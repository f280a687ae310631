// The console server on a free port with real TCP clients against the store:
// the help text, every command and every answer, lines cut and joined by
// TCP, lines a hostile client might send, the connection cap, a client that
// floods without reading, and stopping with clients connected.
#include "commandserver.h"
#include "commandsocket.h"
#include "consolelineparser.h"
#include "parameters.h"
#include "rawbits.h"
#include "test_database.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QtTest>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray Help = "[I] Use close for close session.\n"
                        "[I] Use set param_id param_value for send register over SPI.\n"
                        "[I] Use setb param_id param_value for update register at bank.\n"
                        "[I] Use get param_id for get reg value\n";
const QByteArray Queued = "[I] added to queue\n";

bool waitFor(const std::function<bool()>& cond, int timeoutMs = 30000)
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

class ConsoleClient
{
public:
    // Connects and takes the help text.
    bool connectTo(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        if (!m_socket.waitForConnected(5000))
            return false;
        const QByteArray help = readBytes(Help.size());
        if (help != Help) {
            qWarning() << "help text:" << help;
            return false;
        }
        return true;
    }
    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }
    // Waits for the next answer line.
    QByteArray readLine(int timeoutMs = 30000)
    {
        waitFor([this] { return received().contains('\n'); }, timeoutMs);
        const int lf = m_in.indexOf('\n');
        if (lf < 0)
            return QByteArray();
        const QByteArray line = m_in.left(lf + 1);
        m_in.remove(0, lf + 1);
        return line;
    }
    QByteArray readBytes(int n, int timeoutMs = 30000)
    {
        waitFor([&] { return received().size() >= n; }, timeoutMs);
        const QByteArray bytes = m_in.left(n);
        m_in.remove(0, bytes.size());
        return bytes;
    }
    QByteArray ask(const QByteArray& line)
    {
        send(line);
        return readLine();
    }
    const QByteArray& received()
    {
        m_in += m_socket.readAll();
        return m_in;
    }
    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
};

int deafClient(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int small = 4096;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

class TestConsoleServer : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Parameters* m_parameters = nullptr;
    CommandServer* m_server = nullptr;
    quint16 m_port = 0;

    void store(quint16 id, float value)
    {
        m_parameters->slotParamUpdated(id, bitsFromFloat(value), Parameters::KindValue);
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_parameters = new Parameters;
        m_server = new CommandServer(nullptr, 0, m_parameters);
        m_server->start();
        QVERIFY(m_server->isListening());
        m_port = m_server->serverPort();
        store(13, 5.0f);
        store(14, 1234567.0f);
        store(16, 0.4f);
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_parameters;
        delete m_db;
    }

    void cleanup()
    {
        QVERIFY(waitFor([this] { return m_server->connectionCount() == 0; }));
    }

    void getReadsTheStore()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("get 13\r\n"), QByteArray("El 13 is 5\n"));
        QCOMPARE(client.ask("get 14\n"), QByteArray("El 14 is 1.23457e+06\n"));
        QCOMPARE(client.ask("get 16\n"), QByteArray("El 16 is 0.4\n"));
        // The id keeps its low 16 bits.
        QCOMPARE(client.ask("get 65549\n"), QByteArray("El 13 is 5\n"));
        QCOMPARE(client.ask("get -65523\n"), QByteArray("El 13 is 5\n"));
        QCOMPARE(client.ask("get 5000\n"), QByteArray("El 5000 is 0\n"));
    }

    void getChecksItsParts()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        const QByteArray count = "[E] Not enough params. Use get param_id\n";
        const QByteArray id = "[E] Not recognized param_id. Use get param_id\n";
        QCOMPARE(client.ask("get\n"), count);
        QCOMPARE(client.ask("get  13\n"), count);
        QCOMPARE(client.ask("get 13 14\n"), count);
        QCOMPARE(client.ask("get 13 \n"), count);
        QCOMPARE(client.ask("get abc\n"), id);
        QCOMPARE(client.ask("get 1.5\n"), id);
        QCOMPARE(client.ask("get 0x0D\n"), id);
        QCOMPARE(client.ask("get 99999999999999999999999\n"), id);
        // The connection stays open.
        QCOMPARE(client.ask("get 13\n"), QByteArray("El 13 is 5\n"));
    }

    void setRequestsAWriteWithFlagThree()
    {
        QSignalSpy writes(m_parameters, &Parameters::signalParamWrite);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("set 13 5\n"), Queued);
        QVERIFY(waitFor([&] { return writes.count() == 1; }));
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(13));
        QCOMPARE(writes.at(0).at(1).value<quint32>(), bitsFromFloat(5.0f));
        QCOMPARE(writes.at(0).at(2).toInt(), 3);
        QCOMPARE(client.ask("set 65551 -2.5\n"), Queued);
        QVERIFY(waitFor([&] { return writes.count() == 2; }));
        QCOMPARE(writes.at(1).at(0).value<quint16>(), quint16(15));
        QCOMPARE(writes.at(1).at(1).value<quint32>(), bitsFromFloat(-2.5f));
        // The program's copy is not touched.
        QVERIFY(m_parameters->get(15) != -2.5f);
    }

    void setChecksItsParts()
    {
        QSignalSpy writes(m_parameters, &Parameters::signalParamWrite);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        const QByteArray count = "[E] Not enough params. Use set param_id param_value\n";
        const QByteArray id = "[E] Not recognized param_id. Use set param_id param_value\n";
        const QByteArray value = "[E] Not recognized param_value. Use set param_id param_value\n";
        QCOMPARE(client.ask("set 13\n"), count);
        QCOMPARE(client.ask("set 13  5\n"), count);
        QCOMPARE(client.ask("set x 5\n"), id);
        QCOMPARE(client.ask("set 13 abc\n"), value);
        // Numbers a float cannot hold, and no numbers at all.
        QCOMPARE(client.ask("set 13 nan\n"), value);
        QCOMPARE(client.ask("set 13 inf\n"), value);
        QCOMPARE(client.ask("set 13 -inf\n"), value);
        QCOMPARE(client.ask("set 13 1e39\n"), value);
        QCOMPARE(client.ask("set 13 -1e300\n"), value);
        QCOMPARE(client.ask("set 13 1e999\n"), value);
        QCOMPARE(client.ask("set 13 5\n"), Queued);
        QVERIFY(waitFor([&] { return writes.count() == 1; }));
        QTest::qWait(50);
        QCOMPARE(writes.count(), 1);
    }

    void setbStoresWithoutWriting()
    {
        QSignalSpy writes(m_parameters, &Parameters::signalParamWrite);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("setb 600 2.9\n"), Queued);
        QVERIFY(waitFor([this] { return m_parameters->getU32(600) == 2u; }));
        QCOMPARE(client.ask("get 600\n"), QByteArray("El 600 is 2.8026e-45\n"));
        QCOMPARE(client.ask("setb 600 -5\n"), Queued);
        QVERIFY(waitFor([this] { return m_parameters->getU32(600) == 0u; }));
        QCOMPARE(client.ask("setb 600 4294967295\n"), Queued);
        QVERIFY(waitFor([this] { return m_parameters->getU32(600) == 0xFFFFFFFFu; }));
        const QByteArray value = "[E] Not recognized param_value. Use setb param_id param_value\n";
        QCOMPARE(client.ask("setb 600 4294967296\n"), value);
        QCOMPARE(client.ask("setb 600 1e20\n"), value);
        QCOMPARE(client.ask("setb 600 nan\n"), value);
        QCOMPARE(client.ask("setb 600 -inf\n"), value);
        QCOMPARE(client.ask("setb 600 x\n"), value);
        QCOMPARE(client.ask("setb 600\n"), QByteArray("[E] Not enough params. Use setb param_id param_value\n"));
        QCOMPARE(client.ask("setb y 1\n"), QByteArray("[E] Not recognized param_id. Use setb param_id param_value\n"));
        QCOMPARE(client.ask("setb 600 7\n"), Queued);
        QVERIFY(waitFor([this] { return m_parameters->getU32(600) == 7u; }));
        QCOMPARE(writes.count(), 0);
    }

    void otherLinesGetNoAnswer()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        // Each is followed by a good command whose answer must come first.
        for (const QByteArray& line :
             {QByteArray("GET 13\n"), QByteArray("\n"), QByteArray("\r\n"), QByteArray("hello world\n"),
              QByteArray(" get 13\n"), QByteArray("get\t13\n"), QByteArray("\xFF\xFE\xC0\n", 4)}) {
            client.send(line);
            QCOMPARE(client.ask("get 13\n"), QByteArray("El 13 is 5\n"));
        }
    }

    void zeroByteEndsTheText()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask(QByteArray("get 13\0garbage\n", 15)), QByteArray("El 13 is 5\n"));
        client.send(QByteArray("\0get 13\n", 8));
        QCOMPARE(client.ask("get 16\n"), QByteArray("El 16 is 0.4\n"));
    }

    void closeSaysGoodbye()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("close\n"), QByteArray("[I] Bye Bye\n"));
        QVERIFY(waitFor([&] { return client.socket().state() == QAbstractSocket::UnconnectedState; }));
        ConsoleClient other;
        QVERIFY(other.connectTo(m_port));
        QCOMPARE(other.ask("close now please\n"), QByteArray("[I] Bye Bye\n"));
        QVERIFY(waitFor([&] { return other.socket().state() == QAbstractSocket::UnconnectedState; }));
        // Lines after close are not answered.
        ConsoleClient third;
        QVERIFY(third.connectTo(m_port));
        third.send("close\nget 13\n");
        QVERIFY(waitFor([&] {
            third.received();
            return third.socket().state() == QAbstractSocket::UnconnectedState;
        }));
        QCOMPARE(third.received(), QByteArray("[I] Bye Bye\n"));
    }

    void linesCutAndJoinedByTcp()
    {
        // No quiet period can end a line in this test.
        m_server->setIdleInterval(3600 * 1000);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        m_server->setIdleInterval(CommandSocket::DefaultIdleMs);
        for (const char* piece : {"g", "et", " 1", "3\r", "\n"}) {
            client.send(piece);
            QTest::qWait(20);
        }
        QCOMPARE(client.readLine(), QByteArray("El 13 is 5\n"));
        // Two commands in one segment are two commands.
        client.send("get 13\nget 16\r\nget\n");
        QCOMPARE(client.readLine(), QByteArray("El 13 is 5\n"));
        QCOMPARE(client.readLine(), QByteArray("El 16 is 0.4\n"));
        QCOMPARE(client.readLine(), QByteArray("[E] Not enough params. Use get param_id\n"));
        // A segment ending inside a line, completed by the next.
        client.send("get 13\nget 1");
        QTest::qWait(50);
        client.send("6\n");
        QCOMPARE(client.readLine(), QByteArray("El 13 is 5\n"));
        QCOMPARE(client.readLine(), QByteArray("El 16 is 0.4\n"));
    }

    void aLineWithoutLineFeedCountsWhenTheClientGoesQuiet()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        client.send("get 13");
        QCOMPARE(client.readLine(), QByteArray("El 13 is 5\n"));
        client.send("get 16\r");
        QCOMPARE(client.readLine(), QByteArray("El 16 is 0.4\n"));
        // After it, lines are read as before.
        QCOMPARE(client.ask("get 13\n"), QByteArray("El 13 is 5\n"));
    }

    void overlongLinesAreDropped()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        // Longer than a line may be, in one piece and in many.
        client.send("get 13 " + QByteArray(2000, 'x') + "\n");
        QCOMPARE(client.ask("get 16\n"), QByteArray("El 16 is 0.4\n"));
        for (int i = 0; i < 20; ++i)
            client.send(QByteArray(500, ' '));
        client.send("get 13\n");
        QCOMPARE(client.ask("get 16\n"), QByteArray("El 16 is 0.4\n"));
        // The longest line taken: 1024 bytes before the line feed (the
        // tabs are trimmed off the id).
        const QByteArray longest = "get 13" + QByteArray(ConsoleLineParser::MaxLine - 6, '\t');
        QCOMPARE(longest.size(), ConsoleLineParser::MaxLine);
        QCOMPARE(client.ask(longest + "\n"), QByteArray("El 13 is 5\n"));
        // One byte more and it is dropped.
        client.send(longest + "\t\n");
        QCOMPARE(client.ask("get 16\n"), QByteArray("El 16 is 0.4\n"));
    }

    void connectionsAreCapped()
    {
        std::vector<std::unique_ptr<ConsoleClient>> clients;
        for (int i = 0; i < CommandServer::MaxConnections; ++i) {
            clients.emplace_back(new ConsoleClient);
            QVERIFY(clients.back()->connectTo(m_port));
        }
        QCOMPARE(m_server->connectionCount(), CommandServer::MaxConnections);
        QTcpSocket extra;
        extra.connectToHost(QHostAddress::LocalHost, m_port);
        QVERIFY(extra.waitForConnected(5000));
        QVERIFY(waitFor([&] { return extra.state() == QAbstractSocket::UnconnectedState; }));
        QVERIFY(extra.readAll().isEmpty());
        for (auto& c : clients)
            QCOMPARE(c->ask("get 13\n"), QByteArray("El 13 is 5\n"));
        clients.front()->send("close\n");
        QVERIFY(waitFor([this] { return m_server->connectionCount() == CommandServer::MaxConnections - 1; }));
        ConsoleClient next;
        QVERIFY(next.connectTo(m_port));
        QCOMPARE(next.ask("get 16\n"), QByteArray("El 16 is 0.4\n"));
    }

    void floodingClientDoesNotStopOthers()
    {
        const int fd = deafClient(m_port);
        QVERIFY(fd >= 0);
        QVERIFY(waitFor([this] { return m_server->connectionCount() == 1; }));
        // Lines that each draw an answer ten times their size, sent without
        // ever reading; the socket is non-blocking so the test never waits.
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        const QByteArray flood = QByteArray("get\n").repeated(4096);
        qint64 sent = 0;
        for (int i = 0; i < 200; ++i) {
            const ssize_t n = ::send(fd, flood.constData(), size_t(flood.size()), MSG_NOSIGNAL);
            if (n > 0)
                sent += n;
            QTest::qWait(1);
        }
        QVERIFY(sent > 0);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("get 13\n"), QByteArray("El 13 is 5\n"));
        ::close(fd);
        QVERIFY(waitFor([this] { return m_server->connectionCount() == 1; }));
    }

    void deletingTheServerJoinsItsConnections()
    {
        auto* server = new CommandServer(nullptr, 0, m_parameters);
        server->start();
        const quint16 port = server->serverPort();
        ConsoleClient a, b;
        QVERIFY(a.connectTo(port));
        QVERIFY(b.connectTo(port));
        const int fd = deafClient(port);
        QVERIFY(fd >= 0);
        QVERIFY(waitFor([&] { return server->connectionCount() == 3; }));
        ::send(fd, "get 13\nget 14\n", 14, MSG_NOSIGNAL);
        a.send("get 1");
        delete server;
        QVERIFY(waitFor([&] { return a.socket().state() == QAbstractSocket::UnconnectedState; }));
        QVERIFY(waitFor([&] { return b.socket().state() == QAbstractSocket::UnconnectedState; }));
        ::close(fd);
    }

    void startLogsAndAFailedListenIsReported()
    {
        CommandServer first(nullptr, 0, m_parameters);
        QTest::ignoreMessage(QtDebugMsg, "[I] CS: Server started");
        first.start();
        CommandServer second(nullptr, first.serverPort(), m_parameters);
        QTest::ignoreMessage(QtDebugMsg, "[E] CS: Server could not start");
        second.start();
        QVERIFY(!second.isListening());
    }
};

QTEST_GUILESS_MAIN(TestConsoleServer)
#include "tst_console_server.moc"
