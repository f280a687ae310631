// The configuration screens as the operator uses them with the keypad: each
// command's access check, the refusal of loads while the motor turns, the
// question, the progress dialog that follows the controller and its bounded
// wait; the choices of the default profile and the profiles the load page
// offers.
#include "basecombobox.h"
#include "baseform.h"
#include "configurations_form.h"
#include "dialog_driver.h"
#include "keypad_answers.h"
#include "echo_controller.h"
#include "logo_marker.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "operator_command.h"
#include "options_menu.h"
#include "parameters.h"
#include "progressbardialog.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QTemporaryDir>

namespace {

const quint16 StationState = 13;
const quint16 Protection = 571;
const quint16 AccessLevel = 572;
const quint16 StoredProfiles = 1079;
const quint16 DefaultProfile = 1077;
const quint16 ProgressValue = 724;

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList buttonTexts(BaseForm* form)
{
    QStringList texts;
    for (int row = 0; row < form->rowCount(); ++row) {
        if (auto* button = qobject_cast<PushButton*>(form->rowWidget(row)))
            texts << button->text();
    }
    return texts;
}


} // namespace

class TestConfigurations : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    EchoController* m_echo = nullptr;
    QTemporaryDir m_workDir;
    QString m_oldDir;
    int m_prompts = 0;
    int m_answer = 1;
    // For each write: whether a progress dialog watching that id existed then.
    QList<bool> m_progressAtWrite;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    Parameters* store() { return app()->getParameters(); }
    BaseForm* current() { return window()->currentForm(); }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void key(int k)
    {
        DialogDriver::pressKey(k);
        settle();
    }
    // Opens a screen the way its parent menu does, in its list.
    void open(const QString& className)
    {
        if (className == QLatin1String("ConfigurationsForm"))
            window()->addForm(OptionsMenu::createNextForm(), className);
        else
            window()->addForm(ConfigurationsForm::createNextForm(), className);
        settle();
        QCOMPARE(currentClass(), className);
        QTRY_VERIFY(current()->isVisible());
    }
    void select(int row)
    {
        // Offscreen, a closed dialog leaves no active window behind.
        QApplication::setActiveWindow(window());
        current()->setCurrentWidget(row);
        QTRY_VERIFY(current()->rowWidget(row)->hasFocus());
        QCoreApplication::processEvents();
    }
    QList<ProgressBarDialog*> progressDialogs()
    {
        return window() ? window()->findChildren<ProgressBarDialog*>() : QList<ProgressBarDialog*>();
    }
    QList<QDialog*> messageDialogs()
    {
        QList<QDialog*> found;
        for (QDialog* dialog : DialogDriver::openDialogs())
            if (qobject_cast<MessageDialog*>(dialog))
                found << dialog;
        return found;
    }
    // Nothing left open from the step before.
    void closeAll()
    {
        for (ProgressBarDialog* dialog : progressDialogs())
            m_drive.report(dialog->commandId(), 0.f);
        for (QDialog* dialog : messageDialogs())
            dialog->reject();
        settle();
        QTRY_VERIFY(progressDialogs().isEmpty());
        QTRY_VERIFY(DialogDriver::openDialogs().isEmpty());
    }
    int writesOf(quint16 id) { return m_echo->writesOf(id).size(); }

    void commandData()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QString>("refusal");

        const QString configurations = QStringLiteral("ConfigurationsForm");
        QTest::newRow("save to USB") << configurations << 0 << 1080 << 1
                                     << u("Сохранить конфигурацию на USB накопитель?")
                                     << u("Сохранение конфигурации на USB накопитель...") << QString();
        QTest::newRow("load from USB") << configurations << 1 << 1081 << 1
                                       << u("Загрузить конфигурацию с USB накопителя?")
                                       << u("Загрузка конфигурации с USB накопителя...")
                                       << u("Для загрузки конфигурации остановите двигатель!");
        QTest::newRow("save profile 1") << QStringLiteral("SaveConfigurationForm") << 0 << 1075 << 1
                                        << u("Сохранить уставки в профиль 1?")
                                        << u("Сохранение уставок в профиль 1...") << QString();
        QTest::newRow("save profile 5") << QStringLiteral("SaveConfigurationForm") << 4 << 1075 << 5
                                        << u("Сохранить уставки в профиль 5?")
                                        << u("Сохранение уставок в профиль 5...") << QString();
        QTest::newRow("load profile 2") << QStringLiteral("LoadConfigurationForm") << 1 << 1076 << 2
                                        << u("Загрузить уставки из профиля 2?")
                                        << u("Загрузка уставок из профиля 2...")
                                        << u("Для загрузки уставок остановите двигатель!");
        QTest::newRow("reset to defaults") << configurations << 5 << 1078 << 1
                                           << u("Сбросить значения всех уставок по умолчанию?") << QString()
                                           << QString();
    }

private slots:
    void initTestCase()
    {
        // The marker file is looked up in the working directory.
        QVERIFY(m_workDir.isValid());
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_workDir.path());

        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = store();
        m_drive.report(Protection, 1.f);
        m_drive.report(AccessLevel, 0.f);
        m_drive.report(StationState, 0.f);
        m_drive.report(StoredProfiles, 31.f);
        app()->setAccessPrompt([this](unsigned char, const QString&, QWidget*) {
            ++m_prompts;
            return m_answer;
        });
        connect(store(), &Parameters::signalParamWrite, this, [this](quint16 id, quint32, int) {
            bool found = false;
            for (ProgressBarDialog* dialog : progressDialogs())
                found = found || dialog->commandId() == id;
            m_progressAtWrite << found;
        });
        m_echo = new EchoController(store());
        app()->showMainWindow();
        QApplication::setActiveWindow(window());
        settle();
    }

    void cleanupTestCase()
    {
        closeAll();
        delete m_echo;
        delete m_db;
        QDir::setCurrent(m_oldDir);
    }

    void init()
    {
        m_prompts = 0;
        m_answer = 1;
        m_drive.report(StationState, 0.f);
        m_drive.report(StoredProfiles, 31.f);
        m_echo->clearWrites();
        m_progressAtWrite.clear();
    }

    void cleanup() { closeAll(); }

    void accessRefusedDoesNothing_data() { commandData(); }
    void accessRefusedDoesNothing()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(int, id);
        open(screen);
        select(row);
        m_answer = 0;
        key(Qt::Key_F4);
        QCOMPARE(m_prompts, 1);
        QVERIFY(DialogDriver::openDialogs().isEmpty());
        QCOMPARE(writesOf(quint16(id)), 0);
    }

    void answerNoWritesNothing_data() { commandData(); }
    void answerNoWritesNothing()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(int, id);
        QFETCH(QString, question);
        open(screen);
        select(row);
        KeypadAnswers driver;
        driver.answerWith(Qt::Key_Return); // "Нет" has the focus
        key(Qt::Key_F4);
        QCOMPARE(driver.texts(), QStringList() << question);
        QCOMPARE(writesOf(quint16(id)), 0);
        QVERIFY(progressDialogs().isEmpty());
        QCOMPARE(currentClass(), screen);
    }

    void answerYesWritesAndFollows_data() { commandData(); }
    void answerYesWritesAndFollows()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(int, id);
        QFETCH(int, value);
        QFETCH(QString, question);
        QFETCH(QString, progress);
        open(screen);
        select(row);
        KeypadAnswers driver;
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        key(Qt::Key_F4);
        QCOMPARE(driver.texts(), QStringList() << question);

        const QList<EchoController::Write> writes = m_echo->writesOf(quint16(id));
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.at(0).value, bitsFromFloat(float(value)));
        QCOMPARE(writes.at(0).flag, 1);
        QCOMPARE(m_echo->writes().size(), 1);
        QCOMPARE(m_progressAtWrite, QList<bool>() << !progress.isEmpty());

        const QList<ProgressBarDialog*> dialogs = progressDialogs();
        if (progress.isEmpty()) {
            QVERIFY(dialogs.isEmpty());
            return;
        }
        QCOMPARE(dialogs.size(), 1);
        QPointer<ProgressBarDialog> dialog = dialogs.first();
        QCOMPARE(dialog->parent(), window());
        QCOMPARE(int(dialog->commandId()), id);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->messageLabel()->text().startsWith(progress));
        QCOMPARE(QApplication::activeModalWidget(), dialog.data());

        // Still at it: the command parameter stays non-zero.
        m_drive.report(ProgressValue, 3.f);
        m_drive.report(quint16(id), float(value));
        settle();
        QVERIFY(dialog);
        // Done.
        m_drive.report(quint16(id), 0.f);
        settle();
        QTRY_VERIFY(!dialog);
        QVERIFY(messageDialogs().isEmpty());
    }

    void loadsRefusedWhileStartingOrRunning_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("state");
        for (int state = 0; state <= 6; ++state) {
            QTest::newRow(qPrintable(QStringLiteral("USB, state %1").arg(state)))
                << QStringLiteral("ConfigurationsForm") << 1 << 1081 << u("Загрузить конфигурацию с USB накопителя?")
                << u("Для загрузки конфигурации остановите двигатель!") << state;
            QTest::newRow(qPrintable(QStringLiteral("profile, state %1").arg(state)))
                << QStringLiteral("LoadConfigurationForm") << 3 << 1076 << u("Загрузить уставки из профиля 4?")
                << u("Для загрузки уставок остановите двигатель!") << state;
        }
    }
    void loadsRefusedWhileStartingOrRunning()
    {
        QFETCH(QString, screen);
        QFETCH(int, row);
        QFETCH(int, id);
        QFETCH(QString, question);
        QFETCH(QString, refusal);
        QFETCH(int, state);
        m_drive.report(StationState, float(state));
        open(screen);
        select(row);
        KeypadAnswers driver;
        const bool refused = state == 2 || state == 3;
        if (!refused)
            driver.answerWith(Qt::Key_Return);
        key(Qt::Key_F4);
        QCOMPARE(m_prompts, 1);
        QCOMPARE(writesOf(quint16(id)), 0);
        QVERIFY(progressDialogs().isEmpty());
        if (!refused) {
            QCOMPARE(driver.texts(), QStringList() << question);
            QVERIFY(messageDialogs().isEmpty());
            return;
        }
        // An information, shown without waiting; no question follows.
        QCOMPARE(driver.texts(), QStringList());
        const QList<QDialog*> shown = messageDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(DialogDriver::dialogText(shown.first()), refusal);
        auto* notice = qobject_cast<MessageDialog*>(shown.first());
        QCOMPARE(notice->buttonCount(), 1);
        QCOMPARE(notice->button(0)->text(), QString("Ok"));
    }

    void savesAreNotRefusedWhileRunning()
    {
        m_drive.report(StationState, 3.f);
        open(QStringLiteral("SaveConfigurationForm"));
        select(2);
        KeypadAnswers driver;
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        key(Qt::Key_F4);
        QCOMPARE(driver.texts(), QStringList() << u("Сохранить уставки в профиль 3?"));
        QCOMPARE(writesOf(1075), 1);
        QCOMPARE(progressDialogs().size(), 1);
    }

    void commandNeverEndedGivesWarning()
    {
        open(QStringLiteral("ConfigurationsForm"));
        select(0);
        KeypadAnswers driver;
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        key(Qt::Key_F4);
        QCOMPARE(progressDialogs().size(), 1);
        QPointer<ProgressBarDialog> dialog = progressDialogs().first();
        // The operator cannot close it...
        key(Qt::Key_Escape);
        key(Qt::Key_F3);
        QVERIFY(dialog && dialog->isVisible());
        // ...but its wait is bounded.
        QTimer* bound = dialog->closeTimer();
        QVERIFY(bound->isActive());
        QCOMPARE(bound->interval(), OperatorCommand::ProgressTimeoutMs);
        QVERIFY(OperatorCommand::ProgressTimeoutMs <= Dialog::CloseTimeoutMs);
        m_drive.report(ProgressValue, 5.f);
        QVERIFY(bound->isActive());

        // The controller stays silent until the bound runs out.
        bound->start(0);
        QTRY_VERIFY(!dialog);
        const QList<QDialog*> shown = messageDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(DialogDriver::dialogText(shown.first()),
                 u("Сохранение конфигурации на USB накопитель...\nКонтроллер не сообщил о завершении операции"));
        QCOMPARE(QApplication::activeModalWidget(), shown.first());
        QPointer<QDialog> warning = shown.first();
        KeypadAnswers acknowledge;
        acknowledge.answerWith(Qt::Key_Return);
        QTRY_VERIFY(!warning);
        // The screen is the operator's again.
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(currentClass(), QString("ConfigurationsForm"));
        // A late answer of the controller finds nothing to close.
        m_drive.report(1080, 0.f);
        QVERIFY(messageDialogs().isEmpty());
    }

    // The program logs the error dialog only by its class: its text is
    // checked here, with the controller played by the store.
    void usbSaveWithoutDriveShowsTheControllerError()
    {
        open(QStringLiteral("ConfigurationsForm"));
        select(0);
        KeypadAnswers driver;
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        key(Qt::Key_F4);
        QCOMPARE(progressDialogs().size(), 1);
        QPointer<ProgressBarDialog> progress = progressDialogs().first();

        // The controller finds no drive: error 1, and the command ends.
        m_drive.report(765, 1.f);
        settle();
        QList<QDialog*> shown = messageDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(DialogDriver::dialogText(shown.first()), u("Не подключен USB накопитель!"));
        QCOMPARE(m_echo->writesOf(765).size(), 1);
        QCOMPARE(m_echo->writesOf(765).first().value, bitsFromFloat(0.f));
        m_drive.report(1080, 0.f);
        settle();
        QTRY_VERIFY(!progress);
        // The error stays until the operator has read it.
        shown = messageDialogs();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(DialogDriver::dialogText(shown.first()), u("Не подключен USB накопитель!"));
    }

    void defaultProfileChoices_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QStringList>("texts");
        const QString main = u("Основной");
        const QString user = QStringLiteral("Verodedo");
        QTest::newRow("none stored") << 0 << false << (QList<int>() << 0 << 6) << (QStringList() << main << user);
        QTest::newRow("3 and 5 stored") << 20 << false << (QList<int>() << 0 << 6 << 3 << 5)
                                        << (QStringList() << main << user << u("Профиль 3") << u("Профиль 5"));
        QTest::newRow("none stored, other brand")
            << 0 << true << (QList<int>() << 0 << 6) << (QStringList() << QStringLiteral("Riduri") << user);
        QTest::newRow("3 and 5 stored, other brand")
            << 20 << true << (QList<int>() << 0 << 6 << 3 << 5)
            << (QStringList() << QStringLiteral("Riduri") << user << u("Профиль 3") << u("Профиль 5"));
        QTest::newRow("all stored") << 31 << false << (QList<int>() << 0 << 6 << 1 << 2 << 3 << 4 << 5)
                                    << (QStringList() << main << user << u("Профиль 1") << u("Профиль 2")
                                                      << u("Профиль 3") << u("Профиль 4") << u("Профиль 5"));
    }
    void defaultProfileChoices()
    {
        QFETCH(int, stored);
        QFETCH(bool, marker);
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, texts);
        QFile file(QStringLiteral("logo.no"));
        if (marker)
            QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(LogoMarker::exists(), marker);

        m_drive.report(StoredProfiles, float(stored));
        open(QStringLiteral("ConfigurationsForm"));
        if (marker)
            QVERIFY(file.remove());
        auto* combo = qobject_cast<BaseComboBox*>(current()->rowWidget(4));
        QVERIFY(combo);
        QCOMPARE(combo->id(), DefaultProfile);
        QList<int> shownCodes;
        QStringList shownTexts;
        for (int i = 0; i < combo->valuesList().size(); ++i) {
            shownCodes << combo->valuesList().key(i);
            shownTexts << combo->valuesList().value(i);
        }
        QCOMPARE(shownCodes, codes);
        QCOMPARE(shownTexts, texts);

        // Read when the screen is built, not followed afterwards.
        m_drive.report(StoredProfiles, 7.f);
        QCOMPARE(combo->valuesList().size(), codes.size());
    }

    void screenRows()
    {
        open(QStringLiteral("ConfigurationsForm"));
        BaseForm* form = current();
        QCOMPARE(form->title(), u("Конфигурации").toUpper());
        QCOMPARE(form->rowCount(), 6);
        QCOMPARE(buttonTexts(form), QStringList() << u("Сохранить конфигурацию на USB носитель")
                                                  << u("Загрузить конфигурацию с USB носителя")
                                                  << u("Сохранить уставки в профиль")
                                                  << u("Загрузить уставки из профиля")
                                                  << u("Сбросить все уставки по умолчанию"));
        QCOMPARE(form->subFormButtons(), QList<int>() << 2 << 3);

        open(QStringLiteral("SaveConfigurationForm"));
        QCOMPARE(current()->title(), u("Сохранение уставок в профиль").toUpper());
        QCOMPARE(buttonTexts(current()), QStringList() << u("Профиль 1") << u("Профиль 2") << u("Профиль 3")
                                                       << u("Профиль 4") << u("Профиль 5"));
        QVERIFY(current()->subFormButtons().isEmpty());
    }

    void pagesOpenAndReturn()
    {
        open(QStringLiteral("ConfigurationsForm"));
        select(2);
        key(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("SaveConfigurationForm"));
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("ConfigurationsForm"));
        QCOMPARE(current()->currentRow(), 2);
        select(3);
        key(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("LoadConfigurationForm"));
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("ConfigurationsForm"));
        QCOMPARE(current()->currentRow(), 3);
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("OptionsMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(5));
    }

    void loadPageOffersStoredProfiles()
    {
        m_drive.report(StoredProfiles, 20.f);
        open(QStringLiteral("LoadConfigurationForm"));
        QCOMPARE(current()->title(), u("Загрузка уставок из профиля").toUpper());
        QCOMPARE(buttonTexts(current()), QStringList() << u("Профиль 3") << u("Профиль 5"));
        settle();
        QTest::qWait(20);
        QVERIFY(messageDialogs().isEmpty());

        // The second button loads profile 5.
        select(1);
        KeypadAnswers driver;
        driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
        key(Qt::Key_F4);
        QCOMPARE(driver.texts(), QStringList() << u("Загрузить уставки из профиля 5?"));
        QCOMPARE(m_echo->writesOf(1076).size(), 1);
        QCOMPARE(m_echo->writesOf(1076).first().value, bitsFromFloat(5.f));
    }

    void loadPageWithoutProfilesSaysSoEachTime()
    {
        m_drive.report(StoredProfiles, 0.f);
        const QString text = u("Профили для загрузки отсутствуют!\nНеобходимо сохранить хотя бы один профиль");
        for (int showing = 0; showing < 2; ++showing) {
            open(QStringLiteral("LoadConfigurationForm"));
            QCOMPARE(current()->rowCount(), 0);
            QTRY_COMPARE(messageDialogs().size(), 1);
            QCOMPARE(DialogDriver::dialogText(messageDialogs().first()), text);
            QCOMPARE(qobject_cast<MessageDialog*>(messageDialogs().first())->buttonCount(), 1);
            messageDialogs().first()->reject();
            settle();
        }
    }
};

VRX_TEST_APPLICATION_MAIN(TestConfigurations)
#include "tst_configurations.moc"
