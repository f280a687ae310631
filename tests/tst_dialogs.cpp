// The dialog base and its message, progress, splash and USB dialogs: their
// buttons and keys, the self-rejection of an unanswered dialog, showLoop's
// safety, the progress of a controller command and of the first
// synchronisation, the USB dialog's choices, and the program's stop, which
// answers no dialog.
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

class TestDialogs : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EchoController* m_echo = nullptr;
    Parameters* store() { return UiStation::store(); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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
    }

    // The buttons, the focus on the last, and the close timer of 300 s.
    void buttonsByType()
    {
        QFETCH(int, type);
        QFETCH(QStringList, texts);
        QFETCH(QString, style);
        MessageDialog dialog("m", static_cast<MessageDialog::MsgType>(type), nullptr);
        QCOMPARE(dialog.buttonCount(), texts.size());
        QCOMPARE(dialog.button(texts.size() - 1)->text(), texts.last());
        QCOMPARE(dialog.focusedButton(), texts.size() - 1);
        QCOMPARE(dialog.messageLabel()->styleSheet(), style);
        QVERIFY(dialog.closeTimer()->isActive() && dialog.closeTimer()->interval() == 300000);
    }

    void answersByKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("result");
        // From "Нет": Left and Right (F5, F7) move without wrapping.
        QTest::newRow("no wrap at the first") << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Return} << false << 1;
        QTest::newRow("no wrap at the last") << QList<int>{Qt::Key_F5, Qt::Key_F7, Qt::Key_F7, Qt::Key_Return}
                                             << false << 0;
        QTest::newRow("enter on no") << QList<int>{Qt::Key_Enter} << false << 0;
        QTest::newRow("F3 refuses") << QList<int>{Qt::Key_Left, Qt::Key_F3} << false << 0;
        QTest::newRow("yes in showLoop") << QList<int>{Qt::Key_Left, Qt::Key_F4} << true << 1;
        QTest::newRow("Esc in showLoop") << QList<int>{Qt::Key_Escape} << true << 0;
    }

    void answersByKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, loop);
        QFETCH(int, result);
        QPointer<MessageDialog> dialog = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
        DialogDriver dialogs;
        dialogs.answerWith(keys);
        QCOMPARE(loop ? dialog->showLoop() : dialog->exec(), result);
        // showLoop's dialog is there to be asked until the event loop runs.
        QCOMPARE(dialog.isNull(), !loop);
        flushDeletes();
        QVERIFY(dialog.isNull());
    }

    void unansweredQuestionTimesOut()
    {
        // exec() and showLoop() alike: the close timer is driven, not waited for.
        for (bool loop : {false, true}) {
            QPointer<MessageDialog> dialog = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
            QTimer::singleShot(0, dialog, [dialog]() { dialog->closeTimer()->start(1); });
            QCOMPARE(loop ? dialog->showLoop() : dialog->exec(), 0);
            flushDeletes();
            QVERIFY(dialog.isNull());
        }
    }

    // The screen under a question replaced (deleted at once or later) while
    // showLoop waits: the question goes with it and reads as "Нет".
    void replacingTheScreenDuringShowLoop()
    {
        for (bool deferred : {false, true}) {
            QPointer<QWidget> screen = new QWidget;
            screen->show();
            QPointer<MessageDialog> dialog = new MessageDialog("Продолжить?", MessageDialog::Question, screen);
            QTimer::singleShot(0, screen, [screen, deferred]() { deferred ? screen->deleteLater() : delete screen; });
            QCOMPARE(dialog->showLoop(), 0);
            QVERIFY(screen.isNull() && dialog.isNull());
        }
    }

    // A command's progress dialog: Esc does not close it, the controller's
    // count shows, and it closes when the command parameter returns to 0.
    void progressDialogClosesOnlyWhenCommandEnds()
    {
        report("595=1");
        QPointer<ProgressBarDialog> dialog = new ProgressBarDialog("Очистка", nullptr, 595, true);
        QVERIFY(!dialog->isDeleteOnClose());
        dialog->show();
        QSignalSpy closed(dialog.data(), &Dialog::signalClosed);
        DialogDriver::pressOn(dialog, Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        QVERIFY(dialog->isVisible());
        report("725=10 724=7");
        QCOMPARE(dialog->progressBar()->format(), QString("%v/10"));
        dialog->slotShowText();
        QCOMPARE(dialog->progressBar()->value(), 7);
        QVERIFY(dialog->messageLabel()->text().startsWith("Очистка\nвыполнено 70%\nпрошло "));
        report("724=0 725=0 595=2");
        QVERIFY(dialog->isVisible());
        report("595=0");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        flushDeletes();
        QVERIFY(dialog.isNull());
        // Without a command it watches nothing.
        ProgressBarDialog waiting("Ожидание", nullptr, 0, false);
        report("725=10");
        QCOMPARE(waiting.maximum(), 0);
    }

    void splashFollowsTheSynchronisation()
    {
        SplashScreen splash("Loading...", nullptr);
        QVERIFY(!splash.testAttribute(Qt::WA_DeleteOnClose));
        connect(store(), &Parameters::signalSyncBegin, &splash, &SplashScreen::slotSyncBegin);
        connect(store(), &Parameters::signalSyncCount, &splash, &SplashScreen::slotSyncCount);
        splash.show();
        store()->syncAllParams();
        const int total = store()->count();
        QCOMPARE(splash.progressBar()->format(), QString("%v/%1").arg(total));
        // Each first value read brings the count down.
        const QVector<quint16> ids = store()->ids();
        for (int i = 0; i < total / 2; ++i)
            store()->slotParamUpdated(ids.at(i), 0, Parameters::KindValue);
        splash.slotShowText();
        QCOMPARE(splash.progressBar()->value(), total / 2);
        QVERIFY(splash.messageLabel()->text().startsWith(
            QString("Loading...\ncompleted %1%\npassed ").arg(ProgressBarDialog::percent(total / 2, total))));
    }

    // The three choices stand in a column; the first, "Копировать архив", sends the copy command.
    void usbDialogCopiesTheArchive()
    {
        QPointer<UsbConnectDialog> dialog = new UsbConnectDialog(nullptr);
        m_echo->clearWrites();
        DialogDriver dialogs;
        dialogs.answerWith(QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_F4});
        dialog->show();
        QTRY_VERIFY2(dialog.isNull(), "the USB dialog closing after the copy");
        QCOMPARE(dialogs.texts(), QStringList{"Подключен USB накопитель"});
        QCOMPARE(m_echo->writesOf(594).size(), 1);
        QCOMPARE(m_echo->writesOf(594).first().flag, 1);
    }

    void usbDialogAsksForAccessBeforeClosing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("granted") << 1;
        QTest::newRow("refused") << 0;
    }

    // The software update asks for the password over the dialog, which stays
    // open and alive meanwhile.
    void usbDialogAsksForAccessBeforeClosing()
    {
        QFETCH(int, answer);
        report("571=1 572=0 757=0");
        QPointer<UsbConnectDialog> dialog = new UsbConnectDialog(nullptr);
        dialog->show();
        bool openWhileAsked = false;
        UiStation::app()->setAccessPrompt([&](unsigned char, const QString& prompt, QWidget* parent) {
            openWhileAsked = parent == dialog.data() && dialog->isVisible() && prompt.isEmpty();
            return answer;
        });
        m_echo->clearWrites();
        dialog->updateSoft();
        UiStation::app()->setAccessPrompt(nullptr);
        QVERIFY(openWhileAsked);
        QCOMPARE(m_echo->writesOf(757).size(), answer);
        flushDeletes();
        QVERIFY(dialog.isNull());
    }

    // Before the main window exists a panel key reaches nothing, not even the
    // splash: Esc there would end the program while it loads.
    void panelKeyBeforeTheMainWindow()
    {
        SplashScreen splash("Loading...", nullptr);
        splash.show();
        QTRY_VERIFY2(QApplication::activeModalWidget() == &splash, "the splash to be the modal window");
        QSignalSpy rejected(&splash, &QDialog::rejected);
        UiStation::app()->getEvent(Qt::Key_Escape, QString());
        QCOMPARE(rejected.count(), 0);
    }

    // Last: rejecting the splash is a stop like any other. It ends the
    // application's event loop, and the dialogs open then end unanswered, as
    // does one asked for afterwards, never shown: exec() frees its dialog all
    // the same.
    void escapeOnTheSplashStops()
    {
        MainApplication* app = UiStation::app();
        auto* splash = new SplashScreen("Loading...", nullptr);
        splash->show();
        int outer = 0;
        int inner = 0;
        int late = 0;
        QPointer<MessageDialog> innerDialog;
        QPointer<MessageDialog> lateDialog;
        QTimer::singleShot(0, splash, [&]() {
            auto* question = new MessageDialog("Продолжить?", MessageDialog::Question, nullptr);
            // Over the question, a warning run with exec(); Esc on the splash under both.
            QTimer::singleShot(0, splash, [&]() {
                innerDialog = new MessageDialog("Внимание", MessageDialog::Warning, nullptr);
                QTimer::singleShot(0, splash, [splash]() { DialogDriver::pressOn(splash, Qt::Key_Escape); });
                inner = innerDialog->exec();
            });
            outer = question->showLoop();
            lateDialog = new MessageDialog("Ещё?", MessageDialog::Question, nullptr);
            late = lateDialog->exec();
        });
        // Only a broken splash lets this one end the loop.
        QTimer::singleShot(5000, app, []() { QCoreApplication::exit(1); });
        QCOMPARE(app->exec(), 0);
        QVERIFY2(app->isQuitting(), "the splash's rejection taken as the program's stop");
        QCOMPARE(inner, Dialog::Unanswered);
        QCOMPARE(outer, Dialog::Unanswered);
        QCOMPARE(late, Dialog::Unanswered);
        QVERIFY(innerDialog.isNull());
        // Deletions still pending go now; a dialog nobody asked to delete stays.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(lateDialog.isNull(), "the dialog asked for during the stop freed");
    }
};

VRX_TEST_APPLICATION_MAIN(TestDialogs)
#include "tst_dialogs.moc"
