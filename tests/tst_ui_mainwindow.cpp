// The application object, the settings applier and the main window: the
// function keys and keypad injection, a panel key through the keypad's scan
// and to the modal dialog under another active window, the start-up writes,
// key light and backlight through the sysfs files, the idle return and its
// guard, Start and Stop, the block and restart screens, the bounded command
// dialogs, a language change, the error dialog shown once, the deviation
// warning acknowledged, the well name in the header and the start-prevent
// banner shown whole, the SCADA protocol's map switch, and the applier's
// system commands, writes and signals for replayed reports.
#include "accessdialog.h"
#include "base_status_form.h"
#include "blockform.h"
#include "common.h"
#include "generalconditionwidget.h"
#include "headermainwindow.h"
#include "headerwidget.h"
#include "log_capture.h"
#include "keyboard.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameterscheck.h"
#include "parametershandler.h"
#include "progressbardialog.h"
#include "pushbutton.h"
#include "stackedform.h"
#include "recorded_commands.h"
#include "systemcommands.h"
#include "test_application.h"
#include "ui_station.h"
#include "wait_for.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>
#include <ctime>

class TestUiMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_sys;
    UiStation* m_station = nullptr;

    static MainApplication* app() { return UiStation::app(); }
    static ParametersHandler* handler() { return UiStation::store()->handler(); }
    // No gathering of network reports runs and no network command is
    // awaited: each runs under a time limit of its own.
    static bool networkIdle()
    {
        for (QTimer* timer : handler()->findChildren<QTimer*>())
            if (timer->isActive())
                return false;
        return true;
    }
    MainWindow* window() { return UiStation::window(); }
    QString currentClass() { return UiStation::currentClass(); }
    bool statusShown() { return qobject_cast<BaseStatusForm*>(UiStation::currentForm()); }
    QTimer* timer(const char* name) { return window()->findChild<QTimer*>(QLatin1String(name)); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    void key(int k) { pressKey(k); settle(); }
    // The key light and the backlight files, as "1/5"; with mark, both become "x".
    QString lights(bool mark = false)
    {
        QString both;
        for (const char* path : {"/sys/class/leds/hl-key/brightness", "/sys/class/backlight/backlight.5/brightness"}) {
            QFile file(m_sys.path() + QLatin1String(path));
            file.open(mark ? QIODevice::WriteOnly : QIODevice::ReadOnly);
            both += (mark ? QString::number(file.write("x")) : QString::fromLatin1(file.readAll())) + "/";
        }
        return both.left(both.size() - 1);
    }
    // A label's text as it is drawn: read as markup where the label takes it so.
    static QString rendered(const QLabel* label)
    {
        const Qt::TextFormat format = label->textFormat();
        if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text())))
            return label->text();
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
    // A single-shot timer's expiry.
    void fire(const char* name) { timer(name)->stop(); QMetaObject::invokeMethod(timer(name), "timeout"); settle(); }
    // Stopped, nothing preventing, no confirmation required; passwords on.
    void stationReady() { report("2051=0 13=0 1360=0 635=0 702=1 685=1 782=0 571=1 633=0"); }

private slots:
    void initTestCase()
    {
        QDir().mkpath(m_sys.path() + "/sys/class/leds/hl-key");
        QDir().mkpath(m_sys.path() + "/sys/class/backlight/backlight.5");
        qputenv("VRX_SYSFS_ROOT", m_sys.path().toLocal8Bit());
        m_station = new UiStation;
        report("1209=5 1208=1 762=0 473=60 572=0 570=0");
        // A keypad key during the first synchronisation, before the main
        // window exists and with nothing focused, is dropped: no widget, not
        // even the application's filter, sees it.
        QVERIFY(!window() && !QApplication::focusWidget());
        QSignalSpy any(app(), &MainApplication::signalKeyRelease);
        QSignalSpy start(app(), &MainApplication::signalKeyPressStart);
        app()->getEvent(Qt::Key_F9, QString());
        QCOMPARE(any.count() + start.count(), 0);
        m_station->showWindow();
    }

    void cleanupTestCase() { delete m_station; }

    void init() { SystemCommands::clearRecorded(); }
    void cleanup() { DialogDriver::closeAll(); }

    void functionKeysAndKeypad()
    {
        stationReady();
        m_station->answer = 0; // the Start key's password is refused
        QLineEdit edit;
        edit.show();
        QApplication::setActiveWindow(&edit);
        edit.setFocus();
        QTRY_VERIFY2(QApplication::focusWidget() == &edit, "the line edit to take the focus");
        QSignalSpy start(app(), &MainApplication::signalKeyPressStart);
        QSignalSpy stop(app(), &MainApplication::signalKeyPressStop);
        // Held down, F9 starts once; F9 and F10 never reach a widget; the
        // keypad's keys take the same road.
        QTest::keyPress(&edit, Qt::Key_F9);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&edit, &repeat);
        app()->getEvent(Qt::Key_F10, QString());
        app()->getEvent(Qt::Key_5, "5");
        QCOMPARE(edit.text(), QString("5"));
        QCOMPARE(start.count(), 1);
        edit.hide(); // with nothing focused they go to the main window
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        app()->getEvent(Qt::Key_F10, QString());
        QCOMPARE(stop.count(), 2);
        m_station->answer = 1;
    }

    // Once the main window exists, a key from the panel (its column line held
    // low while the keypad's scan runs) reaches the focused widget, and each
    // key restarts the access idle timer once.
    void panelKeyReachesTheFocusedWidget()
    {
        QVERIFY(window());
        const auto setLine = [this](int gpio, const char* value) {
            const QString dir = m_sys.path() + QString("/sys/class/gpio/gpio%1").arg(gpio);
            QFile file(dir + "/value");
            return QDir().mkpath(dir) && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                   && file.write(value) == 1;
        };
        for (int gpio : {135, 136, 137, 129, 134, 133, 132, 128, 138})
            QVERIFY(setLine(gpio, "1"));
        QLineEdit edit;
        edit.show();
        QApplication::setActiveWindow(&edit);
        edit.setFocus();
        QTRY_VERIFY2(QApplication::focusWidget() == &edit, "the line edit to take the focus");
        QTimer* idle = app()->findChild<QTimer*>(QStringLiteral("accessTimer"));
        QVERIFY(idle);
        idle->stop();
        QStringList seen; // "release" for the signal, the text for a key
        connect(app(), &MainApplication::signalKeyRelease, &edit, [&seen] { seen << "release"; });
        {
            KeyBoard keyboard;
            connect(&keyboard, &KeyBoard::sendEvent, app(), &MainApplication::getEvent); // as the program does
            connect(&keyboard, &KeyBoard::sendEvent, &edit, [&](int, const QString& text) {
                setLine(134, "1"); // let go
                seen << text;
            });
            // Column 0 holds digits only (4, 3, 2, 1 from the top row down).
            QVERIFY(setLine(134, "0"));
            QVERIFY2(waitFor([&seen] { return !seen.isEmpty() && seen.last() != "release"; }, 5000),
                     "a key from the panel");
        } // the scan ends here: no key comes after
        settle();
        QString typed;
        QStringList expected;
        for (const QString& text : qAsConst(seen))
            if (text != "release") {
                typed += text;
                expected << "release" << text;
            }
        QCOMPARE(seen, expected);
        QCOMPARE(edit.text(), typed);
        QVERIFY2(idle->isActive() && idle->interval() == 300000, "the access idle timer restarted");
    }

    // A panel key with nothing focused goes to the open modal dialog, also
    // when another window has become the active one: the password dialog in
    // its lock-out, where no field takes the focus, closes with Back (F3).
    void panelKeyReachesTheModalDialogUnderAnotherWindow()
    {
        report(QString("722=3 723=0x%1").arg(AccessDialog::now(), 0, 16));
        QPointer<AccessDialog> dialog = new AccessDialog(1, QString(), window(), false);
        QVERIFY2(dialog->passEdit()->isHidden(), "the dialog in its lock-out");
        dialog->show();
        QTRY_VERIFY2(QApplication::activeModalWidget() == dialog, "the password dialog to be the modal window");
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QTRY_VERIFY2(QApplication::activeWindow() == &other && !QApplication::focusWidget(),
                     "another window active, nothing focused");
        app()->getEvent(Qt::Key_F3, QString());
        QTRY_VERIFY2(!dialog || !dialog->isVisible(), "Back to close the password dialog");
        report("722=0 723=0");
    }

    void startUpValues()
    {
        QCOMPARE(MainApplication::versionNumber("3.5.0"), 3.05f);
        // The compiler pads one-digit days with a blank; UTC whatever the zone.
        qputenv("TZ", "America/Caracas");
        tzset();
        QCOMPARE(MainApplication::buildDateSeconds("Dec  6 2026"), 1796515200u);
        qunsetenv("TZ");
        tzset();
        // A later synchronisation (760) writes them again, with no second window.
        QSignalSpy spy(UiStation::store(), &Parameters::signalParamWrite);
        MainWindow* before = window();
        app()->showMainWindow();
        QCOMPARE(window(), before);
        QStringList ids;
        for (const QList<QVariant>& w : spy)
            ids << QStringLiteral("%1/%2").arg(w.at(0).value<quint16>()).arg(w.at(2).toInt());
        QCOMPARE(ids, QStringList({"546/0", "541/0", "1103/0"}));
    }

    void keyLightAndBacklight()
    {
        key(Qt::Key_F8);
        QCOMPARE(lights(), QString("1/5"));
        lights(true); // keys while the light is on write nothing
        key(Qt::Key_F8);
        QCOMPARE(lights(), QString("x/x"));
        // 60 s of rest: light off, backlight to the minimum at once; the next
        // key ramps it up one step per 200 ms.
        fire("hlKeyboardTimer");
        QStringList seen{lights()};
        key(Qt::Key_F6);
        for (seen << lights(); timer("backlightTimer")->isActive(); seen << lights())
            fire("backlightTimer");
        QCOMPARE(seen, QStringList({"0/1", "1/2", "1/3", "1/4", "1/5", "1/5"}));
        // A report of the backlight's maximum (1209) raises it a step too.
        fire("hlKeyboardTimer");
        QCOMPARE(lights(), QString("0/1"));
        report("1209=5");
        QCOMPARE(lights(), QString("0/2"));
        while (timer("backlightTimer")->isActive())
            fire("backlightTimer");
        QCOMPARE(lights(), QString("0/5"));
    }

    void idleReturnAndGuard()
    {
        key(Qt::Key_F8);
        QCOMPARE(timer("idleTimer")->interval(), 300000);
        fire("idleTimer");
        QVERIFY(statusShown());
        QCOMPARE(timer("mainFormGuardTimer")->interval(), 60000);
        window()->createMainMenu(); // within the guard an idle return leaves it
        QTest::ignoreMessage(QtDebugMsg, "Delay Show Main Form");
        fire("idleTimer");
        QCOMPARE(currentClass(), QString("MainMenu"));
        emit app()->signalShowMainParamsForm();
        QVERIFY(statusShown());
        timer("mainFormGuardTimer")->stop();
    }

    void blockAndRestartScreens()
    {
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        report("633=3");
        QCOMPARE(currentClass(), QString("BlockForm"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Red);
        // Back leaves it; 30 s without input bring it back; so does Stop,
        // which sends no stop command.
        key(Qt::Key_F3);
        QCOMPARE(timer("idleTimer")->interval(), 30000);
        fire("idleTimer");
        key(Qt::Key_F3);
        key(Qt::Key_F10);
        QCOMPARE(currentClass(), QString("BlockForm"));
        // Its button asks the password, then sends the unblock command.
        QTRY_VERIFY2(qobject_cast<BlockForm*>(window()->currentForm())->unblockButton()->hasFocus(), "the button");
        key(Qt::Key_F4);
        QCOMPARE(m_station->lastPrompt, QString::fromUtf8("Введите пароль для снятия блокировки"));
        QCOMPARE(writesOf(writes), Writes() << qMakePair(quint16(774), bitsFromFloat(1.f)));
        // The controller lifts the block; a restart comes when the motor stops.
        report("13=1 633=2");
        QVERIFY(statusShown());
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Normal);
        report("13=0");
        QCOMPARE(currentClass(), QString("RestartForm"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        report("685=1 843=0 633=1"); // a delay, without its screen for this drive
        QVERIFY(statusShown());
        QSignalSpy delay(handler(), &ParametersHandler::signalCcsDelay);
        report("843=1 633=0 633=1 633=0");
        QCOMPARE(delay.count(), 1);
    }

    void startAndStopKeys_data()
    {
        QTest::addColumn<QString>("setup"); // "password refused" refuses it
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("message"); // its start; empty: none shown
        QTest::addColumn<int>("prompts");
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<QString>("shown"); // the screen after; empty: the status pages
        const Writes start{{593, bitsFromFloat(2.f)}};
        const int f9 = Qt::Key_F9;
        QTest::newRow("locked") << "2051=1" << f9 << "Кнопка Start заблокирована!" << 0 << Writes{} << "MainMenu";
        QTest::newRow("running: status only") << "13=1" << f9 << "" << 0 << Writes{} << "";
        QTest::newRow("prevented: still asks") << "702=0" << f9 << "ПУСК ЗАПРЕЩЕН\n" << 1 << start << "";
        QTest::newRow("password refused") << "password refused" << f9 << "" << 1 << Writes{} << "";
        QTest::newRow("blocked: unblocks first")
            << "633=3" << f9 << "" << 1 << Writes{{774, bitsFromFloat(1.f)}, {593, bitsFromFloat(2.f)}} << "";
        QTest::newRow("unconfirmed: to the wizard")
            << "782=1" << f9 << "ПУСК ЗАПРЕЩЕН\nНеобходимо подтвердить параметры в мастере настроек" << 0 << Writes{}
            << "SettingsWizardForm";
        QTest::newRow("stop while running, no password")
            << "13=1" << int(Qt::Key_F10) << "" << 0 << Writes{{592, bitsFromFloat(2.f)}} << "MainMenu";
    }
    void startAndStopKeys()
    {
        QFETCH(QString, setup);
        QFETCH(int, key);
        QFETCH(QString, message);
        QFETCH(int, prompts);
        QFETCH(Writes, writes);
        QFETCH(QString, shown);
        stationReady();
        app()->getParametersCheck()->resetConfirm();
        window()->createMainMenu();
        report(setup.contains('=') ? setup : QString());
        m_station->answer = setup.contains('=') ? 1 : 0;
        m_station->prompts = 0;
        QSignalSpy spy(UiStation::store(), &Parameters::signalParamWrite);
        {
            DialogDriver driver;
            if (!message.isEmpty())
                driver.answerWith(Qt::Key_Return);
            this->key(key);
            QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the message to be answered");
            QVERIFY(message.isEmpty() ? driver.answered() == 0 : driver.texts().first().startsWith(message));
        }
        QCOMPARE(m_station->prompts, prompts);
        QVERIFY(!prompts || m_station->lastPrompt == QString::fromUtf8("Введите пароль для запуска СУ"));
        QCOMPARE(writesOf(spy), writes);
        QVERIFY(writes.isEmpty() || spy.at(0).at(2).toInt() == 1);
        QVERIFY(shown.isEmpty() ? statusShown() : currentClass() == shown);
        m_station->answer = 1;
    }

    // A command dialog the controller never ends closes after its bound,
    // restarted by every progress report, with a warning.
    void commandDialogsAreBounded_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        QTest::newRow("archive copy") << "594=1" << QString::fromUtf8("Копирование архивов:");
        QTest::newRow("software update") << "757=1" << QString::fromUtf8("Обновление ПО:");
    }
    void commandDialogsAreBounded()
    {
        QFETCH(QString, command);
        QFETCH(QString, text);
        ProgressBarDialog::setCommandTimeoutMs(1000);
        DialogDriver driver;
        driver.answerWith(QList<int>()); // the progress takes no keys
        driver.answerWith(Qt::Key_Return);
        report(command);
        auto* progress = DialogDriver::openDialog<ProgressBarDialog>();
        QVERIFY2(progress && progress->isModal(), "the command's progress dialog");
        QTRY_VERIFY2(progress->closeTimer()->remainingTime() < 700, "the bound to run");
        report("724=1");
        QVERIFY(progress->closeTimer()->remainingTime() > 700);
        QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the progress to give up and its warning to be read");
        QCOMPARE(driver.texts().size(), 2);
        QCOMPARE(driver.texts().last(), ProgressBarDialog::timeoutText(text));
        ProgressBarDialog::setCommandTimeoutMs(0);
    }

    // A new language rebuilds only the menus, cursor on the first entry; the
    // backlight is raised on every report of the language.
    void languageChangeRebuildsOnlyTheMenus()
    {
        m_station->drive.report(633, 3.f, 0); // blocked, unseen by the applier
        window()->showMainParamsForm();
        window()->stackedForm()->setCurrentForm(2, -1);
        lights(true);
        report("570=1");
        QCOMPARE(app()->getLanguage(), 1);
        QCOMPARE(currentClass(), QString("MainMenu"));
        // Built once the translation is loaded, so in the new language.
        QCOMPARE(window()->currentForm()->title(), QString("MENU"));
        QCOMPARE(window()->currentForm()->currentRow(), window()->currentForm()->subFormButtons().value(0));
        QVERIFY(!window()->isBlocked());
        QCOMPARE(lights(), QString("x/5"));
        QPointer<BaseForm> menu = window()->currentForm();
        lights(true);
        report("570=1");
        settle();
        QCOMPARE(lights(), QString("x/5"));
        QCOMPARE(window()->currentForm(), menu.data());
        report("570=0 633=0");
    }

    void errorDialogShownOnce()
    {
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        DialogDriver driver;
        driver.answerWith(Qt::Key_Return);
        // The controller's error code twice, before the first dialog is read.
        UiStation::store()->slotParamUpdated(765, bitsFromFloat(3.f), Parameters::KindValue);
        UiStation::store()->slotParamUpdated(765, bitsFromFloat(3.f), Parameters::KindValue);
        QTRY_VERIFY2(driver.answered() == 1 && window()->errorDialogCode() == 0, "the error dialog to be read");
        driver.answerWith(Qt::Key_Return);
        window()->slotShowErrorDialog(3); // once closed, the same code shows again
        QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the second error dialog to be answered");
        QCOMPARE(driver.texts(), QStringList({Common::getTextErrorSlave(3), Common::getTextErrorSlave(3)}));
        QCOMPARE(writesOf(writes).count(qMakePair(quint16(765), bitsFromFloat(0.f))), writes.size());
        QCOMPARE(writes.size(), 3);
    }

    // The controller's deviation warning: "Ok" and Esc each acknowledge it
    // with one 1513 = 0, and each dialog is freed once it closes.
    void deviationWarningAcknowledged()
    {
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        DialogDriver driver;
        for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
            driver.answerWith(key);
            report("1513=3");
            QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty() && driver.pending() == 0, "the warning answered");
        }
        QCOMPARE(driver.answered(), 2);
        QVERIFY(driver.texts().first().startsWith(QString("ОТКЛОНЕНИЕ ОТ РАБОЧИХ ПАРАМЕТРОВ\n")));
        QVERIFY(driver.texts().first().endsWith("\n" + Common::getTextReasonStop(3)));
        QCOMPARE(writesOf(writes), Writes({{1513, bitsFromFloat(0.f)}, {1513, bitsFromFloat(0.f)}}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window()->findChildren<MessageDialog*>().size(), 0);
        report("1513=0");
    }

    // The header names the well by parameters 515 to 517 or, with 1663 set,
    // by the texts of 1657 to 1662, each up to its first zero byte.
    void wellName()
    {
        QLabel* well = nullptr;
        for (QLabel* label : window()->headerMainWindow()->findChildren<QLabel*>()) {
            if (label->objectName().isEmpty())
                well = label;
        }
        QVERIFY2(well, "the header's well label");
        report("1663=0 515=12 516=3 517=4567");
        window()->headerMainWindow()->slotUpdateValue(); // what its timer runs
        QCOMPARE(well->text(), QString::fromUtf8("М-е-12 куст-3 скв-4567"));
        // Numbers past six digits either way read the same on every Qt 5.
        report("515=12345678 516=0.00001 517=-2.5e-7");
        window()->headerMainWindow()->slotUpdateValue();
        QCOMPARE(well->text(), QString::fromUtf8("М-е-1.23457e+07 куст-1e-05 скв--2.5e-07"));
        // "AB", a zero byte, then bytes that are not part of the name.
        report("1663=1 1657=0x43004241 1658=0x44444444 1659=0x31 1660=0 1661=0x34333231 1662=0x38373635");
        window()->headerMainWindow()->slotUpdateValue();
        QCOMPARE(well->text(), QString::fromUtf8("М-е-AB куст-1 скв-12345678"));
        QCOMPARE(HeaderMainWindow::wellName(), well->text());
        // A name that reads like markup is shown as typed.
        report("1657=0x413E623C 1658=0");
        window()->headerMainWindow()->slotUpdateValue();
        QCOMPARE(rendered(well), QString::fromUtf8("М-е-<b>A куст-1 скв-12345678"));
    }

    // The start condition's text holds a "<": the start-prevent banner of the
    // status screen shows it whole, in Russian and in English.
    void preventBannerShowsItsWholeText()
    {
        for (int id : Common::preventIdsList())
            m_station->drive.report(quint16(qMax(id, 0)), 0.f);
        report("666=0 685=1 702=1 1360=1359 1359=1172");
        const QString shown[] = {QString::fromUtf8("ПУСК ЗАПРЕЩЕН\nЗначение %1 < %2, увеличьте %3"),
                                 QStringLiteral("START INHIBITED\nValue %1 < %2, increase %3")};
        for (int language : {0, 1}) {
            report(QStringLiteral("570=%1").arg(language));
            window()->showMainParamsForm();
            auto* banner = window()->currentForm()->findChild<GeneralConditionWidget*>();
            QVERIFY2(banner, "the banner on the first status screen");
            const QString expected = shown[language].arg(Common::getTextFromId(1172), Common::getTextFromId(1173),
                                                         Common::getTextFromId(698));
            QTRY_COMPARE(rendered(banner->conditionLabel()), expected);
        }
        report("570=0 1360=0");
    }

    void clockSetOncePerRun()
    {
        // 0x7FC00001 is a NaN as a float and a valid date-time (2037.12.01).
        QTest::ignoreMessage(QtWarningMsg, "[dry-run] /bin/date -s 2037.12.01-14:09:05");
        report("562=0x7FC00001 562=0x7FC00002");
        QCOMPARE(recordedCommands(), QStringList{"/bin/date -s 2037.12.01-14:09:05"});
    }

    // Octet updates that come together make one change; octets that are no
    // octets make none. Each row goes on from the setting the row before left.
    void networkSettingsGatherTheirOctets_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("invalid"); // "not a valid IPv4 value" lines
        // No gateway has been reported yet.
        QTest::newRow("address") << "864=192 865=168 866=1 867=20 868=255 869=255 870=255 871=0"
                                 << QStringList{"/sbin/ifconfig eth0 192.168.1.20 netmask 255.255.255.0"} << 1;
        QTest::newRow("gateway") << "2052=192 2053=168 2054=1 2055=1"
                                 << QStringList{"/sbin/route del default", "/sbin/route add default gw 192.168.1.1 eth0"}
                                 << 0;
        QTest::newRow("octet above 255") << "867=300" << QStringList() << 1;
        // The address is still not valid, and the gateway is judged with it.
        QTest::newRow("fractional octet") << "2055=1.5" << QStringList() << 2;
    }
    void networkSettingsGatherTheirOctets()
    {
        QFETCH(QString, reports);
        QFETCH(QStringList, commands);
        QFETCH(int, invalid);
        auto* gather = handler()->findChild<QTimer*>("networkTimer");
        for (int i = 0; i < invalid; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a valid IPv4"));
        for (const QString& command : commands)
            QTest::ignoreMessage(QtWarningMsg, qPrintable("[dry-run] " + command));
        report(reports);
        QCOMPARE(gather->interval(), 500);
        QTRY_VERIFY2(!gather->isActive(), "the 500 ms gathering to end");
        QVERIFY2(waitFor([this] { return networkIdle(); }), "the network's commands to end");
        QCOMPARE(recordedCommands(), commands);
    }

    // Addresses, masks and gateways no station could mean are refused with a
    // "not applied" line and start nothing; the good ones still do. Each row
    // reports the station's address and mask and, when given, a gateway, over
    // a setting of its own.
    void networkSettingsRefuseWhatNoStationCouldMean_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("gateway");  // empty: not reported
        QTest::addColumn<QStringList>("refused"); // what the "not applied" lines say, in order
        const QString mask24 = "255.255.255.0";
        const auto row = [](const char* name, const QString& address, const QString& mask, const QString& gateway,
                            const QStringList& refused) {
            QTest::newRow(name) << address << mask << gateway << refused;
        };
        row("good, /24", "192.168.1.20", mask24, "192.168.1.1", {});
        row("good, /8, gateway at the far end", "10.1.2.3", "255.0.0.0", "10.255.255.254", {});
        row("good, /31, both addresses hosts", "10.0.0.0", "255.255.255.254", "10.0.0.1", {});
        row("address unspecified", "0.0.0.0", mask24, "", {"address 0.0.0.0 is the unspecified"});
        row("address broadcast", "255.255.255.255", mask24, "", {"address 255.255.255.255 is the broadcast address"});
        row("address in 0/8", "0.1.2.3", mask24, "", {"address 0.1.2.3 names no host"});
        row("address loopback", "127.1.2.3", mask24, "", {"address 127.1.2.3 is a loopback"});
        row("address multicast, lowest", "224.0.0.1", mask24, "", {"address 224.0.0.1 is a multicast"});
        row("address multicast, highest", "239.255.255.250", mask24, "", {"address 239.255.255.250 is a multicast"});
        row("address reserved", "240.0.0.1", mask24, "", {"address 240.0.0.1 is a reserved"});
        row("address names its network", "192.168.1.0", mask24, "", {"address 192.168.1.0 is the address of its network 192.168.1.0/24"});
        row("address broadcast of its network", "192.168.1.255", mask24, "",
            {"address 192.168.1.255 is the broadcast address of its network 192.168.1.0/24"});
        row("mask zero", "192.168.1.20", "0.0.0.0", "", {"mask 0.0.0.0 is zero"});
        row("mask with a hole", "192.168.1.20", "255.0.255.0", "", {"mask 255.0.255.0 is not contiguous"});
        row("mask with a hole at its end", "192.168.1.20", "255.255.255.253", "", {"mask 255.255.255.253 is not contiguous"});
        row("mask full", "192.168.1.20", "255.255.255.255", "", {"mask 255.255.255.255 leaves no other host"});
        row("gateway unspecified", "192.168.1.20", mask24, "0.0.0.0", {"Set Gateway: 0.0.0.0 is the unspecified"});
        row("gateway broadcast", "192.168.1.20", mask24, "255.255.255.255", {"Set Gateway: 255.255.255.255 is the broadcast"});
        row("gateway loopback", "192.168.1.20", mask24, "127.0.0.1", {"Set Gateway: 127.0.0.1 is a loopback"});
        row("gateway multicast", "192.168.1.20", mask24, "224.0.0.1", {"Set Gateway: 224.0.0.1 is a multicast"});
        row("gateway reserved", "192.168.1.20", mask24, "250.1.1.1", {"Set Gateway: 250.1.1.1 is a reserved"});
        row("gateway on another network", "192.168.1.20", mask24, "192.168.2.1",
            {"Set Gateway: 192.168.2.1 is outside the station's network 192.168.1.0/24"});
        row("gateway the station itself", "192.168.1.20", mask24, "192.168.1.20",
            {"Set Gateway: 192.168.1.20 is the station's own address"});
        row("gateway names the network", "192.168.1.20", mask24, "192.168.1.0",
            {"Set Gateway: 192.168.1.0 is the address of its network"});
        row("gateway broadcast of the network", "192.168.1.20", mask24, "192.168.1.255",
            {"Set Gateway: 192.168.1.255 is the broadcast address of its network"});
        row("gateway of a station that has no usable address", "192.168.1.255", mask24, "192.168.1.1",
            {"address 192.168.1.255 is the broadcast address", "Set Gateway: 192.168.1.1 cannot be judged"});
    }
    void networkSettingsRefuseWhatNoStationCouldMean()
    {
        QFETCH(QString, address);
        QFETCH(QString, mask);
        QFETCH(QString, gateway);
        QFETCH(QStringList, refused);
        const auto octets = [](quint16 first, const QString& dotted) {
            QString reports;
            const QStringList parts = dotted.split('.');
            for (int i = 0; i < parts.size(); ++i)
                reports += QString("%1=%2 ").arg(first + i).arg(parts.at(i));
            return reports;
        };
        auto* gather = handler()->findChild<QTimer*>("networkTimer");
        const auto applyNow = [gather] {
            gather->stop();
            QMetaObject::invokeMethod(gather, "timeout");
            return waitFor([] { return networkIdle(); });
        };
        report(octets(864, "10.9.9.9") + octets(868, "255.255.255.0") + octets(2052, "10.9.9.1"));
        QVERIFY2(applyNow(), "the setting before the row to be applied");
        SystemCommands::clearRecorded();
        QStringList expected;
        const auto refusedOne = [&refused](const QStringList& starts) {
            for (const QString& reason : refused)
                for (const QString& start : starts)
                    if (reason.startsWith(start))
                        return true;
            return false;
        };
        if (!refusedOne({"address ", "mask "})) {
            expected << QString("/sbin/ifconfig eth0 %1 netmask %2").arg(address, mask);
            if (!gateway.isEmpty() && !refusedOne({"Set Gateway"}))
                expected << "/sbin/route del default" << QString("/sbin/route add default gw %1 eth0").arg(gateway);
        }
        for (const QString& command : expected)
            QTest::ignoreMessage(QtWarningMsg, qPrintable("[dry-run] " + command));
        for (const QString& reason : refused)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(reason) + ".*, not applied$"));
        LogCapture log;
        report(octets(864, address) + octets(868, mask) + (gateway.isEmpty() ? QString() : octets(2052, gateway)));
        // The gathering has begun; its end is not waited for.
        QVERIFY(gather->isActive());
        QVERIFY2(applyNow(), "the row's commands to end");
        QCOMPARE(recordedCommands(), expected);
        QCOMPARE(log.count("not applied"), refused.size());
    }

    // The access-point name from 1661/1662 reaches the Wi-Fi tools only when
    // it holds nothing but letters, digits, '_' and '-'; the key is taken from
    // wpa_passphrase's own psk line only, 64 hexadecimal digits.
    void wifiNameCannotInject_data()
    {
        QTest::addColumn<QByteArray>("name");   // up to 8 bytes; empty: the well number 4567
        QTest::addColumn<QByteArray>("answer"); // wpa_passphrase's output; empty: what it writes for the name
        QTest::addColumn<int>("commands");      // 0 refused, 1 wpa_passphrase only, 10 the key taken and applied
        const QByteArray key(64, 'c');
        QTest::newRow("quote") << QByteArray("ab\"c") << QByteArray() << 0;
        QTest::newRow("comma") << QByteArray("x,CH=11") << QByteArray() << 0;
        QTest::newRow("psk=") << QByteArray("psk=0000") << QByteArray() << 0;
        QTest::newRow("blank") << QByteArray("a b") << QByteArray() << 0;
        QTest::newRow("newline at the end") << QByteArray("Pad1\n") << QByteArray() << 0;
        QTest::newRow("letter outside ASCII") << QByteArray("\xD0\x96" "1") << QByteArray() << 0;
        QTest::newRow("good") << QByteArray("Pad_7-x1") << QByteArray() << 10;
        QTest::newRow("well number") << QByteArray() << QByteArray() << 10;
        QTest::newRow("key on its own line only")
            << QByteArray("Pad1")
            << QByteArray("network={\n\tssid=\"psk=" + QByteArray(64, 'd') + "\"\n\t#psk=\"47301958\"\n\tpsk=" + key
                          + "\n}\n")
            << 10;
        QTest::newRow("key of 64 digits only")
            << QByteArray("Pad1") << QByteArray("network={\n\tssid=\"Well_Pad1\"\n\tpsk=0000\n}\n") << 1;
    }
    void wifiNameCannotInject()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, answer);
        QFETCH(int, commands);
        const QString shown = name.isEmpty() ? QString("4567") : QString::fromUtf8(name);
        const QString ssid = "Well_" + shown;
        const QByteArray key(64, 'c');
        if (answer.isEmpty())
            answer = "network={\n\tssid=\"" + ssid.toUtf8() + "\"\n\t#psk=\"47301958\"\n\tpsk=" + key + "\n}\n";
        SystemCommands::setDryRunOutput("wpa_passphrase", answer);
        const QByteArray bytes = name.leftJustified(8, '\0');
        const auto word = [&bytes](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
        report(name.isEmpty() ? QString("1663=0 517=4567")
                              : QString("1663=1 1661=0x%1 1662=0x%2").arg(word(0), 0, 16).arg(word(4), 0, 16));
        QCOMPARE(handler()->accessPointName(), shown);
        for (int i = 0; i < commands; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^\\[dry-run\\] "));
        LogCapture log;
        handler()->setWifi(); // what the Wi-Fi timer runs
        SystemCommands::setDryRunOutput("wpa_passphrase", QByteArray());
        const QStringList recorded = recordedCommands();
        QCOMPARE(recorded.size(), commands);
        QCOMPARE(log.count("not applied"), commands == 0 ? 1 : 0);
        if (commands > 0)
            QCOMPARE(recorded.first(), QString("wpa_passphrase %1 47301958").arg(ssid));
        if (commands == 10)
            QCOMPARE(recorded.filter("AP_SET_CFG"),
                     QStringList{QString("iwpriv wlan0 AP_SET_CFG ASCII_CMD=AP_CFG,SSID=\"%1\",SEC=\"wpa2-psk\",KEY=%2,"
                                         "CHANNEL=4,PREAMBLE=0,MAX_SCB=3,END")
                                     .arg(ssid, QString::fromLatin1(key))});
    }

    void limitsAndInvalidValuesNeverAct()
    {
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        QSignalSpy sync(handler(), &ParametersHandler::signalSyncAllParams);
        report("760:min=1 760:max=1");
        m_station->drive.report(760, 0.f, Parameters::KindPhysic);
        m_station->drive.report(760, 1.f, 0); // stored, but kind 0 never acts
        report("760=0x7FC00000 760=nan"); // a NaN, the invalid value
        QCOMPARE(sync.count() + writes.count(), 0);
        report("760=1");
        QCOMPARE(sync.count(), 1);
        QCOMPARE(writesOf(writes), Writes() << qMakePair(quint16(760), bitsFromFloat(0.f)));
        QVERIFY(UiStation::store()->isSyncRunning());
    }

    // The first report of the SCADA protocol builds the map on the
    // application's SCADA thread (0: the thread, no map).
    void scadaProtocolBuildsTheMap()
    {
        QVERIFY2(!app()->getScadaThread(), "no SCADA protocol reported before");
        report("578=0");
        QVERIFY2(app()->getScadaThread(), "the SCADA thread, made at the report");
        QVERIFY(!app()->getScada());
    }

    // The controller sets the command to 1, the program answers 0 once, and
    // the fall from 1 to 0 runs the command once. Last: both end the program's
    // event loops.
    void commandsOnTheFallingEdge_data()
    {
        QTest::addColumn<quint16>("id");
        QTest::addColumn<QString>("command");
        QTest::newRow("reboot") << quint16(759) << "/sbin/reboot";
        QTest::newRow("power off") << quint16(694) << "/sbin/poweroff";
    }
    void commandsOnTheFallingEdge()
    {
        QFETCH(quint16, id);
        QFETCH(QString, command);
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        QSignalSpy quit(handler(), &ParametersHandler::signalRequestQuit);
        report(QStringLiteral("%1=0 %1=1 %1=1").arg(id)); // 0 without a preceding 1: nothing
        QVERIFY(recordedCommands().isEmpty());
        QCOMPARE(writesOf(writes), Writes() << qMakePair(id, bitsFromFloat(0.f)));
        key(Qt::Key_F8); // the key light on
        lights(true);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("[dry-run] " + command));
        report(QStringLiteral("%1=0").arg(id));
        QCOMPARE(recordedCommands(), QStringList{command});
        QCOMPARE(quit.count(), 1);
        QVERIFY2(app()->isQuitting(), "the program's stop");
        // Powering off puts the key light out and dims the screen; a reboot leaves both.
        QCOMPARE(lights(), id == 694 ? QString("0/1") : QString("x/x"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestUiMainWindow)
#include "tst_ui_mainwindow.moc"
