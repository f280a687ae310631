// The program and the controller emulator as processes, reached through the
// program's TCP ports 5321 and 4321 and the emulator's control socket: values
// and limits read, a write reaching the controller once with its flag, an
// event and a link loss and recovery reaching every service client, a console
// write reaching the controller with flag 3, and quitting with clients
// connected. The program serves the station's fixed ports, so the test waits
// for them to be free and checks that its own program opened them.
#include "process_station.h"
#include "rawbits.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <functional>

namespace {

const quint16 ServicePort = 5321;
const quint16 ConsolePort = 4321;

bool waitFor(const std::function<bool()>& cond, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

bool portFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, port);
}

bool portAccepts(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(500);
}

template <typename Fill>
QByteArray request(quint16 command, Fill fill)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint16(0) << command;
    fill(out);
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

QByteArray idRequest(quint16 command, quint16 id)
{
    return request(command, [&](QDataStream& out) { out << id; });
}

struct Reply
{
    quint16 command = 0;
    quint16 id = 0;
    qint32 value = 0;
    qint8 kind = 0;
    QByteArray record;
};

// A service client reading replies with QDataStream, as a service program
// would.
class BlockClient
{
public:
    bool connectTo()
    {
        m_socket.connectToHost(QHostAddress::LocalHost, ServicePort);
        return m_socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }
    const QList<Reply>& replies()
    {
        m_in += m_socket.readAll();
        while (m_in.size() >= 2) {
            QDataStream in(m_in);
            in.setVersion(QDataStream::Qt_4_0);
            quint16 size = 0;
            in >> size;
            if (m_in.size() < 2 + size)
                break;
            Reply r;
            in >> r.command;
            if (r.command == 3)
                in >> r.id >> r.value >> r.kind;
            else if (r.command == 4)
                in >> r.record;
            else if (r.command == 8)
                in >> r.kind >> r.value;
            m_in.remove(0, 2 + size);
            m_replies.append(r);
        }
        return m_replies;
    }
    bool waitFor(const std::function<bool(const Reply&)>& match, int timeoutMs = 30000)
    {
        return ::waitFor(
            [&] {
                for (const Reply& r : replies())
                    if (match(r))
                        return true;
                return false;
            },
            timeoutMs);
    }
    // Returns once the program has set the connection up (it answers).
    bool ready()
    {
        send(idRequest(0, 13));
        return waitFor([](const Reply& r) { return r.command == 3 && r.id == 13; });
    }
    bool waitValue(quint16 id, qint8 kind, quint32 value, int timeoutMs = 30000)
    {
        return waitFor([=](const Reply& r) { return r.command == 3 && r.id == id && r.kind == kind && quint32(r.value) == value; },
                       timeoutMs);
    }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
    QList<Reply> m_replies;
};

class ConsoleClient
{
public:
    bool connectTo()
    {
        m_socket.connectToHost(QHostAddress::LocalHost, ConsolePort);
        return m_socket.waitForConnected(5000);
    }
    QByteArray readLine()
    {
        ::waitFor(
            [this] {
                m_in += m_socket.readAll();
                return m_in.contains('\n');
            },
            30000);
        const int lf = m_in.indexOf('\n');
        const QByteArray line = m_in.left(lf + 1);
        m_in.remove(0, lf + 1);
        return line;
    }
    QByteArray ask(const QByteArray& line)
    {
        m_socket.write(line);
        m_socket.flush();
        return readLine();
    }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
};

QByteArray hex8(quint32 raw)
{
    return QByteArray::number(raw, 16).rightJustified(8, '0').toUpper();
}

} // namespace

class TestServersE2e : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;

    int writesOf(const QByteArray& id, const QByteArray& raw, const QByteArray& flag)
    {
        int n = 0;
        for (const QByteArrayList& w : m_station->writes())
            if (w.at(0) == id && w.at(1) == raw && w.at(2) == flag)
                ++n;
        return n;
    }

private slots:
    void initTestCase()
    {
        // Another suite's program may take the ports between our check and
        // the end of our program's synchronisation: then start again.
        for (int attempt = 0; attempt < 3 && !m_station; ++attempt) {
            QVERIFY2(waitFor([] { return portFree(ServicePort) && portFree(ConsolePort); }, 120000),
                     "ports 5321 and 4321 stay taken by another program");
            m_station = new ProcessStation;
            QVERIFY(m_station->startEmulator());
            QVERIFY(m_station->startProgram());
            // The servers start once the first synchronisation has ended.
            auto started = [this] {
                const QByteArray log = m_station->programLog();
                return log.contains("Server started...") && log.contains("[I] CS: Server started");
            };
            auto failed = [this] {
                const QByteArray log = m_station->programLog();
                return log.contains("Error: server could not start!") || log.contains("[E] CS: Server could not start")
                       || m_station->program().state() == QProcess::NotRunning;
            };
            QVERIFY2(waitFor([&] { return started() || failed(); }, 90000), m_station->programLog().constData());
            if (failed()) {
                qWarning("the station's ports were taken meanwhile; starting again");
                delete m_station;
                m_station = nullptr;
            }
        }
        QVERIFY(m_station);
        QVERIFY(portAccepts(ServicePort));
        QVERIFY(portAccepts(ConsolePort));
    }

    void cleanupTestCase() { delete m_station; }

    void valuesAndLimitsAreRead()
    {
        BlockClient client;
        QVERIFY(client.connectTo());
        QVERIFY(client.ready());
        QVERIFY(m_station->control("set 17 12.5").endsWith("ok\n"));
        QVERIFY(m_station->control("min 17 -3").endsWith("ok\n"));
        QVERIFY(m_station->control("max 17 77.5").endsWith("ok\n"));
        // Every change the link reads reaches the client with its kind...
        QVERIFY(client.waitValue(17, 2, bitsFromFloat(12.5f)));
        QVERIFY(client.waitValue(17, 7, bitsFromFloat(-3.0f)));
        QVERIFY(client.waitValue(17, 8, bitsFromFloat(77.5f)));
        // ...and the program's copy answers the requests.
        BlockClient asker;
        QVERIFY(asker.connectTo());
        asker.send(idRequest(0, 17) + idRequest(5, 17) + idRequest(6, 17) + idRequest(0, 8));
        QVERIFY(asker.waitValue(17, 2, bitsFromFloat(12.5f)));
        QVERIFY(asker.waitValue(17, 7, bitsFromFloat(-3.0f)));
        QVERIFY(asker.waitValue(17, 8, bitsFromFloat(77.5f)));
        const QByteArray raw8 = m_station->control("get 8").split(' ').value(1).left(8);
        QVERIFY(asker.waitValue(8, 2, raw8.toUInt(nullptr, 16)));
    }

    void aWriteReachesTheControllerOnceWithItsFlag()
    {
        BlockClient client;
        QVERIFY(client.connectTo());
        const quint32 raw = bitsFromFloat(33.25f);
        client.send(request(2, [&](QDataStream& out) { out << quint16(17) << qint32(raw) << qint32(1); }));
        // The controller's report of the new value comes back.
        QVERIFY(client.waitValue(17, 2, raw));
        QCOMPARE(writesOf("17", hex8(raw), "1"), 1);
        QCOMPARE(m_station->control("get 17"), QByteArray("17 " + hex8(raw) + "\nok\n"));
    }

    void anEventReachesEveryClient()
    {
        BlockClient a, b;
        QVERIFY(a.connectTo());
        QVERIFY(b.connectTo());
        QVERIFY(a.ready());
        QVERIFY(b.ready());
        const QByteArray record = QByteArray::fromHex("78563412a0860100030b000020410000c8420102fe");
        QCOMPARE(record.size(), 21);
        QVERIFY(m_station->control("event " + record.toHex()).endsWith("ok\n"));
        QVERIFY(a.waitFor([&](const Reply& r) { return r.command == 4 && r.record == record; }));
        QVERIFY(b.waitFor([&](const Reply& r) { return r.command == 4 && r.record == record; }));
    }

    void consoleSetReachesTheControllerWithFlagThree()
    {
        ConsoleClient console;
        QVERIFY(console.connectTo());
        QCOMPARE(console.readLine(), QByteArray("[I] Use close for close session.\n"));
        QCOMPARE(console.readLine(), QByteArray("[I] Use set param_id param_value for send register over SPI.\n"));
        QCOMPARE(console.readLine(), QByteArray("[I] Use setb param_id param_value for update register at bank.\n"));
        QCOMPARE(console.readLine(), QByteArray("[I] Use get param_id for get reg value\n"));
        QCOMPARE(console.ask("set 13 5\n"), QByteArray("[I] added to queue\n"));
        QVERIFY(waitFor([this] { return writesOf("13", "40A00000", "3") == 1; }, 30000));
        // The controller reports it back into the program's copy.
        QVERIFY(waitFor([&] { return console.ask("get 13\n") == "El 13 is 5\n"; }, 30000));
        QCOMPARE(writesOf("13", "40A00000", "3"), 1);
        QCOMPARE(console.ask("close\n"), QByteArray("[I] Bye Bye\n"));
    }

    void linkLossAndRecoveryReachEveryClient()
    {
        BlockClient a, b;
        QVERIFY(a.connectTo());
        QVERIFY(b.connectTo());
        QVERIFY(a.ready());
        QVERIFY(b.ready());
        QVERIFY(m_station->control("fault silent").endsWith("ok\n"));
        for (BlockClient* c : {&a, &b})
            QVERIFY(c->waitFor([](const Reply& r) { return r.command == 8 && r.kind == 0 && r.value == 0; }, 90000));
        QVERIFY(m_station->control("fault none").endsWith("ok\n"));
        for (BlockClient* c : {&a, &b})
            QVERIFY(c->waitFor([](const Reply& r) { return r.command == 8 && r.kind == 0 && r.value == 1; }, 90000));
    }

    void quitWithClientsConnected()
    {
        BlockClient service;
        QVERIFY(service.connectTo());
        ConsoleClient console;
        QVERIFY(console.connectTo());
        QCOMPARE(console.readLine(), QByteArray("[I] Use close for close session.\n"));
        QVERIFY(service.ready());
        m_station->program().terminate();
        QVERIFY(m_station->program().waitForFinished(20000));
        QCOMPARE(m_station->program().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_station->program().exitCode(), 0);
        const QByteArray log = m_station->programLog();
        QVERIFY(log.contains("*** Quit application! ***"));
        QVERIFY(log.contains("~SocketServer"));
    }
};

QTEST_GUILESS_MAIN(TestServersE2e)
#include "tst_servers_e2e.moc"
