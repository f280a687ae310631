// The confirmation of the settings critical for running the pump.
#include "parameterscheck.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QSignalSpy>

class TestParametersCheck : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    Parameters* store() { return MainApplication::getInstance()->getParameters(); }

    void fillAll(float value)
    {
        for (quint16 id : ParametersCheck::generalIdList)
            m_drive.report(id, value);
        for (quint16 id : ParametersCheck::filterIdList)
            m_drive.report(id, value);
    }

    // The last value written to 1418, or -1 when none was.
    static float lastConfirmation(const QSignalSpy& writes)
    {
        float last = -1;
        for (const QList<QVariant>& w : writes)
            if (w.at(0).value<quint16>() == 1418)
                last = floatFromBits(w.at(1).value<quint32>());
        return last;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        m_drive.store = store();
    }

    void startUpNeedsTheStoredConfirmation()
    {
        fillAll(5.f);
        m_drive.report(713, 0.f);
        m_drive.report(1418, 0.f);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        ParametersCheck check(nullptr, store());
        // All non-zero, but 1418 said 0: confirmed, then withdrawn.
        QCOMPARE(writes.count(), 2);
        QCOMPARE(lastConfirmation(writes), 0.f);
        QVERIFY(!check.isConfirmed(10015));

        m_drive.report(1418, 1.f);
        writes.clear();
        ParametersCheck confirmed(nullptr, store());
        QCOMPARE(writes.count(), 1);
        QCOMPARE(lastConfirmation(writes), 1.f);
        QVERIFY(confirmed.isConfirmed(10015));
        QVERIFY(confirmed.isConfirmed());
    }

    void changesOutsideAndInsideTheEditingWindow()
    {
        fillAll(5.f);
        m_drive.report(1418, 1.f);
        ParametersCheck check(nullptr, store());
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        // Less than one step of the scale: kept.
        const ParameterDef* def = store()->getParameter(32);
        m_drive.report(32, 5.f + 0.1f / float(def->discret));
        QVERIFY(check.isConfirmed(32));
        QCOMPARE(writes.count(), 0);
        // A real change with no editing window: everything withdrawn.
        m_drive.report(32, 6.f);
        QVERIFY(!check.isConfirmed(10015));
        QCOMPARE(lastConfirmation(writes), 0.f);
        QVERIFY(check.isEditingWindowOpen());

        // Inside the window the operator confirms each entry; changes keep them.
        for (quint16 id : ParametersCheck::generalIdList)
            check.slotSetValueParam(id, bitsFromFloat(5.f));
        check.slotSetValueParam(10016, 0); // a zero confirms nothing
        QVERIFY(check.isConfirmed(10015));
        writes.clear();
        m_drive.report(10015, 7.f);
        QVERIFY(check.isConfirmed(10015));
        QVERIFY(check.isConfirmed(32));
        // A reported zero withdraws that one only.
        m_drive.report(10015, 0.f);
        QVERIFY(!check.isConfirmed(10015));
        QVERIFY(check.isConfirmed(32));
        QCOMPARE(writes.count(), 0);
    }

    void filterAndInductanceChoice()
    {
        fillAll(5.f);
        m_drive.report(1418, 1.f);
        m_drive.report(713, 0.f);
        m_drive.report(1329, 0.f);
        ParametersCheck check(nullptr, store());
        QVERIFY(check.isConfirmed());
        // The filter off: its parameters are not watched.
        m_drive.report(695, 9.f);
        QVERIFY(check.isConfirmed(10015));
        // Inductance choice 0: 697 is not required.
        m_drive.report(697, 0.f);
        QVERIFY(!check.isConfirmed(697));
        for (quint16 id : ParametersCheck::generalIdList)
            if (id != 697)
                check.slotSetValueParam(id, bitsFromFloat(5.f));
        QVERIFY(check.isConfirmed());
        m_drive.report(1329, 1.f);
        QVERIFY(!check.isConfirmed());
        // The choice is a 16-bit number: 65536 is 0, as on every screen.
        m_drive.report(1329, 65536.f);
        QVERIFY(check.isConfirmed());
        // Filter on: its three are required with whatever confirmation they
        // had (withdrawn with the rest above).
        m_drive.report(1329, 0.f);
        m_drive.report(713, 1.f);
        QVERIFY(!check.isConfirmed(714));
        QVERIFY(!check.isConfirmed());
        for (quint16 id : ParametersCheck::filterIdList)
            check.slotSetValueParam(id, bitsFromFloat(5.f));
        QVERIFY(check.isConfirmed());
    }
};

VRX_TEST_APPLICATION_MAIN(TestParametersCheck)
#include "tst_parameters_check.moc"
