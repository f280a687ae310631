// The settings screens: their rows and choice lists, the revision of this
// program, the commands to update and restart it and to reset the SCADA link
// counters, F11's password reset, and a language chosen here rebuilding the
// menus.
#include "accessdialog.h"
#include "baseaddreditwidget.h"
#include "basecombobox.h"
#include "baseeditwidget.h"
#include "baseform.h"
#include "basepasseditwidget.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "datetimeeditwidget.h"
#include "dialog_driver.h"
#include "keypad_answers.h"
#include "echo_controller.h"
#include "itemview.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "options_menu.h"
#include "parameters.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "store_driver.h"
#include "system_form.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QSignalSpy>

namespace {

const quint16 Protection = 571;
const quint16 AccessLevel = 572;
const quint16 Revision = 1103;
const quint16 RevisionBinding = 0;

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// A row as "kind:ids" (or "button:text"), to compare screens with their layout.
QString describe(QWidget* widget)
{
    if (auto* row = qobject_cast<DateTimeEditWidget*>(widget))
        return QStringLiteral("datetime:%1").arg(row->id());
    if (auto* row = qobject_cast<BaseEditWidget*>(widget))
        return QStringLiteral("edit:%1").arg(row->id());
    if (auto* row = qobject_cast<BaseComboBox*>(widget))
        return QStringLiteral("combo:%1").arg(row->id());
    if (auto* row = qobject_cast<BasePassEditWidget*>(widget))
        return QStringLiteral("pass:%1").arg(row->id());
    if (auto* row = qobject_cast<BaseStatusTextWidget*>(widget))
        return QStringLiteral("text:%1").arg(row->id());
    if (auto* row = qobject_cast<BaseStatusWidget*>(widget))
        return QStringLiteral("status:%1").arg(row->id());
    if (auto* row = qobject_cast<BaseAddrEditWidget*>(widget)) {
        QStringList ids;
        for (quint16 id : row->ids())
            ids << QString::number(id);
        return QStringLiteral("addr:%1").arg(ids.join(QLatin1Char(',')));
    }
    if (auto* button = qobject_cast<PushButton*>(widget))
        return QStringLiteral("button:%1").arg(button->text());
    return QStringLiteral("?");
}

QList<int> codesOf(const PairList& list)
{
    QList<int> codes;
    for (int i = 0; i < list.size(); ++i)
        codes << list.key(i);
    return codes;
}

QStringList textsOf(const PairList& list)
{
    QStringList texts;
    for (int i = 0; i < list.size(); ++i)
        texts << list.value(i);
    return texts;
}


} // namespace

class TestSettingsScreens : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    int m_prompts = 0;
    int m_answer = 1;

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
    void open(const QString& className)
    {
        window()->addForm(OptionsMenu::createNextForm(), className);
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
    QStringList layout()
    {
        QStringList rows;
        for (int row = 0; row < current()->rowCount(); ++row)
            rows << describe(current()->rowWidget(row));
        return rows;
    }
    BaseComboBox* combo(int row) { return qobject_cast<BaseComboBox*>(current()->rowWidget(row)); }
    QList<quint16> writtenIds(const QSignalSpy& writes)
    {
        QList<quint16> ids;
        for (const QList<QVariant>& w : writes)
            ids << w.at(0).value<quint16>();
        return ids;
    }
    void closeDialogs()
    {
        for (QDialog* dialog : DialogDriver::openDialogs())
            dialog->reject();
        settle();
        QTRY_VERIFY(DialogDriver::openDialogs().isEmpty());
    }
    // Presses the button row; the question gets the keys given.
    QStringList command(int row, const QList<int>& answer)
    {
        select(row);
        KeypadAnswers driver;
        if (!answer.isEmpty())
            driver.answerWith(answer);
        key(Qt::Key_F4);
        return driver.texts();
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = store();
        m_drive.report(Protection, 1.f);
        m_drive.report(AccessLevel, 0.f);
        m_drive.report(13, 0.f);
        m_drive.report(1372, 0.f);
        m_drive.reportRaw(Revision, 0x00AB12CDu);
        app()->setAccessPrompt([this](unsigned char, const QString&, QWidget*) {
            ++m_prompts;
            return m_answer;
        });
        app()->showMainWindow();
        QApplication::setActiveWindow(window());
        settle();
    }

    void cleanupTestCase() { delete m_db; }

    void init()
    {
        m_prompts = 0;
        m_answer = 1;
    }

    void cleanup() { closeDialogs(); }

    void systemRows()
    {
        open(QStringLiteral("SystemForm"));
        QCOMPARE(current()->title(), u("Система").toUpper());
        QCOMPARE(layout(), QStringList() << "datetime:562" << "combo:1367" << "combo:1353" << "edit:1354"
                                         << "addr:1355,1356,1357,1358" << "status:1104" << "text:0"
                                         << u("button:Обновить ПО") << u("button:Перезагрузка ПО"));
        const PairList zones = combo(1)->valuesList();
        QCOMPARE(zones.size(), 27);
        QCOMPARE(zones.key(0), -43200);
        QCOMPARE(zones.value(0), QString("UTC-12:00"));
        QCOMPARE(zones.key(12), 0);
        QCOMPARE(zones.value(12), QString("UTC+00:00"));
        QCOMPARE(zones.key(26), 50400);
        QCOMPARE(zones.value(26), QString("UTC+14:00"));
        for (int i = 1; i < zones.size(); ++i)
            QCOMPARE(zones.key(i) - zones.key(i - 1), 3600);
        QCOMPARE(codesOf(combo(2)->valuesList()), QList<int>() << 0 << 1);
        QCOMPARE(textsOf(combo(2)->valuesList()), QStringList() << Common::getTextOnOff(0) << Common::getTextOnOff(1));
    }

    void revisionShownWhileParameterZeroHoldsZero()
    {
        open(QStringLiteral("SystemForm"));
        auto* row = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(6));
        QVERIFY(row);
        QCOMPARE(row->id(), RevisionBinding);
        QCOMPARE(row->nameLabel()->text(), Common::getTextFromId(Revision));
        QCOMPARE(SystemForm::revisionText(0x00AB12CDu), QString("00ab12cd"));
        QCOMPARE(SystemForm::revisionText(0xFEDCBA98u), QString("fedcba98"));

        // Parameter 0 not yet valid: nothing.
        QVERIFY(store()->getValidity(RevisionBinding) == 0);
        QCOMPARE(row->valueTextLabel()->text(), QString());
        // Valid but not 0: nothing.
        m_drive.report(RevisionBinding, 7.f);
        QTRY_VERIFY(!row->isRefreshPending());
        QCOMPARE(row->valueTextLabel()->text(), QString());
        // Valid and 0: the revision, read when the screen was built.
        m_drive.reportRaw(Revision, 0x11111111u);
        m_drive.report(RevisionBinding, 0.f);
        QTRY_COMPARE(row->valueTextLabel()->text(), QString("00ab12cd"));
        m_drive.reportRaw(Revision, 0x00AB12CDu);
    }

    void updateAndRebootCommands_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("question");
        QTest::newRow("update") << 7 << 757 << u("Обновить ПО?");
        QTest::newRow("reboot") << 8 << 758 << u("Перезагрузить ПО?");
    }
    void updateAndRebootCommands()
    {
        QFETCH(int, row);
        QFETCH(int, id);
        QFETCH(QString, question);
        open(QStringLiteral("SystemForm"));
        QSignalSpy writes(store(), &Parameters::signalParamWrite);

        // Refused access: nothing at all.
        m_answer = 0;
        QCOMPARE(command(row, QList<int>()), QStringList());
        QCOMPARE(m_prompts, 1);
        QVERIFY(DialogDriver::openDialogs().isEmpty());
        QCOMPARE(writes.size(), 0);

        // "Нет": asked, nothing written.
        m_answer = 1;
        QCOMPARE(command(row, QList<int>() << Qt::Key_Return), QStringList() << question);
        QCOMPARE(writes.size(), 0);

        // "Да": one write of 1 with the screens' flag.
        QCOMPARE(command(row, QList<int>() << Qt::Key_Left << Qt::Key_Return), QStringList() << question);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(id));
        QCOMPARE(writes.at(0).at(1).value<quint32>(), bitsFromFloat(1.f));
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
        QCOMPARE(m_prompts, 3);
    }

    void passwordsRows()
    {
        m_drive.report(AccessLevel, 2.f);
        open(QStringLiteral("PasswordsForm"));
        QCOMPARE(current()->title(), u("Пароли").toUpper());
        QCOMPARE(layout(), QStringList() << "combo:571" << "text:572" << "pass:573" << "pass:574" << "pass:575");
        QCOMPARE(codesOf(combo(0)->valuesList()), QList<int>() << 0 << 1);
        auto* level = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(1));
        QTRY_COMPARE(level->valueTextLabel()->text(), u("Технолог"));
        m_drive.report(AccessLevel, 4.f);
        QTRY_COMPARE(level->valueTextLabel()->text(), u("Супер"));
        m_drive.report(AccessLevel, 0.f);
        QTRY_COMPARE(level->valueTextLabel()->text(), u("Нет"));
    }

    void f11OpensPasswordResetWithoutAccessCheck()
    {
        open(QStringLiteral("PasswordsForm"));
        select(0);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        bool seen = false;
        bool resetMode = false;
        int level = -1;
        bool modal = false;
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, this, [&]() {
            for (QDialog* dialog : DialogDriver::openDialogs()) {
                if (auto* access = qobject_cast<AccessDialog*>(dialog)) {
                    seen = true;
                    resetMode = access->isResetMode();
                    level = access->requiredLevel();
                    modal = QApplication::activeModalWidget() == access;
                    access->reject();
                }
            }
        });
        watch.start();
        key(Qt::Key_F11);
        watch.stop();
        QVERIFY(seen);
        QVERIFY(resetMode);
        QCOMPARE(level, 0);
        QVERIFY(modal);
        QCOMPARE(m_prompts, 0);
        QCOMPARE(writes.size(), 0);
        QCOMPARE(currentClass(), QString("PasswordsForm"));
    }

    void telemechanicsRows()
    {
        open(QStringLiteral("TelemechanicsForm"));
        QCOMPARE(current()->title(), u("Телемеханика").toUpper());
        QCOMPARE(layout(), QStringList() << "combo:578" << "edit:580" << "combo:581" << "combo:582" << "combo:583"
                                         << "edit:584" << "combo:2087" << "addr:864,865,866,867"
                                         << "addr:868,869,870,871" << "addr:2052,2053,2054,2055" << "status:1654"
                                         << "status:1655" << u("button:Сбросить счётчики"));
        QCOMPARE(codesOf(combo(0)->valuesList()),
                 QList<int>() << 0 << 1 << 2 << 12 << 3 << 4 << 5 << 6 << 7 << 8 << 9 << 10 << 11);
        QCOMPARE(combo(0)->valuesList().value(3), u("Универсал 3"));
        QCOMPARE(codesOf(combo(2)->valuesList()),
                 QList<int>() << 1200 << 2400 << 4800 << 9600 << 19200 << 38400 << 57600 << 115200);
        QCOMPARE(textsOf(combo(2)->valuesList()), QStringList() << "1200" << "2400" << "4800" << "9600" << "19200"
                                                                << "38400" << "57600" << "115200");
        QCOMPARE(codesOf(combo(3)->valuesList()), QList<int>() << 0 << 1 << 2);
        QCOMPARE(textsOf(combo(3)->valuesList()), QStringList() << "None" << "Odd" << "Even");
        QCOMPARE(codesOf(combo(4)->valuesList()), QList<int>() << 1 << 2);
        QCOMPARE(textsOf(combo(4)->valuesList()), QStringList() << "1" << "2");
        QCOMPARE(codesOf(combo(6)->valuesList()), QList<int>() << 0 << 1);
    }

    void counterResetAsksNoAccessLevel()
    {
        open(QStringLiteral("TelemechanicsForm"));
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        m_answer = 0; // would refuse, were it asked
        const QString question = u("Сбросить счётчики качества связи?");
        QCOMPARE(command(12, QList<int>() << Qt::Key_Return), QStringList() << question);
        QCOMPARE(writes.size(), 0);
        QCOMPARE(command(12, QList<int>() << Qt::Key_Left << Qt::Key_Return), QStringList() << question);
        QCOMPARE(writtenIds(writes), QList<quint16>() << 1656);
        QCOMPARE(writes.at(0).at(1).value<quint32>(), bitsFromFloat(1.f));
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
        QCOMPARE(m_prompts, 0);
    }

    void unitsRows()
    {
        open(QStringLiteral("UnitsMeasureForm"));
        QCOMPARE(current()->title(), u("Единицы измерения").toUpper());
        QCOMPARE(layout(), QStringList() << "combo:585" << "combo:586" << "combo:587" << "combo:589" << "combo:1650"
                                         << "combo:1651");
        QCOMPARE(textsOf(combo(0)->valuesList()),
                 QStringList() << u("МПа") << u("атм") << u("ат") << u("бар") << u("psi") << u("кПа"));
        QCOMPARE(codesOf(combo(1)->valuesList()), QList<int>() << 0 << 1);
        QCOMPARE(textsOf(combo(2)->valuesList()), QStringList() << u("g") << u("м/с2") << u("мм/с2"));
        QCOMPARE(textsOf(combo(3)->valuesList()),
                 QStringList() << u("м3/сут") << u("м3/ч") << u("барр/сут") << u("барр/ч"));
        // No entry for code 0.
        QCOMPARE(codesOf(combo(4)->valuesList()), QList<int>() << 1 << 2);
        QCOMPARE(textsOf(combo(4)->valuesList()), QStringList() << u("кВт") << u("Л.С."));
        QCOMPARE(textsOf(combo(5)->valuesList()), QStringList() << u("мм2") << u("AWG"));
    }

    void interfaceRows()
    {
        open(QStringLiteral("InterfaceForm"));
        QCOMPARE(current()->title(), u("Интерфейс").toUpper());
        QCOMPARE(layout(), QStringList() << "combo:570" << "combo:1330" << "edit:762" << "edit:473" << "combo:1372"
                                         << "combo:1178" << "combo:1208" << "combo:1209" << "combo:1477"
                                         << "combo:2051");
        QCOMPARE(textsOf(combo(0)->valuesList()), QStringList() << u("Русский") << u("English") << u("Español"));
        QCOMPARE(codesOf(combo(1)->valuesList()), QList<int>() << 0 << 1 << 2 << 4 << 3);
        const QList<int> levels = QList<int>() << 1 << 2 << 3 << 4 << 5 << 6 << 7 << 8 << 9 << 10;
        QCOMPARE(codesOf(combo(6)->valuesList()), levels);
        QCOMPARE(codesOf(combo(7)->valuesList()), levels);
        QCOMPARE(combo(7)->valuesList().value(9), Common::getTextBacklight(10));
        QCOMPARE(codesOf(combo(8)->valuesList()), QList<int>() << 0 << 1 << 2);
        QCOMPARE(codesOf(combo(9)->valuesList()), QList<int>() << 0 << 1);
    }

    void upsRows()
    {
        open(QStringLiteral("UpsForm"));
        QCOMPARE(current()->title(), u("ИБП").toUpper());
        QCOMPARE(layout(), QStringList() << "edit:1361" << "edit:1362" << "edit:1363");
    }

    void backReturnsToTheEntryInTheSettingsMenu_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("entry");
        QTest::newRow("system") << QStringLiteral("SystemForm") << 0;
        QTest::newRow("passwords") << QStringLiteral("PasswordsForm") << 1;
        QTest::newRow("telemechanics") << QStringLiteral("TelemechanicsForm") << 2;
        QTest::newRow("units") << QStringLiteral("UnitsMeasureForm") << 3;
        QTest::newRow("interface") << QStringLiteral("InterfaceForm") << 4;
        QTest::newRow("ups") << QStringLiteral("UpsForm") << 6;
    }
    void backReturnsToTheEntryInTheSettingsMenu()
    {
        QFETCH(QString, screen);
        QFETCH(int, entry);
        open(screen);
        select(0);
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("OptionsMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(entry));
    }

    void languageChosenHereRebuildsTheMenus()
    {
        EchoController echo(store());
        m_drive.report(Protection, 0.f);
        m_drive.report(570, 0.f);
        settle();
        open(QStringLiteral("InterfaceForm"));
        QPointer<BaseForm> screen = current();
        select(0);
        ComboBox* box = combo(0)->comboBox();
        key(Qt::Key_F4);
        QVERIFY(box->isPopupVisible());
        QTRY_VERIFY(box->itemView()->hasFocus());
        key(Qt::Key_F8); // "English"
        key(Qt::Key_F4);
        QCOMPARE(echo.writesOf(570).size(), 1);
        QCOMPARE(echo.writesOf(570).first().value, bitsFromFloat(1.f));
        // The settings applier loads the language and builds the menus anew.
        QTRY_COMPARE(currentClass(), QString("MainMenu"));
        QCOMPARE(app()->getLanguage(), 1);
        QTRY_VERIFY(!screen);
        m_drive.report(570, 0.f);
        m_drive.report(Protection, 1.f);
        QTRY_COMPARE(app()->getLanguage(), 0);
    }
};

VRX_TEST_APPLICATION_MAIN(TestSettingsScreens)
#include "tst_settings_screens.moc"
