// The notebook, equipment, output and calibration pages: the rows each shows
// under the values that choose them, the lists of their choices, the rebuilds
// those values cause as the controller reports them, the warnings, the reset
// commands as the operator gives them (access, question, one write), and the
// scale ends of an analog output entered in its source's unit.
#include "analog_outputs_menu.h"
#include "basecombobox.h"
#include "baseeditwidget.h"
#include "baseform.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "virtualkeyboard.h" // basestringeditwidget.h keeps a QPointer to it
#include "basestringeditwidget.h"
#include "combobox.h"
#include "common.h"
#include "corrections_form.h"
#include "echo_controller.h"
#include "em_form.h"
#include "equipment_menu.h"
#include "itemview.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "notebook_menu.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "relay_outputs_options_menu.h"
#include "stackedform.h"
#include "store_driver.h"
#include "technolog_params_menu.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>

namespace {

// A row as "kind:id", with ":label" when its label is not the id's short name.
QString describe(BaseForm* form, int row)
{
    QWidget* w = form->rowWidget(row);
    if (auto* button = qobject_cast<PushButton*>(w))
        return (form->subFormButtons().contains(row) ? "sub:" : "button:") + button->text();
    if (auto* multi = qobject_cast<BaseMultiParamEditWidget*>(w))
        return QStringLiteral("%1:%2+%3")
            .arg(qobject_cast<BaseStringEditWidget*>(w) ? "string" : "double")
            .arg(multi->ids().value(0))
            .arg(multi->ids().value(1));
    auto* param = qobject_cast<BaseParamWidget*>(w);
    if (!param)
        return QStringLiteral("?");
    const char* kind = qobject_cast<BaseEditWidget*>(w)         ? "edit"
                       : qobject_cast<BaseComboBox*>(w)         ? "combo"
                       : qobject_cast<BaseStatusTextWidget*>(w) ? "text"
                                                                : "num";
    const QString label = w->findChild<QLabel*>(QStringLiteral("nameLabel_"))->text();
    return QStringLiteral("%1:%2").arg(QLatin1String(kind)).arg(param->id())
           + (label == Common::getTextFromId(param->id()) ? QString() : ':' + label);
}

// The level a page is built in, as its parent menu builds it.
QList<BaseForm*> levelOf(const QString& page)
{
    const auto inList = [&page](const char* prefix, const char* menu) { return page.startsWith(prefix) && page != menu; };
    if (inList("RelayOutputsOptions", "RelayOutputsOptionsMenu"))
        return RelayOutputsOptionsMenu::createNextForm();
    if (inList("AnalogOutput", "AnalogOutputsMenu"))
        return AnalogOutputsMenu::createNextForm();
    if (inList("Correction", "CorrectionsForm"))
        return CorrectionsForm::createNextForm();
    if (page == QLatin1String("CorrectionsForm"))
        return TechnologParamsMenu::createNextForm();
    if (page == QLatin1String("EmConnectForm"))
        return EmForm::createNextForm();
    if (QStringList{"EmForm", "FiltersForm", "RelayOutputsOptionsMenu", "AnalogOutputsMenu"}.contains(page))
        return EquipmentMenu::createNextForm();
    return NotebookMenu::createNextForm();
}

// The pattern with first..last put in, joined as a row list.
QString run(const QString& pattern, int first, int last)
{
    QStringList rows;
    for (int n = first; n <= last; ++n)
        rows << pattern.arg(n);
    return rows.join(QStringLiteral(", "));
}

} // namespace

class TestRowPages : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    EchoController* m_echo = nullptr;
    int m_prompts = 0;
    int m_grant = 1;

    Parameters* store() { return MainApplication::getInstance()->getParameters(); }
    MainWindow* window() { return MainApplication::getInstance()->getMainWindow(); }
    BaseForm* current() { return window()->currentForm(); }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }
    QString rows()
    {
        QStringList all;
        for (int row = 0; row < current()->rowCount(); ++row)
            all << describe(current(), row);
        return all.join(QStringLiteral(", "));
    }
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    void report(const QString& reports)
    {
        m_drive.reportAll(reports);
        settle();
    }
    void key(int k)
    {
        // A closed dialog leaves no active window offscreen; the window system
        // would give the focus back to the main window.
        if (!QApplication::activeWindow() && DialogDriver::openDialogs().isEmpty())
            QApplication::setActiveWindow(window());
        DialogDriver::pressKey(k);
        settle();
    }
    void open(const QString& className, const QString& reports = QString())
    {
        report(reports);
        QApplication::setActiveWindow(window());
        window()->addForm(levelOf(className), className);
        settle();
        QCOMPARE(currentClass(), className);
        // Shown as from Back, the cursor may stand on a button: start from the top.
        current()->setCurrentWidget(0);
        QTRY_VERIFY2(current()->rowWidget(0)->hasFocus(), "the first row takes the focus");
        closeMessages(); // warnings the page shown before gave on these reports
    }
    // Chooses, on the selected combo row, the item `moves` below (above) the stored one.
    void choose(int moves)
    {
        auto* row = qobject_cast<BaseComboBox*>(current()->rowWidget(current()->currentRow()));
        QVERIFY(row);
        QTRY_VERIFY2(row->hasFocus(), "the combo row takes the focus");
        key(Qt::Key_F4);
        QTRY_VERIFY2(row->comboBox()->itemView()->hasFocus(), "the list opens");
        for (int i = 0; i < qAbs(moves); ++i)
            key(moves > 0 ? Qt::Key_F8 : Qt::Key_F6);
        key(Qt::Key_F4);
    }
    QStringList messages()
    {
        QStringList texts;
        for (QDialog* dialog : DialogDriver::openDialogs())
            if (qobject_cast<MessageDialog*>(dialog))
                texts << DialogDriver::dialogText(dialog);
        return texts;
    }
    void closeMessages()
    {
        DialogDriver::closeAll();
        settle();
    }
    // Protection on and no level: a command that checks access asks for the password.
    void protect(bool on) { report(on ? "571=1 572=0" : "571=0 572=4"); }

    void pageRowsData(int area)
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QString>("rows");
        const auto row = [area](const char* name, const char* page, const char* reports, const QString& rows) {
            const QString p = QLatin1String(page);
            if (area == (p.startsWith("Correction") ? 2 : p.startsWith("RelayOutputs") || p.startsWith("AnalogOutput") ? 1 : 0))
                QTest::newRow(name) << page << reports << rows;
        };
        const QString numbers = run("edit:%1", 515, 517) + ", combo:1663";
        row("well, numbers", "HoleForm", "1663=0", numbers);
        row("well, names", "HoleForm", "1663=1", "string:1657+1658, string:1659+1660, string:1661+1662, " + numbers);
        row("counters", "CountersForm", "", run("num:%1", 518, 525) + ", button:Сброс счётчиков");
        row("statistics", "StatisticsForm", "", run("num:%1", 526, 529) + ", num:20028, num:20039, num:20036, num:20047, "
            "num:20032, num:20043, num:530, num:531, num:532, text:533, num:534, text:535, num:536, num:537");
        row("station", "StationForm", "", "combo:884, num:538, edit:539, double:540+885, num:541, edit:542, num:543, "
            "edit:544, num:545, num:546, edit:547, edit:548, edit:549, double:550+886, edit:551, edit:552, num:820, num:819");
        row("energy", "EnergyConsumptionForm", "", "num:20032, num:20030, num:20036, num:20034, num:20051, num:20052, "
            "edit:851, button:Сброс потреблёной активной электоэнергии");
        row("meter off", "EmForm", "705=0", "combo:705");
        row("meter", "EmForm", "705=2", "combo:705, edit:20049, combo:1482, sub:Параметры связи счётчика электроэнергии");
        row("meter link", "EmConnectForm", "", "num:987, num:988, num:989, num:993, num:990, num:991, num:992, "
            "button:Сбросить счётчики");
        const QString in = "combo:712, edit:1684, edit:1685";
        const QString out = "combo:713, edit:695, edit:714, edit:1340, num:786, combo:1101, num:10327";
        row("input filter", "FiltersForm", "685=2 712=1 713=0", in + ", combo:713");
        row("both filters, drive 3", "FiltersForm", "685=3 712=1 713=1", in + ", num:10552, " + out + ", num:10328");
        row("filters, 16-bit", "FiltersForm", "685=65539 712=65536 713=2", "combo:712, " + out + ", num:10328");
        row("relays", "RelayOutputsOptionsMenu", "1644=0", run("sub:Релейный выход %1", 1, 4));
        row("relays, extension", "RelayOutputsOptionsMenu", "1644=0.5", run("sub:Релейный выход %1", 1, 12));
        row("relay 1, none", "RelayOutputsOptions1Form", "1644=1 962=0", "combo:962");
        row("relay 4, alarm", "RelayOutputsOptions4Form", "965=8", "combo:965, combo:1741, edit:1753, edit:1765");
        row("relay 5, other", "RelayOutputsOptions5Form", "1730=3", "combo:1730, edit:1754, edit:1766");
        row("relay 12, alarm", "RelayOutputsOptions12Form", "1737=8", "combo:1737, combo:1749, edit:1761, edit:1773");
        row("relay 2, 16-bit", "RelayOutputsOptions2Form", "963=65544", "combo:963, combo:1739, edit:1751, edit:1763");
        row("relay 3, negative", "RelayOutputsOptions3Form", "964=-3", "combo:964");
        row("analog outputs", "AnalogOutputsMenu", "", run("sub:Аналоговый выход %1", 1, 4));
        row("analog 1, off", "AnalogOutput1Form", "1615=0 1625=10013", "combo:1615");
        row("analog 1, no source", "AnalogOutput1Form", "1615=1 1625=0", "combo:1615, combo:1625");
        row("analog 4, unlisted", "AnalogOutput4Form", "1618=1 1628=530", "combo:1618, combo:1628, num:530, edit:1632, edit:1636");
        row("analog 2, 16-bit", "AnalogOutput2Form", "1616=65537 1626=75549",
            "combo:1616, combo:1626, num:10013, edit:1630, edit:1634");
        row("corrections", "CorrectionsForm", "", "combo:2085, sub:Корректировка тока на входе, "
            "sub:Корректировка напряжения на входе, sub:Корректировка тока на выходе, sub:Корректировка напряжения на выходе, "
            "sub:Корректировка тока трансформатора, sub:Корректировка напряжения трансформатора, "
            "sub:Корректировка тока двигателя, sub:Корректировка напряжения двигателя, sub:Корректировка аналоговых входов");
        // Calibration screens under the voltage kind 1178, the mode 2085 and the model pages 1518.
        const auto line = [](int first, const char* kind, const char* a, const char* b, const char* c) {
            return QStringLiteral("%1:%2:Коэффициент %3, %1:%4:Коэффициент %5, %1:%6:Коэффициент %7")
                .arg(QLatin1String(kind)).arg(first).arg(QLatin1String(a)).arg(first + 1).arg(QLatin1String(b))
                .arg(first + 2).arg(QLatin1String(c));
        };
        row("input currents", "CorrectionsCurrentIn", "2085=0 1518=1", run("edit:%1", 854, 856) + ", " + run("num:%1", 857, 859));
        row("output voltages, line, values, model", "CorrectionsVoltageOut", "1178=1 2085=1 1518=1",
            run("edit:%1", 1148, 1150) + ", " + line(1403, "num", "UV", "VW", "WU") + ", " + run("num:%1", 1528, 1530));
        row("output voltages, phase", "CorrectionsVoltageOut", "1178=0 2085=0 1518=0",
            run("edit:%1", 1403, 1405) + ", " + run("num:%1", 1144, 1146));
        row("input voltages, line, model", "CorrectionsVoltageIn", "1178=1 2085=0 1518=1",
            line(508, "edit", "AB", "BC", "CA") + ", " + run("num:%1", 709, 711));
        row("input voltages, mode 2", "CorrectionsVoltageIn", "1178=0 2085=2 1518=1",
            run("edit:%1", 706, 708) + ", " + run("num:%1", 508, 510));
        row("output currents, model", "CorrectionsCurrentOut", "2085=0 1518=1",
            run("edit:%1", 511, 513) + ", " + run("num:%1", 1163, 1165) + ", " + run("num:%1", 1520, 1522));
        row("transformer voltages, 16-bit", "CorrectionsVoltageTrans", "1178=65537 2085=65536 1518=65537",
            line(1409, "edit", "AB", "BC", "CA") + ", " + run("num:%1", 1156, 1158) + ", " + run("num:%1", 1540, 1542));
        row("transformer currents", "CorrectionsCurrentTrans", "2085=1 1518=0", run("edit:%1", 1167, 1169) + ", " + run("num:%1", 1406, 1408));
        row("motor currents, model", "CorrectionsCurrentMotor", "2085=0 1518=1",
            run("edit:%1", 1412, 1414) + ", " + run("num:%1", 2, 4) + ", " + run("num:%1", 1544, 1546));
        row("motor voltages, phase, values", "CorrectionsVoltageMotor", "1178=0 2085=1 1518=1",
            run("edit:%1", 716, 718) + ", " + run("num:%1", 1415, 1417) + ", " + run("num:%1", 1548, 1550));
        row("motor voltages, line", "CorrectionsVoltageMotor", "1178=1 2085=0 1518=65536",
            line(1415, "edit", "AB", "BC", "CA") + ", " + run("num:%1", 1159, 1161));
        row("analog inputs", "CorrectionAI", "", "combo:1100, combo:1083, edit:1082, edit:1084, num:821, combo:1071, "
            "combo:1085, edit:1063, edit:1064, num:1062, combo:1072, combo:1086, edit:1066, edit:1067, num:1065, "
            "combo:1073, combo:1087, edit:1069, edit:1070, num:1068");
    }

    void pageRows()
    {
        QFETCH(QString, page);
        QFETCH(QString, reports);
        QFETCH(QString, rows);
        open(page, reports);
        QCOMPARE(this->rows(), rows);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        m_drive.store = store();
        m_echo = new EchoController(store());
        // No carousel, the cursor stays on an edited row, the extension board fitted.
        report("762=0 1372=0 1644=1");
        protect(false);
        MainApplication::getInstance()->setAccessPrompt([this](unsigned char, const QString&, QWidget*) {
            ++m_prompts;
            return m_grant;
        });
        MainApplication::getInstance()->showMainWindow();
        QVERIFY(window());
        settle();
    }

    void cleanupTestCase()
    {
        window()->addForm(new MainMenu, 0);
        settle();
        delete m_echo;
        delete m_db;
    }

    void cleanup() { closeMessages(); }

    // --- rows and lists ------------------------------------------------------------------------

    // The rows of the pages of one area: notebook and equipment (0), outputs (1), calibration (2).
    void notebookPages_data() { pageRowsData(0); }
    void notebookPages() { pageRows(); }
    void outputPages_data() { pageRowsData(1); }
    void outputPages() { pageRows(); }
    void calibrationPages_data() { pageRowsData(2); }
    void calibrationPages() { pageRows(); }

    void choiceLists_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("reports");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("texts");
        const auto list = [](const char* name, const char* page, const char* reports, int row, const char* codes,
                             const char* texts) { QTest::newRow(name) << page << reports << row << codes << texts; };
        list("station current", "StationForm", "", 0, "100 160 250 400 450 630 800 1000 1200 1400 1600 1800 2000 2400",
             "100=100|2400=2400");
        list("meter type", "EmForm", "705=1", 0, "0 1 2 3 4", "0=Откл|1=СЭТ-4ТМ03|4=ГРАН СС-301-5.1");
        list("relay function", "RelayOutputsOptions1Form", "962=8", 0, "0 1 2 3 4 5 6 7 8 9 10",
             "0=Нет|8=Авария СУ|10=Ручной/Авто");
        list("relay alarm reason", "RelayOutputsOptions1Form", "962=8", 1,
             "0 6 5 21 112 119 30 4 3 20 104 105 13 116 14 16 115 41 26 42 27 100 102 101 103 107 108 109 110 120 121 "
             "122 123 2 114 9 106 111 117 129", "0=Любая|6=Превышение питания сети|129=Перегрев радиатора");
        list("analog type", "AnalogOutput1Form", "1615=1 1625=0", 0, "0 1 2", "0=Откл|1=0 - 10 В|2=4 - 20 мА");
        list("analog source", "AnalogOutput1Form", "1615=1 1625=0", 1,
             "0 10001 2 3 4 5 6 9 7 11 10 10013 10014 1162 10012 1163 1164 1165 709 710 711 16 10246 10004 10011 "
             "15002 15004 15048 15011 15007 15008 15009 15010", "0=Не выбран|10001=Вых. частота|15010=Q на выкиде");
        list("analog input type", "CorrectionAI", "", 0, "0 1", "0=0 - 10 В|1=4 - 20 мА");
        list("analog input sign", "CorrectionAI", "", 1, "-1 1", "-1=-|1=+");
    }

    // The codes in the order offered, and the texts of a few.
    void choiceLists()
    {
        QFETCH(QString, page);
        QFETCH(QString, reports);
        QFETCH(int, row);
        QFETCH(QString, codes);
        QFETCH(QString, texts);
        open(page, reports);
        auto* combo = qobject_cast<BaseComboBox*>(current()->rowWidget(row));
        QVERIFY(combo);
        const PairList list = combo->valuesList();
        QStringList keys;
        QStringList pairs;
        for (int i = 0; i < list.size(); ++i) {
            keys << QString::number(list.key(i));
            pairs << keys.last() + '=' + list.value(i);
        }
        QCOMPARE(keys.join(' '), codes);
        for (const QString& pair : texts.split('|'))
            QVERIFY2(pairs.contains(pair), qPrintable(pair + " not in " + pairs.join('|')));
    }

    // The reasons of the last start and stop name a code of their range, and
    // any other value leaves the text shown.
    void statisticsReasons()
    {
        open("StatisticsForm", "1231=1");
        auto* start = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(13));
        auto* stop = qobject_cast<BaseStatusTextWidget*>(current()->rowWidget(15));
        // Reported while hidden and shown afterwards: a row refreshes as it is shown.
        const auto shown = [this](BaseStatusTextWidget* row, quint32 raw) {
            row->hide();
            m_drive.reportRaw(row->id(), raw);
            row->show();
            return row->valueTextLabel()->text();
        };
        const QList<QPair<float, QString>> starts{
            {3, "Телеуправление"}, {0, ""}, {156, "АПВ по защите: Потеря связи с ТМС"}, {157, "АПВ по защите: Потеря связи с ТМС"}};
        for (const auto& reason : starts)
            QCOMPARE(shown(start, bitsFromFloat(reason.first)), reason.second);
        const QList<QPair<float, QString>> stops{{5, "Снижение питания сети"}, {107, "Защита цифр.вх.1. Контактный манометр"},
                                                 {1001, "ЧРП. Неизвестная ошибка"}, {0, ""}, {65534, "65534"},
                                                 {65535, "65534"}, {70000, "65534"}, {-1, "65534"}, {12.5f, "65534"}};
        for (const auto& reason : stops)
            QCOMPARE(shown(stop, bitsFromFloat(reason.first)), reason.second);
        QCOMPARE(shown(stop, ParameterDef::InvalidValue), QString("65534"));
        // And through the ordinary refresh of a shown row.
        report("535=4");
        QTRY_COMPARE(stop->valueTextLabel()->text(), QString("Перегруз двигателя"));
    }

    // --- rebuilds and warnings -----------------------------------------------------------------

    // The well page rebuilds when the operator chooses to use the names: the
    // choice goes to the controller, comes back as a report, and the page is
    // built again with the same row selected. A page the operator has turned
    // away from catches up when he turns back to it, without pulling him back.
    void wellRebuilds()
    {
        open("HoleForm", "1663=0");
        QPointer<BaseForm> before = current();
        key(Qt::Key_F6);
        m_echo->clearWrites();
        choose(1);
        QCOMPARE(m_echo->writesOf(1663).size(), 1);
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("HoleForm"));
        QCOMPARE(current()->rowCount(), 7);
        QCOMPARE(current()->currentRow(), 3);
        before = current();
        report("515=12 1657=0x41");
        QCOMPARE(current(), before.data());

        key(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("CountersForm"));
        report("1663=0");
        QCOMPARE(currentClass(), QString("CountersForm"));
        QVERIFY(!before.isNull());
        key(Qt::Key_F5);
        QTRY_VERIFY2(before.isNull(), "the well page is rebuilt when shown");
        QCOMPARE(currentClass(), QString("HoleForm"));
        QCOMPARE(current()->rowCount(), 4);
    }

    void meterTypeAndLink()
    {
        open("EmForm", "705=0");
        QPointer<BaseForm> before = current();
        m_echo->clearWrites();
        choose(1);
        QCOMPARE(m_echo->writesOf(705).size(), 1);
        QCOMPARE(m_echo->writesOf(705).at(0).value, bitsFromFloat(1));
        QVERIFY(before.isNull());
        QCOMPARE(current()->rowCount(), 4);
        QCOMPARE(current()->currentRow(), 0);

        // The voltages from the meter: a warning on the page, not waited for;
        // every report that leaves it at 1 says it again, 0 says nothing.
        const QString warning = "Внимание!\nОтключена запись аварийных архивов\nи защита чередования фаз";
        open("EmForm", "705=1 1482=0");
        BaseForm* page = current();
        report("1482=1");
        QCOMPARE(messages(), QStringList{warning});
        QVERIFY(DialogDriver::openDialog<MessageDialog>()->parent() == page);
        closeMessages();
        report("1482=1");
        QCOMPARE(messages(), QStringList{warning});
        closeMessages();
        report("1482=0");
        QVERIFY(messages().isEmpty());
        QCOMPARE(current(), page);
    }

    void filtersRebuildAndWarn()
    {
        const QStringList overheat{"Защита по перегреву фильтра отключена"};
        open("FiltersForm", "685=2 712=1 1101=0 713=0");
        key(Qt::Key_F8);
        QPointer<BaseForm> before = current();
        // The input filter off with its sensor off: a warning over the main
        // window, and the page rebuilt without the filter's rows, row kept.
        report("712=0");
        QCOMPARE(messages(), overheat);
        QVERIFY(DialogDriver::openDialog<MessageDialog>()->parent() == window());
        QVERIFY(before.isNull());
        QCOMPARE(rows(), QString("combo:712, combo:713"));
        QCOMPARE(current()->currentRow(), 1);
        closeMessages();
        // The sensor off with the input filter off.
        report("1101=1");
        QVERIFY(messages().isEmpty());
        report("1101=0");
        QCOMPARE(messages(), overheat);
        closeMessages();
        // Nothing while the filter is on, nothing for another drive.
        report("712=1 1101=0 685=3 712=0");
        QVERIFY(messages().isEmpty());
        // The settings of a filter do not rebuild; the output filter does.
        before = current();
        report("1684=5 1101=1 695=2");
        QCOMPARE(current(), before.data());
        report("713=1");
        QVERIFY(before.isNull());
        // The adaptation reminder, on the page as it is.
        before = current();
        report("685=2 783=1");
        QCOMPARE(messages(), QStringList{"Внимание!\nНеобходимо провести автоадаптацию"});
        QCOMPARE(current(), before.data());
        closeMessages();
        report("783=0");
    }

    // --- commands ------------------------------------------------------------------------------

    void commands_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("checksAccess");
        QTest::addColumn<QString>("question");
        QTest::newRow("counters") << "CountersForm" << 631 << 3 << true << "Сбросить все счётчики?";
        QTest::newRow("energy") << "EnergyConsumptionForm" << 852 << 3 << true
                                << "Сбросить потребленую активную электоэнергию?";
        QTest::newRow("meter link") << "EmConnectForm" << 998 << 1 << false << "Сбросить счётчики качества связи?";
    }

    // Each command from its button, the last row of its page: a refused
    // access asks nothing and writes nothing; "Нет" (focused), Esc and F3
    // write nothing; "Да" writes the command once, also when the button is
    // pressed again while the question waits.
    void commands()
    {
        QFETCH(QString, page);
        QFETCH(int, id);
        QFETCH(int, value);
        QFETCH(bool, checksAccess);
        QFETCH(QString, question);
        open(page);
        key(Qt::Key_F6);
        QWidget* button = current()->rowWidget(current()->rowCount() - 1);
        QTRY_VERIFY2(button->hasFocus(), "the command button takes the focus");
        const auto press = [&](const QList<int>& answer) {
            DialogDriver driver;
            if (!answer.isEmpty())
                driver.answerWith(answer);
            m_echo->clearWrites();
            m_prompts = 0;
            key(Qt::Key_F4);
            return driver.texts();
        };
        protect(true);
        m_grant = 0;
        QCOMPARE(press(checksAccess ? QList<int>() : QList<int>{Qt::Key_Return}),
                 checksAccess ? QStringList() : QStringList{question});
        QCOMPARE(m_prompts, checksAccess ? 1 : 0);
        QVERIFY(m_echo->writes().isEmpty());
        m_grant = 1;
        for (int no : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_F3}) {
            QCOMPARE(press({no}), QStringList{question});
            QCOMPARE(m_prompts, checksAccess ? 1 : 0);
            QVERIFY(m_echo->writes().isEmpty());
        }
        // A second press while the question waits: it would open a second
        // question, which nobody answers.
        QTimer::singleShot(0, button, [button] {
            QKeyEvent again(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &again);
        });
        QCOMPARE(press({Qt::Key_Left, Qt::Key_Return}), QStringList{question});
        QCOMPARE(m_echo->writes().size(), 1);
        QCOMPARE(m_echo->writes().at(0).id, quint16(id));
        QCOMPARE(m_echo->writes().at(0).value, bitsFromFloat(float(value)));
        QCOMPARE(m_echo->writes().at(0).flag, 1);
        QVERIFY(DialogDriver::openDialogs().isEmpty());
        QCOMPARE(currentClass(), page);
        protect(false);
    }

    // --- outputs -------------------------------------------------------------------------------

    // The relay menu follows the extension board while shown; a relay's new
    // function rebuilds its page (written by the operator and reported back,
    // or reported alone), its other settings do not.
    void relayRebuilds()
    {
        open("RelayOutputsOptionsMenu", "1644=0");
        key(Qt::Key_F8);
        report("1644=1");
        QCOMPARE(current()->subFormButtons().size(), 12);
        QCOMPARE(current()->currentRow(), 1);

        open("RelayOutputsOptions7Form", "1732=0");
        QPointer<BaseForm> before = current();
        m_echo->clearWrites();
        choose(8);
        QCOMPARE(m_echo->writesOf(1732).size(), 1);
        QCOMPARE(m_echo->writesOf(1732).at(0).value, bitsFromFloat(8));
        QVERIFY(before.isNull());
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 6);
        QCOMPARE(current()->rowCount(), 4);
        before = current();
        report("1756=5 1768=6 1744=4 1731=8");
        QCOMPARE(current(), before.data());
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        report("1732=3");
        QVERIFY(before.isNull());
        QCOMPARE(rows(), QString("combo:1732, edit:1756, edit:1768"));
        QCOMPARE(current()->currentRow(), 2);
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("RelayOutputsOptionsMenu"));
        QCOMPARE(current()->currentRow(), 6);
    }

    void analogRebuilds()
    {
        open("AnalogOutput2Form", "1616=0 1626=0");
        QPointer<BaseForm> before = current();
        report("1616=2");
        QVERIFY(before.isNull());
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 1);
        QCOMPARE(current()->rowCount(), 2);
        key(Qt::Key_F8);
        before = current();
        report("1626=6");
        QVERIFY(before.isNull());
        QCOMPARE(rows(), QString("combo:1616, combo:1626, num:6, edit:1630, edit:1634"));
        QCOMPARE(current()->currentRow(), 1);
        // The scale ends, the output's value and another output do not rebuild.
        before = current();
        report("1630=1 1634=2 1620=3 1615=2");
        QCOMPARE(current(), before.data());
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("AnalogOutputsMenu"));
        QCOMPARE(current()->currentRow(), 1);
    }

    // The scale ends are source values: shown and entered in the source's
    // unit, written in the controller's, and the unit stays after the page.
    void analogScaleUnits()
    {
        Parameters* p = store();
        // The controller gives the scale ends the quantity of the source.
        m_drive.report(1631, 10.f, Parameters::KindPhysic);
        m_drive.report(1635, 10.f, Parameters::KindPhysic);
        const ParameterDef* power = p->getParameter(10013);
        QVERIFY(power->unitOut.load() != p->getParameter(1631)->unitOut.load());
        open("AnalogOutput3Form", "1631:min=0 1631:max=100000 1631=2500 1617=1 1627=10013");
        QCOMPARE(p->getParameter(1631)->unitOut.load(), power->unitOut.load());
        QCOMPARE(p->getParameter(1635)->unitOut.load(), power->unitOut.load());
        auto* minimum = qobject_cast<BaseEditWidget*>(current()->rowWidget(3));
        QCOMPARE(minimum->unitLabel()->text(), p->getTextUnit(power));
        QCOMPARE(qobject_cast<BaseEditWidget*>(current()->rowWidget(4))->unitLabel()->text(), p->getTextUnit(power));
        QCOMPARE(qobject_cast<BaseStatusWidget*>(current()->rowWidget(2))->unitLabel()->text(), p->getTextUnit(power));
        m_echo->clearWrites();
        for (int k : {Qt::Key_F8, Qt::Key_F8, Qt::Key_F8, Qt::Key_F4, Qt::Key_3, Qt::Key_0})
            key(k);
        QVERIFY(minimum->isEditing());
        key(Qt::Key_F4);
        QCOMPARE(m_echo->writesOf(1631).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(1631).at(0).value), p->convertTo(30.f, power, false));
        window()->addForm(new MainMenu, 0);
        settle();
        QCOMPARE(p->getParameter(1631)->unitOut.load(), power->unitOut.load());

        // A source that names no parameter: no value row, the scale ends keep
        // their units; a later valid source brings the value row.
        const quint8 units[] = {p->getParameter(1632)->unitOut.load(), p->getParameter(1636)->unitOut.load()};
        QVERIFY(!p->getParameter(5000));
        open("AnalogOutput4Form", "1618=2 1628=5000");
        QCOMPARE(rows(), QString("combo:1618, combo:1628, edit:1632, edit:1636"));
        QCOMPARE(p->getParameter(1632)->unitOut.load(), units[0]);
        QCOMPARE(p->getParameter(1636)->unitOut.load(), units[1]);
        QCOMPARE(qobject_cast<BaseComboBox*>(current()->rowWidget(1))->comboBox()->currentData().toInt(), 5000);
        report("1628=15008");
        QCOMPARE(rows(), QString("combo:1618, combo:1628, num:15008, edit:1632, edit:1636"));
    }

    // --- calibration -----------------------------------------------------------------------------

    // The mode is chosen on the menu; a screen takes it when opened and does
    // not rebuild on later changes.
    void correctionModeTakesEffectOnScreensOpenedAfter()
    {
        open("CorrectionsForm", "2085=0 1178=0 1518=0");
        m_echo->clearWrites();
        choose(1);
        QCOMPARE(m_echo->writesOf(2085).size(), 1);
        QCOMPARE(m_echo->writesOf(2085).at(0).value, bitsFromFloat(1));
        key(Qt::Key_F8);
        key(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("CorrectionsCurrentIn"));
        QPointer<BaseForm> screen = current();
        const QString values = run("edit:%1", 857, 859) + ", " + run("num:%1", 854, 856);
        QCOMPARE(rows(), values);
        report("2085=0 1178=1 1518=1");
        QCOMPARE(current(), screen.data());
        QCOMPARE(rows(), values);
    }

    // "-" is stored as -1, never 0.
    void analogInputSign()
    {
        open("CorrectionAI", "1085:min=-1 1085:max=1 1085=1");
        for (int i = 0; i < 6; ++i)
            key(Qt::Key_F8);
        m_echo->clearWrites();
        choose(-1);
        QCOMPARE(m_echo->writesOf(1085).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(1085).at(0).value), -1.f);
        QCOMPARE(qobject_cast<BaseComboBox*>(current()->rowWidget(6))->comboBox()->currentText(), QString("-"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestRowPages)
#include "tst_row_pages.moc"
