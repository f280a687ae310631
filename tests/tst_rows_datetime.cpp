// The date-time row (the offer to delete the archives first, the wait for the
// controller, then the access-gated edit; a screen replaced during its
// dialogs) and the password row (masked digits, unfilled places as 0).
#include "basepasseditwidget.h"
#include "baseform.h"
#include "blockform.h"
#include "datetimeeditwidget.h"
#include "dialog_driver.h"
#include "echo_controller.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "progressbardialog.h"
#include "test_application.h"
#include "ui_station.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <functional>

namespace {

const quint16 ClockId = 562;
const quint16 PasswordId = 573;
const quint16 DeleteArchives = 595;

class RowsForm : public BaseForm
{
    Q_OBJECT
public:
    RowsForm()
        : BaseForm(nullptr, false)
    {
        setObjectName(QLatin1String(metaObject()->className()));
        setInfo(QStringLiteral("hint"));
    }
    void createForm() override
    {
        clock = new DateTimeEditWidget(ClockId, 0);
        clock->setName(QStringLiteral("clock"));
        addWidget(clock);
        password = new BasePassEditWidget(PasswordId, 1);
        password->setName(QStringLiteral("password"));
        addWidget(password);
    }
    void returnBackForm() override {}

    QPointer<DateTimeEditWidget> clock;
    QPointer<BasePassEditWidget> password;
};

template <typename T>
T* openDialog()
{
    for (QDialog* dialog : DialogDriver::openDialogs()) {
        if (auto* found = qobject_cast<T*>(dialog))
            return found;
    }
    return nullptr;
}

// Sends a key to a dialog as the keypad would reach it.
void pressOn(QWidget* dialog, int key)
{
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Runs steps from the event loop, the nested loops of dialogs included: each
// step is tried every few milliseconds until it reports that it is done.
class Scenario : public QObject
{
public:
    void add(std::function<bool()> step) { m_steps.append(std::move(step)); }
    void start()
    {
        connect(&m_timer, &QTimer::timeout, this, [this]() {
            if (m_steps.isEmpty()) {
                m_timer.stop();
                return;
            }
            if (m_steps.first()())
                m_steps.removeFirst();
        });
        m_timer.start(5);
    }
    bool isDone() const { return m_steps.isEmpty(); }

private:
    QTimer m_timer;
    QList<std::function<bool()>> m_steps;
};

} // namespace

class TestRowsDateTime : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EchoController* m_echo = nullptr;
    RowsForm* m_form = nullptr;

    MainWindow* window() { return UiStation::window(); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    void showNewForm()
    {
        m_form = new RowsForm;
        window()->addForm(m_form, 0);
        QTRY_VERIFY(m_form->clock && m_form->clock->isVisible());
    }
    QList<EchoController::Write> archiveWrites() const { return m_echo->writesOf(DeleteArchives); }
    // Answers the question of the clock row with one key, and checks whether
    // the row edits, after how many prompts, and whether archives were deleted.
    void answerClockQuestion(int answer, bool editing, int prompts)
    {
        selectRow(m_form, 0);
        DialogDriver driver;
        driver.answerWith(answer);
        pressKey(Qt::Key_F4);
        QCOMPARE(driver.answered(), 1);
        QCOMPARE(m_form->clock->isEditing(), editing);
        QCOMPARE(m_station->prompts, prompts);
        QCOMPARE(archiveWrites().size(), 0);
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        m_echo = new EchoController(UiStation::store());
        // Passwords on: every edit asks for access at level 0.
        report("571=1 572=0 1330=0 1372=0 633=0 595=0 562=0x6553F100 573=1234 573:min=0 573:max=9999");
        m_station->showWindow();
        showNewForm();
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_station;
    }

    void init()
    {
        m_echo->clearWrites();
        m_station->prompts = 0;
        report("572=0 1330=0");
    }

    void yesDeletesArchivesAndWaitsBeforeAccess()
    {
        selectRow(m_form, 0);
        DateTimeEditWidget* row = m_form->clock;
        QSignalSpy begins(row, &DateTimeEditWidget::signalEditingBegin);
        QString question;
        int promptsWhileWaiting = -1;
        int writesWhileWaiting = -1;
        DateTimeEditWidget* running = nullptr;
        Scenario scenario;
        scenario.add([&]() {
            MessageDialog* dialog = openDialog<MessageDialog>();
            if (!dialog)
                return false;
            question = DialogDriver::dialogText(dialog);
            running = DateTimeEditWidget::runningBegin();
            pressOn(dialog, Qt::Key_Left); // from "Нет" to "Да"
            pressOn(dialog, Qt::Key_Return);
            return true;
        });
        scenario.add([&]() {
            ProgressBarDialog* progress = openDialog<ProgressBarDialog>();
            if (!progress)
                return false;
            // The archives are being deleted: no access asked yet.
            promptsWhileWaiting = m_station->prompts;
            writesWhileWaiting = archiveWrites().size();
            if (progress->commandId() != DeleteArchives)
                return false;
            report("595=0"); // the controller is done
            return true;
        });
        scenario.start();
        pressKey(Qt::Key_F4);
        QVERIFY(scenario.isDone());

        QCOMPARE(question, QString::fromUtf8("Перед изменением даты и времени\nРекомендуем удалить архивы\n"
                                             "Удалить архивы сейчас?"));
        QCOMPARE(running, row);
        QCOMPARE(writesWhileWaiting, 1);
        QCOMPARE(promptsWhileWaiting, 0);
        const QList<EchoController::Write> writes = archiveWrites();
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.at(0).value, bitsFromFloat(1.0f));
        QCOMPARE(writes.at(0).flag, 1);
        // Then the edit, behind the access check.
        QCOMPARE(m_station->prompts, 1);
        QVERIFY(row->isEditing());
        QCOMPARE(row->state(), 2);
        QCOMPARE(begins.size(), 1);
        QCOMPARE(row->lineEdit()->inputMask(), QString("0000.00.00 00:00:00;0"));
        QCOMPARE(window()->textInfo(), QString());
        QCOMPARE(DateTimeEditWidget::runningBegin(), static_cast<DateTimeEditWidget*>(nullptr));
        QVERIFY(!openDialog<ProgressBarDialog>());
        pressKey(Qt::Key_Escape);
        QVERIFY(!row->isEditing());
        QCOMPARE(window()->textInfo(), QString("hint"));
    }

    void noAtLevelTwoKeepsTheClock()
    {
        report("572=2");
        answerClockQuestion(Qt::Key_Return, false, 0); // "Нет" has the focus
        // Back from the question, the row is the selected one, not in edit.
        QApplication::setActiveWindow(window());
        QTRY_COMPARE(m_form->clock->state(), 1);
    }

    void noAtLevelThreeOrForOilCompanyFourEdits()
    {
        report("572=3");
        answerClockQuestion(Qt::Key_Return, true, 0); // level 3 is enough for the clock
        pressKey(Qt::Key_Escape);
        report("572=0 1330=4");
        answerClockQuestion(Qt::Key_Escape, true, 1); // an operator's Esc counts as no
        pressKey(Qt::Key_Escape);
    }

    void clockEntryIsWrittenAsSeconds()
    {
        report("572=3");
        answerClockQuestion(Qt::Key_Return, true, 0);
        m_echo->clearWrites();
        typeKeys("20240229123000");
        QCOMPARE(m_form->clock->lineEdit()->displayText(), QString("2024.02.29 12:30:00"));
        pressKey(Qt::Key_F4);
        const QList<EchoController::Write> writes = m_echo->writesOf(ClockId);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.at(0).value, 1709209800u);
    }

    void passwordRowIsMaskedDigits()
    {
        BasePassEditWidget* row = m_form->password;
        QCOMPARE(BasePassEditWidget::maskFor(QStringLiteral("9999")), QString("0000;0"));
        QCOMPARE(row->inputMaskText(), QString("0000;0"));
        QCOMPARE(row->lineEdit()->inputMask(), QString("0000;0"));
        QCOMPARE(row->lineEdit()->echoMode(), QLineEdit::PasswordEchoOnEdit);
        QVERIFY(row->unitLabel()->text().isEmpty());
        // The digits are not shown while the field is not being edited.
        QVERIFY(!row->lineEdit()->displayText().contains(QLatin1String("1234")));
    }

    void passwordEntries_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("endKey");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("max");
        QTest::addColumn<float>("written"); // -1: nothing
        QTest::newRow("unfilled places are 0") << "12" << int(Qt::Key_F4) << true << 9999 << 1200.f;
        QTest::newRow("at most four digits") << "98765" << int(Qt::Key_F4) << true << 9999 << 9876.f;
        QTest::newRow("nothing typed keeps the value") << "" << int(Qt::Key_F4) << true << 9999 << -1.f;
        QTest::newRow("beyond the maximum") << "6000" << int(Qt::Key_F4) << false << 5000 << -1.f;
        QTest::newRow("break") << "55" << int(Qt::Key_F3) << false << 9999 << -1.f;
    }

    void passwordEntries()
    {
        QFETCH(QString, digits);
        QFETCH(int, endKey);
        QFETCH(bool, ok);
        QFETCH(int, max);
        QFETCH(float, written);
        report(QStringLiteral("573:max=%1 573=1234").arg(max));
        m_form->password->slotUpdateValue();
        BasePassEditWidget* row = m_form->password;
        QSignalSpy ends(row, &BasePassEditWidget::signalEditingEnd);
        selectRow(m_form, 1);
        pressKey(Qt::Key_F4);
        QVERIFY(row->isEditing());
        QCOMPARE(m_station->prompts, 1);
        QCOMPARE(window()->textInfo(), QString::fromUtf8("Диапазон допустимых значений [0000 ... %1]").arg(max));
        typeKeys(digits);
        pressKey(endKey);
        checkEnded(row, ends, ok);
        const QList<EchoController::Write> writes = m_echo->writesOf(PasswordId);
        QCOMPARE(writes.size(), written < 0 ? 0 : 1);
        if (written >= 0)
            QCOMPARE(writes.at(0).value, bitsFromFloat(written));
        QCOMPARE(window()->textInfo(), QString("hint"));
        // No warning state; the stored value is shown again.
        QCOMPARE(row->property("state").toInt(), 0);
        QCOMPARE(row->lineEdit()->property("state").toInt(), 1);
        row->slotUpdateValue();
        row->lineEdit()->setEchoMode(QLineEdit::Normal);
        QCOMPARE(row->lineEdit()->displayText(), written < 0 ? QString("1234") : QString::number(written));
        row->lineEdit()->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    }

    // The controller blocks the station while the row's question or the
    // deletion's progress is open: no crash, no edit, no second deletion.
    void blockDuringTheDialogs_data()
    {
        QTest::addColumn<bool>("duringProgress");
        QTest::newRow("question") << false;
        QTest::newRow("progress") << true;
    }

    void blockDuringTheDialogs()
    {
        QFETCH(bool, duringProgress);
        report("633=0");
        showNewForm();
        selectRow(m_form, 0);
        QPointer<DateTimeEditWidget> row = m_form->clock.data();
        auto yes = [](MessageDialog* dialog) {
            pressOn(dialog, Qt::Key_Left);
            pressOn(dialog, Qt::Key_Return);
        };
        Scenario scenario;
        scenario.add([&]() {
            MessageDialog* dialog = openDialog<MessageDialog>();
            if (!dialog)
                return false;
            if (duringProgress)
                yes(dialog);
            else
                report("633=3");
            return true;
        });
        if (duringProgress) {
            scenario.add([&]() { return openDialog<ProgressBarDialog>() && (report("633=3"), true); });
            scenario.add([&]() { return window()->isBlocked() && (report("595=0"), true); });
        } else {
            scenario.add([&]() {
                if (!window()->isBlocked())
                    return false;
                if (MessageDialog* dialog = openDialog<MessageDialog>())
                    yes(dialog);
                return true;
            });
        }
        scenario.start();
        pressKey(Qt::Key_F4);
        QVERIFY(scenario.isDone());
        QVERIFY(window()->isBlocked());
        QTRY_VERIFY(!row);
        // A deletion asked for before the block stands; nothing follows it.
        QCOMPARE(archiveWrites().size(), duringProgress ? 1 : 0);
        QCOMPARE(m_echo->writesOf(ClockId).size(), 0);
        QCOMPARE(m_station->prompts, 0);
        QVERIFY(!openDialog<ProgressBarDialog>());
        QCOMPARE(DateTimeEditWidget::runningBegin(), static_cast<DateTimeEditWidget*>(nullptr));
    }

    void nextRowBeginsAfterInterruptedOne()
    {
        // The interrupted rows left no mark behind.
        report("633=0 572=3");
        showNewForm();
        answerClockQuestion(Qt::Key_Return, true, 0);
        pressKey(Qt::Key_Escape);
    }
};

VRX_TEST_APPLICATION_MAIN(TestRowsDateTime)
#include "tst_rows_datetime.moc"
