// The access rule: protection, level, mode, the motor-stopped rule with the
// oil-company exemption, the block release after a password, the idle reset.
#include "mainwindow.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QSignalSpy>

class TestAccess : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    MainApplication* app() { return MainApplication::getInstance(); }
    StoreDriver m_drive{nullptr};
    int m_prompts = 0;
    int m_answer = 0;
    int m_notices = 0;

    // A parameter of the database with the given level (any for -1) and
    // operation; -1 when there is none.
    int idAt(int level, bool stoppedOnly) const
    {
        Parameters* p = MainApplication::getInstance()->getParameters();
        for (quint16 id : p->ids())
            if ((level < 0 || p->getAccess(id) == level) && (p->getOperation(id) == 3) == stoppedOnly)
                return id;
        return -1;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        app()->setAccessPrompt([this](unsigned char, const QString&, QWidget*) {
            ++m_prompts;
            return m_answer;
        });
        app()->setNotice([this](const QString& text, QWidget*) {
            QCOMPARE(text, QString("Для изменения остановите двигатель!"));
            ++m_notices;
        });
    }

    void rule_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("stoppedOnly");
        QTest::addColumn<float>("protection");
        QTest::addColumn<float>("current");
        QTest::addColumn<int>("mode");
        QTest::addColumn<float>("motor");
        QTest::addColumn<float>("company");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("granted");
        QTest::addColumn<bool>("notice");
        // level, op3, 571, 572, mode, 13, 1330, asks, granted (answer refused), notice
        QTest::newRow("off, level 2, mode 0") << 2 << false << 0.f << 0.f << 0 << 0.f << 0.f << false << true << false;
        QTest::newRow("off, level 2, mode 1") << 2 << false << 0.f << 0.f << 1 << 0.f << 0.f << false << true << false;
        QTest::newRow("off, level 3 asks") << 3 << false << 0.f << 0.f << 0 << 0.f << 0.f << true << false << false;
        QTest::newRow("off, level 3, current 3") << 3 << false << 0.f << 3.f << 0 << 0.f << 0.f << false << true << false;
        QTest::newRow("mode 2 always asks") << 1 << false << 0.f << 4.f << 2 << 0.f << 0.f << true << false << false;
        QTest::newRow("on, mode 1 ignores current") << 1 << false << 1.f << 4.f << 1 << 0.f << 0.f << true << false << false;
        QTest::newRow("on, current reaches") << 2 << false << 1.f << 2.f << 0 << 0.f << 0.f << false << true << false;
        QTest::newRow("on, current below") << 2 << false << 1.f << 1.f << 0 << 0.f << 0.f << true << false << false;
        QTest::newRow("running, op 3 refused") << 1 << true << 0.f << 4.f << 0 << 1.f << 0.f << false << false << true;
        QTest::newRow("running, op 3, company 4") << 1 << true << 0.f << 4.f << 0 << 1.f << 4.f << false << true << false;
        QTest::newRow("stopped, op 3") << 1 << true << 0.f << 4.f << 0 << 0.f << 0.f << false << true << false;
    }

    void rule()
    {
        QFETCH(int, level);
        QFETCH(bool, stoppedOnly);
        QFETCH(float, protection);
        QFETCH(float, current);
        QFETCH(int, mode);
        QFETCH(float, motor);
        QFETCH(float, company);
        QFETCH(bool, asks);
        QFETCH(bool, granted);
        QFETCH(bool, notice);
        const int id = idAt(stoppedOnly ? -1 : level, stoppedOnly);
        QVERIFY(id >= 0);
        m_drive.report(571, protection);
        m_drive.report(572, current);
        m_drive.report(13, motor);
        m_drive.report(1330, company);
        m_prompts = m_notices = 0;
        m_answer = 0;
        QCOMPARE(app()->isAccess(nullptr, id, mode), granted);
        QCOMPARE(m_prompts, asks ? 1 : 0);
        QCOMPARE(m_notices, notice ? 1 : 0);
        if (asks) {
            m_answer = 1; // the password dialog accepts
            QVERIFY(app()->isAccess(nullptr, id, mode));
        }
    }

    void unknownIdIsRefused()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not in the store"));
        QVERIFY(!app()->isAccess(nullptr, 65000, 0));
    }

    void passwordReleasesBlock()
    {
        Parameters* p = app()->getParameters();
        QSignalSpy writes(p, &Parameters::signalParamWrite);
        m_drive.report(571, 1.f);
        m_drive.report(572, 0.f);
        m_drive.report(13, 0.f);
        m_answer = 1;
        // Not blocked: no release.
        QVERIFY(app()->isAccess(nullptr, 573, 0));
        QCOMPARE(writes.count(), 0);
        // Blocked: changing a level-1 or level-2 password also releases the block.
        app()->showMainWindow();
        app()->getMainWindow()->slotCcsBlock(true);
        writes.clear();
        QVERIFY(app()->isAccess(nullptr, 574, 0));
        bool released = false;
        for (const QList<QVariant>& w : writes)
            released |= w.at(0).value<quint16>() == 774 && w.at(1).value<quint32>() == 0x3F800000u;
        QVERIFY(released);
        writes.clear();
        m_answer = 0;
        QVERIFY(!app()->isAccess(nullptr, 573, 0));
        QCOMPARE(writes.count(), 0);
        app()->getMainWindow()->slotCcsBlock(false);
    }

    void idleResetWritesOnce()
    {
        Parameters* p = app()->getParameters();
        QSignalSpy writes(p, &Parameters::signalParamWrite);
        m_drive.report(572, 3.f);
        app()->resetAccess();
        QCOMPARE(writes.count(), 1);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(572));
        QCOMPARE(writes.at(0).at(1).value<quint32>(), 0u);
        m_drive.report(572, 0.f);
        app()->resetAccess();
        QCOMPARE(writes.count(), 1);
    }
};

VRX_TEST_APPLICATION_MAIN(TestAccess)
#include "tst_access.moc"
