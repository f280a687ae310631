// Built for the board: every test switch reads as unset, whatever the
// environment of whoever starts the program holds.
#include "test_switch.h"

#include <QtTest>

#ifndef VRX_TARGET_BOARD
#error "this check means nothing unless it is built as the program is for the board"
#endif

class TestBoardSwitches : public QObject
{
    Q_OBJECT

private slots:
    void switchesAreNotRead_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("controller socket") << QByteArray("VRX_CONTROLLER_SOCKET") << QByteArray("/tmp/controller");
        QTest::newRow("sysfs root") << QByteArray("VRX_SYSFS_ROOT") << QByteArray("/tmp/sysfs");
        QTest::newRow("update answer time-out") << QByteArray("VRX_UPDATE_ANSWER_TIMEOUT_MS") << QByteArray("50");
    }
    void switchesAreNotRead()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        QVERIFY(qputenv(name.constData(), value));
        QCOMPARE(qgetenv(name.constData()), value); // the environment holds it
        QVERIFY2(testSwitch(name.constData()).isNull(), "read in the board build");
        qunsetenv(name.constData());
    }
};

QTEST_GUILESS_MAIN(TestBoardSwitches)
#include "tst_board_switches.moc"
