// The technologist's screens: the set-up page with the page mode and the
// fourteen slots, each offering the candidates that fit the voltages the
// station shows; and the technologist page with the chosen parameters.
#include "base_status_form.h"
#include "basecombobox.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "current_menu_technolog_form.h"
#include "echo_controller.h"
#include "generalconditionwidget.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "menu_technolog_form.h"
#include "parameters.h"
#include "rawbits.h"
#include "stackedform.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>

namespace {

const quint16 TechnologModeId = 1666;
const quint16 LineVoltageId = 1178;

// The candidates in the order offered, as the station's documentation lists them.
const QList<int> allCandidates = {
    10008, 10009, 10010, 10514, 10004, 10011, 10012, 10013, 10014, 9, 10246, 10260, 10499, 10261, 10247, 10327,
    10056, 10109, 10149, 10347,                                                       // drive
    1148, 1149, 1150, 1151, 1144, 1145, 1146, 1147, 1163, 1164, 1165, 1166,           // station output
    1156, 1157, 1158, 632, 1152, 1153, 1154, 1155, 1167, 1168, 1169, 1170,            // transformer
    1159, 1160, 1161, 1162, 716, 717, 718, 8, 719, 2, 3, 4, 5, 7, 1171,               // motor
    709, 710, 711, 706, 707, 708, 16, 857, 858, 859, 17, 20007, 20009,               // supply network
    15002, 15004, 15003, 15011, 15007, 15052, 15008, 15009, 15010, 15056, 15053,      // downhole sensors
};
const QList<int> phaseIds = {8, 706, 707, 708, 716, 717, 718, 1144, 1145, 1146, 1147, 1152, 1153, 1154, 1155};
const QList<int> lineIds = {632, 709, 710, 711, 1148, 1149, 1150, 1151, 1156, 1157, 1158, 1159, 1160, 1161, 1162};

QList<int> codesOf(const PairList& list)
{
    QList<int> codes;
    for (int i = 0; i < list.size(); ++i)
        codes << list.key(i);
    return codes;
}

QWidget* cellAt(BaseForm* form, int row, int column)
{
    QGridLayout* grid = form->widget()->findChild<QGridLayout*>();
    QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
    return item ? item->widget() : nullptr;
}

} // namespace

class TestTechnolog : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    EchoController* m_echo = nullptr;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    BaseForm* current() { return window()->currentForm(); }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }

    void key(int k)
    {
        app()->getEvent(k, QString());
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // Main menu, "Технологические настройки", "Настройка меню технолога".
    void openSetup()
    {
        window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_F8);
        key(Qt::Key_F4);
        settle();
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        key(Qt::Key_F4);
        settle();
    }
    BaseComboBox* comboRow(int row) { return qobject_cast<BaseComboBox*>(current()->rowWidget(row)); }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        m_drive.report(762, 0.f);
        app()->setAccessPrompt([](unsigned char, const QString&, QWidget*) { return 1; });
        app()->showMainWindow();
        QVERIFY(window());
        QApplication::setActiveWindow(window());
        m_echo = new EchoController(app()->getParameters());
        settle();
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_db;
    }

    void setupRows()
    {
        m_drive.report(LineVoltageId, 0.f);
        openSetup();
        QCOMPARE(currentClass(), QString("MenuTechnologForm"));
        QCOMPARE(current()->title(), QString::fromUtf8("Настройка меню технолога").toUpper());
        QCOMPARE(current()->rowCount(), 15);
        BaseComboBox* mode = comboRow(0);
        QVERIFY(mode);
        QCOMPARE(mode->id(), TechnologModeId);
        QCOMPARE(codesOf(mode->valuesList()), QList<int>({0, 1, 2, 3}));
        for (int code = 0; code < 4; ++code)
            QCOMPARE(mode->valuesList().value(code), Common::getTextMenuTechnolog(quint16(code)));
        for (int slot = 0; slot < 14; ++slot) {
            BaseComboBox* row = comboRow(1 + slot);
            QVERIFY(row);
            QCOMPARE(row->id(), quint16(1667 + slot));
            QCOMPARE(row->nameLabel()->text(), Common::getTextFromId(1667 + slot));
        }
        QCOMPARE(comboRow(1)->nameLabel()->text(), QString::fromUtf8("Параметр 1"));
        QCOMPARE(comboRow(14)->nameLabel()->text(), QString::fromUtf8("Параметр 14"));
    }

    // 68 candidates in each slot: the 83 less the line voltages while phase
    // voltages are shown, less the phase voltages while line voltages are.
    void candidates_data()
    {
        QTest::addColumn<float>("lineVoltage");
        QTest::addColumn<bool>("line");
        QTest::newRow("phase voltages") << 0.f << false;
        QTest::newRow("line voltages") << 1.f << true;
        QTest::newRow("any non-zero") << 0.5f << true;
    }

    void candidates()
    {
        QFETCH(float, lineVoltage);
        QFETCH(bool, line);
        QCOMPARE(allCandidates.size(), 83);
        m_drive.report(LineVoltageId, lineVoltage);
        QList<int> expected;
        for (int id : allCandidates) {
            if (!(line ? phaseIds : lineIds).contains(id))
                expected << id;
        }
        QCOMPARE(expected.size(), 68);
        openSetup();
        QCOMPARE(currentClass(), QString("MenuTechnologForm"));
        for (int slot = 0; slot < 14; ++slot) {
            const PairList list = comboRow(1 + slot)->valuesList();
            QCOMPARE(list.size(), 68);
            QCOMPARE(codesOf(list), expected);
            for (int i = 0; i < list.size(); ++i)
                QCOMPARE(list.value(i), Common::getTextParamMenuTechnolog(quint16(list.key(i))));
        }
    }

    void chooseBySlot()
    {
        m_drive.report(LineVoltageId, 0.f);
        m_drive.report(1669, 10008.f);
        openSetup();
        BaseComboBox* slot3 = comboRow(3);
        QCOMPARE(slot3->comboBox()->currentText(), Common::getTextParamMenuTechnolog(10008));
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        QCOMPARE(current()->currentRow(), 3);
        m_echo->clearWrites();
        key(Qt::Key_F4);
        QTRY_VERIFY(slot3->comboBox()->view()->isVisible());
        key(Qt::Key_F8);
        key(Qt::Key_F4);
        QTRY_VERIFY(!slot3->isEditing());
        QCOMPARE(m_echo->writesOf(1669).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(1669).first().value), 10009.f);
        QTRY_COMPARE(slot3->comboBox()->currentText(), Common::getTextParamMenuTechnolog(10009));

        // A slot holding an id that is not offered shows it as a number.
        m_drive.report(1670, 5000.f);
        QTRY_VERIFY(comboRow(4)->comboBox()->currentText().startsWith(QLatin1String("5000")));

        // Back: the technologist's menu, on this screen's entry.
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("TechnologParamsMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(2));
    }

    void technologPage()
    {
        const quint16 chosen[14] = {10008, 9, 1148, 716, 709, 15002, 15053, 10013, 5, 7, 857, 20007, 15011, 1171};
        for (int slot = 0; slot < 14; ++slot)
            m_drive.report(quint16(1667 + slot), float(chosen[slot]));
        m_drive.report(TechnologModeId, 3.f);
        window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
        key(Qt::Key_F3);
        settle();
        QCOMPARE(window()->stackedForm()->formsList().size(), 1);
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        BaseForm* page = current();
        QCOMPARE(page->title(), QString::fromUtf8("Текущие параметры технолога").toUpper());
        QVERIFY(qobject_cast<BaseComboBox*>(cellAt(page, 0, 0)));
        QVERIFY(qobject_cast<GeneralConditionWidget*>(cellAt(page, 0, 1)));
        QCOMPARE(cellAt(page, 1, 1), cellAt(page, 0, 1));
        QCOMPARE(qobject_cast<BaseStatusWidget*>(cellAt(page, 1, 0))->id(), quint16(10001));
        for (int slot = 0; slot < 14; ++slot) {
            auto* cell = qobject_cast<BaseStatusWidget*>(cellAt(page, 2 + slot % 7, slot / 7));
            QVERIFY2(cell, qPrintable(QString::number(slot)));
            QCOMPARE(cell->id(), chosen[slot]);
            QCOMPARE(cell->nameLabel()->text(), Common::getTextParamMenuTechnolog(chosen[slot]));
        }
        QVERIFY(!cellAt(page, 9, 0));

        // Enter edits the run mode.
        m_drive.report(15, 1.f);
        m_echo->clearWrites();
        key(Qt::Key_F4);
        auto* combo = qobject_cast<BaseComboBox*>(cellAt(page, 0, 0));
        QTRY_VERIFY(combo->isEditing());
        key(Qt::Key_F6);
        key(Qt::Key_F4);
        QTRY_VERIFY(!combo->isEditing());
        QCOMPARE(m_echo->writesOf(15).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(15).first().value), 0.f);
        QTRY_VERIFY(page->hasFocus());
    }

    void slotsFixedUntilRebuilt()
    {
        m_drive.report(1667, 10008.f);
        m_drive.report(TechnologModeId, 2.f);
        window()->addForm(BaseStatusForm::createNextForm(), 0, -1);
        settle();
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        QCOMPARE(qobject_cast<BaseStatusWidget*>(cellAt(current(), 2, 0))->id(), quint16(10008));
        m_drive.report(1667, 10009.f);
        QCOMPARE(qobject_cast<BaseStatusWidget*>(cellAt(current(), 2, 0))->id(), quint16(10008));
        window()->addForm(BaseStatusForm::createNextForm(), 0, -1);
        settle();
        QCOMPARE(qobject_cast<BaseStatusWidget*>(cellAt(current(), 2, 0))->id(), quint16(10009));
    }

    void slotsWithoutDefinitionOrName()
    {
        // 5000 names no parameter at all.
        m_drive.report(1667, 5000.f);
        m_drive.report(1668, 75544.f); // taken as 16 bits: 10008
        m_drive.report(TechnologModeId, 3.f);
        QVERIFY(!app()->getParameters()->getParameter(5000));
        window()->addForm(BaseStatusForm::createNextForm(), 0, -1);
        settle();
        BaseForm* page = current();
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        auto* missing = qobject_cast<BaseStatusWidget*>(cellAt(page, 2, 0));
        QVERIFY(missing);
        QCOMPARE(missing->nameLabel()->text(), Common::getTextParamMenuTechnolog(5000));
        QVERIFY(missing->nameLabel()->text().startsWith(QLatin1String("5000")));
        QTRY_COMPARE(missing->valueLabel()->text(), QString("---"));
        auto* cut = qobject_cast<BaseStatusWidget*>(cellAt(page, 3, 0));
        QVERIFY(cut);
        QCOMPARE(cut->id(), quint16(10008));
        // Updates of every kind pass by without harm.
        m_drive.report(5000, 1.f);
        QTest::qWait(700);
        QCOMPARE(missing->valueLabel()->text(), QString("---"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestTechnolog)
#include "tst_technolog.moc"
