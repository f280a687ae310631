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
#include "current_inputs_params_form.h"
#include "current_main_params_form.h"
#include "current_vsd_params_form.h"
#include "echo_controller.h"
#include "lineedit.h"
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

QGridLayout* gridOf(BaseForm* form)
{
    return form && form->widget() ? form->widget()->findChild<QGridLayout*>() : nullptr;
}

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
    if (auto* param = qobject_cast<BaseParamWidget*>(w)) {
        const char* kind = qobject_cast<BaseStatusTextWidget*>(w) ? "t" : qobject_cast<BaseEditWidget*>(w) ? "e" : "c";
        return Common::getTextFromId(param->id()) + QLatin1String(kind);
    }
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
    QGridLayout* grid = gridOf(form);
    for (int i = 0; grid && i < grid->count(); ++i) {
        int row, col, rowSpan, colSpan;
        grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
        if (col == c && grid->itemAt(i)->widget())
            cells << qMakePair(row, describe(grid->itemAt(i)->widget()));
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const QPair<int, QString>& a, const QPair<int, QString>& b) { return a.first < b.first; });
    QStringList names;
    for (const auto& cell : cells)
        names << cell.second;
    return names;
}

// A documented column, "15002/1039 15051b 782t", in the terms of describe().
QStringList expected(const QString& spec)
{
    QStringList names;
    for (const QString& token : spec.split(QLatin1Char(' '))) {
        QStringList shared;
        QRegExp cell(QStringLiteral("(\\d+)(/\\d+)?([btec]?)"));
        for (const QString& part : token.split(QLatin1Char('|')))
            shared << (cell.exactMatch(part) ? Common::getTextFromId(cell.cap(1).toUShort())
                                                   + (cell.cap(2).isEmpty() ? cell.cap(3) : QStringLiteral("/"))
                                             : part);
        if (!token.isEmpty())
            names << shared.join(QLatin1Char('|'));
    }
    return names;
}

// A page whose cells the test places itself.
class BarePage : public BaseStatusForm
{
    void createForm() override {}
};

QStringList classesOf(const QList<BaseForm*>& forms)
{
    QStringList names;
    for (BaseForm* form : forms)
        names << QString::fromLatin1(form->metaObject()->className());
    return names;
}

} // namespace

class TestCarousel : public QObject
{
    Q_OBJECT

private:
    UiStation* m_ui = nullptr;
    EchoController* m_echo = nullptr;

    // The carousel as Back from the main menu shows it: from the first page.
    void showCarousel()
    {
        UiStation::window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
        pressKey(Qt::Key_F3);
        settle();
    }
    BaseForm* showPage(const char* className)
    {
        UiStation::window()->addForm(BaseStatusForm::createNextForm(), QLatin1String(className));
        settle();
        return UiStation::currentClass() == QLatin1String(className) ? UiStation::currentForm() : nullptr;
    }
    bool turnTo(const char* className)
    {
        for (int i = 0; i < 12 && UiStation::currentClass() != QLatin1String(className); ++i)
            pressKey(Qt::Key_F7);
        return UiStation::currentClass() == QLatin1String(className);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_ui = new UiStation;
        m_ui->drive.reportAll(QStringLiteral("762=0 633=0")); // no turning by itself
        m_ui->showWindow();
        m_echo = new EchoController(UiStation::store());
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_ui;
    }

    void composition_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("pages");
        // Class names without "Current" and "Form".
        const QString plain = QStringLiteral("VsdParams OutputAndTransParams MotorParams SupplyParams DhsParams "
                                             "InputsParams ");
        const QString full = QStringLiteral("VsdParams OutputAndTransParams OutputAndTransParamsModel MotorParams "
                                            "MotorModelParams SupplyParams DhsParams InputsParams ExtendedParams ");
        QTest::newRow("seven pages") << "1666=0 1518=0 1644=0" << "MainParams " + plain;
        QTest::newRow("ten pages") << "1666=0 1518=1 1644=1" << "MainParams " + full;
        QTest::newRow("eleven pages") << "1666=1 1518=1 1644=1" << "MainParams " + full + "MenuTechnolog";
        QTest::newRow("technologist first") << "1666=2 1518=0 1644=0" << "MenuTechnolog " + plain;
        QTest::newRow("technologist only") << "1666=3 1518=1 1644=1" << "MenuTechnolog";
    }
    void composition()
    {
        QFETCH(QString, settings);
        QFETCH(QString, pages);
        QStringList classes;
        for (const QString& page : pages.trimmed().split(QLatin1Char(' ')))
            classes << "Current" + page + "Form";
        m_ui->drive.reportAll(settings);
        // Back from the main menu shows them from the first page; Right pages
        // through all of them and wraps round.
        showCarousel();
        QCOMPARE(classesOf(UiStation::window()->stackedForm()->formsList()), classes);
        QCOMPARE(UiStation::window()->stackedForm()->currentIndexForm(), 0);
        for (int i = 1; i <= classes.size(); ++i) {
            pressKey(Qt::Key_F7);
            QCOMPARE(UiStation::currentClass(), classes.at(i % classes.size()));
        }
    }

    void titles()
    {
        m_ui->drive.reportAll(QStringLiteral("1666=1 1518=1 1644=1"));
        const QList<BaseForm*> list = BaseStatusForm::createNextForm();
        QStringList titles;
        for (BaseForm* form : list)
            titles << form->title();
        qDeleteAll(list);
        QCOMPARE(titles, QString::fromUtf8("СОСТОЯНИЕ;ТЕКУЩИЕ ПАРАМЕТРЫ ЧРП;ТЕКУЩИЕ ПАРАМЕТРЫ ВЫХОДА СУ И ТМПН;"
                                           "ТЕКУЩИЕ ПАРАМЕТРЫ ВЫХОДА СУ И ТМПН ПО МОДЕЛИ;ТЕКУЩИЕ ПАРАМЕТРЫ ДВИГАТЕЛЯ;"
                                           "ТЕКУЩИЕ ПАРАМЕТРЫ ДВИГАТЕЛЯ ПО МОДЕЛИ;ТЕКУЩИЕ ПАРАМЕТРЫ СЕТИ;"
                                           "ТЕКУЩИЕ ПАРАМЕТРЫ ТМС;ТЕКУЩИЕ ПАРАМЕТРЫ ВХОДОВ;"
                                           "ТЕКУЩИЕ ПАРАМЕТРЫ ПЛАТЫ РАСШИРЕНИЙ;ТЕКУЩИЕ ПАРАМЕТРЫ ТЕХНОЛОГА")
                             .split(QLatin1Char(';')));
    }

    // Worked examples of every layout choice: each page's columns from row 0
    // down, as the station's documentation lists them.
    void layouts_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        const QString main = QStringLiteral("CurrentMainParamsForm");
        const QString mainRight = QStringLiteral("GeneralConditionWidget TimeStateWidget 782t 10006t 10007t 14t "
                                                 "RegimesWidget");
        QTest::newRow("main") << main << "1519=0 1215=0 39=0 1330=3" << "15c 10001 1 6 7|10 9 11 15002/1039 15003/1041"
                              << mainRight;
        QTest::newRow("main, 1547, oil temperature, leakage of type 9")
            << main << "1519=1 1215=1 39=9" << "15c 10001 1 1547 7|10 9 15092 15002/1039 15048/1042" << mainRight;
        QTest::newRow("main, 1519 and 1215 as 16 bits, type 1 of company 3")
            << main << "1519=65536 1215=65538 39=1 1330=3" << "15c 10001 1 6 7|10 9 15092 15002/1039" << mainRight;
        QTest::newRow("main, type 1 of company 4") << main << "1215=0 39=1 1330=4"
                                                   << "15c 10001 1 6 7|10 9 11 15002/1039 15003/1041" << mainRight;
        QTest::newRow("main, type 26") << main << "39=26 1330=0" << "15c 10001 1 6 7|10 9 11 15002/1039 15003/1041"
                                       << mainRight;

        const QString vsd = QStringLiteral("CurrentVsdParamsForm");
        const QString vsdLeft = QStringLiteral("10002e 10001 10008 10009 10010 10004 10011 10012");
        const QString vsdRight = QStringLiteral("10013 10014 9 10246");
        QTest::newRow("drive 1") << vsd << "685=1" << vsdLeft + " 10347" << vsdRight + " 10499 10261 10247 10327 10056";
        QTest::newRow("drive 65537") << vsd << "685=65537" << vsdLeft + " 10347"
                                     << vsdRight + " 10499 10261 10247 10327 10056";
        QTest::newRow("drive 2") << vsd << "685=2" << vsdLeft << vsdRight + " 10247 10056 10109 10149";
        QTest::newRow("drive 3") << vsd << "685=3" << vsdLeft << vsdRight + " 10260 10247 10056 10109";
        QTest::newRow("drive 4") << vsd << "685=4" << vsdLeft << vsdRight;

        QTest::newRow("output, line") << "CurrentOutputAndTransParamsForm" << "1178=1 1518=1"
                                      << "1148 1149 1150 1163 1164 1165" << "1156 1157 1158 1167 1168 1169";
        QTest::newRow("output model, phase") << "CurrentOutputAndTransParamsModelForm" << "1178=0"
                                             << "1524 1525 1526 1520 1521 1522" << "1536 1537 1538 1532 1533 1534 1175";
        QTest::newRow("motor, 65536 is phase") << "CurrentMotorParamsForm" << "1178=65536" << "716 717 718 719 9"
                                               << "2 3 4 5 7 1171";
        QTest::newRow("motor model, line") << "CurrentMotorModelParamsForm" << "1178=2" << "1552 1553 1554 1556 1557"
                                           << "1544 1545 1546 1559 1177 1211 1558";
        QTest::newRow("supply, phase") << "CurrentSupplyParamsForm" << "1178=0" << "706 707 708 16 12t 20036"
                                       << "857 858 859 20007 20009 20034";

        const QString dhs = QStringLiteral("CurrentDhsParamsForm");
        QTest::newRow("sensor 1") << dhs << "39=1" << "15002/1039 15004/1040 15003/1041 15011/1043 15007/1045 15092 11"
                                  << "15008/1046 15009/1048 15010/1049 15056/1050 15051b 15053b";
        QTest::newRow("sensor 7") << dhs << "39=7" << "15001 15002 15004 15003 15005 15006 15007"
                                  << "15051 15078 15112 15011";
        QTest::newRow("sensor 8") << dhs << "39=8"
                                  << "15002/1039 15004/1040 15003/1041 15048/1042 15011/1043 15007/1045 15051b"
                                  << "15008/1046 15009/1048 15010/1049 15059";
        const QString type13 = QStringLiteral("15002 15008 15004 15003 15005 15007 15092 15112");
        QTest::newRow("sensor 13") << dhs << "39=13" << type13 << "";
        QTest::newRow("sensor 23") << dhs << "39=23" << type13 << "";
        QTest::newRow("sensor 17") << dhs << "39=17"
                                   << "15002/1039 15004/1040 15003/1041 15048/1042 15005/1043 15006/1044 15007/1045"
                                   << "15008/1046 15009/1048 15010/1049 15056/1050 11 15017 15053b";
        QTest::newRow("sensor 25") << dhs << "39=25" << "15002 15004 15003 15011 15051"
                                   << "15008 15092 15093 15094 15095";
        const QString commonLeft = QStringLiteral("15002 15004 15003 15011 15007 15052");
        const QString commonRight = QStringLiteral("15008 15009 15010 15056 15053");
        for (const char* type : {"0", "11", "-1", "26"})
            QTest::newRow(qPrintable(QStringLiteral("sensor %1").arg(type)))
                << dhs << QStringLiteral("39=%1").arg(type) << commonLeft << commonRight;

        QTest::newRow("inputs") << "CurrentInputsParamsForm" << "" << "838 839 840 841 22t"
                                << "24t 25t 26t 27t 811 812 813 814";
        QTest::newRow("extension board") << "CurrentExtendedParamsForm" << "1644=1"
                                         << "1619 1620 1621 1622 1774t 1775t 1776t 1777t"
                                         << "1778t 1779t 1780t 1781t 1782t 1783t 1784t 1785t";
    }
    void layouts()
    {
        QFETCH(QString, page);
        QFETCH(QString, settings);
        QFETCH(QString, left);
        QFETCH(QString, right);
        m_ui->drive.reportAll(QStringLiteral("1666=0 ") + settings);
        BaseForm* form = showPage(qPrintable(page));
        QVERIFY(form);
        QCOMPARE(column(form, 0), expected(left));
        QCOMPARE(column(form, 1), expected(right));
    }

    // A cell naming a parameter with no definition says so, whatever its kind.
    void cellsWithoutDefinitionShowDashes()
    {
        BarePage page;
        PairList texts;
        texts.append(0, QStringLiteral("off"));
        QLabel* number = page.addStatusNum(5000, 0, 0)->valueLabel();
        QLabel* text = page.addStatusText(5001, texts, 1, 0)->valueTextLabel();
        QLabel* guarded = page.addStatusNumPsw(5002, 1039, 2, 0)->valueLabel();
        page.show();
        settle();
        QCOMPARE(number->text(), QString("---"));
        QCOMPARE(text->text(), QString("---"));
        QCOMPARE(guarded->text(), QString("---"));
    }

    void loadAndTurbineSwap()
    {
        m_ui->drive.reportAll(QStringLiteral("1666=0 13=0"));
        showCarousel();
        auto* page = qobject_cast<CurrentMainParamsForm*>(UiStation::currentForm());
        QVERIFY(page);
        QVERIFY(page->turbineCell()->isVisible());
        QVERIFY(!page->loadCell()->isVisible());
        // Any state but stopped shows the load, within one period of 580 ms.
        QVERIFY(page->conditionTimer()->interval() <= 580);
        m_ui->drive.report(13, -1.f);
        QTRY_VERIFY_WITH_TIMEOUT(page->loadCell()->isVisible(), 2000);
        QVERIFY(!page->turbineCell()->isVisible());
        m_ui->drive.report(13, 0.f);
        QTRY_VERIFY_WITH_TIMEOUT(page->turbineCell()->isVisible(), 2000);
        QVERIFY(!page->loadCell()->isVisible());
    }

    void runModeByEnter()
    {
        m_ui->drive.reportAll(QStringLiteral("1666=0 15=0"));
        showCarousel();
        BaseForm* page = UiStation::currentForm();
        auto* combo = qobject_cast<BaseComboBox*>(gridOf(page)->itemAtPosition(0, 0)->widget());
        QVERIFY(combo);
        m_echo->clearWrites();
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(combo->comboBox()->view()->isVisible());
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(!combo->isEditing());
        QCOMPARE(m_echo->writes().size(), 1);
        QCOMPARE(m_echo->writes().first().id, quint16(15));
        QCOMPARE(floatFromBits(m_echo->writes().first().value), 2.f);
        // The page has the keys again: Right turns it.
        QTRY_VERIFY(page->hasFocus());
        pressKey(Qt::Key_F7);
        QCOMPARE(UiStation::currentClass(), QString("CurrentVsdParamsForm"));
    }

    void setpointByEnter()
    {
        m_ui->drive.reportAll(QStringLiteral("10002=10 10002:min=0 10002:max=70"));
        showCarousel();
        QVERIFY(turnTo("CurrentVsdParamsForm"));
        auto* page = qobject_cast<CurrentVsdParamsForm*>(UiStation::currentForm());
        BaseEditWidget* edit = page->setpointEdit();
        m_echo->clearWrites();
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(edit->isEditing());
        typeKeys(QStringLiteral("35"));
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(!edit->isEditing());
        QCOMPARE(m_echo->writes().size(), 1);
        QCOMPARE(m_echo->writes().first().id, quint16(10002));
        QCOMPARE(floatFromBits(m_echo->writes().first().value), 35.f);
        QTRY_VERIFY(page->hasFocus());
        pressKey(Qt::Key_F5);
        QCOMPARE(UiStation::currentClass(), QString("CurrentMainParamsForm"));
    }

    void layoutFixedUntilRebuilt()
    {
        m_ui->drive.reportAll(QStringLiteral("1666=0 1518=0 1644=0 1178=1 685=1"));
        showCarousel();
        // Left from the first page to the supply page: the pages before it
        // are not built yet.
        for (int i = 0; i < 3; ++i)
            pressKey(Qt::Key_F5);
        BaseForm* supply = UiStation::currentForm();
        QCOMPARE(column(supply, 0).first(), expected("709").first());
        m_ui->drive.reportAll(QStringLiteral("1178=0 685=2"));
        QCOMPARE(column(supply, 0).first(), expected("709").first());
        // A page turned to for the first time is built with the values of now,
        // and keeps them.
        pressKey(Qt::Key_F5);
        QCOMPARE(column(UiStation::currentForm(), 0).first(), expected("716").first());
        QVERIFY(turnTo("CurrentVsdParamsForm"));
        QCOMPARE(column(UiStation::currentForm(), 0).size(), 8);
        m_ui->drive.report(685, 1.f);
        pressKey(Qt::Key_F7);
        pressKey(Qt::Key_F5);
        QCOMPARE(column(UiStation::currentForm(), 0).size(), 8);
        // Back to the menu and back again: the new layouts.
        pressKey(Qt::Key_F3);
        pressKey(Qt::Key_F3);
        QVERIFY(turnTo("CurrentSupplyParamsForm"));
        QCOMPARE(column(UiStation::currentForm(), 0).first(), expected("706").first());
        QVERIFY(turnTo("CurrentVsdParamsForm"));
        QCOMPARE(column(UiStation::currentForm(), 0).size(), 9);
    }

    // The unit of an analog input follows what the input measures (822 + 4i),
    // its unit (1105 + i) and its signal type (823 + 4i), not its value.
    void analogInputUnits()
    {
        m_ui->drive.reportAll(QStringLiteral("822=1 1105=0 823=0 826=1 1106=0 827=0 830=1 1107=0 834=0 835=0"));
        auto* page = qobject_cast<CurrentInputsParamsForm*>(showPage("CurrentInputsParamsForm"));
        QVERIFY(page);
        auto unit = [page](int i) { return page->analogInputCell(i)->unitLabel()->text(); };
        auto now = [](int i) {
            return UiStation::window()->getTextAiUnit(quint16(822 + 4 * i), quint16(1105 + i), quint16(823 + 4 * i));
        };
        for (const char* change : {"1106=1", "830=2", "835=1"}) {
            const int input = QString(change).startsWith("1106") ? 1 : QString(change).startsWith("830") ? 2 : 3;
            const QString before = unit(input);
            m_ui->drive.reportAll(QLatin1String(change));
            QVERIFY2(now(input) != before, change);
            QCOMPARE(unit(input), now(input));
        }
        QCOMPARE(unit(0), now(0));
        const QString fourth = unit(3);
        m_ui->drive.report(841, 3.f);
        QCOMPARE(unit(3), fourth);
    }
};

VRX_TEST_APPLICATION_MAIN(TestCarousel)
#include "tst_carousel.moc"
