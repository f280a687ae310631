// The program against the controller emulator: the SCADA protocol parameter
// moves the Modbus server from map to map, and the controller's power-off
// request runs exactly one power-off and ends the program.
#include "process_station.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

bool scadaPortOpen()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), 502);
    return socket.waitForConnected(1000);
}

} // namespace

class TestProgramSettings : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;
    QByteArray log() { return m_station->programLog(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(!scadaPortOpen(), "port 502 is held by another program; run the suite again when it is free");
        m_station = new ProcessStation;
        QVERIFY(m_station->startEmulator() && m_station->startProgram());
        QVERIFY2(m_station->waitForWrite(1103, 20000), log().constData());
    }

    void cleanupTestCase() { delete m_station; }

    void scadaProtocolMovesTheMap()
    {
        // Protocol 1 (the seed): the maker's own map serves port 502.
        QTRY_VERIFY2_WITH_TIMEOUT(scadaPortOpen(), "the maker's map on port 502", 10000);
        QCOMPARE(m_station->control("set 578 0"), QByteArray("ok\n"));
        QTRY_VERIFY2(!scadaPortOpen(), "no map, port 502 closed (unless another program took the port meanwhile)");
        QCOMPARE(m_station->control("set 578 5"), QByteArray("ok\n"));
        QTRY_VERIFY2(log().contains("SCADA: start ScadaVorivu on port 502") && scadaPortOpen(), log().constData());
        // 12 builds the same map class as 2.
        QCOMPARE(m_station->control("set 578 12"), QByteArray("ok\n"));
        QTRY_VERIFY2(log().contains("SCADA: start RiruzEvidaz30 on port 502") && scadaPortOpen(), log().constData());
    }

    // The program answers 0, and the fall from 1 to 0 runs the command once
    // and ends the program.
    void powerOffEndsTheProgram()
    {
        QCOMPARE(m_station->control("set 694 1"), QByteArray("ok\n"));
        QVERIFY2(m_station->program().waitForFinished(8000), log().constData());
        QCOMPARE(m_station->program().exitCode(), 0);
        QCOMPARE(log().count("[dry-run] /sbin/poweroff"), 1);
        QVERIFY(log().contains("*** Quit application! ***"));
        QByteArrayList answers;
        for (const QByteArrayList& w : m_station->writes())
            answers << (w.at(0) == "694" ? w.at(1) : QByteArray());
        QCOMPARE(answers.count("00000000"), 1);
    }
};

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_program_settings.moc"
