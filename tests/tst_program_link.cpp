// The program and the controller emulator as processes, started once: the
// first synchronisation ends with the start-up writes, the servers on the
// station's ports 5321 and 4321 are wired to the program's store and link,
// and the program ends cleanly, mid-synchronisation included.
#include "console_client.h"
#include "mainapplication.h"
#include "process_station.h"
#include "rawbits.h"
#include "service_client.h"

#include <QTcpServer>
#include <QtTest>
#include <csignal>


class TestProgramLink : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;

    int writesOf(const QByteArray& id, const QByteArray& raw, const QByteArray& flag)
    {
        return int(m_station->writes().count(QByteArrayList{id, raw, flag}));
    }

private slots:
    // The servers start once the first synchronisation has ended. Another
    // suite's program may take the ports meanwhile: then start again.
    void initTestCase()
    {
        for (int attempt = 0; attempt < 3 && !m_station; ++attempt) {
            QVERIFY2(waitFor([] {
                         QTcpServer service, console;
                         return service.listen(QHostAddress::Any, 5321) && console.listen(QHostAddress::Any, 4321);
                     }, 60000),
                     "ports 5321 and 4321 taken by another program");
            m_station = new ProcessStation;
            QVERIFY(m_station->startEmulator() && m_station->startProgram());
            auto log = [this](const char* text) { return m_station->programLog().contains(text); };
            QVERIFY2(waitFor([&] { return (log("Server started...") && log("[I] CS: Server started")) || log("could not start"); },
                             20000),
                     "the end of the first synchronisation");
            if (log("could not start")) {
                delete m_station;
                m_station = nullptr;
            }
        }
        QVERIFY(m_station);
    }

    void cleanupTestCase() { delete m_station; }

    void startUpWrites()
    {
        QVERIFY2(m_station->waitForWrite(1103, 5000), "the start-up writes");
        QHash<QByteArray, QByteArrayList> byId;
        for (const QByteArrayList& w : m_station->writes())
            byId.insert(w.at(0), w);
        // The version this build reports (3.38.0 is written as the float 3.38).
        const quint32 version = bitsFromFloat(MainApplication::versionNumber(QString::fromLatin1(MainApplication::Version)));
        QCOMPARE(byId.value("541").value(1), QByteArray::number(version, 16).toUpper().rightJustified(8, '0'));
        for (const char* id : {"546", "541", "1103"})
            QCOMPARE(byId.value(id).value(2), QByteArray("0"));
        QVERIFY(byId.value("546").value(1).toUInt(nullptr, 16) > 1700000000u);
    }

    // The servers are wired to the program's link: a service write reaches
    // the controller once with its flag and comes back as read, a console
    // write with flag 3.
    void serversWriteThroughTheLink()
    {
        BlockClient client;
        ConsoleClient console;
        QVERIFY(client.connectTo(5321) && client.ready() && console.connectTo(4321));
        client.send(serviceRequest(2, [](QDataStream& out) { out << quint16(17) << qint32(0x42050000) << qint32(1); }));
        QVERIFY(client.waitCount(valueIs(17, 2, 0x42050000), 1)); // 33.25
        QCOMPARE(console.ask("set 13 5\n"), QByteArray("[I] added to queue\n"));
        QVERIFY2(waitFor([&] { return console.ask("get 13\n") == "El 13 is 5\n"; }, 10000), "the console's write reported back");
        QCOMPARE(writesOf("17", "42050000", "1"), 1);
        QCOMPARE(writesOf("13", "40A00000", "3"), 1);
        QVERIFY(!client.malformed());
    }

    void terminationDuringSynchronisation()
    {
        ProcessStation station;
        QVERIFY(station.startEmulator() && station.startProgram({"-SPIDEBUG"}));
        // "-spidebug" in any case turns the link's debug lines on: the quality
        // line comes a second into the synchronisation; stop the program there.
        QTRY_VERIFY_WITH_TIMEOUT(station.programLog().contains("[I] SPIDrive: Quality"), 10000);
        QVERIFY(station.writes().isEmpty());
        ::kill(static_cast<pid_t>(station.program().processId()), SIGINT);
        QVERIFY(station.program().waitForFinished(5000));
        QCOMPARE(station.program().exitCode(), 0);
        QVERIFY(station.programLog().contains("SIGINT") && station.programLog().contains("*** Quit application! ***"));
    }

    void quitWithClientsConnected()
    {
        BlockClient service;
        ConsoleClient console;
        QVERIFY(service.connectTo(5321) && console.connectTo(4321) && service.ready());
        m_station->program().terminate();
        QVERIFY(m_station->program().waitForFinished(10000));
        QCOMPARE(m_station->program().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_station->program().exitCode(), 0);
        QVERIFY(m_station->programLog().contains("*** Quit application! ***") && m_station->programLog().contains("~SocketServer"));
    }
};

QTEST_GUILESS_MAIN(TestProgramLink)
#include "tst_program_link.moc"
