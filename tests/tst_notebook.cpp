// The notebook and equipment pages: the rows each one shows under the values
// that choose them, the rebuilds those values cause (through the controller's
// reports), the warnings, and the three reset commands as the operator gives
// them with the keypad: access, question, one write.
#include "basecombobox.h"
#include "basedoubleparameditwidget.h"
#include "baseeditwidget.h"
#include "baseform.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "virtualkeyboard.h" // basestringeditwidget.h keeps a QPointer to it
#include "basestringeditwidget.h"
#include "combobox.h"
#include "common.h"
#include "counters_form.h"
#include "dialog_driver.h"
#include "echo_controller.h"
#include "em_connect_form.h"
#include "em_form.h"
#include "energy_consumption_form.h"
#include "equipment_menu.h"
#include "filters_form.h"
#include "hole_form.h"
#include "itemview.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "notebook_menu.h"
#include "parameters.h"
#include "progressbardialog.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "stackedform.h"
#include "station_form.h"
#include "statistics_form.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>

namespace {

// A row as "kind:id", the kind from the widget the builder made.
QString describe(BaseForm* form, int row)
{
    QWidget* w = form->rowWidget(row);
    if (auto* text = qobject_cast<BaseStringEditWidget*>(w))
        return QStringLiteral("string:%1+%2").arg(text->ids().value(0)).arg(text->ids().value(1));
    if (auto* number = qobject_cast<BaseDoubleParamEditWidget*>(w))
        return QStringLiteral("double:%1+%2").arg(number->ids().value(0)).arg(number->ids().value(1));
    if (auto* edit = qobject_cast<BaseEditWidget*>(w))
        return QStringLiteral("edit:%1").arg(edit->id());
    if (auto* combo = qobject_cast<BaseComboBox*>(w))
        return QStringLiteral("combo:%1").arg(combo->id());
    if (auto* status = qobject_cast<BaseStatusWidget*>(w))
        return QStringLiteral("num:%1").arg(status->id());
    if (auto* status = qobject_cast<BaseStatusTextWidget*>(w))
        return QStringLiteral("text:%1").arg(status->id());
    if (auto* button = qobject_cast<PushButton*>(w))
        return (form->subFormButtons().contains(row) ? QStringLiteral("sub:") : QStringLiteral("button:")) + button->text();
    return QStringLiteral("?");
}

QStringList rowsOf(BaseForm* form)
{
    QStringList rows;
    for (int row = 0; row < form->rowCount(); ++row)
        rows << describe(form, row);
    return rows;
}

QStringList ids(const char* kind, std::initializer_list<int> list)
{
    QStringList rows;
    for (int id : list)
        rows << QStringLiteral("%1:%2").arg(QLatin1String(kind)).arg(id);
    return rows;
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

QList<MessageDialog*> openMessages()
{
    QList<MessageDialog*> found;
    const QList<QDialog*> dialogs = DialogDriver::openDialogs();
    for (QDialog* dialog : dialogs) {
        if (auto* message = qobject_cast<MessageDialog*>(dialog))
            found << message;
    }
    return found;
}

} // namespace

class TestNotebook : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    EchoController* m_echo = nullptr;
    int m_prompts = 0;
    int m_grant = 1;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    BaseForm* current() { return window()->currentForm(); }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }

    void key(int k)
    {
        DialogDriver::pressKey(k);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void show(QList<BaseForm*> level, const char* className)
    {
        // A closed dialog may have left no active window behind.
        QApplication::setActiveWindow(window());
        window()->addForm(level, QLatin1String(className));
        settle();
        QCOMPARE(currentClass(), QLatin1String(className));
        // Shown as from Back, the cursor may stand on a button: start from the top.
        current()->setCurrentWidget(0);
        QTRY_VERIFY(current()->rowCount() == 0 || current()->rowWidget(0)->hasFocus());
    }
    // Chooses, on the selected combo row, the item `downs` below the stored one.
    void choose(int downs)
    {
        auto* row = qobject_cast<BaseComboBox*>(current()->rowWidget(current()->currentRow()));
        QVERIFY(row);
        QTRY_VERIFY(row->hasFocus());
        QCoreApplication::processEvents();
        key(Qt::Key_F4);
        QVERIFY(row->comboBox()->isPopupVisible());
        QTRY_VERIFY(row->comboBox()->itemView()->hasFocus());
        for (int i = 0; i < downs; ++i)
            key(Qt::Key_F8);
        key(Qt::Key_F4);
    }
    void closeMessages()
    {
        const QList<MessageDialog*> open = openMessages();
        for (MessageDialog* dialog : open)
            dialog->reject();
        settle();
    }
    // Protection on, no level: a command that checks access asks for the password.
    void protect(bool on)
    {
        m_drive.report(571, on ? 1.f : 0.f);
        m_drive.report(572, 0.f);
    }

private slots:
    void initTestCase()
    {
        // The screens log every show and build.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        m_echo = new EchoController(app()->getParameters());
        m_drive.report(762, 0.f); // no carousel
        m_drive.report(1372, 0.f); // the cursor stays on an edited row
        protect(false);
        app()->setAccessPrompt([this](unsigned char, const QString&, QWidget*) {
            ++m_prompts;
            return m_grant;
        });
        app()->showMainWindow();
        QVERIFY(window());
        QApplication::setActiveWindow(window());
        settle();
    }

    void cleanupTestCase()
    {
        closeMessages();
        window()->addForm(new MainMenu, 0);
        settle();
        delete m_echo;
        delete m_db;
    }

    void cleanup() { closeMessages(); }

    // --- rows ---------------------------------------------------------------------

    void holeRows()
    {
        m_drive.report(1663, 0.f);
        show(NotebookMenu::createNextForm(), "HoleForm");
        QCOMPARE(rowsOf(current()), ids("edit", {515, 516, 517}) + ids("combo", {1663}));
        auto* combo = qobject_cast<BaseComboBox*>(current()->rowWidget(3));
        QCOMPARE(combo->valuesList().size(), 2);
        QCOMPARE(combo->valuesList().value(0), Common::getTextOnOff(0));
        QCOMPARE(combo->valuesList().value(1), Common::getTextOnOff(1));

        m_drive.report(1663, 1.f);
        show(NotebookMenu::createNextForm(), "HoleForm");
        QCOMPARE(rowsOf(current()), QStringList() << "string:1657+1658"
                                                  << "string:1659+1660"
                                                  << "string:1661+1662"
                                                  << ids("edit", {515, 516, 517}) << "combo:1663");
    }

    void countersRows()
    {
        show(NotebookMenu::createNextForm(), "CountersForm");
        QCOMPARE(rowsOf(current()),
                 ids("num", {518, 519, 520, 521, 522, 523, 524, 525}) << utf8("button:Сброс счётчиков"));
    }

    void statisticsRows()
    {
        show(NotebookMenu::createNextForm(), "StatisticsForm");
        QCOMPARE(rowsOf(current()), ids("num", {526, 527, 528, 529, 20028, 20039, 20036, 20047, 20032, 20043, 530,
                                                531, 532})
                                        + ids("text", {533}) + ids("num", {534}) + ids("text", {535})
                                        + ids("num", {536, 537}));
        auto* stop = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(15));
        QCOMPARE(stop->nameLabel()->text(), Common::getTextFromId(535));
    }

    void statisticsStartReasons()
    {
        m_drive.report(533, 3.f);
        show(NotebookMenu::createNextForm(), "StatisticsForm");
        auto* start = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(13));
        QCOMPARE(start->valueTextLabel()->text(), Common::getTextReasonRun(3));
        for (int code : {0, 77, 156}) {
            m_drive.report(533, float(code));
            QTRY_COMPARE(start->valueTextLabel()->text(), Common::getTextReasonRun(code));
        }
        // Beyond the list: the row keeps what it shows.
        m_drive.report(533, 157.f);
        QTest::qWait(700);
        QCOMPARE(start->valueTextLabel()->text(), Common::getTextReasonRun(156));
    }

    // The reason of the last stop names every code from 0 to 65534 as a row
    // holding the full list of them would, and leaves any other value alone.
    void statisticsStopReasonsAsAFullList()
    {
        show(NotebookMenu::createNextForm(), "StatisticsForm");
        auto* stop = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(15));
        QVERIFY(stop);

        PairList all;
        for (int code = 0; code <= 65534; ++code)
            all.append(code, Common::getTextReasonStop(code));
        BaseStatusTextWidget listed(535, 0, current());
        listed.setValuesList(all);
        listed.hide();

        Parameters* store = app()->getParameters();
        auto both = [&](quint32 raw) {
            // Reported while the rows are hidden, shown afterwards: a row
            // refreshes as it is shown.
            stop->hide();
            store->slotParamUpdated(535, raw, Parameters::KindValue);
            stop->show();
            listed.show();
            listed.hide();
        };
        for (int code = 0; code <= 65534; ++code) {
            both(bitsFromFloat(float(code)));
            if (stop->valueTextLabel()->text() != listed.valueTextLabel()->text())
                QFAIL(qPrintable(QStringLiteral("code %1").arg(code)));
        }
        QCOMPARE(stop->valueTextLabel()->text(), Common::getTextReasonStop(65534));
        for (float outside : {65535.f, 70000.f, -1.f, 12.5f}) {
            both(bitsFromFloat(outside));
            QCOMPARE(stop->valueTextLabel()->text(), Common::getTextReasonStop(65534));
            QCOMPARE(listed.valueTextLabel()->text(), Common::getTextReasonStop(65534));
        }
        // An invalid value leaves it too.
        both(ParameterDef::InvalidValue);
        QCOMPARE(stop->valueTextLabel()->text(), Common::getTextReasonStop(65534));
        both(bitsFromFloat(5.f));
        QCOMPARE(stop->valueTextLabel()->text(), Common::getTextReasonStop(5));
        // And through the ordinary refresh of a shown row.
        m_drive.report(535, 4.f);
        QTRY_COMPARE(stop->valueTextLabel()->text(), Common::getTextReasonStop(4));
    }

    void stationRows()
    {
        show(NotebookMenu::createNextForm(), "StationForm");
        QCOMPARE(rowsOf(current()), QStringList() << "combo:884"
                                                  << "num:538"
                                                  << "edit:539"
                                                  << "double:540+885"
                                                  << "num:541"
                                                  << "edit:542"
                                                  << "num:543"
                                                  << "edit:544"
                                                  << "num:545"
                                                  << "num:546"
                                                  << ids("edit", {547, 548, 549}) << "double:550+886"
                                                  << ids("edit", {551, 552}) << ids("num", {820, 819}));
        auto* combo = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        const QList<int> currents{100, 160, 250, 400, 450, 630, 800, 1000, 1200, 1400, 1600, 1800, 2000, 2400};
        QCOMPARE(combo->valuesList().size(), currents.size());
        for (int i = 0; i < currents.size(); ++i) {
            QCOMPARE(combo->valuesList().key(i), currents.at(i));
            QCOMPARE(combo->valuesList().value(i), QString::number(currents.at(i)));
        }
    }

    void energyConsumptionRows()
    {
        show(NotebookMenu::createNextForm(), "EnergyConsumptionForm");
        QCOMPARE(rowsOf(current()), ids("num", {20032, 20030, 20036, 20034, 20051, 20052}) + ids("edit", {851})
                                        << utf8("button:Сброс потреблёной активной электоэнергии"));
    }

    void emConnectRows()
    {
        show(EmForm::createNextForm(), "EmConnectForm");
        QCOMPARE(current()->title(), utf8("Связь со счётчиком электроэнергии").toUpper());
        QCOMPARE(rowsOf(current()),
                 ids("num", {987, 988, 989, 993, 990, 991, 992}) << utf8("button:Сбросить счётчики"));
    }

    // --- the energy meter -------------------------------------------------------------

    void emRowsFollowTheMeterType()
    {
        m_drive.report(705, 0.f);
        show(EquipmentMenu::createNextForm(), "EmForm");
        QCOMPARE(rowsOf(current()), ids("combo", {705}));
        auto* type = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        QCOMPARE(type->valuesList().size(), 5);
        for (int code = 0; code <= 4; ++code)
            QCOMPARE(type->valuesList().value(code), Common::getTextEmType(code));
        const QList<BaseForm*> link = EmForm::createNextForm();
        QCOMPARE(link.size(), 1);
        QCOMPARE(QString::fromLatin1(link.at(0)->metaObject()->className()), QString("EmConnectForm"));
        qDeleteAll(link);

        // A meter chosen: the page rebuilds itself with the ratio, the
        // voltage source and the link button.
        QPointer<BaseForm> before = current();
        m_drive.report(705, 2.f);
        settle();
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("EmForm"));
        QCOMPARE(rowsOf(current()), QStringList() << "combo:705"
                                                  << "edit:20049"
                                                  << "combo:1482"
                                                  << utf8("sub:Параметры связи счётчика электроэнергии"));
        auto* source = qobject_cast<BaseComboBox*>(current()->rowWidget(2));
        QCOMPARE(source->valuesList().size(), 2);
        QCOMPARE(source->valuesList().value(0), Common::getTextSourceVoltage(0));
        QCOMPARE(source->valuesList().value(1), Common::getTextSourceVoltage(1));

        // The link page and back to its button.
        key(Qt::Key_F6);
        key(Qt::Key_F4);
        settle();
        QCOMPARE(currentClass(), QString("EmConnectForm"));
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("EmForm"));
        QCOMPARE(current()->currentRow(), 3);
        // Back from the page lands on its entry of the equipment menu.
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(4));

        // Meter off again.
        show(EquipmentMenu::createNextForm(), "EmForm");
        m_drive.report(705, 0.f);
        settle();
        QCOMPARE(rowsOf(current()), ids("combo", {705}));
    }

    void emTypeChosenWithTheKeypad()
    {
        m_drive.report(705, 0.f);
        m_drive.report(572, 3.f); // the meter type is a level-3 setting
        show(EquipmentMenu::createNextForm(), "EmForm");
        QPointer<BaseForm> before = current();
        m_echo->clearWrites();
        choose(1);
        settle();
        QCOMPARE(m_echo->writesOf(705).size(), 1);
        QCOMPARE(m_echo->writesOf(705).at(0).value, bitsFromFloat(1.f));
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("EmForm"));
        QCOMPARE(current()->rowCount(), 4);
        QCOMPARE(current()->currentRow(), 0);
        m_drive.report(572, 0.f);
    }

    void emVoltageSourceWarning()
    {
        m_drive.report(705, 1.f);
        m_drive.report(1482, 0.f);
        show(EquipmentMenu::createNextForm(), "EmForm");
        BaseForm* page = current();
        QVERIFY(openMessages().isEmpty());

        const QString warning = utf8("Внимание!\nОтключена запись аварийных архивов\nи защита чередования фаз");
        m_drive.report(1482, 1.f);
        QCOMPARE(openMessages().size(), 1);
        MessageDialog* dialog = openMessages().at(0);
        QCOMPARE(dialog->messageLabel()->text(), warning);
        QVERIFY(dialog->parent() == page);
        QCOMPARE(dialog->buttonCount(), 1);
        // Not waited for: the page goes on.
        QCOMPARE(current(), page);

        // Reported again while it is open: the one open warning says it.
        m_drive.report(1482, 1.f);
        QCOMPARE(openMessages().size(), 1);
        closeMessages();

        // Every later update that leaves it at 1 says it again; 0 says nothing.
        m_drive.report(1482, 1.f);
        QCOMPARE(openMessages().size(), 1);
        closeMessages();
        m_drive.report(1482, 0.f);
        QVERIFY(openMessages().isEmpty());
        // The voltage source does not rebuild the page.
        QCOMPARE(current(), page);
    }

    // --- the filters --------------------------------------------------------------------

    void filterRows_data()
    {
        QTest::addColumn<float>("drive");
        QTest::addColumn<float>("input");
        QTest::addColumn<float>("output");
        QTest::addColumn<QStringList>("rows");
        const QStringList inputOn = QStringList() << "combo:712" << "edit:1684" << "edit:1685";
        const QStringList outputOn = QStringList() << "combo:713" << "edit:695" << "edit:714" << "edit:1340"
                                                   << "num:786" << "combo:1101" << "num:10327";
        QTest::newRow("both off") << 0.f << 0.f << 0.f << (QStringList() << "combo:712" << "combo:713");
        QTest::newRow("input on") << 2.f << 1.f << 0.f << (inputOn + QStringList{"combo:713"});
        QTest::newRow("input on, drive 3") << 3.f << 1.f << 0.f
                                           << (inputOn + QStringList{"num:10552", "combo:713"});
        QTest::newRow("output on") << 0.f << 0.f << 1.f << (QStringList{"combo:712"} + outputOn);
        QTest::newRow("both on, drive 3") << 3.f << 1.f << 1.f
                                          << (inputOn + QStringList{"num:10552"} + outputOn
                                              + QStringList{"num:10328"});
        QTest::newRow("16-bit reading") << 65539.f << 65536.f << 2.f << (QStringList{"combo:712"} + outputOn + QStringList{"num:10328"});
    }

    void filterRows()
    {
        QFETCH(float, drive);
        QFETCH(float, input);
        QFETCH(float, output);
        QFETCH(QStringList, rows);
        m_drive.report(685, drive);
        m_drive.report(712, input);
        m_drive.report(713, output);
        show(EquipmentMenu::createNextForm(), "FiltersForm");
        QCOMPARE(rowsOf(current()), rows);
        closeMessages();
    }

    void filtersRebuildOnTheirSwitches()
    {
        m_drive.report(685, 0.f);
        m_drive.report(712, 0.f);
        m_drive.report(713, 0.f);
        show(EquipmentMenu::createNextForm(), "FiltersForm");
        key(Qt::Key_F8);
        QCOMPARE(current()->currentRow(), 1);

        QPointer<BaseForm> before = current();
        m_drive.report(712, 1.f);
        settle();
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("FiltersForm"));
        QCOMPARE(rowsOf(current()), QStringList() << "combo:712" << "edit:1684" << "edit:1685" << "combo:713");
        // The selected row is kept.
        QCOMPARE(current()->currentRow(), 1);

        before = current();
        m_drive.report(713, 1.f);
        settle();
        QVERIFY(before.isNull());
        QCOMPARE(current()->rowCount(), 10);

        // The settings of a filter do not rebuild the page.
        before = current();
        m_drive.report(1684, 5.f);
        m_drive.report(1101, 1.f);
        m_drive.report(695, 2.f);
        settle();
        QCOMPARE(current(), before.data());
    }

    void filterOverheatWarning()
    {
        const QString warning = utf8("Защита по перегреву фильтра отключена");
        m_drive.report(685, 2.f);
        m_drive.report(712, 1.f);
        m_drive.report(1101, 0.f);
        m_drive.report(713, 0.f);
        show(EquipmentMenu::createNextForm(), "FiltersForm");
        QVERIFY(openMessages().isEmpty());

        // The input filter switched off with the sensor off: warned on the
        // main window, and the page rebuilt without the filter's rows.
        QPointer<BaseForm> before = current();
        m_drive.report(712, 0.f);
        settle();
        QCOMPARE(openMessages().size(), 1);
        QCOMPARE(openMessages().at(0)->messageLabel()->text(), warning);
        QVERIFY(openMessages().at(0)->parent() == window());
        QVERIFY(before.isNull());
        QCOMPARE(rowsOf(current()), QStringList() << "combo:712" << "combo:713");
        closeMessages();

        // The sensor switched off with the input filter off.
        m_drive.report(1101, 1.f);
        QVERIFY(openMessages().isEmpty());
        m_drive.report(1101, 0.f);
        QCOMPARE(openMessages().size(), 1);
        closeMessages();

        // Nothing while either is on, nothing for another drive type.
        m_drive.report(712, 1.f);
        settle();
        m_drive.report(1101, 0.f);
        QVERIFY(openMessages().isEmpty());
        m_drive.report(685, 3.f);
        m_drive.report(712, 0.f);
        settle();
        QVERIFY(openMessages().isEmpty());
        QCOMPARE(currentClass(), QString("FiltersForm"));
    }

    void filtersAdaptationReminder()
    {
        m_drive.report(685, 2.f);
        m_drive.report(712, 0.f);
        show(EquipmentMenu::createNextForm(), "FiltersForm");
        // The page shown before heard 712 fall with the sensor off.
        closeMessages();
        BaseForm* page = current();
        m_drive.report(783, 1.f);
        QCOMPARE(openMessages().size(), 1);
        QCOMPARE(openMessages().at(0)->messageLabel()->text(),
                 utf8("Внимание!\nНеобходимо провести автоадаптацию"));
        QCOMPARE(current(), page);
        closeMessages();
        m_drive.report(783, 0.f);
    }

    // --- rebuilds and the operator's page -------------------------------------------------

    // The well page rebuilds when the operator chooses to use the names: the
    // choice goes to the controller, comes back as a report, and the page is
    // built again with the same row selected.
    void holeRebuildThroughTheController()
    {
        m_drive.report(1663, 0.f);
        show(NotebookMenu::createNextForm(), "HoleForm");
        QPointer<BaseForm> before = current();
        key(Qt::Key_F6);
        QCOMPARE(current()->currentRow(), 3);
        m_echo->clearWrites();
        choose(1);
        settle();
        QCOMPARE(m_echo->writesOf(1663).size(), 1);
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("HoleForm"));
        QCOMPARE(current()->rowCount(), 7);
        QCOMPARE(current()->currentRow(), 3);
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        QCOMPARE(window()->stackedForm()->formsList().size(), 5);
        QTRY_VERIFY(current()->rowWidget(3)->hasFocus());

        // Other ids leave it alone.
        before = current();
        m_drive.report(515, 12.f);
        m_drive.reportRaw(1657, 0x41u);
        settle();
        QCOMPARE(current(), before.data());
    }

    // A page of the list that the operator has turned away from does not pull
    // him back; it catches up when he turns to it.
    void rebuildOutOfSightWaitsForTheShow()
    {
        m_drive.report(1663, 1.f);
        show(NotebookMenu::createNextForm(), "HoleForm");
        QPointer<BaseForm> hole = current();
        QCOMPARE(hole->rowCount(), 7);
        key(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("CountersForm"));
        BaseForm* counters = current();

        m_drive.report(1663, 0.f);
        settle();
        QCOMPARE(current(), counters);
        QVERIFY(!hole.isNull());

        key(Qt::Key_F5);
        settle();
        QTRY_VERIFY(hole.isNull());
        QCOMPARE(currentClass(), QString("HoleForm"));
        QCOMPARE(current()->rowCount(), 4);
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
    }

    // --- commands ---------------------------------------------------------------------------

    // The button pressed again while its question waits asks nothing more:
    // one question, one write.
    void commandNotStartedTwice()
    {
        protect(false);
        show(NotebookMenu::createNextForm(), "CountersForm");
        key(Qt::Key_F6);
        QWidget* button = current()->rowWidget(current()->rowCount() - 1);
        QTRY_VERIFY(button->hasFocus());
        m_echo->clearWrites();

        int questions = 0;
        bool pressedAgain = false;
        QTimer operatorHand;
        operatorHand.setInterval(5);
        connect(&operatorHand, &QTimer::timeout, [&] {
            const QList<MessageDialog*> open = openMessages();
            questions = qMax(questions, open.size());
            if (open.size() > 1) {
                // A second question: refuse them all, the test has failed.
                for (MessageDialog* dialog : open)
                    dialog->reject();
                return;
            }
            if (open.isEmpty())
                return;
            if (!pressedAgain) {
                pressedAgain = true;
                QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
                QCoreApplication::sendEvent(button, &press);
                return;
            }
            // "Да", through the keypad's path to the dialog's focused button.
            QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == open.at(0));
            DialogDriver::pressKey(Qt::Key_Left);
            DialogDriver::pressKey(Qt::Key_Return);
        });
        operatorHand.start();
        key(Qt::Key_F4);
        settle();
        operatorHand.stop();
        QVERIFY(pressedAgain);
        QCOMPARE(questions, 1);
        QCOMPARE(m_echo->writesOf(631).size(), 1);
        QVERIFY(openMessages().isEmpty());
    }

    void commands_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<quint16>("id");
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("checksAccess");
        QTest::addColumn<QString>("question");
        QTest::newRow("counters") << "CountersForm" << quint16(631) << 3.f << true << utf8("Сбросить все счётчики?");
        QTest::newRow("energy") << "EnergyConsumptionForm" << quint16(852) << 3.f << true
                                << utf8("Сбросить потребленую активную электоэнергию?");
        QTest::newRow("meter link") << "EmConnectForm" << quint16(998) << 1.f << false
                                    << utf8("Сбросить счётчики качества связи?");
    }

    // Each command, from its button (the last row of its page): a refused
    // access asks nothing and writes nothing; "Нет", Esc and the timeout of
    // the question write nothing; "Да" writes the command once.
    void commands()
    {
        QFETCH(QString, page);
        QFETCH(quint16, id);
        QFETCH(float, value);
        QFETCH(bool, checksAccess);
        QFETCH(QString, question);

        auto open = [&] {
            if (page == QLatin1String("EmConnectForm"))
                show(EmForm::createNextForm(), "EmConnectForm");
            else
                show(NotebookMenu::createNextForm(), qPrintable(page));
            key(Qt::Key_F6); // the button, the last row
            QVERIFY(qobject_cast<PushButton*>(current()->rowWidget(current()->currentRow())));
            QTRY_VERIFY(current()->rowWidget(current()->currentRow())->hasFocus());
        };
        // A closed dialog leaves no active window behind offscreen: give the
        // focus back to the button as the window system would.
        auto refocus = [&] {
            QApplication::setActiveWindow(window());
            current()->setCurrentWidget(current()->rowCount() - 1);
            QTRY_VERIFY(current()->rowWidget(current()->rowCount() - 1)->hasFocus());
        };
        auto press = [&](DialogDriver& driver) {
            refocus();
            m_echo->clearWrites();
            m_prompts = 0;
            key(Qt::Key_F4);
            settle();
            QCOMPARE(driver.pending(), 0);
        };

        // Access refused.
        open();
        protect(true);
        m_grant = 0;
        {
            DialogDriver driver;
            // Should a question come, "Нет".
            driver.answerWith(Qt::Key_Return);
            m_echo->clearWrites();
            m_prompts = 0;
            key(Qt::Key_F4);
            settle();
            if (checksAccess) {
                QCOMPARE(m_prompts, 1);
                QCOMPARE(driver.answered(), 0);
            } else {
                // No access check: the question comes all the same.
                QCOMPARE(m_prompts, 0);
                QCOMPARE(driver.texts(), QStringList() << question);
            }
            QVERIFY(openMessages().isEmpty());
            QVERIFY(m_echo->writes().isEmpty());
        }
        m_grant = 1;

        // Access granted by the password (or none asked): "Нет" is focused.
        for (int answer : {int(Qt::Key_Return), int(Qt::Key_Escape), int(Qt::Key_F3)}) {
            DialogDriver driver;
            driver.answerWith(answer);
            press(driver);
            QCOMPARE(m_prompts, checksAccess ? 1 : 0);
            QCOMPARE(driver.texts(), QStringList() << question);
            QVERIFY(m_echo->writes().isEmpty());
            QVERIFY(openMessages().isEmpty());
        }

        // Nobody answers: the question rejects itself after its time.
        {
            QTimer expire;
            expire.setInterval(5);
            int asked = 0;
            connect(&expire, &QTimer::timeout, [&] {
                const QList<MessageDialog*> open = openMessages();
                for (MessageDialog* dialog : open) {
                    if (dialog->closeTimer()->isActive() && dialog->closeTimer()->interval() == Dialog::CloseTimeoutMs) {
                        ++asked;
                        QCOMPARE(dialog->messageLabel()->text(), question);
                        // As if the five minutes had passed.
                        dialog->closeTimer()->start(1);
                    }
                }
            });
            expire.start();
            refocus();
            m_echo->clearWrites();
            key(Qt::Key_F4);
            settle();
            expire.stop();
            QCOMPARE(asked, 1);
            QVERIFY(m_echo->writes().isEmpty());
            QVERIFY(openMessages().isEmpty());
        }

        // "Да": one write of the command, flag 1, and no progress window.
        {
            DialogDriver driver;
            driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
            press(driver);
            QCOMPARE(m_prompts, checksAccess ? 1 : 0);
            QCOMPARE(driver.texts(), QStringList() << question);
            QCOMPARE(m_echo->writes().size(), 1);
            QCOMPARE(m_echo->writes().at(0).id, id);
            QCOMPARE(m_echo->writes().at(0).value, bitsFromFloat(value));
            QCOMPARE(m_echo->writes().at(0).flag, 1);
            QVERIFY(DialogDriver::openDialogs().isEmpty());
        }

        // Protection off: no password asked, the same question and write.
        protect(false);
        {
            DialogDriver driver;
            driver.answerWith(QList<int>() << Qt::Key_Left << Qt::Key_Return);
            press(driver);
            QCOMPARE(m_prompts, 0);
            QCOMPARE(m_echo->writesOf(id).size(), 1);
        }
        QCOMPARE(currentClass(), page);
    }
};

VRX_TEST_APPLICATION_MAIN(TestNotebook)
#include "tst_notebook.moc"
