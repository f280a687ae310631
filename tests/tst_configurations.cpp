// The configuration screens as the operator uses them with the keypad: each
// command's access check, its question, the write and the progress dialog
// that follows the controller and its bounded wait; the refusal of loads
// while the motor turns; the profiles stored, a bit set, deciding the choices
// of the default profile and the buttons of the load page. And the
// confirmation of the settings critical for running the pump, which the
// settings wizard gives, and what counts as a change of one at its
// resolution, for the check and for the rows the operator enters it on.
#include "basecombobox.h"
#include "baseparamwidget.h"
#include "configurations_form.h"
#include "echo_controller.h"
#include "mainwindow.h"
#include "operator_command.h"
#include "options_menu.h"
#include "parameterscheck.h"
#include "progressbardialog.h"
#include "pushbutton.h"
#include "test_application.h"
#include "ui_station.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The values written to 1418, the overall confirmation, oldest first.
QList<float> confirmations(const QSignalSpy& writes)
{
    QList<float> values;
    for (const QList<QVariant>& w : writes)
        if (w.at(0).value<quint16>() == 1418)
            values << floatFromBits(w.at(1).value<quint32>());
    return values;
}

QList<ProgressBarDialog*> progressDialogs()
{
    return UiStation::window()->findChildren<ProgressBarDialog*>();
}

} // namespace

class TestConfigurations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_workDir;
    UiStation m_ui;
    QScopedPointer<EchoController> m_echo;
    // For each write: whether a progress dialog for that id stood ready then.
    QList<bool> m_progressAtWrite;

    // Opens a screen the way its parent menu does, in its list, with the
    // cursor on row.
    void open(const QString& className, int row = -1)
    {
        UiStation::window()->addForm(className == "ConfigurationsForm" ? OptionsMenu::createNextForm()
                                                                       : ConfigurationsForm::createNextForm(), className);
        settle();
        QCOMPARE(UiStation::currentClass(), className);
        QTRY_VERIFY(UiStation::currentForm()->isVisible());
        if (row >= 0) {
            QVERIFY2(UiStation::currentForm()->rowWidget(row), "the row of the command");
            selectRow(UiStation::currentForm(), row);
        }
    }

    // Every general critical setting reported as value, the filter off, and
    // the overall result 1418.
    void reportCritical(float value, float confirmed)
    {
        for (quint16 id : ParametersCheck::generalIdList)
            m_ui.drive.report(id, value);
        m_ui.drive.reportAll(QStringLiteral("713=0 1329=0 1418=") + QString::number(confirmed));
    }

private slots:
    void initTestCase()
    {
        // The brand marker is looked up in the working directory.
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        m_ui.drive.reportAll(QStringLiteral("571=1 572=0"));
        m_ui.showWindow();
        connect(UiStation::store(), &Parameters::signalParamWrite, this, [this](quint16 id) {
            bool found = false;
            for (ProgressBarDialog* dialog : progressDialogs())
                found = found || dialog->commandId() == id;
            m_progressAtWrite << found;
        });
    }

    void init()
    {
        m_ui.prompts = 0;
        m_ui.answer = 1;
        // Stopped, with profiles 3 and 5 stored, as the controller sends the set.
        m_ui.drive.reportAll(QStringLiteral("13=0 1079=0x14"));
        m_echo.reset(new EchoController(UiStation::store()));
        m_progressAtWrite.clear();
    }

    void cleanup()
    {
        for (ProgressBarDialog* dialog : progressDialogs())
            m_ui.drive.report(dialog->commandId(), 0.f);
        DialogDriver::closeAll();
        QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the dialogs of the test to close");
    }

    // Refused access, then "Нет", then "Да": only the last writes, once, with
    // the progress dialog standing ready before the write. Loads are let
    // through in any state but starting (2) and running (3), saves in any.
    void commands_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("progress");
        const QString top = "ConfigurationsForm";
        QTest::newRow("save to USB") << top << 0 << 3 << 1080 << 1 << u("Сохранить конфигурацию на USB накопитель?")
                                     << u("Сохранение конфигурации на USB накопитель...");
        QTest::newRow("load from USB") << top << 1 << 4 << 1081 << 1 << u("Загрузить конфигурацию с USB накопителя?")
                                       << u("Загрузка конфигурации с USB накопителя...");
        QTest::newRow("save profile 5") << "SaveConfigurationForm" << 4 << 2 << 1075 << 5
                                        << u("Сохранить уставки в профиль 5?") << u("Сохранение уставок в профиль 5...");
        // The second button of the load page is profile 5 when 3 and 5 are stored.
        QTest::newRow("load profile 5") << "LoadConfigurationForm" << 1 << 1 << 1076 << 5
                                        << u("Загрузить уставки из профиля 5?") << u("Загрузка уставок из профиля 5...");
        QTest::newRow("reset to defaults") << top << 5 << 3 << 1078 << 1
                                           << u("Сбросить значения всех уставок по умолчанию?") << QString();
    }
    void commands()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(int, id);
        QFETCH(int, value);
        QFETCH(QString, question);
        QFETCH(QString, progress);
        QFETCH(int, state);
        m_ui.drive.report(OperatorCommand::IdStationState, float(state));
        open(screen, row);
        m_ui.answer = 0;
        pressKey(Qt::Key_F4);
        QCOMPARE(m_ui.prompts, 1);
        QVERIFY(DialogDriver::openDialogs().isEmpty());

        m_ui.answer = 1;
        DialogDriver driver;
        driver.answerWith(Qt::Key_Return); // "Нет" has the focus
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        for (int time = 0; time < 2; ++time) {
            selectRow(UiStation::currentForm(), row);
            pressKey(Qt::Key_F4);
        }
        QCOMPARE(driver.texts(), QStringList() << question << question);
        QCOMPARE(m_echo->writes().size(), 1);
        const EchoController::Write write = m_echo->writes().first();
        QVERIFY(write.id == id && write.value == bitsFromFloat(float(value)) && write.flag == 1);
        QCOMPARE(m_progressAtWrite, QList<bool>() << !progress.isEmpty());
        QCOMPARE(progressDialogs().size(), progress.isEmpty() ? 0 : 1);
        if (progress.isEmpty())
            return;
        QPointer<ProgressBarDialog> dialog = progressDialogs().first();
        QCOMPARE(dialog->parent(), UiStation::window());
        QVERIFY(dialog->messageLabel()->text().startsWith(progress));
        QCOMPARE(QApplication::activeModalWidget(), dialog.data());
        // Still at it, then done.
        m_ui.drive.report(ProgressBarDialog::IdProgressValue, 3.f);
        settle();
        QVERIFY(dialog);
        m_ui.drive.report(quint16(id), 0.f);
        QTRY_VERIFY2(!dialog, "the progress dialog to close on the controller's 0");
        QVERIFY(DialogDriver::openDialogs().isEmpty());
    }

    void loadsRefusedWhileStartingOrRunning_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("refusal");
        const QString usb = u("Для загрузки конфигурации остановите двигатель!");
        const QString profile = u("Для загрузки уставок остановите двигатель!");
        QTest::newRow("USB, starting") << "ConfigurationsForm" << 1 << 2 << usb;
        QTest::newRow("USB, running") << "ConfigurationsForm" << 1 << 3 << usb;
        QTest::newRow("profile, starting") << "LoadConfigurationForm" << 0 << 2 << profile;
        QTest::newRow("profile, running") << "LoadConfigurationForm" << 0 << 3 << profile;
    }
    void loadsRefusedWhileStartingOrRunning()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(int, state);
        QFETCH(QString, refusal);
        m_ui.drive.report(OperatorCommand::IdStationState, float(state));
        open(screen, row);
        // An information shown without waiting; no question follows.
        DialogDriver driver;
        pressKey(Qt::Key_F4);
        QCOMPARE(m_ui.prompts, 1);
        QVERIFY(m_echo->writes().isEmpty() && driver.texts().isEmpty());
        QCOMPARE(DialogDriver::openDialogs().size(), 1);
        QCOMPARE(DialogDriver::dialogText(DialogDriver::openDialogs().first()), refusal);
    }

    void commandNeverEndedGivesWarning()
    {
        open("ConfigurationsForm", 0);
        DialogDriver driver;
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        pressKey(Qt::Key_F4);
        QCOMPARE(progressDialogs().size(), 1);
        QPointer<ProgressBarDialog> dialog = progressDialogs().first();
        // The operator cannot close it...
        pressKey(Qt::Key_Escape);
        pressKey(Qt::Key_F3);
        QVERIFY(dialog && dialog->isVisible());
        // ...but its wait is bounded, and restarted by every progress report.
        QTimer* bound = dialog->closeTimer();
        QCOMPARE(bound->interval(), ProgressBarDialog::CommandTimeoutMs);
        bound->setTimerType(Qt::PreciseTimer); // a remaining time to the millisecond
        bound->start();
        QTest::qWait(30);
        const int left = bound->remainingTime();
        m_ui.drive.report(ProgressBarDialog::IdProgressValue, 5.f);
        QVERIFY(bound->remainingTime() > left);

        // The controller stays silent until the bound runs out: the warning,
        // acknowledged with Enter, gives the screen back.
        driver.answerWith(Qt::Key_Return);
        bound->start(0);
        QTRY_VERIFY2(!dialog, "the progress dialog to give up");
        QTRY_COMPARE(driver.texts().value(1), u("Сохранение конфигурации на USB накопитель...\n"
                                          "Контроллер не сообщил о завершении операции"));
        QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the warning to close");
        QCOMPARE(UiStation::currentClass(), QString("ConfigurationsForm"));
        // A late answer of the controller finds nothing to close.
        m_ui.drive.report(1080, 0.f);
        QVERIFY(DialogDriver::openDialogs().isEmpty());
    }

    // 1079 is a set of bits: 0x14 is profiles 3 and 5, not the float 2.8e-44.
    void storedProfiles_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QString>("profiles");
        QTest::newRow("none") << "0x0" << false << "";
        QTest::newRow("3 and 5") << "0x14" << false << "35";
        QTest::newRow("3 and 5, other brand") << "0x14" << true << "35";
        QTest::newRow("all") << "0x1F" << false << "12345";
        // Bits of no profile, or a set never received, offer nothing.
        QTest::newRow("bit 6 only") << "0x20" << false << "";
        QTest::newRow("never received") << "nan" << false << "";
    }
    void storedProfiles()
    {
        QFETCH(QString, stored);
        QFETCH(bool, marker);
        QFETCH(QString, profiles);
        QFile file(QStringLiteral("logo.no"));
        QVERIFY(!marker || file.open(QIODevice::WriteOnly));
        file.close();
        m_ui.drive.reportAll("1079=" + stored);
        open("ConfigurationsForm");
        QVERIFY(!marker || file.remove());
        auto* combo = qobject_cast<BaseComboBox*>(UiStation::currentForm()->rowWidget(4));
        QCOMPARE(combo->id(), quint16(1077));
        QStringList choices;
        for (int i = 0; i < combo->valuesList().size(); ++i)
            choices << QString::number(combo->valuesList().key(i)) + " " + combo->valuesList().value(i);
        QStringList expected = QStringList() << (marker ? "0 Riduri" : u("0 Основной")) << "6 Verodedo";
        QStringList buttons;
        for (QChar profile : profiles) {
            expected << QString("%1 ").arg(profile) + u("Профиль ") + profile;
            buttons << u("Профиль ") + profile;
        }
        QCOMPARE(choices, expected);
        // Read when the screen is built, not followed afterwards.
        m_ui.drive.reportAll(QStringLiteral("1079=0x7"));
        QCOMPARE(combo->valuesList().size(), expected.size());

        // The load page offers the same profiles; without any it says so each
        // time it is shown.
        m_ui.drive.reportAll("1079=" + stored);
        const QString none = u("Профили для загрузки отсутствуют!\nНеобходимо сохранить хотя бы один профиль");
        for (int showing = 0; showing < 2; ++showing) {
            DialogDriver driver;
            if (buttons.isEmpty())
                driver.answerWith(Qt::Key_Return);
            open("LoadConfigurationForm");
            QStringList shown;
            for (int row = 0; row < UiStation::currentForm()->rowCount(); ++row)
                shown << qobject_cast<PushButton*>(UiStation::currentForm()->rowWidget(row))->text();
            QCOMPARE(shown, buttons);
            QTRY_COMPARE(driver.texts(), buttons.isEmpty() ? QStringList(none) : QStringList());
        }
    }

    void confirmationAtStartUp()
    {
        // All non-zero, but 1418 said 0: confirmed, then withdrawn. The
        // controller reports the write later, so no echo here.
        m_echo.reset();
        reportCritical(5.f, 0.f);
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        ParametersCheck check(UiStation::store());
        QCOMPARE(confirmations(writes), QList<float>() << 1.f << 0.f);
        QVERIFY(!check.isConfirmed(10015));

        m_ui.drive.report(1418, 1.f);
        writes.clear();
        ParametersCheck confirmed(UiStation::store());
        QCOMPARE(confirmations(writes), QList<float>() << 1.f);
        QVERIFY(confirmed.isConfirmed(10015));
    }

    void confirmationAndTheEditingWindow()
    {
        reportCritical(5.f, 1.f);
        ParametersCheck check(UiStation::store());
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        // Less than one step of the scale: kept.
        m_ui.drive.report(32, 5.f + 0.1f / float(UiStation::store()->getParameter(32)->discret));
        QVERIFY(check.isConfirmed(32) && writes.isEmpty());
        // A real change with no editing window: everything withdrawn.
        m_ui.drive.report(32, 6.f);
        QVERIFY(!check.isConfirmed(10015) && check.isEditingWindowOpen());
        QCOMPARE(confirmations(writes), QList<float>() << 0.f);

        // Inside the window the operator confirms each entry; changes keep them.
        for (quint16 id : ParametersCheck::generalIdList)
            check.slotSetValueParam(id, bitsFromFloat(5.f));
        check.slotSetValueParam(10016, 0); // a zero confirms nothing
        writes.clear();
        m_ui.drive.report(10015, 7.f);
        QVERIFY(check.isConfirmed(10015) && check.isConfirmed(32));
        // A reported zero withdraws that one only.
        m_ui.drive.report(10015, 0.f);
        QVERIFY(!check.isConfirmed(10015) && check.isConfirmed(32) && writes.isEmpty());
    }

    void confirmationOfFilterAndInductance()
    {
        reportCritical(5.f, 1.f);
        ParametersCheck check(UiStation::store());
        QVERIFY(check.isConfirmed());
        // The filter off: its parameters are not watched.
        m_ui.drive.report(695, 9.f);
        QVERIFY(check.isConfirmed(10015));
        // Inductance choice 0: 697 is not required; with 1 it is.
        m_ui.drive.report(697, 0.f);
        for (quint16 id : ParametersCheck::generalIdList)
            if (id != 697)
                check.slotSetValueParam(id, bitsFromFloat(5.f));
        QVERIFY(check.isConfirmed());
        m_ui.drive.report(1329, 1.f);
        QVERIFY(!check.isConfirmed());
        // The choice is a 16-bit number: 65536 is 0, as on every screen.
        m_ui.drive.report(1329, 65536.f);
        QVERIFY(check.isConfirmed());
        // Filter on: its three are required with whatever confirmation they
        // had (withdrawn with the rest above).
        m_ui.drive.report(713, 1.f);
        QVERIFY(!check.isConfirmed());
        for (quint16 id : ParametersCheck::filterIdList)
            check.slotSetValueParam(id, bitsFromFloat(5.f));
        QVERIFY(check.isConfirmed());
    }

    // The same at a parameter's resolution is the same step. Across the
    // values a critical setting of each scale takes, a step up or down from
    // the stored value is a change: an entry of it is written, and reported,
    // it withdraws the confirmations outside the editing window. Less than
    // half a step either way is neither.
    void oneStepIsAChange_data()
    {
        QTest::addColumn<quint16>("id");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("lastStep"); // the format's largest value, in steps
        QTest::newRow("scale 10, 99999.9") << quint16(32) << 10 << 999999;
        QTest::newRow("scale 100, 999.99") << quint16(10019) << 100 << 99999;
        QTest::newRow("scale 1000, 999.999") << quint16(696) << 1000 << 999999;
    }
    void oneStepIsAChange()
    {
        QFETCH(quint16, id);
        QFETCH(int, scale);
        QFETCH(int, lastStep);
        QCOMPARE(int(UiStation::store()->getParameter(id)->scale()), scale);
        m_echo.reset();
        reportCritical(5.f, 1.f);
        m_ui.drive.reportAll(QStringLiteral("%1:min=-1 %1:max=1000000").arg(id));
        // Two debug lines an entry.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        struct DebugBack
        {
            ~DebugBack() { QLoggingCategory::setFilterRules(QString()); }
        } debugBack;

        // Every step of the first two thousand, then two thousand spread up
        // to the format's largest value; each as the nearest float, as an
        // entry is read.
        QVector<int> steps;
        for (int k = 0; k < 2000; ++k)
            steps << k;
        for (int i = 1; i <= 2000; ++i)
            steps << 2000 + int(qint64(lastStep - 2000) * i / 2000);
        const auto value = [scale](double step) { return float(step / scale); };

        BaseParamWidget row(id);
        QSignalSpy written(&row, &BaseParamWidget::signalParamWrite);
        // Wrong answers of the row and of the check: a step taken for no
        // change, less than half a step taken for one.
        int rowMissed = 0, checkMissed = 0, rowMoved = 0, checkMoved = 0, changes = 0, cases = 0;
        QStringList examples;
        for (int k : steps) {
            for (double offset : {1.0, -1.0, 0.45, -0.45}) {
                const float stored = value(k);
                const float entry = value(k + offset);
                const bool change = qAbs(offset) >= 1.0;
                m_ui.drive.report(id, stored);
                written.clear();
                QVERIFY(row.setValue(entry));
                const bool rowWrote = !written.isEmpty();
                bool checkSaw = false;
                {
                    ParametersCheck check(UiStation::store());
                    m_ui.drive.report(id, entry);
                    checkSaw = check.isEditingWindowOpen();
                }
                ++cases;
                changes += change;
                (change ? rowMissed : rowMoved) += rowWrote != change;
                (change ? checkMissed : checkMoved) += checkSaw != change;
                if ((rowWrote != change || checkSaw != change) && examples.size() < 4)
                    examples << QStringLiteral("%1 -> %2: row %3, check %4")
                                    .arg(double(stored), 0, 'g', 9)
                                    .arg(double(entry), 0, 'g', 9)
                                    .arg(rowWrote ? "wrote" : "kept", checkSaw ? "withdrew" : "kept");
            }
        }
        QVERIFY2(examples.isEmpty(),
                 qPrintable(QStringLiteral("of %1 one-step changes the row missed %2, the check %3; of %4 changes "
                                           "under half a step the row wrote %5, the check withdrew on %6; e.g. %7")
                                .arg(changes)
                                .arg(rowMissed)
                                .arg(checkMissed)
                                .arg(cases - changes)
                                .arg(rowMoved)
                                .arg(checkMoved)
                                .arg(examples.join(QStringLiteral("; ")))));
    }
};

VRX_TEST_APPLICATION_MAIN(TestConfigurations)
#include "tst_configurations.moc"
