// The program and the controller emulator as processes, reached through the
// program's TCP ports 5321 and 4321 and the emulator's control socket: the
// servers wired to the program's store and link (a value read, a service
// write reaching the controller once with its flag, a console write with flag
// 3), and quitting with clients connected. The program serves the station's fixed ports, so the test waits
// for them to be free and checks that its own program opened them.
#include "console_client.h"
#include "process_station.h"
#include "rawbits.h"
#include "service_client.h"
#include "wait_for.h"

#include <QTcpServer>
#include <QtTest>

namespace {

const quint16 ServicePort = 5321;
const quint16 ConsolePort = 4321;

bool portFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, port);
}

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
            n += w.at(0) == id && w.at(1) == raw && w.at(2) == flag ? 1 : 0;
        return n;
    }
    bool ok(const QByteArray& command) { return m_station->control(command).endsWith("ok\n"); }

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
    }

    void cleanupTestCase() { delete m_station; }

    // The service server is wired to the program's store and link: a value
    // the controller changes reaches the client, the program's copy answers
    // requests, and a write reaches the controller once with its flag.
    void serviceServerReadsAndWrites()
    {
        BlockClient client;
        QVERIFY(client.connectTo(ServicePort));
        QVERIFY(client.ready());
        QVERIFY(ok("set 17 12.5"));
        QVERIFY(client.waitCount(valueIs(17, 2, bitsFromFloat(12.5f)), 1));
        const QByteArray raw8 = m_station->control("get 8").split(' ').value(1).left(8);
        client.send(idRequest(0, {8}));
        QVERIFY(client.waitCount(valueIs(8, 2, raw8.toUInt(nullptr, 16)), 1));

        const quint32 raw = bitsFromFloat(33.25f);
        client.send(serviceRequest(2, [&](QDataStream& out) { out << quint16(17) << qint32(raw) << qint32(1); }));
        // The controller's report of the new value comes back.
        QVERIFY(client.waitCount(valueIs(17, 2, raw), 1));
        QCOMPARE(writesOf("17", hex8(raw), "1"), 1);
        QCOMPARE(m_station->control("get 17"), QByteArray("17 " + hex8(raw) + "\nok\n"));
        QVERIFY(!client.malformed());
    }

    void consoleSetReachesTheControllerWithFlagThree()
    {
        ConsoleClient console;
        QVERIFY(console.connectTo(ConsolePort));
        QCOMPARE(console.ask("set 13 5\n"), QByteArray("[I] added to queue\n"));
        QVERIFY(waitFor([this] { return writesOf("13", "40A00000", "3") == 1; }));
        // The controller reports it back into the program's copy.
        QVERIFY(waitFor([&] { return console.ask("get 13\n") == "El 13 is 5\n"; }));
        QCOMPARE(writesOf("13", "40A00000", "3"), 1);
        QCOMPARE(console.ask("close\n"), QByteArray("[I] Bye Bye\n"));
    }

    void quitWithClientsConnected()
    {
        BlockClient service;
        QVERIFY(service.connectTo(ServicePort));
        ConsoleClient console;
        QVERIFY(console.connectTo(ConsolePort));
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
