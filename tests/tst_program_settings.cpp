// The program against the controller emulator: the SCADA protocol parameter
// moves the Modbus server from map to map, and the controller's power-off
// request runs exactly one power-off and ends the program.
#include "process_station.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

bool portOpen(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    const bool open = socket.waitForConnected(1000);
    socket.abort();
    return open;
}

} // namespace

class TestProgramSettings : public QObject
{
    Q_OBJECT

private slots:
    void scadaProtocolAndPowerOff()
    {
        ProcessStation station;
        QVERIFY(station.startEmulator());
        QVERIFY(station.startProgram());
        QVERIFY2(station.waitForWrite(1103, 60000), station.programLog().constData());

        // Protocol 1 (the seed): the maker's own map serves port 502.
        QTRY_VERIFY_WITH_TIMEOUT(portOpen(502), 30000);
        QCOMPARE(station.control("set 578 0"), QByteArray("ok\n"));
        QTRY_VERIFY_WITH_TIMEOUT(!portOpen(502), 30000);
        QCOMPARE(station.control("set 578 5"), QByteArray("ok\n"));
        QTRY_VERIFY_WITH_TIMEOUT(portOpen(502), 30000);
        QCOMPARE(station.control("set 578 12"), QByteArray("ok\n"));
        QTest::qWait(500);
        QTRY_VERIFY_WITH_TIMEOUT(portOpen(502), 30000);

        // The controller asks for power-off: the program answers 0, and the
        // fall from 1 to 0 runs the command once and ends the program.
        QCOMPARE(station.control("set 694 1"), QByteArray("ok\n"));
        QVERIFY(station.program().waitForFinished(20000));
        QCOMPARE(station.program().exitCode(), 0);
        const QByteArray log = station.programLog();
        QCOMPARE(log.count("[dry-run] /sbin/poweroff"), 1);
        QVERIFY(log.contains("*** Quit application! ***"));
        int answers = 0;
        for (const QByteArrayList& w : station.writes())
            if (w.at(0) == "694")
                ++answers;
        QCOMPARE(answers, 1);
    }
};

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_program_settings.moc"
