// The configuration screens as the operator uses them with the keypad: each
// command's access check, its question, the write and the progress dialog
// that follows the controller and its bounded wait; the refusal of loads
// while the motor turns; the profiles stored, a bit set, deciding the choices
// of the default profile and the buttons of the load page.
#include "basecombobox.h"
#include "baseform.h"
#include "configurations_form.h"
#include "dialog_driver.h"
#include "echo_controller.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "operator_command.h"
#include "options_menu.h"
#include "progressbardialog.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "test_application.h"
#include "ui_station.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const quint16 StationState = 13;
const quint16 StoredProfiles = 1079;
const quint16 ProgressValue = 724;

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList buttonTexts(BaseForm* form)
{
    QStringList texts;
    for (int row = 0; row < form->rowCount(); ++row)
        if (auto* button = qobject_cast<PushButton*>(form->rowWidget(row)))
            texts << button->text();
    return texts;
}

QList<ProgressBarDialog*> progressDialogs()
{
    MainWindow* window = UiStation::window();
    return window ? window->findChildren<ProgressBarDialog*>() : QList<ProgressBarDialog*>();
}

QList<QDialog*> messages()
{
    QList<QDialog*> found;
    for (QDialog* dialog : DialogDriver::openDialogs())
        if (qobject_cast<MessageDialog*>(dialog))
            found << dialog;
    return found;
}

} // namespace

class TestConfigurations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_workDir;
    QString m_oldDir;
    UiStation* m_ui = nullptr;
    EchoController* m_echo = nullptr;
    // For each write: whether a progress dialog for that id stood ready then.
    QList<bool> m_progressAtWrite;

    // Opens a screen the way its parent menu does, in its list.
    void open(const QString& className)
    {
        const bool top = className == QLatin1String("ConfigurationsForm");
        UiStation::window()->addForm(top ? OptionsMenu::createNextForm() : ConfigurationsForm::createNextForm(),
                                     className);
        settle();
        QCOMPARE(UiStation::currentClass(), className);
        QTRY_VERIFY(UiStation::currentForm()->isVisible());
    }
    void openAndSelect(const QString& className, int row)
    {
        open(className);
        QVERIFY2(UiStation::currentForm()->rowWidget(row), "the row of the command");
        selectRow(UiStation::currentForm(), row);
    }

private slots:
    void initTestCase()
    {
        // The brand marker is looked up in the working directory.
        QVERIFY(m_workDir.isValid());
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_workDir.path());
        m_ui = new UiStation;
        m_ui->drive.reportAll(QStringLiteral("571=1 572=0"));
        connect(UiStation::store(), &Parameters::signalParamWrite, this, [this](quint16 id, quint32, int) {
            bool found = false;
            for (ProgressBarDialog* dialog : progressDialogs())
                found = found || dialog->commandId() == id;
            m_progressAtWrite << found;
        });
        m_echo = new EchoController(UiStation::store());
        m_ui->showWindow();
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_ui;
        QDir::setCurrent(m_oldDir);
    }

    void init()
    {
        m_ui->prompts = 0;
        m_ui->answer = 1;
        m_ui->drive.report(StationState, 0.f);
        // Profiles 3 and 5, as the controller sends the set.
        m_ui->drive.reportRaw(StoredProfiles, 0x14);
        m_echo->clearWrites();
        m_progressAtWrite.clear();
    }

    void cleanup()
    {
        for (ProgressBarDialog* dialog : progressDialogs())
            m_ui->drive.report(dialog->commandId(), 0.f);
        DialogDriver::closeAll();
        settle();
        QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the dialogs of the test to close");
    }

    // Refused access, then "Нет", then "Да": only the last writes, once, with
    // the progress dialog standing ready before the write.
    void commands_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("progress");
        const QString top = QStringLiteral("ConfigurationsForm");
        QTest::newRow("save to USB") << top << 0 << 1080 << 1 << u("Сохранить конфигурацию на USB накопитель?")
                                     << u("Сохранение конфигурации на USB накопитель...");
        QTest::newRow("load from USB") << top << 1 << 1081 << 1 << u("Загрузить конфигурацию с USB накопителя?")
                                       << u("Загрузка конфигурации с USB накопителя...");
        QTest::newRow("save profile 5") << QStringLiteral("SaveConfigurationForm") << 4 << 1075 << 5
                                        << u("Сохранить уставки в профиль 5?") << u("Сохранение уставок в профиль 5...");
        // The second button of the load page is profile 5 when 3 and 5 are stored.
        QTest::newRow("load profile 5") << QStringLiteral("LoadConfigurationForm") << 1 << 1076 << 5
                                        << u("Загрузить уставки из профиля 5?") << u("Загрузка уставок из профиля 5...");
        QTest::newRow("reset to defaults") << top << 5 << 1078 << 1
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
        openAndSelect(screen, row);
        m_ui->answer = 0;
        pressKey(Qt::Key_F4);
        QCOMPARE(m_ui->prompts, 1);
        QVERIFY(DialogDriver::openDialogs().isEmpty());

        m_ui->answer = 1;
        DialogDriver driver;
        driver.answerWith(Qt::Key_Return); // "Нет" has the focus
        selectRow(UiStation::currentForm(), row);
        pressKey(Qt::Key_F4);
        QCOMPARE(driver.texts(), QStringList() << question);
        QVERIFY(m_echo->writes().isEmpty());
        QVERIFY(progressDialogs().isEmpty());

        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        selectRow(UiStation::currentForm(), row);
        pressKey(Qt::Key_F4);
        QCOMPARE(driver.texts(), QStringList() << question << question);
        QCOMPARE(m_echo->writes().size(), 1);
        QCOMPARE(int(m_echo->writes().at(0).id), id);
        QCOMPARE(m_echo->writes().at(0).value, bitsFromFloat(float(value)));
        QCOMPARE(m_echo->writes().at(0).flag, 1);
        QCOMPARE(m_progressAtWrite, QList<bool>() << !progress.isEmpty());
        if (progress.isEmpty()) {
            QVERIFY(progressDialogs().isEmpty());
            return;
        }
        QCOMPARE(progressDialogs().size(), 1);
        QPointer<ProgressBarDialog> dialog = progressDialogs().first();
        QCOMPARE(dialog->parent(), UiStation::window());
        QVERIFY(dialog->messageLabel()->text().startsWith(progress));
        QCOMPARE(QApplication::activeModalWidget(), dialog.data());
        // Still at it, then done.
        m_ui->drive.report(ProgressValue, 3.f);
        settle();
        QVERIFY(dialog);
        m_ui->drive.report(quint16(id), 0.f);
        QTRY_VERIFY2(!dialog, "the progress dialog to close on the controller's 0");
        QVERIFY(messages().isEmpty());
    }

    void loadsRefusedWhileStartingOrRunning_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("state");
        const QString top = QStringLiteral("ConfigurationsForm");
        const QString load = QStringLiteral("LoadConfigurationForm");
        const QString usb = u("Загрузить конфигурацию с USB накопителя?");
        const QString profile = u("Загрузить уставки из профиля 3?");
        const QString usbRefusal = u("Для загрузки конфигурации остановите двигатель!");
        const QString profileRefusal = u("Для загрузки уставок остановите двигатель!");
        QTest::newRow("USB, starting") << top << 1 << usb << usbRefusal << 2;
        QTest::newRow("USB, running") << top << 1 << usb << usbRefusal << 3;
        QTest::newRow("USB, state 4") << top << 1 << usb << QString() << 4;
        QTest::newRow("profile, starting") << load << 0 << profile << profileRefusal << 2;
        QTest::newRow("profile, running") << load << 0 << profile << profileRefusal << 3;
        QTest::newRow("profile, state 1") << load << 0 << profile << QString() << 1;
        QTest::newRow("save while running")
            << QStringLiteral("SaveConfigurationForm") << 2 << u("Сохранить уставки в профиль 3?") << QString() << 3;
    }
    void loadsRefusedWhileStartingOrRunning()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(QString, question);
        QFETCH(QString, refusal);
        QFETCH(int, state);
        m_ui->drive.report(StationState, float(state));
        openAndSelect(screen, row);
        DialogDriver driver;
        if (refusal.isEmpty())
            driver.answerWith(Qt::Key_Return);
        pressKey(Qt::Key_F4);
        QCOMPARE(m_ui->prompts, 1);
        QVERIFY(m_echo->writes().isEmpty());
        if (refusal.isEmpty()) {
            QCOMPARE(driver.texts(), QStringList() << question);
            return;
        }
        // An information shown without waiting; no question follows.
        QCOMPARE(driver.texts(), QStringList());
        QCOMPARE(messages().size(), 1);
        QCOMPARE(DialogDriver::dialogText(messages().first()), refusal);
        QCOMPARE(qobject_cast<MessageDialog*>(messages().first())->buttonCount(), 1);
    }

    void commandNeverEndedGivesWarning()
    {
        openAndSelect(QStringLiteral("ConfigurationsForm"), 0);
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
        QVERIFY(bound->isActive());
        QCOMPARE(bound->interval(), OperatorCommand::ProgressTimeoutMs);
        bound->setTimerType(Qt::PreciseTimer); // a remaining time to the millisecond
        bound->start();
        QTest::qWait(30);
        const int left = bound->remainingTime();
        m_ui->drive.report(ProgressValue, 5.f);
        QVERIFY(bound->remainingTime() > left);

        // The controller stays silent until the bound runs out: the warning,
        // acknowledged with Enter, gives the screen back.
        driver.answerWith(Qt::Key_Return);
        bound->start(0);
        QTRY_VERIFY2(!dialog, "the progress dialog to give up");
        QTRY_COMPARE(driver.texts().size(), 2);
        QCOMPARE(driver.texts().last(), u("Сохранение конфигурации на USB накопитель...\n"
                                          "Контроллер не сообщил о завершении операции"));
        QTRY_VERIFY2(DialogDriver::openDialogs().isEmpty(), "the warning to close");
        QCOMPARE(UiStation::currentClass(), QString("ConfigurationsForm"));
        // A late answer of the controller finds nothing to close.
        m_ui->drive.report(1080, 0.f);
        QVERIFY(DialogDriver::openDialogs().isEmpty());
    }

    // 1079 is a set of bits: 0x14 is profiles 3 and 5, not the float 2.8e-44.
    void storedProfiles_data()
    {
        QTest::addColumn<quint32>("stored");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QStringList>("profiles");
        QTest::newRow("none") << 0u << false << QStringList();
        QTest::newRow("3 and 5") << 0x14u << false << (QStringList() << u("Профиль 3") << u("Профиль 5"));
        QTest::newRow("3 and 5, other brand") << 0x14u << true << (QStringList() << u("Профиль 3") << u("Профиль 5"));
        QTest::newRow("all") << 0x1Fu << false
                             << (QStringList() << u("Профиль 1") << u("Профиль 2") << u("Профиль 3") << u("Профиль 4")
                                               << u("Профиль 5"));
        // Bits of no profile, or a set never received, offer nothing.
        QTest::newRow("bit 6 only") << 0x20u << false << QStringList();
        QTest::newRow("never received") << 0xFFFFFFFFu << false << QStringList();
    }
    void storedProfiles()
    {
        QFETCH(quint32, stored);
        QFETCH(bool, marker);
        QFETCH(QStringList, profiles);
        QFile file(QStringLiteral("logo.no"));
        if (marker)
            QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        m_ui->drive.reportRaw(StoredProfiles, stored);
        open(QStringLiteral("ConfigurationsForm"));
        if (marker)
            QVERIFY(file.remove());
        auto* combo = qobject_cast<BaseComboBox*>(UiStation::currentForm()->rowWidget(4));
        QVERIFY(combo);
        QCOMPARE(combo->id(), quint16(1077));
        QList<int> codes;
        QStringList texts;
        for (int i = 0; i < combo->valuesList().size(); ++i) {
            codes << combo->valuesList().key(i);
            texts << combo->valuesList().value(i);
        }
        QList<int> expectedCodes = QList<int>() << 0 << 6;
        QStringList expectedTexts = QStringList() << (marker ? QStringLiteral("Riduri") : u("Основной"))
                                                  << QStringLiteral("Verodedo");
        for (const QString& profile : profiles) {
            expectedCodes << profile.right(1).toInt();
            expectedTexts << profile;
        }
        QCOMPARE(codes, expectedCodes);
        QCOMPARE(texts, expectedTexts);
        // Read when the screen is built, not followed afterwards.
        m_ui->drive.reportRaw(StoredProfiles, 0x7);
        QCOMPARE(combo->valuesList().size(), codes.size());

        // The load page offers the same profiles; without any it says so each
        // time it is shown.
        m_ui->drive.reportRaw(StoredProfiles, stored);
        const QString none = u("Профили для загрузки отсутствуют!\nНеобходимо сохранить хотя бы один профиль");
        for (int showing = 0; showing < 2; ++showing) {
            DialogDriver driver;
            if (profiles.isEmpty())
                driver.answerWith(Qt::Key_Return);
            open(QStringLiteral("LoadConfigurationForm"));
            QCOMPARE(buttonTexts(UiStation::currentForm()), profiles);
            QTRY_COMPARE(driver.texts(), profiles.isEmpty() ? QStringList(none) : QStringList());
        }
        QVERIFY(messages().isEmpty());
    }
};

VRX_TEST_APPLICATION_MAIN(TestConfigurations)
#include "tst_configurations.moc"
