// The program against the controller emulator, driven through its keypad: the
// operator saves the configuration to a USB drive, the controller answers by
// returning 1080 to 0 and the progress dialog closes; a controller error 1
// ("no USB drive") opens the error dialog and is acknowledged with 765 = 0.
//
// The keypad is the front panel's sysfs GPIO lines. The two right-hand columns
// (where the arrow, Enter and Back keys are) are named pipes fed by this test
// in step with the program's scan: each read of a column gets "0" (key down)
// only when the scan is on the row of the key wanted, so a key is pressed
// exactly once.
#include "keyboard.h"
#include "process_station.h"
#include "rawbits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QQueue>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct PanelKey
{
    int row;
    int column;
};

// Positions on the panel (row, column) of the keys this test presses.
const PanelKey KeyEnter{0, 4};  // F4
const PanelKey KeyUp{1, 3};     // F6
const PanelKey KeyLeft{2, 3};   // F5

const int FedColumns[] = {3, 4};

QByteArray rawHex(float value)
{
    return QByteArray::number(bitsFromFloat(value), 16).rightJustified(8, '0').toUpper();
}

// Serves the program's reads of the fed columns, in the order the scan makes
// them: row by row (starting with row 1), column 3 then column 4.
class KeypadFeeder : public QThread
{
public:
    explicit KeypadFeeder(const QString& root)
        : m_root(root)
    {
    }

    static QString valuePath(const QString& root, int gpio)
    {
        return root + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
    }

    void press(PanelKey key)
    {
        QMutexLocker lock(&m_mutex);
        m_queue.enqueue(key);
    }
    int pending()
    {
        QMutexLocker lock(&m_mutex);
        return m_queue.size();
    }
    int pressed() const { return m_pressed.load(); }
    int served() const { return m_served.load(); }
    void stop() { m_stop.store(true); }

protected:
    void run() override
    {
        int row = 1;
        QElapsedTimer sinceKey;
        sinceKey.start();
        bool anyKey = false;
        while (!m_stop.load()) {
            for (int column : FedColumns) {
                bool down = false;
                {
                    QMutexLocker lock(&m_mutex);
                    // Keys well apart: the scanner takes one key per 201 ms.
                    if (!m_queue.isEmpty() && m_queue.head().row == row && m_queue.head().column == column
                        && (!anyKey || sinceKey.elapsed() > 400)) {
                        down = true;
                    }
                }
                if (!serve(column, down ? '0' : '1'))
                    return;
                if (down) {
                    QMutexLocker lock(&m_mutex);
                    m_queue.dequeue();
                    anyKey = true;
                    sinceKey.restart();
                    ++m_pressed;
                }
            }
            row = (row + 1) % KeyBoardPool::Rows;
        }
    }

private:
    // Waits until the program opens the column for its read, then gives it
    // one byte; false when asked to stop meanwhile.
    bool serve(int column, char value)
    {
        const QByteArray path = QFile::encodeName(valuePath(m_root, KeyBoardPool::pinIn[column]));
        int fd = -1;
        while (fd < 0) {
            if (m_stop.load())
                return false;
            fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0)
                QThread::usleep(200);
        }
        const ssize_t written = ::write(fd, &value, 1);
        Q_UNUSED(written);
        ::close(fd);
        ++m_served;
        return true;
    }

    QString m_root;
    QMutex m_mutex;
    QQueue<PanelKey> m_queue;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_pressed{0};
    std::atomic<int> m_served{0};
};

} // namespace

class TestProgramConfigurations : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;
    KeypadFeeder* m_feeder = nullptr;

    QByteArray log() { return m_station->programLog(); }

    bool makePanel(const QString& root)
    {
        for (int gpio : KeyBoardPool::pinOut) {
            if (!writeLine(root, gpio))
                return false;
        }
        for (int column = 0; column < KeyBoardPool::Columns; ++column) {
            const int gpio = KeyBoardPool::pinIn[column];
            if (column == FedColumns[0] || column == FedColumns[1]) {
                const QString path = KeypadFeeder::valuePath(root, gpio);
                QDir().mkpath(QFileInfo(path).path());
                if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
                    return false;
            } else if (!writeLine(root, gpio)) {
                return false;
            }
        }
        return true;
    }
    static bool writeLine(const QString& root, int gpio)
    {
        const QString path = KeypadFeeder::valuePath(root, gpio);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("1") == 1;
    }
    // Presses one key and waits until the program has taken it.
    bool press(PanelKey key)
    {
        const int before = log().count("getEvent");
        m_feeder->press(key);
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30000) {
            if (m_feeder->pending() == 0 && log().count("getEvent") > before)
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    bool waitForLog(const QByteArray& text, int count, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (log().count(text) >= count)
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    QByteArrayList writesOf(const QByteArray& id)
    {
        QByteArrayList raws;
        for (const QByteArrayList& w : m_station->writes())
            if (w.at(0) == id)
                raws << w.at(1).toUpper();
        return raws;
    }

private slots:
    void initTestCase()
    {
        // A read end that goes away must not end this test.
        std::signal(SIGPIPE, SIG_IGN);
    }

    void cleanup()
    {
        // The program's scan waits on the fed columns: keep serving it until
        // the program has ended.
        if (m_station && m_station->program().state() != QProcess::NotRunning) {
            m_station->program().terminate();
            m_station->program().waitForFinished(20000);
        }
        if (m_feeder) {
            m_feeder->stop();
            m_feeder->wait(5000);
            delete m_feeder;
            m_feeder = nullptr;
        }
        delete m_station;
        m_station = nullptr;
    }

    void usbSaveAndMissingDrive()
    {
        m_station = new ProcessStation;
        QVERIFY(m_station->startEmulator());
        // No password asked: the commands of this screen need level 2 at most.
        QCOMPARE(m_station->control("set 571 0"), QByteArray("ok\n"));
        const QString root = m_station->directory() + "/sys";
        QVERIFY(makePanel(root));
        m_feeder = new KeypadFeeder(root);
        m_feeder->start();
        QVERIFY(m_station->startProgram());
        QVERIFY2(m_station->waitForWrite(1103, 60000), log().constData());
        QVERIFY2(waitForLog("showEvent: MainMenu", 1, 30000), log().constData());
        QTRY_VERIFY_WITH_TIMEOUT(m_feeder->served() > 0, 30000);

        // Main menu: Up wraps to "Настройки", Enter opens it.
        QVERIFY2(press(KeyUp), log().constData());
        QVERIFY2(press(KeyEnter), log().constData());
        QVERIFY2(waitForLog("showEvent: OptionsMenu", 1, 30000), log().constData());
        // Settings: Up twice, from the first entry to "Конфигурации".
        QVERIFY(press(KeyUp));
        QVERIFY(press(KeyUp));
        QVERIFY(press(KeyEnter));
        QVERIFY2(waitForLog("showEvent: ConfigurationsForm", 1, 30000), log().constData());

        // "Сохранить конфигурацию на USB носитель", then "Да".
        const int questions = log().count("create: MessageDialog");
        QVERIFY(press(KeyEnter));
        QVERIFY2(waitForLog("create: MessageDialog", questions + 1, 30000), log().constData());
        QVERIFY(press(KeyLeft));
        QVERIFY(press(KeyEnter));
        QVERIFY2(waitForLog("create: ProgressBarDialog", 1, 30000), log().constData());
        QVERIFY2(m_station->waitForWrite(1080, 30000), log().constData());
        QCOMPARE(writesOf("1080"), QByteArrayList() << rawHex(1.f));

        // The controller is busy: the dialog stays.
        QTest::qWait(300);
        QCOMPARE(log().count("~ProgressBarDialog"), 0);
        // The controller has finished.
        QCOMPARE(m_station->control("set 1080 0"), QByteArray("ok\n"));
        QVERIFY2(waitForLog("~ProgressBarDialog", 1, 30000), log().constData());

        // The controller reports it found no USB drive (error 1).
        const int before = log().count("create: MessageDialog");
        QCOMPARE(m_station->control("set 765 1"), QByteArray("ok\n"));
        QVERIFY2(waitForLog("create: MessageDialog", before + 1, 30000), log().constData());
        QTRY_VERIFY_WITH_TIMEOUT(writesOf("765").contains(rawHex(0.f)), 30000);
    }
};

QTEST_GUILESS_MAIN(TestProgramConfigurations)
#include "tst_program_configurations.moc"
