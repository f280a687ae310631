// The console server on a free port with real TCP clients against the store:
// the help text, every command and every answer, lines cut and joined by
// TCP, lines a hostile client might send, the connection cap, a client that
// floods without reading, and stopping with clients connected.
#include "commandserver.h"
#include "commandsocket.h"
#include "console_client.h"
#include "consolelineparser.h"
#include "deaf_client.h"
#include "param_writes.h"
#include "parameters.h"
#include "rawbits.h"
#include "test_database.h"
#include "wait_for.h"

#include <QSignalSpy>
#include <QtTest>
#include <fcntl.h>
#include <memory>

namespace {

const QByteArray Queued = "[I] added to queue\n";
const QByteArray Get13 = "El 13 is 5\n";
const QByteArray Get16 = "El 16 is 0.4\n";

QByteArray refusal(const char* what, const QByteArray& command)
{
    const QByteArray use = command == "get" ? "get param_id" : command + " param_id param_value";
    return "[E] " + QByteArray(what) + ". Use " + use + "\n";
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

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_parameters = new Parameters;
        m_server = new CommandServer(nullptr, 0, m_parameters);
        m_server->start();
        QVERIFY(m_server->isListening());
        m_port = m_server->serverPort();
        m_parameters->slotParamUpdated(13, bitsFromFloat(5.0f), Parameters::KindValue);
        m_parameters->slotParamUpdated(14, bitsFromFloat(1234567.0f), Parameters::KindValue);
        m_parameters->slotParamUpdated(16, bitsFromFloat(0.4f), Parameters::KindValue);
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_parameters;
        delete m_db;
    }

    void cleanup() { QVERIFY(waitFor([this] { return m_server->connectionCount() == 0; })); }

    void getReadsTheStore()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("get 13\r\n"), Get13);
        QCOMPARE(client.ask("get 14\n"), QByteArray("El 14 is 1.23457e+06\n"));
        QCOMPARE(client.ask("get 16\n"), Get16);
        // The id keeps its low 16 bits.
        QCOMPARE(client.ask("get 65549\n"), Get13);
        QCOMPARE(client.ask("get -65523\n"), Get13);
        QCOMPARE(client.ask("get 5000\n"), QByteArray("El 5000 is 0\n"));
    }

    void refusedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("answer");
        const char* count = "Not enough params";
        const char* id = "Not recognized param_id";
        const char* value = "Not recognized param_value";
        auto row = [](const char* line, const QByteArray& answer) {
            QTest::newRow(QByteArray(line).trimmed().constData()) << QByteArray(line) << answer;
        };
        for (const char* line : {"get\n", "get  13\n", "get 13 14\n", "get 13 \n"})
            row(line, refusal(count, "get"));
        for (const char* line : {"get abc\n", "get 1.5\n", "get 0x0D\n", "get 99999999999999999999999\n"})
            row(line, refusal(id, "get"));
        for (const char* line : {"set 13\n", "set 13  5\n"})
            row(line, refusal(count, "set"));
        row("set x 5\n", refusal(id, "set"));
        // Numbers a float cannot hold, and no numbers at all.
        for (const char* line : {"set 13 abc\n", "set 13 nan\n", "set 13 inf\n", "set 13 -inf\n", "set 13 1e39\n",
                                 "set 13 -1e300\n", "set 13 1e999\n"})
            row(line, refusal(value, "set"));
        // setb takes a 32-bit unsigned number.
        for (const char* line : {"setb 600 4294967296\n", "setb 600 1e20\n", "setb 600 nan\n", "setb 600 -inf\n",
                                 "setb 600 x\n"})
            row(line, refusal(value, "setb"));
        row("setb 600\n", refusal(count, "setb"));
        row("setb y 1\n", refusal(id, "setb"));
    }

    void refusedLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, answer);
        QSignalSpy writes(m_parameters, &Parameters::signalParamWrite);
        const quint32 bank = m_parameters->getU32(600);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask(line), answer);
        // The connection stays open, and nothing was written or stored: the
        // next good line's write is the first.
        QCOMPARE(client.ask("set 13 5\n"), Queued);
        QVERIFY(waitFor([&] { return writes.count() > 0; }));
        QTest::qWait(50);
        QCOMPARE(writesOf(writes), (Writes{{13, bitsFromFloat(5.0f)}}));
        QCOMPARE(m_parameters->getU32(600), bank);
    }

    void setRequestsAWriteWithFlagThree()
    {
        QSignalSpy writes(m_parameters, &Parameters::signalParamWrite);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("set 13 5\n"), Queued);
        QCOMPARE(client.ask("set 65551 -2.5\n"), Queued);
        QVERIFY(waitFor([&] { return writes.count() == 2; }));
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(13));
        QCOMPARE(writes.at(0).at(1).value<quint32>(), bitsFromFloat(5.0f));
        QCOMPARE(writes.at(0).at(2).toInt(), 3);
        QCOMPARE(writes.at(1).at(0).value<quint16>(), quint16(15));
        QCOMPARE(writes.at(1).at(1).value<quint32>(), bitsFromFloat(-2.5f));
        // The program's copy is not touched.
        QVERIFY(m_parameters->get(15) != -2.5f);
        QTest::qWait(50);
        QCOMPARE(writes.count(), 2);
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
            QCOMPARE(client.ask("get 13\n"), Get13);
        }
        // A zero byte ends the text.
        QCOMPARE(client.ask(QByteArray("get 13\0garbage\n", 15)), Get13);
        client.send(QByteArray("\0get 13\n", 8));
        QCOMPARE(client.ask("get 16\n"), Get16);
    }

    void closeSaysGoodbye()
    {
        for (const QByteArray& line : {QByteArray("close\n"), QByteArray("close now please\n")}) {
            ConsoleClient client;
            QVERIFY(client.connectTo(m_port));
            QCOMPARE(client.ask(line), QByteArray("[I] Bye Bye\n"));
            QVERIFY(waitFor([&] { return client.socket().state() == QAbstractSocket::UnconnectedState; }));
        }
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
        for (const char* chunk : {"g", "et", " 1", "3\r", "\n"}) {
            client.send(chunk);
            QTest::qWait(20);
        }
        QCOMPARE(client.readLine(), Get13);
        // Two commands in one segment are two commands.
        client.send("get 13\nget 16\r\nget\n");
        QCOMPARE(client.readLine(), Get13);
        QCOMPARE(client.readLine(), Get16);
        QCOMPARE(client.readLine(), refusal("Not enough params", "get"));
        // A segment ending inside a line, completed by the next.
        client.send("get 13\nget 1");
        QTest::qWait(50);
        client.send("6\n");
        QCOMPARE(client.readLine(), Get13);
        QCOMPARE(client.readLine(), Get16);
    }

    void aLineWithoutLineFeedCountsWhenTheClientGoesQuiet()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        client.send("get 13");
        QCOMPARE(client.readLine(), Get13);
        client.send("get 16\r");
        QCOMPARE(client.readLine(), Get16);
        // After it, lines are read as before.
        QCOMPARE(client.ask("get 13\n"), Get13);
    }

    void overlongLinesAreDropped()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        // Longer than a line may be, at once and in many sends.
        client.send("get 13 " + QByteArray(2000, 'x') + "\n");
        QCOMPARE(client.ask("get 16\n"), Get16);
        for (int i = 0; i < 20; ++i)
            client.send(QByteArray(500, ' '));
        client.send("get 13\n");
        QCOMPARE(client.ask("get 16\n"), Get16);
        // The longest line taken: 1024 bytes before the line feed (the tabs
        // are trimmed off the id); one byte more and it is dropped.
        const QByteArray longest = "get 13" + QByteArray(ConsoleLineParser::MaxLine - 6, '\t');
        QCOMPARE(client.ask(longest + "\n"), Get13);
        client.send(longest + "\t\n");
        QCOMPARE(client.ask("get 16\n"), Get16);
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
            QCOMPARE(c->ask("get 13\n"), Get13);
        clients.front()->send("close\n");
        QVERIFY(waitFor([this] { return m_server->connectionCount() == CommandServer::MaxConnections - 1; }));
        ConsoleClient next;
        QVERIFY(next.connectTo(m_port));
        QCOMPARE(next.ask("get 16\n"), Get16);
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
            sent += n > 0 ? n : 0;
            QTest::qWait(1);
        }
        QVERIFY(sent > 0);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("get 13\n"), Get13);
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
        for (ConsoleClient* c : {&a, &b})
            QVERIFY(waitFor([&] { return c->socket().state() == QAbstractSocket::UnconnectedState; }));
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
