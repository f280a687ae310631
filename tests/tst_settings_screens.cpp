// The settings screens and the settings wizard: the operator commands (update,
// restart, the link counters' reset without an access check), F11's password
// reset, the clock row (the offer to delete the archives first, the bounded
// wait for the controller, the access-gated edit, the screen replaced during
// its dialogs), the password row, and the wizard's rows and warning marks,
// which always say what the confirmation check holds.
#include "basepasseditwidget.h"
#include "datetimeeditwidget.h"
#include "echo_controller.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "options_menu.h"
#include "parameterscheck.h"
#include "progressbardialog.h"
#include "settings_wizard_form.h"
#include "test_application.h"
#include "ui_station.h"


namespace {

const quint16 PolePairs = 10024;
const quint16 PowerFactor = 10020;
// The wizard's critical settings in their order, and the filter's three.
const QList<quint16> General{10015, 10016, 10017, 10018, 10019, 10020, 32,   35,   773,  721,  38,   696,
                             697,   10283, 1051,  10024, 33,    698,   1213, 1172, 1173, 1339, 1176, 1174};
const QList<quint16> Filter{695, 714, 1340};

// How the controller answers a request to delete the archives (595 = 1).
enum Deletion { Clears, Silent, BlocksThenClears };

} // namespace

class TestSettingsScreens : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    Deletion m_deletion = Clears;

    Parameters* store() { return UiStation::store(); }
    BaseForm* current() { return UiStation::currentForm(); }
    ParametersCheck* check() { return UiStation::app()->getParametersCheck(); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    void open(const QString& className)
    {
        const bool wizard = className == QLatin1String("SettingsWizardForm");
        UiStation::window()->addForm(wizard ? QList<BaseForm*>{new SettingsWizardForm} : OptionsMenu::createNextForm(),
                                     className);
        settle();
        QTRY_VERIFY2(UiStation::currentClass() == className && current()->isVisible(), qPrintable(className));
    }
    BaseEditWidget* wizardRow(int index) { return qobject_cast<BaseEditWidget*>(current()->rowWidget(index)); }
    int indexOf(quint16 id)
    {
        int index = current()->rowCount() - 1;
        for (; index >= 0 && wizardRow(index)->id() != id; --index) {}
        return index;
    }
    bool marked(quint16 id) { return wizardRow(indexOf(id))->isWarning(); }
    // Every mark of the wizard says what the check holds.
    void verifyMarks()
    {
        for (int i = 0; i < current()->rowCount(); ++i)
            QVERIFY2(wizardRow(i)->isWarning() == !check()->isConfirmed(wizardRow(i)->id()), qPrintable(QString::number(i)));
    }
    void enter(quint16 id, const QString& digits)
    {
        selectRow(current(), indexOf(id));
        pressKey(Qt::Key_F4);
        typeKeys(digits);
        pressKey(Qt::Key_F4);
        QVERIFY(!wizardRow(indexOf(id))->isEditing());
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        // The controller takes a while to delete the archives, then reports
        // 595 back at 0 (or never does); 1 s is its bound here.
        connect(store(), &Parameters::signalParamWrite, this, [this](quint16 id, quint32 value) {
            if (id == 595 && value == bitsFromFloat(1.f) && m_deletion != Silent)
                QTimer::singleShot(20, this, [this]() { report(m_deletion == BlocksThenClears ? "633=3 595=0" : "595=0"); });
        });
        ProgressBarDialog::setCommandTimeoutMs(1000);
        // Every critical setting has a value, but the station has not had them
        // confirmed (1418 = 0): the check starts with none confirmed. Passwords on.
        report("571=1 572=0 13=0 1372=0 633=0 595=0 1330=0 562=0x6553F100 573=1234 573:min=0 1418=0 "
               "10024:min=0 10024:max=10 10020:min=0 10020:max=10");
        for (quint16 id : General + Filter)
            m_station->drive.report(id, 1.f);
        m_station->showWindow();
    }

    void cleanupTestCase() { delete m_station; }

    void init()
    {
        m_station->answer = 1;
        m_station->prompts = 0;
        m_deletion = Clears;
        report("633=0 572=0 1330=0");
    }

    // Access (unless the command skips it), the question, then one write of 1
    // with the screens' flag, only for "Да".
    void commands_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("index");
        QTest::addColumn<quint16>("id");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("access");
        QTest::newRow("update") << "SystemForm" << 7 << quint16(757) << "Обновить ПО?" << true;
        QTest::newRow("reboot") << "SystemForm" << 8 << quint16(758) << "Перезагрузить ПО?" << true;
        QTest::newRow("link counters") << "TelemechanicsForm" << 12 << quint16(1656)
                                       << "Сбросить счётчики качества связи?" << false;
    }
    void commands()
    {
        QFETCH(QString, screen);
        QFETCH(int, index);
        QFETCH(quint16, id);
        QFETCH(QString, question);
        QFETCH(bool, access);
        open(screen);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        m_station->answer = 0; // refused: nothing asked, nothing written
        const QList<QList<int>> answers{{Qt::Key_Return}, {Qt::Key_Left, Qt::Key_Return}}; // "Нет" has the focus
        for (int i = access ? -1 : 0; i < answers.size(); ++i) {
            DialogDriver driver;
            if (i >= 0)
                driver.answerWith(answers.at(i));
            selectRow(current(), index);
            pressKey(Qt::Key_F4);
            QCOMPARE(driver.texts(), i >= 0 ? QStringList{question} : QStringList());
            m_station->answer = 1;
        }
        QCOMPARE(m_station->prompts, access ? 3 : 0);
        QCOMPARE(writesOf(writes), Writes() << qMakePair(id, bitsFromFloat(1.f)));
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
    }

    void f11OpensPasswordResetWithoutAccessCheck()
    {
        open(QStringLiteral("PasswordsForm"));
        selectRow(current(), 0);
        DialogDriver driver;
        driver.answerWith(Qt::Key_Escape);
        pressKey(Qt::Key_F11);
        QCOMPARE(driver.texts(), QStringList{QString::fromUtf8("Введите пароль")});
        QCOMPARE(m_station->prompts, 0);
    }

    void clockRow_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("deletion");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<int>("prompts");
        QTest::newRow("yes: deleted, then the edit behind the access check") << "" << true << int(Clears) << true << 1;
        // The wait is bounded: a warning, and no edit of the clock.
        QTest::newRow("yes: never deleted") << "" << true << int(Silent) << false << 0;
        QTest::newRow("no at level 2 keeps the clock") << "572=2" << false << 0 << false << 0;
        QTest::newRow("no, level never received, keeps the clock") << "572=nan" << false << 0 << false << 0;
        QTest::newRow("no at level 3 edits") << "572=3" << false << 0 << true << 0;
        QTest::newRow("no for oil company 4 edits") << "1330=4" << false << 0 << true << 1;
    }
    void clockRow()
    {
        QFETCH(QString, setup);
        QFETCH(bool, yes);
        QFETCH(int, deletion);
        QFETCH(bool, editing);
        QFETCH(int, prompts);
        report(setup);
        m_deletion = Deletion(deletion);
        open(QStringLiteral("SystemForm"));
        auto* row = qobject_cast<DateTimeEditWidget*>(current()->rowWidget(0));
        selectRow(current(), 0);
        EchoController echo(store());
        {
            DialogDriver driver;
            driver.answerWith(yes ? QList<int>{Qt::Key_Left, Qt::Key_Return} : QList<int>{Qt::Key_Return});
            if (yes)
                driver.answerWith(QList<int>()); // the progress takes no keys
            if (deletion == Silent)
                driver.answerWith(Qt::Key_Return);
            pressKey(Qt::Key_F4);
            QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the row's dialogs to close");
            QCOMPARE(driver.texts().size(), 1 + int(yes) + int(deletion == Silent));
            QCOMPARE(driver.texts().first(), QString::fromUtf8("Перед изменением даты и времени\nРекомендуем удалить "
                                                               "архивы\nУдалить архивы сейчас?"));
            if (deletion == Silent)
                QCOMPARE(driver.texts().last(), ProgressBarDialog::timeoutText(QString::fromUtf8("Удаление архивов:")));
        }
        QCOMPARE(echo.writesOf(595).size(), yes ? 1 : 0);
        QCOMPARE(row->isEditing(), editing);
        QCOMPARE(m_station->prompts, prompts);
        QCOMPARE(DateTimeEditWidget::runningBegin(), static_cast<DateTimeEditWidget*>(nullptr));
        if (editing) {
            QCOMPARE(row->lineEdit()->inputMask(), QString("0000.00.00 00:00:00;0"));
            QCOMPARE(UiStation::window()->textInfo(), QString());
            typeKeys("20240229123000");
            pressKey(Qt::Key_F4);
            QCOMPARE(echo.writesOf(562).size(), 1);
            QCOMPARE(echo.writesOf(562).first().value, 1709209800u);
        }
        QVERIFY(!row->isEditing());
    }

    // The controller blocks the station while the question or the deletion's
    // progress is open: the row goes with its screen, nothing follows.
    void clockScreenReplacedDuringTheDialogs_data()
    {
        QTest::addColumn<bool>("duringProgress");
        QTest::newRow("question") << false;
        QTest::newRow("progress") << true;
    }
    void clockScreenReplacedDuringTheDialogs()
    {
        QFETCH(bool, duringProgress);
        open(QStringLiteral("SystemForm"));
        QPointer<QWidget> row = current()->rowWidget(0);
        selectRow(current(), 0);
        EchoController echo(store());
        {
            DialogDriver driver;
            driver.answerWith({Qt::Key_Left, Qt::Key_Return});
            if (duringProgress) {
                m_deletion = BlocksThenClears;
                driver.answerWith(QList<int>());
            } else { // reported before the question's answer
                QTimer::singleShot(0, this, [this]() { report("633=3"); });
            }
            pressKey(Qt::Key_F4);
            QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the row's dialogs to close");
        }
        QVERIFY(UiStation::window()->isBlocked());
        settle();
        QVERIFY(!row);
        // A deletion asked for before the block stands; nothing follows it.
        QCOMPARE(echo.writes().size(), duringProgress ? 1 : 0);
        QCOMPARE(m_station->prompts, 0);
        QCOMPARE(DateTimeEditWidget::runningBegin(), static_cast<DateTimeEditWidget*>(nullptr));
    }

    // A stored password is held whole, zero-padded: an end with nothing
    // typed writes nothing, whatever the value.
    void passwordRow_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("endKey");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("max");
        QTest::addColumn<float>("written"); // -1: nothing
        QTest::newRow("unfilled places are 0") << 1234 << "12" << int(Qt::Key_F4) << true << 9999 << 1200.f;
        QTest::newRow("at most four digits") << 1234 << "98765" << int(Qt::Key_F4) << true << 9999 << 9876.f;
        QTest::newRow("leading zeros typed") << 1234 << "0042" << int(Qt::Key_F4) << true << 9999 << 42.f;
        for (int stored : {0, 1, 42, 999, 1234}) {
            QTest::newRow(qPrintable(QStringLiteral("nothing typed keeps %1").arg(stored)))
                << stored << "" << int(stored % 2 ? Qt::Key_Return : Qt::Key_F4) << true << 9999 << -1.f;
        }
        QTest::newRow("beyond the maximum") << 1234 << "6000" << int(Qt::Key_F4) << false << 5000 << -1.f;
        QTest::newRow("break") << 1234 << "55" << int(Qt::Key_F3) << false << 9999 << -1.f;
    }
    void passwordRow()
    {
        QFETCH(int, stored);
        QFETCH(QString, digits);
        QFETCH(int, endKey);
        QFETCH(bool, ok);
        QFETCH(int, max);
        QFETCH(float, written);
        report(QStringLiteral("573:max=%1 573=%2").arg(max).arg(stored));
        open(QStringLiteral("PasswordsForm"));
        auto* row = qobject_cast<BasePassEditWidget*>(current()->rowWidget(2));
        QCOMPARE(row->lineEdit()->echoMode(), QLineEdit::PasswordEchoOnEdit);
        EchoController echo(store());
        QSignalSpy ends(row, &BasePassEditWidget::signalEditingEnd);
        selectRow(current(), 2);
        pressKey(Qt::Key_F4);
        QCOMPARE(m_station->prompts, 1);
        QCOMPARE(UiStation::window()->textInfo(),
                 QString::fromUtf8("Диапазон допустимых значений [0000 ... %1]").arg(max));
        typeKeys(digits);
        pressKey(endKey);
        checkEnded(row, ends, ok);
        QCOMPARE(echo.writesOf(573).size(), written < 0 ? 0 : 1);
        if (written >= 0)
            QCOMPARE(echo.writesOf(573).first().value, bitsFromFloat(written));
        // No warning state; the stored value is shown again, whole.
        QCOMPARE(row->lineEdit()->property("state").toInt(), 1);
        row->slotUpdateValue();
        row->lineEdit()->setEchoMode(QLineEdit::Normal);
        QCOMPARE(row->lineEdit()->displayText(),
                 QStringLiteral("%1").arg(written < 0 ? stored : int(written), 4, 10, QLatin1Char('0')));
    }

    // 1329 chooses between 696 and 697 (0 leaves 697 out, 1 leaves 696 out);
    // a filter (713) adds its three settings.
    void wizardRows_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QList<quint16>>("ids");
        const auto without = [](quint16 id) {
            return General.mid(0, General.indexOf(id)) + General.mid(General.indexOf(id) + 1);
        };
        QTest::newRow("source 0") << "1329=0 713=0" << without(697);
        QTest::newRow("source 1, filter") << "1329=1 713=2" << without(696) + Filter;
        QTest::newRow("source 2") << "1329=2 713=0" << General;
        QTest::newRow("source 7, filter") << "1329=7 713=1" << General + Filter;
    }
    void wizardRows()
    {
        QFETCH(QString, setup);
        QFETCH(QList<quint16>, ids);
        report(setup);
        open(QStringLiteral("SettingsWizardForm"));
        QCOMPARE(current()->title(), QString::fromUtf8("МАСТЕР НАСТРОЕК"));
        QList<quint16> found;
        for (int i = 0; i < current()->rowCount(); ++i)
            found << wizardRow(i)->id();
        QCOMPARE(found, ids);
        verifyMarks();
    }

    // Entries of the operator and reports of the controller move the marks;
    // a 0 confirms nothing and withdraws a confirmation.
    void wizardMarks()
    {
        EchoController echo(store());
        report("1329=2 713=0");
        open(QStringLiteral("SettingsWizardForm"));
        QVERIFY(marked(PolePairs));
        enter(PolePairs, QStringLiteral("3"));
        QVERIFY(check()->isConfirmed(PolePairs) && !marked(PolePairs));
        enter(PowerFactor, QStringLiteral("0"));
        QVERIFY(!check()->isConfirmed(PowerFactor) && marked(PowerFactor));
        enter(PolePairs, QStringLiteral("0"));
        QVERIFY(marked(PolePairs));
        enter(PolePairs, QStringLiteral("4"));
        report("10024=0");
        QVERIFY(marked(PolePairs));
        verifyMarks();
        // A rebuilt wizard takes its marks from the check.
        enter(PolePairs, QStringLiteral("5"));
        open(QStringLiteral("SettingsWizardForm"));
        QVERIFY(!marked(PolePairs) && marked(PowerFactor));
        verifyMarks();
        // An end with nothing typed confirms the present value, as entering
        // it again does, and writes nothing.
        report("10020=7");
        const int writes = echo.writes().size();
        enter(PowerFactor, QString());
        QVERIFY(check()->isConfirmed(PowerFactor) && !marked(PowerFactor));
        QCOMPARE(echo.writes().size(), writes);
        verifyMarks();
    }
};

VRX_TEST_APPLICATION_MAIN(TestSettingsScreens)
#include "tst_settings_screens.moc"
