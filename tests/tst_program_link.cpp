// The program and the controller emulator as processes: the first
// synchronisation ends with the start-up writes, and a termination signal
// ends the program cleanly at any moment, mid-synchronisation included.
#include "process_station.h"

#include <QtTest>
#include <csignal>

class TestProgramLink : public QObject
{
    Q_OBJECT

private slots:
    void firstSynchronisationWritesStartupValues()
    {
        ProcessStation station;
        QVERIFY(station.startEmulator());
        QVERIFY(station.startProgram());
        QVERIFY2(station.waitForWrite(1103, 60000), station.programLog().constData());
        QHash<QByteArray, QByteArrayList> byId;
        for (const QByteArrayList& w : station.writes())
            byId.insert(w.at(0), w);
        QCOMPARE(byId.value("541").value(1), QByteArray("405851EC")); // 3.38
        for (const char* id : {"546", "541", "1103"})
            QCOMPARE(byId.value(id).value(2), QByteArray("0"));
        QVERIFY(byId.value("546").value(1).toUInt(nullptr, 16) > 1700000000u);

        station.program().terminate();
        QVERIFY(station.program().waitForFinished(5000));
        QCOMPARE(station.program().exitStatus(), QProcess::NormalExit);
        QCOMPARE(station.program().exitCode(), 0);
        QVERIFY(station.programLog().contains("*** Quit application! ***"));
    }

    void terminationDuringSynchronisation()
    {
        ProcessStation station;
        QVERIFY(station.startEmulator());
        QVERIFY(station.startProgram({"-SPIDEBUG"}));
        // "-spidebug" in any case turns the link's debug lines on: the quality
        // line comes a second into the synchronisation; stop the program there.
        QTRY_VERIFY_WITH_TIMEOUT(station.programLog().contains("[I] SPIDrive: Quality"), 10000);
        QVERIFY(station.writes().isEmpty());
        ::kill(static_cast<pid_t>(station.program().processId()), SIGINT);
        QVERIFY(station.program().waitForFinished(5000));
        QCOMPARE(station.program().exitCode(), 0);
        const QByteArray log = station.programLog();
        QVERIFY(log.contains("SIGINT"));
        QVERIFY(log.contains("*** Quit application! ***"));
    }
};

QTEST_GUILESS_MAIN(TestProgramLink)
#include "tst_program_link.moc"
