// The console server on a free port with real TCP clients against the store:
// every command and answer, lines cut and joined by TCP, lines a hostile
// client might send, the connection cap, a client that floods without
// reading, and stopping with clients connected.
#include "commandserver.h"
#include "console_client.h"
#include "deaf_client.h"
#include "param_writes.h"
#include "parameters.h"
#include "rawbits.h"
#include "test_database.h"

#include <QtTest>
#include <fcntl.h>

namespace {

const QByteArray Queued = "[I] added to queue\n";
const QByteArray Get13 = "El 13 is 5\n";

QByteArray refusal(const char* what, const QByteArray& command)
{
    return "[E] " + QByteArray(what) + ". Use " + (command == "get" ? "get param_id" : command + " param_id param_value") + "\n";
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
        m_port = m_server->serverPort();
        m_parameters->slotParamUpdated(13, bitsFromFloat(5.0f), Parameters::KindValue);
        m_parameters->slotParamUpdated(14, bitsFromFloat(1234567.0f), Parameters::KindValue);
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_parameters;
        delete m_db;
    }

    void cleanup() { QVERIFY2(waitFor([this] { return m_server->connectionCount() == 0; }), "clients gone"); }

    void commands()
    {
        QSignalSpy writes(m_parameters, &Parameters::signalParamWrite);
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        QCOMPARE(client.ask("get 13\r\n"), Get13);
        QCOMPARE(client.ask("get 14\n"), QByteArray("El 14 is 1.23457e+06\n"));
        QCOMPARE(client.ask("get 65549\n"), Get13); // the id keeps its low 16 bits
        QCOMPARE(client.ask("get 5000\n"), QByteArray("El 5000 is 0\n"));
        // set asks the store for a write with flag 3 and leaves its copy alone.
        QCOMPARE(client.ask("set 65551 -2.5\n"), Queued);
        QTRY_VERIFY(!writes.isEmpty());
        QVERIFY(writes.first() == QVariantList({quint16(15), bitsFromFloat(-2.5f), 3}) && m_parameters->get(15) != -2.5f);
        // setb stores the raw value in the copy, nothing is written.
        QCOMPARE(client.ask("setb 600 2.9\n"), Queued);
        QTRY_COMPARE(m_parameters->getU32(600), 2u);
        QCOMPARE(client.ask("setb 600 -5\n"), Queued);
        QTRY_COMPARE(m_parameters->getU32(600), 0u);
        QCOMPARE(writes.count(), 1);
    }

    void refusedLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("answer");
        const char *count = "Not enough params", *id = "Not recognized param_id", *value = "Not recognized param_value";
        for (const char* line : {"get", "get  13", "get 13 14"})
            QTest::newRow(line) << QByteArray(line) + "\n" << refusal(count, "get");
        for (const char* line : {"get 1.5", "get 0x0D", "get 99999999999999999999999"})
            QTest::newRow(line) << QByteArray(line) + "\n" << refusal(id, "get");
        QTest::newRow("set, two blanks") << QByteArray("set 13  5\n") << refusal(count, "set");
        QTest::newRow("set x") << QByteArray("set x 5\n") << refusal(id, "set");
        // Numbers a float cannot hold, and no numbers at all; setb takes a
        // 32-bit unsigned number.
        for (const char* line : {"set 13 abc", "set 13 nan", "set 13 inf", "set 13 1e39"})
            QTest::newRow(line) << QByteArray(line) + "\n" << refusal(value, "set");
        for (const char* line : {"setb 600 4294967296", "setb 600 -inf", "setb 600 x"})
            QTest::newRow(line) << QByteArray(line) + "\n" << refusal(value, "setb");
        QTest::newRow("setb y") << QByteArray("setb y 1\n") << refusal(id, "setb");
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
        // The connection stays open and nothing was written or stored: the
        // next line's write is the first.
        QCOMPARE(client.ask("set 13 5\n"), Queued);
        QTRY_VERIFY(!writes.isEmpty());
        QCOMPARE(writesOf(writes), (Writes{{13, bitsFromFloat(5.0f)}}));
        QCOMPARE(m_parameters->getU32(600), bank);
    }

    void linesAsTcpDeliversThem()
    {
        ConsoleClient client;
        QVERIFY(client.connectTo(m_port));
        // Lines with no answer: each followed by one whose answer comes first.
        for (const QByteArray& line : {QByteArray("GET 13\n"), QByteArray("\r\n"), QByteArray(" get 13\n"),
                                       QByteArray("\xFF\xC0\n"), QByteArray("\0get 13\n", 8),
                                       "get 13 " + QByteArray(2000, 'x') + "\n"})
            QCOMPARE(client.ask(line + "get 13\n"), Get13);
        QCOMPARE(client.ask(QByteArray("get 13\0garbage\n", 15)), Get13); // a zero byte ends the text
        // Cut anywhere, joined with the next, or left unterminated by a
        // client that goes quiet.
        client.send("get 1");
        QTest::qWait(20);
        client.send("3\nget 14\nget");
        QCOMPARE(client.readLine(), Get13);
        QCOMPARE(client.readLine(), QByteArray("El 14 is 1.23457e+06\n"));
        QCOMPARE(client.readLine(), refusal("Not enough params", "get"));
        // close answers and ends the connection; what follows is not read.
        client.send("close now\nget 13\n");
        QVERIFY(waitFor([&] { return client.socket().state() == QAbstractSocket::UnconnectedState; }));
        QCOMPARE(client.received(), QByteArray("[I] Bye Bye\n"));
    }

    void connectionsAreCappedAndFloodsStayApart()
    {
        std::vector<std::unique_ptr<ConsoleClient>> clients(CommandServer::MaxConnections - 1);
        for (auto& c : clients)
            QVERIFY((c = std::make_unique<ConsoleClient>())->connectTo(m_port));
        // A client that sends lines drawing ten times their size in answers
        // and never reads: it neither stops the others nor grows the server.
        const int fd = deafClient(m_port);
        QVERIFY(fd >= 0 && waitFor([this] { return m_server->connectionCount() == CommandServer::MaxConnections; }));
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        for (int i = 0; i < 200; ++i)
            ::send(fd, QByteArray("get\n").repeated(4096).constData(), 4 * 4096, MSG_NOSIGNAL);
        QTcpSocket extra;
        extra.connectToHost(QHostAddress::LocalHost, m_port);
        QVERIFY(extra.waitForConnected(5000) && waitFor([&] { return extra.state() == QAbstractSocket::UnconnectedState; }));
        for (auto& c : clients)
            QCOMPARE(c->ask("get 13\n"), Get13);
        ::close(fd);
        QVERIFY(waitFor([this] { return m_server->connectionCount() == CommandServer::MaxConnections - 1; }));
        ConsoleClient next;
        QVERIFY(next.connectTo(m_port));
    }
};

QTEST_GUILESS_MAIN(TestConsoleServer)
#include "tst_console_server.moc"
