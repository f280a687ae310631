// The station's network through the store: the address, the mask and the
// gateway are one setting; the address goes first, and the default route is
// replaced (removed, then added) only once ifconfig has ended well; a refused
// gateway or an unchanged setting runs nothing; one change runs at a time.
#include "log_capture.h"
#include "parameters.h"
#include "parametershandler.h"
#include "store_driver.h"
#include "recorded_commands.h"
#include "systemcommands.h"
#include "test_database.h"
#include "wait_for.h"

#include <QScopedPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// 10.0.0.7/24 behind 10.0.0.1.
const char* const Station = "864=10 865=0 866=0 867=7 868=255 869=255 870=255 871=0 2052=10 2053=0 2054=0 2055=1";

QString ifconfig(const QString& address, const QString& mask = "255.255.255.0")
{
    return QString("/sbin/ifconfig eth0 %1 netmask %2").arg(address, mask);
}

const QString RouteDel = "/sbin/route del default";

QString routeAdd(const QString& gateway)
{
    return QString("/sbin/route add default gw %1 eth0").arg(gateway);
}


} // namespace

class TestNetworkSettings : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    QScopedPointer<Parameters> m_store;
    StoreDriver drive() { return StoreDriver{m_store.data()}; }

    QList<QTimer*> timers() { return m_store->handler()->findChildren<QTimer*>(); }
    // Ends every gathering of reports now, as if its time had passed; true
    // when none was running. The commands' time limits are not gatherings.
    bool endGathering()
    {
        bool none = true;
        for (QTimer* timer : timers()) {
            if (timer->isActive() && !timer->objectName().isEmpty()) {
                none = false;
                timer->stop();
                QMetaObject::invokeMethod(timer, "timeout");
            }
        }
        return none;
    }
    // Nothing gathers and no command is awaited (each runs under a time limit).
    bool idle()
    {
        for (QTimer* timer : timers())
            if (timer->isActive())
                return false;
        return true;
    }
    bool settle()
    {
        return waitFor([this] {
            endGathering();
            return idle();
        });
    }

private slots:
    void initTestCase() { m_db = new TestDatabase; }
    void cleanupTestCase() { delete m_db; }

    void init()
    {
        SystemCommands::clearRecorded();
        SystemCommands::clearDryRunBehaviours();
        m_store.reset(new Parameters);
    }
    void cleanup()
    {
        SystemCommands::releaseHeld();
        m_store.reset();
        SystemCommands::clearDryRunBehaviours();
    }

    // ifconfig is held until the gathering has ended, so a route command that
    // does not wait for it shows.
    void oneSetting_data()
    {
        QTest::addColumn<QString>("from");    // applied before the row; empty: nothing yet
        QTest::addColumn<QString>("reports"); // "|": the next part once the one before is applied
        QTest::addColumn<QString>("during");  // reported while ifconfig runs
        QTest::addColumn<QString>("failing"); // "program=exit code", or "program=start" for one that cannot start
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("logged");
        const QString station = Station;
        const auto row = [](const char* name, const QString& from, const QString& reports, const QString& during,
                            const QString& failing, const QStringList& commands, const QStringList& logged) {
            QTest::newRow(name) << from << reports << during << failing << commands << logged;
        };
        row("address alone, same network", station, "867=8", "", "",
            {ifconfig("10.0.0.8"), RouteDel, routeAdd("10.0.0.1")}, {});
        row("mask alone", station, "870=0", "", "", {ifconfig("10.0.0.7", "255.255.0.0"), RouteDel, routeAdd("10.0.0.1")},
            {});
        row("gateway first, address of its network later", station,
            "2052=192 2053=168 2054=5 2055=1|864=192 865=168 866=5 867=20", "", "",
            {ifconfig("192.168.5.20"), RouteDel, routeAdd("192.168.5.1")},
            {"Set Gateway: 192.168.5.1 is outside the station's network 10.0.0.0/24, not applied"});
        row("all twelve octets", station,
            "864=172 865=16 866=0 867=5 868=255 869=255 870=0 871=0 2052=172 2053=16 2054=0 2055=1", "", "",
            {ifconfig("172.16.0.5", "255.255.0.0"), RouteDel, routeAdd("172.16.0.1")}, {});
        row("new gateway, same network", station, "2055=254", "", "", {RouteDel, routeAdd("10.0.0.254")}, {});
        row("first synchronisation", "", station, "", "", {ifconfig("10.0.0.7"), RouteDel, routeAdd("10.0.0.1")}, {});
        row("ifconfig fails", station, "867=9 2055=2", "", "/sbin/ifconfig=1", {ifconfig("10.0.0.9")},
            {"Set Ip-address: " + ifconfig("10.0.0.9") + " failed with exit code 1, the default route is not set"});
        row("ifconfig cannot start", station, "867=9 2055=2", "", "/sbin/ifconfig=start", {ifconfig("10.0.0.9")},
            {"Set Ip-address: " + ifconfig("10.0.0.9") + " could not be run: failed to start (dry-run)"});
        // What failed is tried again, even when nothing has changed since.
        row("failed ifconfig tried again", station, "867=9|760=1 867=9", "", "/sbin/ifconfig=1",
            {ifconfig("10.0.0.9"), ifconfig("10.0.0.9")}, {"failed with exit code 1"});
        row("no default route to remove", station, "2055=254", "", "/sbin/route=7", {RouteDel, routeAdd("10.0.0.254")},
            {"Set Gateway: " + routeAdd("10.0.0.254") + " failed with exit code 7"});
        row("refused gateway", station, "2055=7", "", "", {},
            {"Set Gateway: 10.0.0.7 is the station's own address, not applied"});
        row("full synchronisation, nothing changed", station, "760=1 " + station, "", "", {}, {});
        row("a report while a change runs", station, "867=8", "2055=254", "",
            {ifconfig("10.0.0.8"), RouteDel, routeAdd("10.0.0.1"), RouteDel, routeAdd("10.0.0.254")}, {});
    }
    void oneSetting()
    {
        QFETCH(QString, from);
        QFETCH(QString, reports);
        QFETCH(QString, during);
        QFETCH(QString, failing);
        QFETCH(QStringList, commands);
        QFETCH(QStringList, logged);
        drive().reportAll(from);
        QVERIFY2(settle(), "the setting before the row to be applied");
        SystemCommands::clearRecorded();
        SystemCommands::DryRunBehaviour held;
        held.held = true;
        SystemCommands::setDryRunBehaviour("/sbin/ifconfig", held);
        if (!failing.isEmpty()) {
            const QString program = failing.section('=', 0, 0);
            SystemCommands::DryRunBehaviour fails = program == "/sbin/ifconfig" ? held : SystemCommands::DryRunBehaviour();
            fails.failsToStart = failing.endsWith("=start");
            fails.exitCode = failing.section('=', 1).toInt();
            SystemCommands::setDryRunBehaviour(program, fails);
        }
        LogCapture log;
        const QStringList parts = reports.split('|');
        for (int i = 0; i < parts.size(); ++i) {
            drive().reportAll(parts.at(i));
            QVERIFY2(waitFor([this] { return endGathering(); }), "the gathering to end");
            if (i == parts.size() - 1)
                drive().reportAll(during);
            QCoreApplication::processEvents();
            const QStringList started = recordedCommands();
            int running = started.size() - 1;
            while (running >= 0 && !started.at(running).startsWith("/sbin/ifconfig "))
                --running;
            if (running >= 0)
                QVERIFY2(running == started.size() - 1,
                         qPrintable("started while ifconfig ran: " + started.mid(running + 1).join(", ")));
            SystemCommands::releaseHeld();
            QVERIFY2(settle(), "the change to be applied");
        }
        QCOMPARE(recordedCommands(), commands);
        for (const QString& line : logged)
            QVERIFY2(log.count(line) > 0, qPrintable("not logged: " + line));
        if (logged.isEmpty())
            QCOMPARE(log.count("not applied") + log.count("failed") + log.count("could not"), 0);
    }

    // A command that does not end is stopped at its time limit and reported
    // as such, so a hung tool cannot hold the network settings for good.
    void aCommandThatDoesNotEndIsStopped()
    {
        SystemCommands::DryRunBehaviour held;
        held.held = true;
        SystemCommands::setDryRunBehaviour("/sbin/route", held);
        QObject owner;
        SystemCommandJob* job = SystemCommands::start("/sbin/route", {"del", "default"}, 50, &owner);
        QSignalSpy ended(job, &SystemCommandJob::signalFinished);
        QVERIFY2(waitFor([&ended] { return ended.count() > 0; }, 2000), "the end at the time limit");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), -1);
        QCOMPARE(ended.at(0).at(1).toString(), QString("did not end within 50 ms"));
        QCOMPARE(SystemCommands::releaseHeld(), 0);
    }
};

QTEST_GUILESS_MAIN(TestNetworkSettings)
#include "tst_network_settings.moc"
