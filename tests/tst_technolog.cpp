// The restart screen, shown while the controller waits to restart the pump:
// its panels, which lines it shows, how it is left. The technologist's screens:
// the set-up page with the page mode and the fourteen slots, each offering the
// candidates that fit the voltages the station shows, and the technologist
// page with the chosen parameters.
#include "base_status_form.h"
#include "basecombobox.h"
#include "baseparamlabel.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "echo_controller.h"
#include "generalconditionwidget.h"
#include "headerwidget.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "restartform.h"
#include "stackedform.h"
#include "test_application.h"
#include "ui_station.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>

namespace {

// The candidates in the order offered, as the station's documentation lists them.
const QList<int> AllCandidates = {
    10008, 10009, 10010, 10514, 10004, 10011, 10012, 10013, 10014, 9, 10246, 10260, 10499, 10261, 10247, 10327,
    10056, 10109, 10149, 10347,                                                       // drive
    1148, 1149, 1150, 1151, 1144, 1145, 1146, 1147, 1163, 1164, 1165, 1166,           // station output
    1156, 1157, 1158, 632, 1152, 1153, 1154, 1155, 1167, 1168, 1169, 1170,            // transformer
    1159, 1160, 1161, 1162, 716, 717, 718, 8, 719, 2, 3, 4, 5, 7, 1171,               // motor
    709, 710, 711, 706, 707, 708, 16, 857, 858, 859, 17, 20007, 20009,               // supply network
    15002, 15004, 15003, 15011, 15007, 15052, 15008, 15009, 15010, 15056, 15053,      // downhole sensors
};
const QList<int> PhaseIds = {8, 706, 707, 708, 716, 717, 718, 1144, 1145, 1146, 1147, 1152, 1153, 1154, 1155};
const QList<int> LineIds = {632, 709, 710, 711, 1148, 1149, 1150, 1151, 1156, 1157, 1158, 1159, 1160, 1161, 1162};

} // namespace

class TestTechnolog : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EchoController* m_echo = nullptr;

    MainWindow* window() { return UiStation::window(); }
    BaseForm* current() { return UiStation::currentForm(); }
    QString currentClass() { return UiStation::currentClass(); }
    RestartForm* restart() { return qobject_cast<RestartForm*>(current()); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    BaseComboBox* comboRow(int row) { return qobject_cast<BaseComboBox*>(current()->rowWidget(row)); }
    BaseStatusWidget* cell(int row, int column)
    {
        QLayoutItem* item = current()->widget()->findChild<QGridLayout*>()->itemAtPosition(row, column);
        return item ? qobject_cast<BaseStatusWidget*>(item->widget()) : nullptr;
    }
    // The controller reports a pending restart, then its end.
    void setRestart(bool pending)
    {
        report(pending ? "13=0 633=2" : "633=0");
        QTRY_VERIFY2(window()->isRestartPending() == pending && (restart() != nullptr) == pending,
                     "the restart screen shown while the restart is pending");
        settle();
    }
    void show(const QList<BaseForm*>& forms, int index = 0)
    {
        window()->addForm(forms, index, -1);
        settle();
    }
    // "Технологические настройки", "Настройка меню технолога".
    void openSetup()
    {
        show(MainMenu::createNextForm(), 4);
        pressKey(Qt::Key_F6);
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("MenuTechnologForm"));
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_station = new UiStation;
        // No carousel, no restart; a start is not prevented.
        report("762=0 633=0 702=1 685=1 1360=0 635=0");
        m_station->showWindow();
        m_echo = new EchoController(UiStation::store());
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_station;
    }

    // The times and the restart count on the right, the title in orange.
    void restartPanels()
    {
        setRestart(true);
        RestartForm* form = restart();
        QCOMPARE(window()->headerWidget()->title(), QString::fromUtf8("ОЖИДАНИЕ АПВ"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        QCOMPARE(window()->textInfo(), QString());
        QWidget* right = form->widget()->findChild<QGridLayout*>()->itemAtPosition(0, 1)->widget();
        QCOMPARE(right->width(), 220);
        const QList<BaseParamLabel*> times{form->elapsedLabel(), form->remainingLabel(), form->restartCountLabel()};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(times[i]->parentWidget(), right);
            QCOMPARE(times[i]->id(), QList<quint16>({529, 531, 715}).at(i));
        }
        report("529=125");
        QTRY_VERIFY(form->elapsedLabel()->label()->text() != QLatin1String("---"));
        setRestart(false);
    }

    // Which lines show for the program pause (448 = 400), the reason of the
    // last stop (535; 30 is a loss of the mains), a guaranteed start (669) and
    // a prevented start (635).
    void restartLines_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QString>("shown"); // reason, program, guaranteed, count, prevented
        QTest::newRow("protection stop") << "448=0 535=5 669=0 635=0" << "10010";
        QTest::newRow("program pause") << "448=400 535=5 669=0 635=0" << "01000";
        QTest::newRow("program pause after mains loss") << "448=400 535=30 669=0 635=0" << "01000";
        QTest::newRow("mains loss") << "448=0 535=30 669=0 635=0" << "10000";
        QTest::newRow("other program state") << "448=401 535=7 669=1 635=0" << "10110";
        QTest::newRow("program state as integer") << "448=400.6 535=7 669=0 635=0" << "01000";
        QTest::newRow("prevented") << "448=0 535=5 669=0 635=1" << "10011";
        QTest::newRow("prevented in the pause") << "448=400 535=30 669=1 635=1" << "01101";
    }

    void restartLines()
    {
        QFETCH(QString, reports);
        QFETCH(QString, shown);
        setRestart(true);
        RestartForm* form = restart();
        report(reports);
        QVERIFY(QMetaObject::invokeMethod(form, "slotUpdated")); // the next refresh
        using L = RestartForm;
        auto visible = [form](std::initializer_list<L::Line> lines) {
            QString all;
            for (L::Line line : lines)
                all += form->line(line)->isHidden() ? '0' : '1';
            return all;
        };
        QCOMPARE(visible({L::ReasonLine, L::ProgramLine, L::GuaranteedLine, L::RestartCountCaptionLine,
                          L::PreventTitleLine}), shown);
        QCOMPARE(visible({L::ProgramModeLine, L::ProgramStateLine, L::ProgramPauseLine}), QString(3, shown[1]));
        QCOMPARE(visible({L::PreventCaptionLine, L::PreventTextLine}), QString(2, shown[4]));
        QCOMPARE(form->restartCountLabel()->isHidden(), shown[3] == '0');
        QCOMPARE(form->line(L::PreventTextLine)->text(), shown[4] == '1' ? Common::getTextPrevent() : QString());
        if (shown[0] == '1')
            QCOMPARE(form->line(L::ReasonLine)->text(), Common::getTextReasonStop(int(UiStation::store()->get(535))));
        QVERIFY(!form->elapsedLabel()->isHidden() && !form->remainingLabel()->isHidden());
        setRestart(false);
        report("448=0 669=0 635=0");
    }

    // Back leaves the header orange until the wait ends; the end of the wait
    // closes the screen and puts the header back.
    void leavingTheRestartScreen()
    {
        for (bool back : {true, false}) {
            setRestart(true);
            if (back) {
                pressKey(Qt::Key_F3);
                QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
                QVERIFY(!window()->restartForm());
                QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
            }
            setRestart(false);
            QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Normal);
            QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
            QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        }
    }

    // The mode and fourteen slots; in each slot the 83 candidates less the
    // line voltages while phase voltages are shown, less the phase voltages
    // while line voltages are (68 either way).
    void setupRows_data()
    {
        QTest::addColumn<float>("lineVoltage");
        QTest::newRow("phase voltages") << 0.f;
        QTest::newRow("line voltages") << 1.f;
        QTest::newRow("any non-zero") << 0.5f;
    }

    void setupRows()
    {
        QFETCH(float, lineVoltage);
        m_station->drive.report(1178, lineVoltage);
        QList<int> expected;
        for (int id : AllCandidates) {
            if (!(lineVoltage != 0 ? PhaseIds : LineIds).contains(id))
                expected << id;
        }
        QCOMPARE(expected.size(), 68);
        openSetup();
        QCOMPARE(current()->rowCount(), 15);
        QCOMPARE(comboRow(0)->id(), quint16(1666));
        for (int code = 0; code < 4; ++code)
            QCOMPARE(comboRow(0)->valuesList().value(code), Common::getTextMenuTechnolog(quint16(code)));
        for (int slot = 0; slot < 14; ++slot) {
            QCOMPARE(comboRow(1 + slot)->id(), quint16(1667 + slot));
            QCOMPARE(comboRow(1 + slot)->nameLabel()->text(), QString::fromUtf8("Параметр %1").arg(slot + 1));
            const PairList list = comboRow(1 + slot)->valuesList();
            QList<int> codes;
            for (int i = 0; i < list.size(); ++i) {
                codes << list.key(i);
                QCOMPARE(list.value(i), Common::getTextParamMenuTechnolog(quint16(list.key(i))));
            }
            QCOMPARE(codes, expected);
        }
    }

    // Enter, Down, Enter writes the next candidate; Back returns to the entry.
    void chooseBySlot()
    {
        report("1178=0 1669=10008");
        openSetup();
        BaseComboBox* slot3 = comboRow(3);
        QCOMPARE(slot3->comboBox()->currentText(), Common::getTextParamMenuTechnolog(10008));
        for (int key : {Qt::Key_F8, Qt::Key_F8, Qt::Key_F8, Qt::Key_F4})
            pressKey(key);
        QTRY_VERIFY2(slot3->comboBox()->view()->isVisible(), "the list of candidates");
        m_echo->clearWrites();
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F4);
        QTRY_VERIFY2(!slot3->isEditing(), "the end of the edit");
        QCOMPARE(m_echo->writesOf(1669).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(1669).first().value), 10009.f);
        QTRY_COMPARE(slot3->comboBox()->currentText(), Common::getTextParamMenuTechnolog(10009));
        // A slot holding an id that is not offered shows it as a number.
        report("1670=5000");
        QTRY_VERIFY(comboRow(4)->comboBox()->currentText().startsWith(QLatin1String("5000")));
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("TechnologParamsMenu"));
        QCOMPARE(current()->currentRow(), 2);
    }

    // The run mode and the condition on top, then slots 1 to 7 down the left
    // column and 8 to 14 down the right, as they were when the page was built;
    // a slot is taken as a 16-bit integer, one naming no parameter shows its
    // number and no value.
    void technologPage()
    {
        const int chosen[14] = {10008, 9, 1148, 716, 709, 15002, 15053, 10013, 5, 75544, 857, 20007, 5000, 1171};
        for (int slot = 0; slot < 14; ++slot)
            m_station->drive.report(quint16(1667 + slot), float(chosen[slot]));
        report("1666=3");
        show(BaseStatusForm::createNextForm());
        QCOMPARE(window()->stackedForm()->formsList().size(), 1);
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        QGridLayout* grid = current()->widget()->findChild<QGridLayout*>();
        QVERIFY(qobject_cast<BaseComboBox*>(grid->itemAtPosition(0, 0)->widget()));
        QVERIFY(qobject_cast<GeneralConditionWidget*>(grid->itemAtPosition(1, 1)->widget()));
        QCOMPARE(cell(1, 0)->id(), quint16(10001));
        report("1667=10009");
        for (int slot = 0; slot < 14; ++slot) {
            QCOMPARE(cell(2 + slot % 7, slot / 7)->id(), quint16(chosen[slot]));
            QCOMPARE(cell(2 + slot % 7, slot / 7)->nameLabel()->text(), Common::getTextParamMenuTechnolog(quint16(chosen[slot])));
        }
        QVERIFY(!cell(9, 0));
        QVERIFY(!UiStation::store()->getParameter(5000));
        QVERIFY(cell(7, 1)->nameLabel()->text().startsWith(QLatin1String("5000")));
        report("5000=1");
        QTRY_COMPARE(cell(7, 1)->valueLabel()->text(), QString("---"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestTechnolog)
#include "tst_technolog.moc"
