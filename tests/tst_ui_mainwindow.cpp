// The main window: key light and backlight through the sysfs files, the idle
// return and its guard, Start and Stop, the block and restart screens, the
// applier's error dialog shown once, and the header's well name.
#include "base_status_form.h"
#include "blockform.h"
#include "dialog_driver.h"
#include "headermainwindow.h"
#include "headerwidget.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameterscheck.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "test_application.h"
#include "ui_station.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

class TestUiMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_sys;
    UiStation* m_station = nullptr;
    DialogDriver m_dialogs;

    MainWindow* window() { return UiStation::window(); }
    Parameters* store() { return UiStation::store(); }
    QString currentClass() { return UiStation::currentClass(); }
    // The station's status pages are shown.
    bool statusShown() { return qobject_cast<BaseStatusForm*>(UiStation::currentForm()); }
    QTimer* timer(const char* name) { return window()->findChild<QTimer*>(QLatin1String(name)); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    void key(int k)
    {
        pressKey(k);
        settle();
    }

    QString sysfs(const char* path)
    {
        QFile file(m_sys.path() + QLatin1String(path));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("none");
    }
    // The key light and the backlight, as "1/5".
    QString lights()
    {
        return sysfs("/sys/class/leds/hl-key/brightness") + "/" + sysfs("/sys/class/backlight/backlight.5/brightness");
    }
    void markLights()
    {
        for (const char* path : {"/sys/class/leds/hl-key/brightness", "/sys/class/backlight/backlight.5/brightness"}) {
            QFile file(m_sys.path() + QLatin1String(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
        }
    }
    // A single-shot timer's expiry: inactive, then its timeout.
    void fire(const char* name)
    {
        QTimer* t = timer(name);
        QVERIFY(t);
        t->stop();
        QVERIFY(QMetaObject::invokeMethod(t, "timeout"));
    }
    int messageCount()
    {
        int count = 0;
        for (QDialog* dialog : DialogDriver::openDialogs())
            count += qobject_cast<MessageDialog*>(dialog) ? 1 : 0;
        return count;
    }
    void closeDialogs()
    {
        for (QDialog* dialog : DialogDriver::openDialogs())
            dialog->reject();
        settle();
    }
    // Stopped, nothing preventing, settings confirmed not required; passwords
    // on: Start always asks.
    void stationReady() { report("2051=0 13=0 1360=0 635=0 702=1 685=1 782=0 571=1"); }

private slots:
    // Every test starts without dialogs left open by the one before.
    void init() { closeDialogs(); }

    void initTestCase()
    {
        QVERIFY(m_sys.isValid());
        QDir().mkpath(m_sys.path() + "/sys/class/leds/hl-key");
        QDir().mkpath(m_sys.path() + "/sys/class/backlight/backlight.5");
        qputenv("VRX_SYSFS_ROOT", m_sys.path().toLocal8Bit());
        m_station = new UiStation;
        report("1209=5 1208=1 762=0 473=60 633=0 571=0 572=0");
        m_station->showWindow();
    }

    void cleanupTestCase()
    {
        closeDialogs();
        delete m_station;
    }

    void startsOnTheMainMenu()
    {
        QCOMPARE(window()->size(), QSize(640, 480));
        QCOMPARE(currentClass(), QString("MainMenu"));
        QCOMPARE(window()->headerWidget()->title(), QString::fromUtf8("МЕНЮ"));
        QCOMPARE(window()->currentForm()->rowCount(), 7);
    }

    void keyLightAndBacklight()
    {
        // Built with the light on: key light 1, backlight at its maximum.
        QCOMPARE(lights(), QString("1/5"));
        QCOMPARE(timer("hlKeyboardTimer")->interval(), 60000);
        // Keys while the light is on write nothing.
        markLights();
        key(Qt::Key_F8);
        QCOMPARE(lights(), QString("x/x"));
        QVERIFY(timer("hlKeyboardTimer")->isActive());

        // 60 s of rest: light off, backlight down to the minimum at once.
        QStringList seen;
        fire("hlKeyboardTimer");
        seen << lights();
        // The next key ramps it up one step per 200 ms expiry.
        key(Qt::Key_F6);
        seen << lights();
        QCOMPARE(timer("backlightTimer")->interval(), 200);
        while (timer("backlightTimer")->isActive()) {
            fire("backlightTimer");
            seen << lights();
        }
        QCOMPARE(seen, QStringList({"0/1", "1/2", "1/3", "1/4", "1/5", "1/5"}));
        QCOMPARE(window()->backlightLevel(), 5);

        // Dimming in the middle of a ramp stops it.
        fire("hlKeyboardTimer");
        key(Qt::Key_F6);
        QVERIFY(timer("backlightTimer")->isActive());
        fire("hlKeyboardTimer");
        QVERIFY(!timer("backlightTimer")->isActive());
        QCOMPARE(lights(), QString("0/1"));
        key(Qt::Key_F8);
        while (timer("backlightTimer")->isActive())
            fire("backlightTimer");
        QCOMPARE(lights(), QString("1/5"));
    }

    void idleReturnAndGuard()
    {
        stationReady();
        key(Qt::Key_F8);
        QCOMPARE(timer("idleTimer")->interval(), 300000);
        QVERIFY(timer("idleTimer")->isActive());
        QVERIFY(!timer("mainFormGuardTimer")->isActive());
        fire("idleTimer");
        QVERIFY(statusShown());
        QVERIFY(timer("mainFormGuardTimer")->isActive());
        QCOMPARE(timer("mainFormGuardTimer")->interval(), 60000);
        // Within the guard an idle return leaves the screen alone.
        window()->createMainMenu();
        settle();
        QTest::ignoreMessage(QtDebugMsg, "Delay Show Main Form");
        fire("idleTimer");
        QCOMPARE(currentClass(), QString("MainMenu"));
        fire("mainFormGuardTimer");
        timer("mainFormGuardTimer")->stop();
    }

    void idleReturnWhileBlocked()
    {
        stationReady();
        window()->slotCcsBlock(true);
        settle();
        QCOMPARE(currentClass(), QString("BlockForm"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Red);
        QCOMPARE(window()->headerWidget()->title(), QString::fromUtf8("БЛОКИРОВКА"));
        // Back leaves the block screen; 30 s without input bring it back.
        key(Qt::Key_F3);
        QVERIFY(statusShown());
        QVERIFY(!window()->blockForm());
        QCOMPARE(timer("idleTimer")->interval(), 30000);
        fire("idleTimer");
        QCOMPARE(currentClass(), QString("BlockForm"));
        // Stop while blocked shows it too, and sends no stop command.
        key(Qt::Key_F3);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        key(Qt::Key_F10);
        QCOMPARE(currentClass(), QString("BlockForm"));
        for (const auto& write : writesOf(writes))
            QVERIFY(write.first != 592);
    }

    void blockScreen()
    {
        auto* form = qobject_cast<BlockForm*>(window()->currentForm());
        QVERIFY(form);
        QTRY_VERIFY(form->unblockButton()->hasFocus());
        report("534=0x15180 535=0");
        QVERIFY(form->infoLabel()->text().endsWith("02.01.1970 00:00:00"));
        report("534=0x15FCD");
        QVERIFY(form->infoLabel()->text().endsWith("02.01.1970 01:01:01"));

        // A refused password leaves the station blocked and the screen shown.
        report("571=1");
        m_station->answer = 0;
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        key(Qt::Key_F4);
        QCOMPARE(m_station->lastPrompt, QString::fromUtf8("Введите пароль для снятия блокировки"));
        QCOMPARE(currentClass(), QString("BlockForm"));
        QCOMPARE(writes.size(), 0);
        // Granted: unblock command, back to the status screens.
        m_station->answer = 1;
        QPointer<BaseForm> old = window()->currentForm();
        key(Qt::Key_F4);
        QVERIFY(writesOf(writes).contains(qMakePair(quint16(774), bitsFromFloat(1.f))));
        QVERIFY(statusShown());
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Normal);
        settle();
        QVERIFY(old.isNull());
        report("571=0");

        // The controller lifts the block while the screen is shown.
        window()->showBlockForm();
        settle();
        QCOMPARE(currentClass(), QString("BlockForm"));
        window()->slotCcsBlock(false);
        settle();
        QVERIFY(!window()->isBlocked());
        QVERIFY(statusShown());
    }

    void restartScreen()
    {
        window()->slotCcsRestart(true);
        settle();
        QCOMPARE(currentClass(), QString("RestartForm"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        key(Qt::Key_F8);
        QCOMPARE(timer("idleTimer")->interval(), 30000);
        window()->slotCcsRestart(false);
        settle();
        QVERIFY(statusShown());
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Normal);
        QVERIFY(!window()->restartForm());
    }

    void startKey_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message"); // its start; empty: none shown
        QTest::addColumn<int>("prompts");
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<bool>("status"); // the status pages are shown after
        const Writes start{{593, bitsFromFloat(2.f)}};
        QTest::newRow("locked") << "2051=1" << false << 1 << "Кнопка Start заблокирована!" << 0 << Writes{} << false;
        QTest::newRow("running: shows status") << "13=1" << false << 1 << "" << 0 << Writes{} << true;
        QTest::newRow("prevented: still asks") << "702=0" << false << 1 << "ПУСК ЗАПРЕЩЕН\n" << 1 << start << true;
        QTest::newRow("password refused") << "" << false << 0 << "" << 1 << Writes{} << true;
        QTest::newRow("blocked: unblocks first")
            << "" << true << 1 << "" << 1 << Writes{{774, bitsFromFloat(1.f)}, {593, bitsFromFloat(2.f)}} << true;
    }

    void startKey()
    {
        QFETCH(QString, setup);
        QFETCH(bool, blocked);
        QFETCH(int, answer);
        QFETCH(QString, message);
        QFETCH(int, prompts);
        QFETCH(Writes, writes);
        QFETCH(bool, status);
        stationReady();
        window()->createMainMenu();
        window()->slotCcsBlock(blocked);
        settle();
        report(setup);
        m_station->answer = answer;
        m_station->lastPrompt.clear();
        const int before = m_station->prompts;
        QSignalSpy spy(store(), &Parameters::signalParamWrite);
        key(Qt::Key_F9);
        m_station->answer = 1;
        QCOMPARE(messageCount(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(DialogDriver::dialogText(DialogDriver::openDialogs().first()).startsWith(message));
        QCOMPARE(m_station->prompts, before + prompts);
        if (prompts)
            QCOMPARE(m_station->lastPrompt, QString::fromUtf8("Введите пароль для запуска СУ"));
        QCOMPARE(writesOf(spy), writes);
        if (!writes.isEmpty())
            QCOMPARE(spy.at(0).at(2).toInt(), 1);
        if (status)
            QVERIFY(statusShown());
        window()->slotCcsBlock(false);
        settle();
        QVERIFY(!window()->isBlocked());
    }

    void stopWhileRunningNeedsNoPassword()
    {
        stationReady();
        report("13=1");
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        const int prompts = m_station->prompts;
        key(Qt::Key_F10);
        QCOMPARE(writesOf(writes), (Writes{{592, bitsFromFloat(2.f)}}));
        QCOMPARE(m_station->prompts, prompts);
    }

    void startUnconfirmed()
    {
        stationReady();
        report("782=1");
        app()->getParametersCheck()->resetConfirm();
        QVERIFY(!app()->getParametersCheck()->isConfirmed());
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        const int prompts = m_station->prompts;
        m_dialogs.answerWith(Qt::Key_Return);
        key(Qt::Key_F9);
        QCOMPARE(m_dialogs.answered(), 1);
        QCOMPARE(m_dialogs.texts().last(),
                 QString::fromUtf8("ПУСК ЗАПРЕЩЕН\nНеобходимо подтвердить параметры в мастере настроек"));
        QCOMPARE(m_station->prompts, prompts);
        for (const auto& write : writesOf(writes))
            QVERIFY(write.first != 593);
        report("782=0");
    }

    void errorDialogShownOnce()
    {
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        window()->slotShowErrorDialog(3);
        QCOMPARE(messageCount(), 1);
        window()->slotShowErrorDialog(3);
        QCOMPARE(messageCount(), 1);
        QCOMPARE(window()->errorDialogCode(), 3);
        QCOMPARE(writesOf(writes), (Writes{{765, bitsFromFloat(0.f)}, {765, bitsFromFloat(0.f)}}));
        // Closed, the same code shows again.
        closeDialogs();
        QCOMPARE(window()->errorDialogCode(), 0);
        window()->slotShowErrorDialog(3);
        QCOMPARE(messageCount(), 1);
    }

    void wellName()
    {
        report("1663=0 515=12 516=3 517=4567");
        QCOMPARE(HeaderMainWindow::wellName(), QString::fromUtf8("М-е-12 куст-3 скв-4567"));
        // "AB", a zero byte, then bytes that are not part of the name.
        report("1663=1 1657=0x43004241 1658=0x44444444 1659=0x31 1660=0 1661=0x34333231 1662=0x38373635");
        QCOMPARE(HeaderMainWindow::wellName(), QString::fromUtf8("М-е-AB куст-1 скв-12345678"));
    }

    void logoMarker()
    {
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        {
            HeaderMainWindow withLogo;
            QVERIFY(withLogo.findChild<QLabel*>("iconCompanyLabel"));
        }
        QFile marker(dir.path() + "/logo.no");
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        {
            HeaderMainWindow plain;
            QVERIFY(!plain.findChild<QLabel*>("iconCompanyLabel"));
        }
        QDir::setCurrent(old);
    }

    void busyCounter()
    {
        HeaderMainWindow* header = window()->headerMainWindow();
        auto* busy = header->findChild<QLabel*>("progressLabel_");
        header->showProgress(false);
        QCOMPARE(header->busyCount(), 0);
        header->showProgress(true);
        header->showProgress(true);
        QVERIFY(!busy->isHidden());
        header->showProgress(false);
        header->showProgress(false);
        QVERIFY(busy->isHidden());
    }

private:
    static MainApplication* app() { return UiStation::app(); }
};

VRX_TEST_APPLICATION_MAIN(TestUiMainWindow)
#include "tst_ui_mainwindow.moc"
