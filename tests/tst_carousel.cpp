// The current-parameter carousel as the operator meets it: the pages it holds
// for the technologist page mode, the model pages and the extension board;
// each page's cells under the values that choose its layout, checked against
// the station's documented layouts; Enter on a page to change the run mode or
// the frequency setpoint; layouts fixed until the carousel is built again;
// the main page's load and turbine cells, the analog inputs' units, and cells
// of parameters the program does not know.
#include "base_status_form.h"
#include "basecombobox.h"
#include "baseeditwidget.h"
#include "basestatuscheckpswwidget.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "current_params_menu.h"
#include "current_inputs_params_form.h"
#include "current_main_params_form.h"
#include "current_vsd_params_form.h"
#include "echo_controller.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "stackedform.h"
#include "test_application.h"
#include "ui_station.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QRegExp>

#include <algorithm>

namespace {

// A cell as the layouts below write it: the short name of its parameter,
// with "/" for a value guarded by its sensor state, "b" for a bit field, "t"
// a text cell, "e" an edit row, "c" a combo; two cells sharing one place
// joined by "|"; any other widget by its class.
QString describe(QWidget* w)
{
    if (auto* guarded = qobject_cast<BaseStatusCheckPswWidget*>(w))
        return guarded->nameLabel()->text() + QLatin1Char('/');
    if (auto* status = qobject_cast<BaseStatusWidget*>(w))
        return Common::getTextFromId(status->id()) + (status->isBitEnabled() ? "b" : "");
    if (auto* param = qobject_cast<BaseParamWidget*>(w))
        return Common::getTextFromId(param->id())
               + (qobject_cast<BaseStatusTextWidget*>(w) ? "t" : qobject_cast<BaseEditWidget*>(w) ? "e" : "c");
    if (w->metaObject() != &QWidget::staticMetaObject)
        return QString::fromLatin1(w->metaObject()->className());
    QStringList shared;
    for (BaseStatusWidget* cell : w->findChildren<BaseStatusWidget*>())
        shared << describe(cell);
    return shared.join(QLatin1Char('|'));
}

// One column of a page from row 0 down.
QStringList column(BaseForm* form, int c)
{
    QVector<QPair<int, QString>> cells;
    QGridLayout* grid = form->widget()->findChild<QGridLayout*>();
    for (int i = 0; i < grid->count(); ++i) {
        int row, col, rowSpan, colSpan;
        grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
        if (col == c && grid->itemAt(i)->widget())
            cells << qMakePair(row, describe(grid->itemAt(i)->widget()));
    }
    std::stable_sort(cells.begin(), cells.end(), [](const QPair<int, QString>& a, const QPair<int, QString>& b) {
        return a.first < b.first;
    });
    QStringList names;
    for (const auto& cell : cells)
        names << cell.second;
    return names;
}

// A documented column, "15002/1039 15051b 782t", in the terms of describe().
QStringList expected(const QString& column)
{
    QStringList names;
    QRegExp cell(QStringLiteral("(\\d+)(/\\d+)?([btec]?)"));
    for (const QString& token : column.split(QLatin1Char(' '))) {
        QStringList shared;
        for (const QString& part : token.split(QLatin1Char('|')))
            shared << (!cell.exactMatch(part) ? part
                                              : Common::getTextFromId(cell.cap(1).toUShort())
                                                    + (cell.cap(2).isEmpty() ? cell.cap(3) : QStringLiteral("/")));
        if (!token.isEmpty())
            names << shared.join(QLatin1Char('|'));
    }
    return names;
}

// Worked examples of every layout choice, as the station's documentation
// lists them: page (its class without "Current" and "Form"); the values that
// choose its layout; its left and its right column from row 0 down.
#define MAIN_RIGHT "GeneralConditionWidget TimeStateWidget 782t 10006t 10007t 14t RegimesWidget"
#define VSD_LEFT "10002e 10001 10008 10009 10010 10004 10011 10012"
#define COMMON_DHS "15002 15004 15003 15011 15007 15052; 15008 15009 15010 15056 15053"
const char* const Layouts[] = {
    "MainParams; 1519=0 1215=0 39=0 1330=3; 15c 10001 1 6 7|10 9 11 15002/1039 15003/1041; " MAIN_RIGHT,
    "MainParams; 1519=1 1215=1 39=9; 15c 10001 1 1547 7|10 9 15092 15002/1039 15048/1042; " MAIN_RIGHT,
    "MainParams; 1519=65536 1215=65538 39=1 1330=3; 15c 10001 1 6 7|10 9 15092 15002/1039; " MAIN_RIGHT,
    "VsdParams; 685=65537; " VSD_LEFT " 10347; 10013 10014 9 10246 10499 10261 10247 10327 10056",
    "VsdParams; 685=2; " VSD_LEFT "; 10013 10014 9 10246 10247 10056 10109 10149",
    "VsdParams; 685=3; " VSD_LEFT "; 10013 10014 9 10246 10260 10247 10056 10109",
    "VsdParams; 685=4; " VSD_LEFT "; 10013 10014 9 10246",
    "OutputAndTransParams; 1178=1 1518=1; 1148 1149 1150 1163 1164 1165; 1156 1157 1158 1167 1168 1169",
    "OutputAndTransParamsModel; 1178=0; 1524 1525 1526 1520 1521 1522; 1536 1537 1538 1532 1533 1534 1175",
    "MotorParams; 1178=65536; 716 717 718 719 9; 2 3 4 5 7 1171",
    "MotorModelParams; 1178=2; 1552 1553 1554 1556 1557; 1544 1545 1546 1559 1177 1211 1558",
    "SupplyParams; 1178=0; 706 707 708 16 12t 20036; 857 858 859 20007 20009 20034",
    "DhsParams; 39=1; 15002/1039 15004/1040 15003/1041 15011/1043 15007/1045 15092 11; "
    "15008/1046 15009/1048 15010/1049 15056/1050 15051b 15053b",
    "DhsParams; 39=7; 15001 15002 15004 15003 15005 15006 15007; 15051 15078 15112 15011",
    "DhsParams; 39=8; 15002/1039 15004/1040 15003/1041 15048/1042 15011/1043 15007/1045 15051b; "
    "15008/1046 15009/1048 15010/1049 15059",
    "DhsParams; 39=23; 15002 15008 15004 15003 15005 15007 15092 15112; ",
    "DhsParams; 39=17; 15002/1039 15004/1040 15003/1041 15048/1042 15005/1043 15006/1044 15007/1045; "
    "15008/1046 15009/1048 15010/1049 15056/1050 11 15017 15053b",
    "DhsParams; 39=25; 15002 15004 15003 15011 15051; 15008 15092 15093 15094 15095",
     // Types without a layout of their own, below 1 as much as above 25.
    "DhsParams; 39=-1; " COMMON_DHS, "DhsParams; 39=11; " COMMON_DHS, "DhsParams; 39=26; " COMMON_DHS,
    "InputsParams; 1666=0; 838 839 840 841 22t; 24t 25t 26t 27t 811 812 813 814",
    "ExtendedParams; 1644=1; 1619 1620 1621 1622 1774t 1775t 1776t 1777t; "
    "1778t 1779t 1780t 1781t 1782t 1783t 1784t 1785t"};

// A page whose cells the test places itself.
struct BarePage : BaseStatusForm { void createForm() override {} };

} // namespace

class TestCarousel : public QObject
{
    Q_OBJECT

private:
    UiStation m_ui;
    EchoController m_echo{UiStation::store()};

    // The carousel as Back from the main menu shows it: from the first page.
    void showCarousel()
    {
        UiStation::window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
        pressKey(Qt::Key_F3);
    }
    BaseForm* showPage(const QString& className)
    {
        UiStation::window()->addForm(CurrentParamsMenu::createNextForm(), className);
        settle();
        return UiStation::currentClass() == className ? UiStation::currentForm() : nullptr;
    }
    QStringList leftColumn() { return column(UiStation::currentForm(), 0); }
    void layoutRows(bool sensors)
    {
        QTest::addColumn<QString>("layout");
        for (const char* layout : Layouts)
            if (QByteArray(layout).startsWith("Dhs") == sensors)
                QTest::newRow(QByteArray(layout).split(';').mid(0, 2).join().constData()) << QString(layout);
    }
    void checkLayout()
    {
        QFETCH(QString, layout);
        const QStringList parts = layout.split(QStringLiteral("; "));
        m_ui.drive.reportAll("1666=0 " + parts.at(1));
        BaseForm* form = showPage("Current" + parts.at(0) + "Form");
        QVERIFY(form);
        QCOMPARE(column(form, 0), expected(parts.at(2)));
        QCOMPARE(column(form, 1), expected(parts.at(3)));
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_ui.drive.reportAll(QStringLiteral("762=0 633=0")); // no turning by itself
        m_ui.showWindow();
    }

    void composition_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("pages");
        // Class names without "Current" and "Form".
        const QString plain = "VsdParams OutputAndTransParams MotorParams SupplyParams DhsParams InputsParams";
        const QString full = "VsdParams OutputAndTransParams OutputAndTransParamsModel MotorParams MotorModelParams "
                             "SupplyParams DhsParams InputsParams ExtendedParams";
        QTest::newRow("seven pages") << "1666=0 1518=0 1644=0" << "MainParams " + plain;
        QTest::newRow("ten pages") << "1666=0 1518=1 1644=1" << "MainParams " + full;
        QTest::newRow("eleven pages") << "1666=1 1518=1 1644=1" << "MainParams " + full + " MenuTechnolog";
        QTest::newRow("technologist first") << "1666=2 1518=0 1644=0" << "MenuTechnolog " + plain;
        QTest::newRow("technologist only") << "1666=3 1518=1 1644=1" << "MenuTechnolog";
    }
    void composition()
    {
        QFETCH(QString, settings);
        QFETCH(QString, pages);
        m_ui.drive.reportAll(settings);
        // Back from the main menu shows them from the first page; Left wraps
        // round to the last.
        showCarousel();
        QStringList expected, shown;
        for (const QString& page : pages.split(QLatin1Char(' ')))
            expected << "Current" + page + "Form";
        for (BaseForm* form : UiStation::window()->stackedForm()->formsList())
            shown << QString::fromLatin1(form->metaObject()->className());
        QCOMPARE(shown, expected);
        QCOMPARE(UiStation::currentClass(), expected.first());
        pressKey(Qt::Key_F5);
        QCOMPARE(UiStation::currentClass(), expected.last());
    }

    void layouts_data() { layoutRows(false); }
    void layouts() { checkLayout(); }
    // The downhole-sensor page's many layouts, apart to keep each function short.
    void sensorLayouts_data() { layoutRows(true); }
    void sensorLayouts() { checkLayout(); }

    // A cell naming a parameter with no definition says so, whatever its kind.
    void cellsWithoutDefinitionShowDashes()
    {
        BarePage page;
        QLabel* number = page.addStatusNum(5000, 0, 0)->valueLabel();
        QLabel* text = page.addStatusText(5001, PairList(), 1, 0)->valueTextLabel();
        QLabel* guarded = page.addStatusNumPsw(5002, 1039, 2, 0)->valueLabel();
        page.show();
        settle();
        QCOMPARE(number->text() + text->text() + guarded->text(), QString("---------"));
    }

    void loadAndTurbineSwap()
    {
        m_ui.drive.reportAll(QStringLiteral("1666=0 13=0"));
        showCarousel();
        auto* page = qobject_cast<CurrentMainParamsForm*>(UiStation::currentForm());
        QVERIFY(page && page->turbineCell()->isVisible() && !page->loadCell()->isVisible());
        // Any state but stopped shows the load, within one period of at most 580 ms.
        QVERIFY(page->conditionTimer()->interval() <= 580);
        m_ui.drive.report(13, -1.f);
        QTRY_VERIFY_WITH_TIMEOUT(page->loadCell()->isVisible() && !page->turbineCell()->isVisible(), 2000);
        m_ui.drive.report(13, 0.f);
        QTRY_VERIFY_WITH_TIMEOUT(page->turbineCell()->isVisible() && !page->loadCell()->isVisible(), 2000);
    }

    // Enter on a page edits its row; the end of editing writes once and gives
    // the keys back to the page, so Right turns it.
    void checkEditWrote(BaseForm* page, quint16 id, float value)
    {
        QCOMPARE(m_echo.writes().size(), 1);
        QCOMPARE(m_echo.writes().first().id, id);
        QCOMPARE(floatFromBits(m_echo.writes().first().value), value);
        QTRY_VERIFY(page->hasFocus());
        pressKey(Qt::Key_F7);
        QVERIFY(UiStation::currentForm() != page);
    }

    void runModeByEnter()
    {
        m_ui.drive.reportAll(QStringLiteral("1666=0 15=0"));
        BaseForm* page = showPage("CurrentMainParamsForm");
        auto* combo = page->findChild<BaseComboBox*>();
        m_echo.clearWrites();
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(combo->comboBox()->view()->isVisible());
        for (int key : {Qt::Key_F8, Qt::Key_F8, Qt::Key_F4})
            pressKey(key);
        QTRY_VERIFY(!combo->isEditing());
        checkEditWrote(page, 15, 2.f);
    }

    void setpointByEnter()
    {
        m_ui.drive.reportAll(QStringLiteral("10002=10 10002:min=0 10002:max=70"));
        auto* page = qobject_cast<CurrentVsdParamsForm*>(showPage("CurrentVsdParamsForm"));
        m_echo.clearWrites();
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(page->setpointEdit()->isEditing());
        typeKeys(QStringLiteral("35"));
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(!page->setpointEdit()->isEditing());
        checkEditWrote(page, 10002, 35.f);
    }

    void layoutFixedUntilRebuilt()
    {
        m_ui.drive.reportAll(QStringLiteral("1666=0 1518=0 1644=0 1178=1 685=1"));
        showCarousel();
        // Left from the first page to the supply page: the pages before it
        // are not built yet.
        for (int key : {Qt::Key_F5, Qt::Key_F5, Qt::Key_F5})
            pressKey(key);
        QCOMPARE(leftColumn().first(), expected("709").first());
        m_ui.drive.reportAll(QStringLiteral("1178=0 685=2"));
        QCOMPARE(leftColumn().first(), expected("709").first());
        // A page turned to for the first time is built with the values of now.
        pressKey(Qt::Key_F5);
        QCOMPARE(leftColumn().first(), expected("716").first());
        // Back to the menu and back again: the new layouts.
        for (int key : {Qt::Key_F3, Qt::Key_F3, Qt::Key_F5, Qt::Key_F5, Qt::Key_F5})
            pressKey(key);
        QCOMPARE(leftColumn().first(), expected("706").first());
    }

    // The unit of an analog input follows what the input measures, not its value.
    void analogInputUnits()
    {
        m_ui.drive.reportAll(QStringLiteral("830=1 1107=0 831=0"));
        auto* page = qobject_cast<CurrentInputsParamsForm*>(showPage("CurrentInputsParamsForm"));
        QLabel* unit = page->analogInputCell(2)->unitLabel();
        const QString before = unit->text();
        m_ui.drive.report(840, 3.f);
        QCOMPARE(unit->text(), before);
        // A type whose unit differs from the one before.
        m_ui.drive.report(830, 2.f);
        QCOMPARE(unit->text(), UiStation::window()->getTextAiUnit(830, 1107, 831));
    }
};

VRX_TEST_APPLICATION_MAIN(TestCarousel)
#include "tst_carousel.moc"
