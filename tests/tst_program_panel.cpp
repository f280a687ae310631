// The program against the controller emulator, driven through its front
// panel: Back shows the carousel and Right turns it; the operator saves the
// configuration to a USB drive, the controller answers by returning 1080 to 0
// and the progress dialog closes; a controller error 1 ("no USB drive") opens
// the error dialog and is acknowledged with 765 = 0. The protection switch
// asks for a password, and Back closes the dialog even in its lock-out; a
// stop request while that dialog and the controller's deviation warning wait
// ends the program and answers neither. A write the controller refuses for
// seconds is not lost.
//
// The keypad is the panel's sysfs GPIO lines. The left-hand column (the
// digits 1 to 4) and the two right-hand ones (the arrow, Enter and Back keys)
// are named pipes fed by this test in step with the program's scan: each read
// of a column gets "0" (key down) only when the scan is on the row of the key
// wanted, so a key is pressed exactly once.
#include "console_client.h"
#include "keyboard.h"
#include "process_station.h"
#include "service_client.h"
#include "wait_for.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <thread>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Keys pressed here, by their place on the panel: row × 5 + column.
enum PanelKey { KeyEnter = 4, KeyUp = 8, KeyRight = 9, KeyLeft = 13, KeyOne = 15, KeyBack = 19 };
// The columns fed by the test: those of the digits 1 to 4, the arrows,
// Enter and Back.
const int FedColumns[] = {0, 3, 4};

QString linePath(const QString& root, int gpio)
{
    return root + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
}

} // namespace

class TestProgramPanel : public QObject
{
    Q_OBJECT

public:
    ~TestProgramPanel() override
    {
        m_stop.store(true);
        if (m_feeder.joinable())
            m_feeder.join();
    }

private:
    ProcessStation m_station;
    std::thread m_feeder;
    std::atomic<int> m_wanted{-1}; // the key to press, -1 when none
    std::atomic<bool> m_stop{false};
    // While set, the program's next read of a fed column is held open and
    // unanswered: its scan, and so the first step of its stop, waits.
    std::atomic<bool> m_hold{false};
    std::atomic<bool> m_holding{false};

    // Serves the program's reads of the fed columns in the order of its scan:
    // row by row from row 1, the fed columns in ascending order.
    void feed(const QString& root)
    {
        QElapsedTimer sinceKey;
        sinceKey.start();
        for (int row = 1; !m_stop.load(); row = (row + 1) % KeyBoardPool::Rows) {
            for (int column : FedColumns) {
                // Keys apart by more than the scanner's 201 ms between two keys.
                const bool down = m_wanted.load() == row * KeyBoardPool::Columns + column && sinceKey.elapsed() > 300;
                if (!serve(linePath(root, KeyBoardPool::pinIn[column]), down ? '0' : '1'))
                    return;
                if (down) {
                    m_wanted.store(-1);
                    sinceKey.restart();
                }
            }
        }
    }
    // Waits until the program opens the column for its read, then gives it
    // one byte; false when asked to stop meanwhile.
    bool serve(const QString& path, char value)
    {
        int fd = -1;
        while (fd < 0 && !m_stop.load()) {
            fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0)
                QThread::usleep(200);
        }
        if (fd >= 0 && m_hold.load()) {
            m_holding.store(true);
            while (m_hold.load() && !m_stop.load())
                QThread::usleep(200);
            m_holding.store(false);
        }
        const bool served = fd >= 0 && ::write(fd, &value, 1) == 1;
        if (fd >= 0)
            ::close(fd);
        return served;
    }

    int logged(const QByteArray& text) { return m_station.programLog().count(text); }
    // Exchanges the controller has served, all commands together.
    qint64 exchanges() const
    {
        qint64 total = 0;
        for (const QByteArray& line : m_station.control("stats").split('\n'))
            if (line.count(' ') == 1)
                total += line.split(' ').at(1).toLongLong();
        return total;
    }
    const char* log() { return m_station.programLog().constData(); }
    // Presses the keys one after another, each once the program has taken the
    // one before, then waits until text has been logged count times.
    bool press(std::initializer_list<PanelKey> keys, const QByteArray& text, int count = 1)
    {
        for (PanelKey key : keys) {
            const int before = logged("getEvent");
            m_wanted.store(key);
            if (!waitFor([&]() { return m_wanted.load() < 0 && logged("getEvent") > before; }, 5000))
                return false;
        }
        return waitFor([&]() { return logged(text) >= count; }, 5000);
    }
private slots:
    void initTestCase()
    {
        // A read end that goes away must not end this test.
        std::signal(SIGPIPE, SIG_IGN);
        QVERIFY(m_station.startEmulator());
        // No password asked (the commands here need level 2 at most), and no
        // carousel turning by itself.
        QCOMPARE(m_station.control("set 571 0") + m_station.control("set 762 0"), QByteArray("ok\nok\n"));
        const QString root = m_station.directory() + "/sys";
        // Every row line, then every column line.
        for (int i = 0; i < KeyBoardPool::Rows + KeyBoardPool::Columns; ++i) {
            const int column = i - KeyBoardPool::Rows;
            const QString path = linePath(root, column < 0 ? KeyBoardPool::pinOut[i] : KeyBoardPool::pinIn[column]);
            QFile line(path);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (std::find(std::begin(FedColumns), std::end(FedColumns), column) != std::end(FedColumns))
                QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
            else
                QVERIFY(line.open(QIODevice::WriteOnly) && line.write("1") == 1);
        }
        m_feeder = std::thread([this, root]() { feed(root); });
        QVERIFY(m_station.startProgram());
        QTRY_VERIFY2_WITH_TIMEOUT(logged("showEvent: MainMenu") > 0, "the main menu after the first synchronisation",
                                  20000);
    }

    void cleanupTestCase()
    {
        // The program's scan waits on the fed columns: they are served until
        // the program has ended.
        m_station.program().terminate();
        m_station.program().waitForFinished(20000);
    }

    void carouselByKeys()
    {
        QVERIFY2(press({KeyBack}, "showEvent: CurrentMainParamsForm"), log());
        QVERIFY2(press({KeyRight}, "showEvent: CurrentVsdParamsForm"), log());
        QVERIFY2(press({KeyBack}, "showEvent: MainMenu", 2), log());
    }

    void usbSave()
    {
        // Main menu: Up wraps to "Настройки"; there, Up twice to "Конфигурации".
        QVERIFY2(press({KeyUp, KeyEnter, KeyUp, KeyUp, KeyEnter}, "showEvent: ConfigurationsForm"), log());
        // "Сохранить конфигурацию на USB носитель", then "Да".
        QVERIFY2(press({KeyEnter}, "create: MessageDialog", logged("create: MessageDialog") + 1), log());
        QVERIFY2(press({KeyLeft, KeyEnter}, "create: ProgressBarDialog"), log());
        // The write reached the controller: 1080 = 1.0.
        QTRY_COMPARE(m_station.control("get 1080"), QByteArray("1080 3F800000\nok\n"));
        // The controller has finished.
        QCOMPARE(m_station.control("set 1080 0"), QByteArray("ok\n"));
        QTRY_VERIFY2(logged("~ProgressBarDialog") == 1, "the progress dialog to close");
    }

    // Noise on the line that damages the long write frames and them only:
    // the controller refuses the next 40 write requests (about 4 s) and
    // answers everything else. The operator's write (the save to USB asked
    // again) and a console write made after it both reach the controller
    // once the refusals end, in that order. Meanwhile a change on the
    // controller still reaches the program, and the link shows down to a
    // service client, then up again.
    void writesOutlastRefusedFrames()
    {
        BlockClient service;
        ConsoleClient console;
        QVERIFY(service.connectTo(5321) && service.ready() && console.connectTo(4321));
        const int writesBefore = m_station.writes().size();
        const quint64 triesBefore = m_station.received(3);
        QVERIFY2(press({KeyEnter}, "create: MessageDialog", logged("create: MessageDialog") + 1), log());
        QCOMPARE(m_station.control("fault refuse 40 3"), QByteArray("ok\n"));
        QVERIFY2(press({KeyLeft, KeyEnter}, "create: ProgressBarDialog", 2), log());
        QCOMPARE(console.ask("set 17 33.25\n"), QByteArray("[I] added to queue\n"));

        QCOMPARE(m_station.control("set 18 12.5"), QByteArray("ok\n"));
        QVERIFY2(service.waitCount(valueIs(18, 2, 0x41480000), 1, 3000), "the controller's change");
        QVERIFY2(m_station.received(3) - triesBefore < 40, "the change while the writes were refused");
        const auto link = [](quint32 up) { return [up](const Reply& r) { return r.command == 8 && r.value == up; }; };
        QVERIFY2(service.waitCount(link(0), 1, 8000), "the link shown down");
        // Up when the writes have gone through, not before.
        QVERIFY2(service.waitCount(link(1), 1, 8000), "the link shown up again");
        QCOMPARE(service.count([](const Reply& r) { return r.command == 8; }), 2);
        QCOMPARE(m_station.writes().mid(writesBefore),
                 (QList<QByteArrayList>{{"1080", "3F800000", "1"}, {"17", "42050000", "3"}}));
        QCOMPARE(m_station.received(3) - triesBefore, quint64(41));

        // The controller has finished.
        QCOMPARE(m_station.control("set 1080 0"), QByteArray("ok\n"));
        QTRY_VERIFY2(logged("~ProgressBarDialog") == 2, "the progress dialog to close");
    }

    void missingDrive()
    {
        // The controller reports it found no USB drive (error 1).
        const int before = logged("create: MessageDialog");
        QCOMPARE(m_station.control("set 765 1"), QByteArray("ok\n"));
        QTRY_VERIFY2(logged("create: MessageDialog") > before, "the error dialog");
        // The program's acknowledgement reached the controller: 765 = 0.
        QTRY_COMPARE(m_station.control("get 765"), QByteArray("765 00000000\nok\n"));
    }

    void passwordsScreenByKeys()
    {
        // Back closes the error dialog, Back again returns to the settings
        // menu at "Конфигурации"; four rows up is "Пароли".
        QVERIFY2(press({KeyBack}, "~MessageDialog", logged("create: MessageDialog")), log());
        QVERIFY2(press({KeyBack, KeyUp, KeyUp, KeyUp, KeyUp, KeyEnter}, "showEvent: PasswordsForm"), log());
    }

    // The protection switch asks for a password; three wrong ones lock the
    // dialog in its countdown, where nothing has the focus, and Back still
    // closes it. The switch is not changed.
    void lockedPasswordDialogClosesWithBack()
    {
        QCOMPARE(m_station.control("set 571 1") + m_station.control("set 572 0"), QByteArray("ok\nok\n"));
        const int writesBefore = m_station.writes().size();
        QVERIFY2(press({KeyEnter}, "create: AccessDialog"), log());
        for (const char* failed : {"722 3F800000\nok\n", "722 40000000\nok\n", "722 40400000\nok\n"}) {
            // One digit is too short a password: a failed attempt.
            QVERIFY2(press({KeyOne, KeyEnter}, "getEvent"), log());
            QTRY_COMPARE(m_station.control("get 722"), QByteArray(failed));
        }
        const int menus = logged("showEvent: OptionsMenu");
        QVERIFY2(press({KeyBack}, "~AccessDialog"), log());
        // Closed by the key itself, not with a screen that Back replaced; no
        // edit began, so Enter asks again, in the countdown, and Back closes
        // that too.
        QCOMPARE(logged("showEvent: OptionsMenu"), menus);
        QVERIFY2(press({KeyEnter}, "create: AccessDialog", 2), log());
        QVERIFY2(press({KeyBack}, "~AccessDialog", 2), log());
        QStringList written;
        for (const QByteArrayList& w : m_station.writes().mid(writesBefore))
            written << QString::fromLatin1(w.at(0));
        written.removeDuplicates();
        QCOMPARE(written, QStringList({"722", "723"}));
    }

    // A stop request while dialogs wait, the password dialog and over it the
    // controller's deviation warning, ends the program in order within a
    // second and answers neither: the warning's acknowledgement (1513 = 0)
    // is the operator's alone. The stop's first step, the keypad's, is held
    // while the link makes a few more exchanges, so that whatever the program
    // queued for the controller at the stop would reach it. Last: the program
    // is gone afterwards.
    void stopRequestWhileDialogsWait()
    {
        // The lock-out lifted, the dialog waits for a password.
        QCOMPARE(m_station.control("set 722 0"), QByteArray("ok\n"));
        QVERIFY2(press({KeyEnter}, "create: AccessDialog", 3), log());
        const int messages = logged("create: MessageDialog");
        QCOMPARE(m_station.control("setu 1514 1700000000") + m_station.control("set 1513 3"),
                 QByteArray("ok\nok\n"));
        QTRY_VERIFY2(logged("create: MessageDialog") > messages, "the deviation warning");

        struct Release
        {
            std::atomic<bool>& hold;
            ~Release() { hold.store(false); }
        } release{m_hold};
        m_hold.store(true);
        QVERIFY2(waitFor([this] { return m_holding.load(); }, 2000), "the keypad's scan held");
        QElapsedTimer sinceStop;
        sinceStop.start();
        m_station.program().terminate();
        QVERIFY2(waitFor([this] { return logged("SIGINT") == 1; }, 1000), "the stop request taken");
        const qint64 before = exchanges();
        const auto acknowledged = [this] {
            for (const QByteArrayList& w : m_station.writes())
                if (w.at(0) == "1513")
                    return true;
            return false;
        };
        // A time to look rather than a condition to meet: the link may also
        // come to wait on the held program's store for a value the controller
        // reported, and make no more exchanges.
        waitFor([&] { return exchanges() >= before + 5 || acknowledged(); }, 300);
        m_hold.store(false);
        QVERIFY2(m_station.program().waitForFinished(5000), "the program to end after SIGTERM");
        const qint64 took = sinceStop.elapsed();
        qInfo("the program ended %lld ms after SIGTERM", took);
        QCOMPARE(m_station.program().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_station.program().exitCode(), 0);
        QVERIFY2(logged("*** Quit application! ***") == 1, log());
        QVERIFY2(took < 1000, qPrintable(QString("ended %1 ms after SIGTERM").arg(took)));
        QVERIFY2(!acknowledged(), "no acknowledgement of the warning");
    }
};

QTEST_GUILESS_MAIN(TestProgramPanel)
#include "tst_program_panel.moc"
