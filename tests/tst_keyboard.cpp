// The front-panel keypad: the key map, the row and column lines in a
// temporary sysfs tree, one accepted key per 200 ms (so held keys repeat and
// a second key close behind the first is dropped), the scan thread, and
// missing GPIO lines.
#include "keyboard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

// Warnings about unreadable lines, counted across the suite.
QAtomicInt missingLineWarnings;
QtMessageHandler previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith("KeyBoard: cannot open"))
        missingLineWarnings.fetchAndAddOrdered(1);
    if (previousHandler)
        previousHandler(type, context, message);
}

// A sysfs tree with the keypad's nine GPIO lines, and the matrix wired to
// them: a column reads "0" when a pressed key of that column lies on the
// selected row (the row line that reads "0").
class Panel
{
public:
    Panel()
    {
        qputenv("VRX_SYSFS_ROOT", m_dir.path().toLocal8Bit());
        for (int gpio : KeyBoardPool::pinOut)
            makeLine(gpio, "1");
        for (int gpio : KeyBoardPool::pinIn)
            makeLine(gpio, "1");
    }
    ~Panel() { qunsetenv("VRX_SYSFS_ROOT"); }

    QString path(int gpio) const
    {
        return m_dir.path() + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
    }
    void makeLine(int gpio, const char* value)
    {
        QDir().mkpath(QFileInfo(path(gpio)).path());
        write(gpio, value);
    }
    void write(int gpio, const char* value)
    {
        QFile f(path(gpio));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(value);
    }
    QByteArray read(int gpio) const
    {
        QFile f(path(gpio));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The selected row as the row lines show it; -1 unless exactly one reads "0".
    int selectedRow() const
    {
        int selected = -1;
        for (int r = 0; r < KeyBoardPool::Rows; ++r) {
            if (read(KeyBoardPool::pinOut[r]) == "0") {
                if (selected >= 0)
                    return -1;
                selected = r;
            }
        }
        return selected;
    }
    // Puts the column lines in the state the pressed keys give for a row.
    void drive(int row)
    {
        for (int c = 0; c < KeyBoardPool::Columns; ++c)
            write(KeyBoardPool::pinIn[c], pressed.contains(qMakePair(row, c)) ? "0" : "1");
    }
    // Every column line reads this, whatever the row.
    void holdColumns(int column, const char* value) { write(KeyBoardPool::pinIn[column], value); }

    QSet<QPair<int, int>> pressed;

private:
    QTemporaryDir m_dir;
};

// The scanner stepped by hand on a clock the test moves over a panel of its
// own: one row, then its five columns, as the timers would.
struct Stepper
{
    Panel panel;
    KeyBoardPool pool;
    QSignalSpy events{&pool, &KeyBoardPool::sendEvent};
    qint64 clock = 100000;

    Stepper() { pool.setClock([this]() { return clock; }); }
    void scanRow()
    {
        pool.slotSetPinOut();
        panel.drive(panel.selectedRow());
        for (int c = 0; c < KeyBoardPool::Columns; ++c)
            pool.slotSetPinIn();
    }
    // One pass over the four rows, taking about the time the real scan does.
    void scanPass()
    {
        for (int r = 0; r < KeyBoardPool::Rows; ++r) {
            clock += KeyBoardPool::RowIntervalMs + KeyBoardPool::Columns * KeyBoardPool::ColumnIntervalMs;
            scanRow();
        }
    }
};

QString keysOf(const QSignalSpy& spy)
{
    QStringList keys;
    for (const QList<QVariant>& e : spy)
        keys << QString("%1:%2").arg(e.at(0).toInt(), 0, 16).arg(e.at(1).toString());
    return keys.join(' ');
}

QString key(int code, const QString& text)
{
    return QString("%1:%2").arg(code, 0, 16).arg(text);
}

} // namespace

class TestKeyBoard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(countingHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void valueFilesUnderTheSysfsRoot()
    {
        QCOMPARE(QVector<int>(std::begin(KeyBoardPool::pinOut), std::end(KeyBoardPool::pinOut)),
                 QVector<int>({135, 136, 137, 129}));
        QCOMPARE(QVector<int>(std::begin(KeyBoardPool::pinIn), std::end(KeyBoardPool::pinIn)),
                 QVector<int>({134, 133, 132, 128, 138}));
        qunsetenv("VRX_SYSFS_ROOT");
        QCOMPARE(KeyBoardPool::valuePath(135), QString("/sys/class/gpio/gpio135/value"));
        qputenv("VRX_SYSFS_ROOT", "/tmp/tree");
        QCOMPARE(KeyBoardPool::valuePath(128), QString("/tmp/tree/sys/class/gpio/gpio128/value"));
        qunsetenv("VRX_SYSFS_ROOT");
    }

    void rowsAreSelectedInTurn()
    {
        Stepper s;
        QList<int> order;
        for (int i = 0; i < 5; ++i) {
            s.pool.slotSetPinOut();
            order << s.panel.selectedRow();
            QCOMPARE(s.pool.currentRow(), order.last());
        }
        QCOMPARE(order, QList<int>({1, 2, 3, 0, 1}));
        // The others are released ("1").
        for (int r = 0; r < 4; ++r)
            if (r != 1)
                QCOMPARE(s.panel.read(KeyBoardPool::pinOut[r]), QByteArray("1"));
    }

    void pressAndRelease()
    {
        Stepper s;
        s.scanPass();
        QCOMPARE(s.events.count(), 0);

        s.panel.pressed = {qMakePair(2, 2)};
        s.scanPass();
        QCOMPARE(keysOf(s.events), key(Qt::Key_0, "0"));

        s.panel.pressed.clear();
        s.clock += 1000;
        s.scanPass();
        s.scanPass();
        QCOMPARE(s.events.count(), 1);

        s.panel.pressed = {qMakePair(1, 2)};
        s.scanPass();
        s.panel.pressed = {qMakePair(0, 4)};
        s.clock += 1000;
        s.scanPass();
        QCOMPARE(keysOf(s.events), QStringList({key(Qt::Key_0, "0"), key(Qt::Key_Period, "."),
                                              key(Qt::Key_F4, "")}).join(' '));
    }

    void heldKeyRepeatsEvery200Ms()
    {
        Stepper s;
        s.panel.pressed = {qMakePair(3, 3)}; // F9
        // One pass takes 140 ms: a held key comes back every other pass.
        for (int i = 0; i < 6; ++i)
            s.scanPass();
        QCOMPARE(s.events.count(), 3);
        for (const QList<QVariant>& e : s.events) {
            QCOMPARE(e.at(0).toInt(), int(Qt::Key_F9));
            QCOMPARE(e.at(1).toString(), QString());
        }
    }

    void repeatNeedsMoreThan200Ms()
    {
        Stepper s;
        s.panel.pressed = {qMakePair(0, 0)};
        s.pool.slotSetPinOut(); // row 1
        s.pool.slotSetPinOut(); // row 2
        s.pool.slotSetPinOut(); // row 3
        s.scanRow();            // row 0: the key
        QCOMPARE(s.events.count(), 1);
        const qint64 accepted = s.clock;
        for (int i = 0; i < 3; ++i)
            s.pool.slotSetPinOut();
        s.clock = accepted + 200;
        s.scanRow();
        QCOMPARE(s.events.count(), 1);
        for (int i = 0; i < 3; ++i)
            s.pool.slotSetPinOut();
        s.clock = accepted + 201;
        s.scanRow();
        QCOMPARE(s.events.count(), 2);
    }

    void secondKeyWithin200MsIsDropped()
    {
        Stepper s;
        s.panel.pressed = {qMakePair(3, 0)}; // 1
        s.scanPass();
        const qint64 first = s.clock;
        s.panel.pressed = {qMakePair(0, 1)}; // 8, 140 ms later
        s.scanPass();
        QCOMPARE(keysOf(s.events), key(Qt::Key_1, "1"));
        // The window is shared by all keys; after it the second key comes.
        s.scanPass();
        QVERIFY(s.clock - first > 200);
        QCOMPARE(keysOf(s.events), key(Qt::Key_1, "1") + ' ' + key(Qt::Key_8, "8"));
    }

    void twoKeysTogetherGiveTheFirstScanned()
    {
        Stepper s;
        // Same row, and on rows scanned in turn (the scan starts at row 1).
        s.panel.pressed = {qMakePair(1, 1), qMakePair(1, 4), qMakePair(2, 0)};
        s.scanPass();
        QCOMPARE(keysOf(s.events), key(Qt::Key_7, "7"));
    }

    void scansInItsOwnThread()
    {
        Panel panel;
        KeyBoard keyboard;
        QVERIFY(keyboard.scanThread());
        QVERIFY(keyboard.scanThread()->isRunning());
        QVERIFY(keyboard.scanThread() != QThread::currentThread());
        QSignalSpy events(&keyboard, &KeyBoard::sendEvent);
        // Column 2 held low: whichever row is selected, a column-2 key is down.
        panel.holdColumns(2, "0");
        QVERIFY(events.wait(10000));
        const QSet<int> column2 = {Qt::Key_F11, Qt::Key_Period, Qt::Key_0, Qt::Key_9};
        QVERIFY(column2.contains(events.first().at(0).toInt()));
        // The row lines are driven in the tree.
        QTRY_VERIFY_WITH_TIMEOUT(panel.read(KeyBoardPool::pinOut[0]) == "0"
                                     || panel.read(KeyBoardPool::pinOut[1]) == "0"
                                     || panel.read(KeyBoardPool::pinOut[2]) == "0"
                                     || panel.read(KeyBoardPool::pinOut[3]) == "0",
                                 10000);
        panel.holdColumns(2, "1");
    }

    void destructionStopsTheScan()
    {
        Panel panel;
        QThread* thread = nullptr;
        QPointer<QThread> watch;
        {
            KeyBoard keyboard;
            thread = keyboard.scanThread();
            watch = thread;
            QVERIFY(thread->isRunning());
        }
        // The thread was stopped and joined before the keypad went away.
        QVERIFY(watch.isNull());
    }

    void missingLinesAreLoggedOnceAndScannedSlowly()
    {
        QTemporaryDir empty;
        qputenv("VRX_SYSFS_ROOT", (empty.path() + "/none").toLocal8Bit());
        missingLineWarnings.storeRelease(0);
        KeyBoardPool pool;
        pool.process();
        QTRY_COMPARE_WITH_TIMEOUT(pool.rowInterval(), int(KeyBoardPool::IdleRowIntervalMs), 10000);
        QTest::qWait(2500);
        QCOMPARE(missingLineWarnings.loadAcquire(), 1);
        // No file was made where the lines should be.
        QVERIFY(!QFile::exists(empty.path() + "/none/sys/class/gpio/gpio135/value"));

        // The lines appear (exported late): the scan is fast again.
        QVERIFY(QDir().mkpath(empty.path() + "/none/sys/class/gpio"));
        for (int gpio : KeyBoardPool::pinIn) {
            const QString dir = empty.path() + QString("/none/sys/class/gpio/gpio%1").arg(gpio);
            QVERIFY(QDir().mkpath(dir));
            QFile f(dir + "/value");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("1");
        }
        QTRY_COMPARE_WITH_TIMEOUT(pool.rowInterval(), int(KeyBoardPool::RowIntervalMs), 10000);
        qunsetenv("VRX_SYSFS_ROOT");
    }
};

QTEST_GUILESS_MAIN(TestKeyBoard)
#include "tst_keyboard.moc"
