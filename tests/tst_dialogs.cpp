// The dialog base and its message, progress, splash and USB dialogs: key-driven
// buttons, Esc, the self-rejection of an unanswered dialog, showLoop's safety,
// the progress of a controller command and of the first synchronisation.
#include "echo_controller.h"
#include "messagedialog.h"
#include "progressbardialog.h"
#include "pushbutton.h"
#include "splashscreen.h"
#include "test_application.h"
#include "ui_station.h"
#include "usbconnectdialog.h"

#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>

namespace {

// A key as the keypad gives it: to the focused widget of the dialog, from
// where an ignored key climbs to the dialog.
void press(QWidget* dialog, Qt::Key key)
{
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EchoController* m_echo = nullptr;
    MainApplication* app() { return UiStation::app(); }
    Parameters* store() { return UiStation::store(); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        m_echo = new EchoController(store());
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_station;
    }

    void buttonsByType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("style");
        QTest::newRow("question") << 0 << QStringList{"Да", "Нет"} << QString();
        QTest::newRow("information") << 1 << QStringList{"Ok"} << QString();
        QTest::newRow("error") << 2 << QStringList{"Ok"} << QString("#dialogMessageLabel_ { background: red; }");
        QTest::newRow("warning") << 3 << QStringList{"Ok"} << QString("#dialogMessageLabel_ { background: #FF8000; }");
        QTest::newRow("unknown type asks") << 7 << QStringList{"Да", "Нет"} << QString();
    }

    void buttonsByType()
    {
        QFETCH(int, type);
        QFETCH(QStringList, texts);
        QFETCH(QString, style);
        auto* dialog = new MessageDialog("m", static_cast<MessageDialog::MsgType>(type), nullptr);
        QVERIFY(dialog->isModal());
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(dialog->messageLabel()->text(), QString("m"));
        QCOMPARE(dialog->buttonCount(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(dialog->button(i)->text(), texts.at(i));
        QCOMPARE(dialog->focusedButton(), texts.size() - 1);
        QCOMPARE(dialog->messageLabel()->styleSheet(), style);
        QVERIFY(dialog->closeTimer()->isActive());
        QCOMPARE(dialog->closeTimer()->interval(), 300000);
        delete dialog;
    }

    void questionNavigationAndEnter()
    {
        QPointer<MessageDialog> dialog = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
        bool checked = false;
        QTimer::singleShot(0, dialog, [&]() {
            // Opens on "Нет".
            QCOMPARE(dialog->focusedButton(), 1);
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(dialog->button(1)));
            press(dialog, Qt::Key_Left);
            QCOMPARE(dialog->focusedButton(), 0);
            QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(dialog->button(0)));
            // No wrap at the first button.
            press(dialog, Qt::Key_Left);
            QCOMPARE(dialog->focusedButton(), 0);
            // Right and back with the keypad's keys.
            press(dialog, Qt::Key_F7);
            QCOMPARE(dialog->focusedButton(), 1);
            press(dialog, Qt::Key_F7);
            QCOMPARE(dialog->focusedButton(), 1);
            press(dialog, Qt::Key_F5);
            QCOMPARE(dialog->focusedButton(), 0);
            checked = true;
            press(dialog, Qt::Key_Return);
        });
        const int result = dialog->exec();
        QVERIFY(checked);
        QCOMPARE(result, 1);
        flushDeferredDeletes();
        QVERIFY(dialog.isNull());
    }

    void enterOnNoAndEscapeRefuse()
    {
        for (Qt::Key key : {Qt::Key_Enter, Qt::Key_F3}) {
            auto* dialog = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
            QTimer::singleShot(0, dialog, [dialog, key]() { press(dialog, key); });
            QCOMPARE(dialog->exec(), 0);
        }
    }

    void unansweredQuestionTimesOut()
    {
        // exec() and showLoop() alike: the close timer is driven, not waited for.
        auto* first = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
        QTimer::singleShot(0, first, [first]() { first->closeTimer()->start(1); });
        QCOMPARE(first->exec(), 0);

        QPointer<MessageDialog> second = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
        QTimer::singleShot(0, second, [second]() {
            QVERIFY(second->closeTimer()->isActive());
            second->closeTimer()->start(1);
        });
        QCOMPARE(second->showLoop(), 0);
        flushDeferredDeletes();
        QVERIFY(second.isNull());
    }

    void showLoopKeepsSelfDeletingDialogAlive()
    {
        QPointer<MessageDialog> dialog = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
        QTimer::singleShot(0, dialog, [dialog]() {
            press(dialog, Qt::Key_Left);
            press(dialog, Qt::Key_Return);
        });
        QCOMPARE(dialog->showLoop(), 1);
        // Still there to be asked, deleted once control is back at the event loop.
        QVERIFY(!dialog.isNull());
        QVERIFY(!dialog->isVisible());
        flushDeferredDeletes();
        QVERIFY(dialog.isNull());
    }

    void replacingTheScreenDuringShowLoop_data()
    {
        QTest::addColumn<bool>("deferred");
        QTest::newRow("screen deleted at once") << false;
        QTest::newRow("screen deleted later") << true;
    }

    void replacingTheScreenDuringShowLoop()
    {
        QFETCH(bool, deferred);
        QPointer<QWidget> screen = new QWidget;
        screen->resize(640, 480);
        screen->show();
        QPointer<MessageDialog> dialog = new MessageDialog("Продолжить?", MessageDialog::Question, screen);
        QTimer::singleShot(0, screen, [screen, deferred]() {
            if (deferred)
                screen->deleteLater();
            else
                delete screen.data();
        });
        QCOMPARE(dialog->showLoop(), 0);
        QVERIFY(screen.isNull());
        QVERIFY(dialog.isNull());
    }

    void progressTexts()
    {
        QCOMPARE(ProgressBarDialog::percent(7, 10), 70);
        QCOMPARE(ProgressBarDialog::percent(12, 10), 100);
        QCOMPARE(ProgressBarDialog::percent(0, 10), 0);
        QCOMPARE(ProgressBarDialog::percent(1, 3), 33);
        QCOMPARE(ProgressBarDialog::progressText("Копирование архивов:", "выполнено", "прошло", 0, 0, 65000),
                 QString("Копирование архивов:\nпрошло 01:05"));
        QCOMPARE(ProgressBarDialog::progressText("Копирование архивов:", "выполнено", "прошло", 7, 10, 3000),
                 QString("Копирование архивов:\nвыполнено 70%\nпрошло 00:03"));
        // Minutes of the hour.
        QCOMPARE(ProgressBarDialog::progressText("t", "completed", "passed", 12, 10, (3600 + 61) * 1000),
                 QString("t\ncompleted 100%\npassed 01:01"));
    }

    void progressDialogClosesOnlyWhenCommandEnds()
    {
        report("595=1");
        QPointer<ProgressBarDialog> dialog = new ProgressBarDialog("Очистка", nullptr, 595, true);
        QVERIFY(!dialog->isDeleteOnClose());
        QCOMPARE(dialog->progressBar()->objectName(), QString("progressBar_"));
        QCOMPARE(dialog->progressBar()->maximum(), 0);
        dialog->show();

        QSignalSpy closed(dialog.data(), &Dialog::signalClosed);
        press(dialog, Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        QVERIFY(dialog->isVisible());

        report("725=10");
        QCOMPARE(dialog->maximum(), 10);
        QCOMPARE(dialog->progressBar()->maximum(), 10);
        QCOMPARE(dialog->progressBar()->format(), QString("%v/10"));
        report("724=7");
        QCOMPARE(dialog->value(), 7);
        dialog->slotShowText();
        QVERIFY(dialog->messageLabel()->text().startsWith("Очистка\nвыполнено 70%\nпрошло "));
        QCOMPARE(dialog->progressBar()->value(), 7);

        report("724=0 725=0 595=2");
        QVERIFY(dialog->isVisible());

        QSignalSpy accepted(dialog.data(), &QDialog::accepted);
        report("595=0");
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!dialog->isVisible());
        flushDeferredDeletes();
        QVERIFY(dialog.isNull());
    }

    void progressDialogRefreshesItself()
    {
        QPointer<ProgressBarDialog> dialog = new ProgressBarDialog("Ожидание", nullptr, 0, true);
        auto* refresh = dialog->findChild<QTimer*>("refreshTimer");
        QVERIFY(refresh);
        QVERIFY(refresh->isActive());
        QCOMPARE(refresh->interval(), 250);
        QSignalSpy ticks(refresh, &QTimer::timeout);
        QVERIFY(ticks.wait());
        QVERIFY(dialog->messageLabel()->text().startsWith("Ожидание\nпрошло 00:"));
        // Without a command it watches nothing: the owner closes it.
        report("725=10");
        QCOMPARE(dialog->maximum(), 0);
        delete dialog;

        auto* silent = new ProgressBarDialog("Ожидание", nullptr, 0, false);
        QVERIFY(!silent->findChild<QTimer*>("refreshTimer"));
        QCOMPARE(silent->messageLabel()->text(), QString("Ожидание"));
        delete silent;
    }

    void splashFollowsTheSynchronisation()
    {
        QPointer<SplashScreen> splash = new SplashScreen("Loading...", nullptr);
        QVERIFY(!splash->testAttribute(Qt::WA_DeleteOnClose));
        connect(store(), &Parameters::signalSyncBegin, splash.data(), &SplashScreen::slotSyncBegin);
        connect(store(), &Parameters::signalSyncCount, splash.data(), &SplashScreen::slotSyncCount);
        splash->show();

        store()->syncAllParams();
        const int total = store()->count();
        QCOMPARE(splash->total(), total);
        QCOMPARE(splash->doneCount(), 0);
        QCOMPARE(splash->progressBar()->maximum(), total);
        QCOMPARE(splash->progressBar()->format(), QString("%v/%1").arg(total));

        // Each first value read brings the count down.
        const QVector<quint16> ids = store()->ids();
        const int read = total / 2;
        for (int i = 0; i < read; ++i)
            store()->slotParamUpdated(ids.at(i), 0, Parameters::KindValue);
        QCOMPARE(splash->doneCount(), read);
        splash->slotShowText();
        const QString expected = QString("Loading...\ncompleted %1%\npassed ")
                                     .arg(ProgressBarDialog::percent(read, total));
        QVERIFY2(splash->messageLabel()->text().startsWith(expected), qPrintable(splash->messageLabel()->text()));
        QCOMPARE(splash->progressBar()->value(), read);

        // Hidden at the end, not deleted.
        splash->hide();
        flushDeferredDeletes();
        QVERIFY(!splash.isNull());
        delete splash;
    }

    void usbDialogCopiesTheArchive()
    {
        QPointer<UsbConnectDialog> dialog = new UsbConnectDialog(nullptr);
        QCOMPARE(dialog->messageLabel()->text(), QString("Подключен USB накопитель"));
        QCOMPARE(dialog->buttonCount(), 3);
        QCOMPARE(dialog->button(0)->text(), QString("Копировать архив"));
        QCOMPARE(dialog->button(1)->text(), QString("Обновить ПО"));
        QCOMPARE(dialog->button(2)->text(), QString("Отмена"));
        // The buttons stand in a column: Up and Down walk them.
        QVERIFY(dialog->button(1)->y() >= dialog->button(0)->y());
        dialog->show();
        QCOMPARE(dialog->focusedButton(), 2);
        press(dialog, Qt::Key_Up);
        press(dialog, Qt::Key_Up);
        QCOMPARE(dialog->focusedButton(), 0);
        m_echo->clearWrites();
        press(dialog, Qt::Key_F4);
        QCOMPARE(m_echo->writesOf(594).size(), 1);
        QCOMPARE(m_echo->writesOf(594).first().flag, 1);
        QCOMPARE(store()->get(594), 1.0f);
        QVERIFY(!dialog->isVisible());
        flushDeferredDeletes();
        QVERIFY(dialog.isNull());
    }

    void usbDialogAsksForAccessBeforeClosing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("granted") << 1;
        QTest::newRow("refused") << 0;
    }

    void usbDialogAsksForAccessBeforeClosing()
    {
        QFETCH(int, answer);
        report("571=1 572=0 757=0");
        QPointer<UsbConnectDialog> dialog = new UsbConnectDialog(nullptr);
        dialog->show();
        int asked = 0;
        app()->setAccessPrompt([&](unsigned char, const QString& prompt, QWidget* parent) {
            ++asked;
            // Still open and alive while the password is asked over it.
            [&]() {
                QCOMPARE(parent, static_cast<QWidget*>(dialog.data()));
                QVERIFY(dialog->isVisible());
                QVERIFY(prompt.isEmpty());
            }();
            return answer;
        });
        m_echo->clearWrites();
        dialog->updateSoft();
        app()->setAccessPrompt(nullptr);
        QCOMPARE(asked, 1);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_echo->writesOf(757).size(), answer);
        QCOMPARE(store()->get(757), answer == 1 ? 1.0f : 0.0f);
        flushDeferredDeletes();
        QVERIFY(dialog.isNull());
    }

    // Last: rejecting the splash ends the application's event loop.
    void escapeOnTheSplashQuits()
    {
        auto* splash = new SplashScreen("Loading...", nullptr);
        splash->show();
        QTimer::singleShot(0, splash, [splash]() { press(splash, Qt::Key_Escape); });
        // Only a broken splash lets this one end the loop.
        QTimer::singleShot(30000, app(), []() { QCoreApplication::exit(1); });
        QCOMPARE(app()->exec(), 0);
    }
};

VRX_TEST_APPLICATION_MAIN(TestDialogs)
#include "tst_dialogs.moc"
