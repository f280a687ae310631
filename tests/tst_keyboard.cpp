// The front-panel keypad over a temporary sysfs tree: the matrix wiring, one
// accepted key per 200 ms shared by all keys, the scan thread's life, and
// missing GPIO lines.
#include "keyboard.h"
#include "log_capture.h"

#include <QDir>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

// The panel's wiring: row lines driven, column lines read.
const int RowLines[] = {135, 136, 137, 129};
const int ColumnLines[] = {134, 133, 132, 128, 138};

// The keypad's nine lines in a sysfs tree ($VRX_SYSFS_ROOT while it lives).
struct Panel
{
    QTemporaryDir dir;

    explicit Panel(bool withLines = true)
    {
        qputenv("VRX_SYSFS_ROOT", dir.path().toLocal8Bit());
        for (int gpio : {135, 136, 137, 129, 134, 133, 132, 128, 138})
            if (withLines) // else missing, as before the system exports them
                makeLine(gpio);
    }
    ~Panel() { qunsetenv("VRX_SYSFS_ROOT"); }
    QString path(int gpio) const { return dir.path() + QString("/sys/class/gpio/gpio%1/value").arg(gpio); }
    void makeLine(int gpio)
    {
        QDir().mkpath(dir.path() + QString("/sys/class/gpio/gpio%1").arg(gpio));
        write(gpio, "1");
    }
    void write(int gpio, const char* value)
    {
        QFile f(path(gpio));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(value);
    }
    bool low(int gpio) const
    {
        QFile f(path(gpio));
        return f.open(QIODevice::ReadOnly) && f.readAll() == "0";
    }
};

// Scans by hand, as the timers would, on a clock the test moves: steps of
// pressed keys ("22 12" row 2 column 2 and row 1 column 2; "-" all keys up
// for a second), each held for a number of 140 ms passes.
QString scan(const QStringList& steps, int passes)
{
    Panel panel;
    KeyBoardPool pool;
    qint64 clock = 100000;
    pool.setClock([&clock] { return clock; });
    QSignalSpy events(&pool, &KeyBoardPool::sendEvent);
    for (const QString& step : steps) {
        for (int pass = 0; pass < passes * KeyBoardPool::Rows; ++pass) {
            clock += KeyBoardPool::RowIntervalMs + KeyBoardPool::Columns * KeyBoardPool::ColumnIntervalMs;
            pool.slotSetPinOut();
            int row = 0;
            while (row < 4 && !panel.low(RowLines[row]))
                ++row;
            // The matrix: a column reads "0" when a pressed key of it lies on the selected row.
            for (int c = 0; c < KeyBoardPool::Columns; ++c)
                panel.write(ColumnLines[c], step.contains(QString("%1%2").arg(row).arg(c)) ? "0" : "1");
            for (int c = 0; c < KeyBoardPool::Columns; ++c)
                pool.slotSetPinIn();
        }
        clock += step == "-" ? 1000 : 0;
    }
    QStringList keys;
    for (const QList<QVariant>& e : events)
        keys << QString("%1:%2").arg(e.at(0).toInt(), 0, 16).arg(e.at(1).toString());
    return keys.join(' ');
}

} // namespace

class TestKeyBoard : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QString>("events");
        QTest::newRow("0, period and F4") << QStringList{"22", "-", "12", "-", "04"} << 1 << "30:0 2e:. 1000033:";
        // A pass takes 140 ms: a held key comes back every other pass.
        QTest::newRow("held F9 repeats") << QStringList{"33"} << 6 << "1000038: 1000038: 1000038:";
        // The 200 ms window is shared by all keys.
        QTest::newRow("second key within 200 ms") << QStringList{"30", "01"} << 1 << "31:1";
        QTest::newRow("after the window") << QStringList{"30", "01"} << 2 << "31:1 38:8";
        // Same row, and on rows scanned in turn (the scan starts at row 1): the first scanned.
        QTest::newRow("keys together") << QStringList{"11 14 20"} << 1 << "37:7";
    }

    void accepted()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, passes);
        QFETCH(QString, events);
        QCOMPARE(scan(steps, passes), events);
    }

    void scansInItsOwnThreadUntilDestroyed()
    {
        Panel panel;
        QPointer<QThread> thread;
        {
            KeyBoard keyboard;
            thread = keyboard.scanThread();
            QVERIFY(thread && thread != QThread::currentThread());
            QSignalSpy events(&keyboard, &KeyBoard::sendEvent);
            // Column 2 held low: whichever row is selected, a column-2 key is down.
            panel.write(ColumnLines[2], "0");
            QVERIFY2(events.wait(5000), "a key from the scan thread");
            QVERIFY(QSet<int>({Qt::Key_F11, Qt::Key_Period, Qt::Key_0, Qt::Key_9}).contains(events.first().at(0).toInt()));
        }
        // The thread was stopped and joined before the keypad went away.
        QVERIFY(thread.isNull());
    }

    void missingLinesAreLoggedOnceAndScannedSlowly()
    {
        LogCapture log;
        Panel panel(false);
        KeyBoardPool pool;
        QList<int> intervals;
        for (int row = 0; row < 13; ++row) {
            const bool made = QFile::exists(panel.path(135)); // a line's file is never made
            if (row == 12 && !made) // the lines are exported late: the scan is fast again
                for (int gpio : {135, 136, 137, 129, 134, 133, 132, 128, 138})
                    panel.makeLine(gpio);
            pool.slotSetPinOut();
            for (int c = 0; c < KeyBoardPool::Columns; ++c)
                pool.slotSetPinIn();
            intervals << pool.rowInterval();
        }
        QCOMPARE(log.count("cannot open"), 1);
        QCOMPARE(intervals.mid(10), QList<int>({KeyBoardPool::IdleRowIntervalMs, KeyBoardPool::IdleRowIntervalMs,
                                                KeyBoardPool::RowIntervalMs}));
    }
};

QTEST_GUILESS_MAIN(TestKeyBoard)
#include "tst_keyboard.moc"
