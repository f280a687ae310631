// The settings applier: replayed report sequences give exactly the expected
// system commands, writes and signals.
#include "parametershandler.h"
#include "store_driver.h"
#include "systemcommands.h"
#include "test_application.h"
#include "test_database.h"

#include <QSignalSpy>

namespace {

QStringList recordedTexts()
{
    QStringList texts;
    for (const SystemCommands::Call& call : SystemCommands::recorded())
        texts << call.text();
    return texts;
}

} // namespace

class TestParametersHandler : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    Parameters* store() { return MainApplication::getInstance()->getParameters(); }
    ParametersHandler* handler() { return store()->handler(); }

    // The writes of a spy as "id=value" with the value as a float.
    static QStringList writesOf(const QSignalSpy& spy)
    {
        QStringList list;
        for (const QList<QVariant>& w : spy)
            list << QString("%1=%2").arg(w.at(0).value<quint16>()).arg(floatFromBits(w.at(1).value<quint32>()));
        return list;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        m_drive.store = store();
    }

    void init()
    {
        SystemCommands::clearRecorded();
    }

    void powerOffAndRebootOnFallingEdge()
    {
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        m_drive.report(694, 0.f); // 0 without a preceding 1: nothing
        QVERIFY(recordedTexts().isEmpty());
        m_drive.report(694, 1.f);
        QCOMPARE(writesOf(writes), QStringList{"694=0"});
        m_drive.report(694, 1.f); // still 1: no second answer
        QCOMPARE(writes.count(), 1);
        QTest::ignoreMessage(QtWarningMsg, "[dry-run] /sbin/poweroff");
        m_drive.report(694, 0.f);
        QCOMPARE(recordedTexts(), QStringList{"/sbin/poweroff"});

        writes.clear();
        m_drive.report(759, 1.f);
        QCOMPARE(writesOf(writes), QStringList{"759=0"});
        QTest::ignoreMessage(QtWarningMsg, "[dry-run] /sbin/reboot");
        m_drive.report(759, 0.f);
        QCOMPARE(recordedTexts(), QStringList() << "/sbin/poweroff" << "/sbin/reboot");
    }

    void limitsAndInvalidValuesNeverAct()
    {
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy sync(handler(), &ParametersHandler::signalSyncAllParams);
        m_drive.report(760, 1.f, Parameters::KindMin);
        m_drive.report(760, 1.f, Parameters::KindMax);
        m_drive.report(760, 0.f, Parameters::KindPhysic);
        m_drive.report(760, 1.f, 0); // stored as a value, but kind 0 never acts
        m_drive.reportRaw(760, 0x7FC00000); // NaN
        m_drive.reportRaw(760, 0xFFFFFFFF);
        QCOMPARE(sync.count(), 0);
        QCOMPARE(writes.count(), 0);
        m_drive.report(760, 1.f);
        QCOMPARE(sync.count(), 1);
        QCOMPARE(writesOf(writes), QStringList{"760=0"});
        QVERIFY(store()->isSyncRunning()); // the store started a full synchronisation
    }

    void gatewayAndNetworkDebounced()
    {
        const float gateway[] = {10.f, 0.f, 0.f, 1.f};
        for (int i = 0; i < 4; ++i)
            m_drive.report(quint16(2052 + i), gateway[i]);
        QTest::ignoreMessage(QtWarningMsg, "[dry-run] route add default gw 10.0.0.1 eth0");
        QTRY_COMPARE_WITH_TIMEOUT(recordedTexts().size(), 1, 3000);
        QTest::qWait(700);
        QCOMPARE(recordedTexts(), QStringList{"route add default gw 10.0.0.1 eth0"});

        SystemCommands::clearRecorded();
        const float net[] = {192.f, 168.f, 1.f, 20.f, 255.f, 255.f, 255.f, 0.f};
        for (int i = 0; i < 8; ++i)
            m_drive.report(quint16(864 + i), net[i]);
        QTest::ignoreMessage(QtWarningMsg, "[dry-run] /sbin/ifconfig eth0 192.168.1.20 netmask 255.255.255.0");
        QTRY_COMPARE_WITH_TIMEOUT(recordedTexts().size(), 1, 3000);

        // Octets that are no octets build no command at all.
        SystemCommands::clearRecorded();
        m_drive.report(867, 300.f);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a valid IPv4"));
        QTest::qWait(800);
        m_drive.report(2055, 1.5f);
        QTest::qWait(800);
        QVERIFY(recordedTexts().isEmpty());
    }

    void clockSetOncePerRun()
    {
        QVERIFY(!handler()->isClockSet());
        // 0x7FC00001 is a NaN as a float and a valid date-time (2037.12.01).
        QTest::ignoreMessage(QtWarningMsg, "[dry-run] date -s 2037.12.01-14:09:05");
        m_drive.reportRaw(562, 0x7FC00001);
        QVERIFY(handler()->isClockSet());
        m_drive.reportRaw(562, 0x7FC00002);
        QCOMPARE(recordedTexts(), QStringList{"date -s 2037.12.01-14:09:05"});
    }

    void stationCondition()
    {
        QSignalSpy block(handler(), &ParametersHandler::signalCcsBlock);
        QSignalSpy restart(handler(), &ParametersHandler::signalCcsRestart);
        QSignalSpy delay(handler(), &ParametersHandler::signalCcsDelay);
        m_drive.report(13, 1.f); // running
        m_drive.report(633, 2.f);
        QCOMPARE(block.count(), 1);
        QCOMPARE(block.last().at(0).toBool(), false);
        QCOMPARE(restart.count(), 0); // restart screen waits for the motor to stop
        m_drive.report(13, 0.f);
        QCOMPARE(restart.count(), 1);
        QCOMPARE(restart.last().at(0).toBool(), true);
        m_drive.report(633, 3.f);
        QCOMPARE(block.last().at(0).toBool(), true);
        QCOMPARE(restart.last().at(0).toBool(), false);
        m_drive.report(685, 1.f);
        m_drive.report(843, 0.f);
        m_drive.report(633, 1.f);
        QCOMPARE(delay.count(), 0); // no delay screen for this drive
        m_drive.report(843, 1.f);
        m_drive.report(633, 0.f);
        m_drive.report(633, 1.f);
        QCOMPARE(delay.count(), 1);
    }

    void accessPointName()
    {
        m_drive.report(517, 1234.f);
        QCOMPARE(handler()->accessPointName(), QString("1234"));
        m_drive.report(1663, 1.f); // alone: no recomputation
        QCOMPARE(handler()->accessPointName(), QString("1234"));
        m_drive.reportRaw(1662, 0x00003231); // "12"
        m_drive.reportRaw(1661, 0x4C4C4557); // "WELL"
        QCOMPARE(handler()->accessPointName(), QString("WELL12"));
        m_drive.reportRaw(1661, 0);
        QCOMPARE(handler()->accessPointName(), QString("1234"));
    }

    void busyAndNotices()
    {
        QSignalSpy wait(handler(), &ParametersHandler::signalShowWaitDialog);
        QSignalSpy copyStart(handler(), &ParametersHandler::signalLogCopyStart);
        QSignalSpy copyEnd(handler(), &ParametersHandler::signalLogCopyFinish);
        QSignalSpy deleted(handler(), &ParametersHandler::signalLogDelFinish);
        QSignalSpy error(handler(), &ParametersHandler::signalShowErrorDialog);
        m_drive.report(1031, 1.f);
        m_drive.report(1031, 0.f);
        QCOMPARE(wait.count(), 2);
        QCOMPARE(wait.at(0).at(0).toBool(), true);
        QCOMPARE(wait.at(1).at(0).toBool(), false);
        m_drive.report(594, 1.f);
        m_drive.report(594, 2.f);
        QCOMPARE(copyStart.count(), 1);
        QCOMPARE(copyEnd.count(), 1);
        m_drive.report(595, 0.f); // first report: no preceding 1
        m_drive.report(595, 1.f);
        m_drive.report(595, 0.f);
        QCOMPARE(deleted.count(), 1);
        m_drive.report(765, 7.f);
        QCOMPARE(error.count(), 1);
        QCOMPARE(error.at(0).at(0).toInt(), 7);
    }

    void ntpSettingsArmTheTimer()
    {
        m_drive.report(1354, 60.f);
        QVERIFY(MainApplication::getInstance()->isNtpTimerActive());
        QCOMPARE(MainApplication::getInstance()->ntpTimerInterval(), 2000);
    }
};

VRX_TEST_APPLICATION_MAIN(TestParametersHandler)
#include "tst_parameters_handler.moc"
