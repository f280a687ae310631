// Station status widgets and the sensor cell: the condition banner's cases,
// colours and rule order, the running-modes row, the run/stop-time row, and
// the cell that shows a sensor's status in place of its value.
#include "basestatuscheckpswwidget.h"
#include "common.h"
#include "generalconditionwidget.h"
#include "parameterdef.h"
#include "regimeswidget.h"
#include "saturate.h"
#include "test_application.h"
#include "ui_station.h"
#include "timestatewidget.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace {

const QString White = QStringLiteral("background: #FFFFFF; color: #000000;");
const QString Green = QStringLiteral("background: #00C600; color: #FFFFFF;");
const QString Orange = QStringLiteral("background: #FF8000; color: #FFFFFF;");
const QString Red = QStringLiteral("background: #FF0000; color: #FFFFFF;");

// Everything the banner and the modes row read, at rest: no mode on, no
// delay running, a drive chosen and linked, nothing preventing a start.
const quint16 bannerIds[] = {666, 447, 452, 455, 456, 460, 10001, 1391, 1392, 669, 531, 955, 15, 878,
                             844, 845, 846, 847, 848, 337, 352, 367, 382, 1248, 1265, 1282, 1299, 1799,
                             1821, 1843, 1865, 1887, 1909, 1931, 1953, 1975, 2084, 843, 1231, 1232, 1233,
                             1234, 1235, 1236, 1237, 1238, 1788, 1810, 1832, 1854, 1876, 1898, 1920, 1942,
                             1964, 1986, 2008, 2030, 1359, 1360};
const quint16 regimeIds[] = {447, 455, 464, 474, 483, 494, 499, 503, 669, 687, 873, 955, 961, 1116, 1599, 1606,
                             475, 1683, 15};

// A reason of stop that has a text of its own.
const float Reason = 3.0f;

} // namespace

class TestRowsStatus : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    QWidget* m_host = nullptr;
    GeneralConditionWidget* m_banner = nullptr;
    RegimesWidget* m_regimes = nullptr;
    TimeStateWidget* m_time = nullptr;
    Parameters* m_textStore = nullptr;

    Parameters* store() { return UiStation::store(); }
    void apply(const QString& setup) { m_station->drive.reportAll(setup); }

    void resetStation(StoreDriver drive)
    {
        for (int id : Common::preventIdsList())
            drive.report(static_cast<quint16>(id), 0.f);
        for (int id : Common::delayIdsList()) {
            if (id > 0)
                drive.report(static_cast<quint16>(id), 0.f);
        }
        for (quint16 id : bannerIds)
            drive.report(id, 0.f);
        for (quint16 id : regimeIds)
            drive.report(id, 0.f);
        drive.report(685, 1.f);
        drive.report(702, 1.f);
        drive.report(535, Reason);
        // The catalogue's placeholder id 0 names no delay: a value there
        // must not count as a running one.
        drive.report(0, 1.f);
    }

    static QString valueText(quint16 id)
    {
        const ParameterDef* def = MainApplication::getInstance()->getParameters()->getParameter(id);
        unTypeData data;
        data.u = def->value.load();
        return Common::getTextValue(data, def, def->validity.load() != 0, false);
    }

    // The expected text with its parts from the catalogue filled in.
    QString expand(const QString& pattern)
    {
        QString text = pattern;
        text.replace(QStringLiteral("{c}"), Common::getTextCondition(saturatingInt(store()->get(666))));
        text.replace(QStringLiteral("{r}"), Common::getTextReasonStop(static_cast<int>(Reason)));
        text.replace(QStringLiteral("{prevent}"), Common::getTextPrevent());
        const QRegularExpression placeholder(QStringLiteral("\\{(\\w+):(\\d+)\\}"));
        QRegularExpressionMatch match = placeholder.match(text);
        while (match.hasMatch()) {
            const QString kind = match.captured(1);
            const int number = match.captured(2).toInt();
            QString filled;
            if (kind == QLatin1String("v"))
                filled = valueText(static_cast<quint16>(number));
            else if (kind == QLatin1String("name"))
                filled = Common::protectionNamesList().at(Common::delayIdsList().indexOf(number));
            else if (kind == QLatin1String("vsdw"))
                filled = Common::getTextVsdWarning(number, true);
            else if (kind == QLatin1String("ai"))
                filled = Common::getTextAiAlarmType(number);
            else if (kind == QLatin1String("di"))
                filled = Common::getTextDiParameter(static_cast<unsigned short>(number));
            else if (kind == QLatin1String("pin"))
                filled = Common::getTextPinType(static_cast<unsigned short>(number));
            text.replace(match.capturedStart(), match.capturedLength(), filled);
            match = placeholder.match(text);
        }
        return text;
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        // A store for the text catalogue alone, in which nothing prevents a
        // start: it reaches the banner's rules that follow the prevent text.
        m_textStore = new Parameters;
        StoreDriver texts{m_textStore};
        resetStation(texts);

        m_host = new QWidget;
        auto* layout = new QVBoxLayout(m_host);
        m_banner = new GeneralConditionWidget;
        m_regimes = new RegimesWidget;
        m_time = new TimeStateWidget;
        layout->addWidget(m_banner);
        layout->addWidget(m_regimes);
        layout->addWidget(m_time);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host));
    }

    void cleanupTestCase()
    {
        Common::setParameters(nullptr);
        delete m_host;
        delete m_textStore;
        delete m_station;
    }

    void init()
    {
        Common::setParameters(nullptr);
        resetStation(m_station->drive);
    }

    void bannerCases_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("textsPreventFree");
        QTest::addColumn<int>("colourCase");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("text");
        using G = GeneralConditionWidget;
        QTest::newRow("braking") << "666=1" << false << 1 << White << "{c}";
        QTest::newRow("start, periodic mode")
            << "666=2 447=1 452=3725" << false << 2 << Green << "{c}<br>До останова: {v:452}";
        QTest::newRow("run, periodic before alternation")
            << "666=3 447=1 452=61 455=1 10001=50 456=50" << false << 3 << Green << "{c}<br>До останова: {v:452}";
        QTest::newRow("run on F1, to F2")
            << "666=3 455=1 10001=50 456=50 460=40 1391=600" << false << 3 << Green
            << "{c}<br>До перехода на F2: {v:1391}";
        QTest::newRow("run on F2, to F1")
            << "666=3 455=1 10001=40 456=50 460=40 1392=900" << false << 3 << Green
            << "{c}<br>До перехода на F1: {v:1392}";
        QTest::newRow("run, F1 equal to F2")
            << "666=3 455=1 10001=50 456=50 460=50 1391=1 1392=2" << false << 3 << Green
            << "{c}<br>До перехода на F2: {v:1391}<br>До перехода на F1: {v:1392}";
        QTest::newRow("run, no mode") << "666=3" << false << 3 << Green << "{c}";
        QTest::newRow("delay, none running") << "666=4" << false << 4 << Orange << "{c}<br>";
        QTest::newRow("delay of a plain protection") << "666=4 730=3" << false << 4 << Orange << "{c}<br>{name:730}";
        QTest::newRow("first running delay wins") << "666=4 731=1 755=1" << false << 4 << Orange << "{c}<br>{name:731}";
        QTest::newRow("delay of the drive")
            << "666=4 755=5 844=7" << false << 4 << Orange << "{c}<br>{name:755}. {vsdw:7}";
        QTest::newRow("delay of an analog input")
            << "666=4 746=2 846=1" << false << 4 << Orange << "{c}<br>{name:746} {ai:1}";
        QTest::newRow("delay of a digital input")
            << "666=4 751=1 367=3" << false << 4 << Orange << "{c}<br>{name:751} {di:3}";
        QTest::newRow("delay of digital input 21, low 16 bits")
            << "666=4 1982=1 1975=65538" << false << 4 << Orange << "{c}<br>{name:1982} {di:2}";
        QTest::newRow("delay of intake pressure")
            << "666=4 741=1 2084=1" << false << 4 << Orange << "{c}<br>{name:741} {pin:1}";
        QTest::newRow("waiting for restart")
            << "666=5 531=125" << false << 5 << Orange << "{c}<br>{r}<br>До пуска: {v:531}";
        QTest::newRow("waiting for guaranteed restart")
            << "666=5 669=1 531=125" << false << 5 << Orange << "{c}<br>{r}<br>До гарант. пуска: {v:531}";
        QTest::newRow("blocked") << "666=6" << false << 6 << Red << "{c}<br>{r}";
        QTest::newRow("prevented, even with no drive type")
            << "666=0 44=1 685=0" << false << int(G::CaseRulePrevent) << Red << "ПУСК ЗАПРЕЩЕН<br>{prevent}";
        QTest::newRow("prevented, other code")
            << "666=9 59=1" << false << int(G::CaseRulePrevent) << Red << "ПУСК ЗАПРЕЩЕН<br>{prevent}";
        QTest::newRow("no drive type, low 16 bits")
            << "666=0 685=65536" << true << int(G::CaseRuleNoDriveType) << Red << "ПУСК ЗАПРЕЩЕН<br>Не выбран тип ЧРП";
        QTest::newRow("no drive type before no link")
            << "666=0 685=0 702=0" << true << int(G::CaseRuleNoDriveType) << Red
            << "ПУСК ЗАПРЕЩЕН<br>Не выбран тип ЧРП";
        QTest::newRow("no drive link")
            << "666=0 702=0 955=1 15=1" << true << int(G::CaseRuleNoDriveLink) << Red
            << "ПУСК ЗАПРЕЩЕН<br>Нет связи с ЧРП";
        QTest::newRow("delayed start")
            << "666=0 955=1 15=1" << false << int(G::CaseRuleDelayedStart) << Orange << "{c}<br>{r}";
        QTest::newRow("delayed start before guaranteed start")
            << "666=0 955=1 669=1 15=2 878=60" << false << int(G::CaseRuleDelayedStart) << Orange << "{c}<br>{r}";
        QTest::newRow("guaranteed start")
            << "666=0 669=1 15=2 878=60" << false << int(G::CaseRuleGuaranteedStart) << Orange
            << "{c}<br>{r}<br>Запуск: {v:878}";
        QTest::newRow("guaranteed start, start mode 1")
            << "666=0 669=1 15=1" << false << int(G::CaseRuleStopped) << White << "{c}<br>{r}";
        QTest::newRow("stopped") << "666=0" << false << int(G::CaseRuleStopped) << White << "{c}<br>{r}";
        QTest::newRow("condition never received")
            << "666=nan" << false << int(G::CaseRuleStopped) << White << "{c}<br>{r}";
    }

    void bannerCases()
    {
        QFETCH(QString, setup);
        QFETCH(bool, textsPreventFree);
        QFETCH(int, colourCase);
        QFETCH(QString, colour);
        QFETCH(QString, text);

        apply(setup);
        if (textsPreventFree) {
            Common::setParameters(m_textStore);
            QVERIFY(Common::getTextPrevent().isEmpty());
        }
        const QString expected = expand(text);
        m_banner->slotUpdateValue();
        QCOMPARE(m_banner->colourCase(), colourCase);
        QCOMPARE(m_banner->conditionLabel()->styleSheet(), colour);
        QCOMPARE(m_banner->conditionLabel()->text(),
                 QStringLiteral("<div style=\"line-height:90%\"><center>") + expected
                     + QStringLiteral("</center></div>"));
    }

    void bannerSetsStyleOnlyOnChangeOfCase()
    {
        QLabel* label = m_banner->conditionLabel();
        apply("666=3 447=1 452=10");
        m_banner->slotUpdateValue();
        QCOMPARE(label->styleSheet(), Green);
        // Same case, other text: the style sheet is not set again.
        label->setStyleSheet(QStringLiteral("/* kept */"));
        apply("452=20");
        m_banner->slotUpdateValue();
        QCOMPARE(label->styleSheet(), QStringLiteral("/* kept */"));
        QVERIFY(label->text().contains(valueText(452)));
        // Condition 2 is a case of its own, although of the same colour.
        apply("666=2");
        m_banner->slotUpdateValue();
        QCOMPARE(m_banner->colourCase(), 2);
        QCOMPARE(label->styleSheet(), Green);
        // Two rules of the same colour are two cases.
        apply("666=0 955=1 15=1");
        m_banner->slotUpdateValue();
        label->setStyleSheet(QStringLiteral("/* kept */"));
        apply("955=0 669=1 15=2");
        m_banner->slotUpdateValue();
        QCOMPARE(m_banner->colourCase(), int(GeneralConditionWidget::CaseRuleGuaranteedStart));
        QCOMPARE(label->styleSheet(), Orange);
    }

    void bannerFirstRefreshAndHiddenBanner()
    {
        // A new banner sets its style at its first refresh, whatever the case.
        apply("666=1");
        GeneralConditionWidget banner;
        QVERIFY(banner.refreshTimer()->isActive());
        QVERIFY(!banner.refreshTimer()->isSingleShot());
        const int interval = banner.refreshTimer()->interval();
        QVERIFY(interval >= 400 && interval <= 580 && interval % 20 == 0);
        // Hidden, it does nothing.
        banner.slotUpdateValue();
        QCOMPARE(banner.colourCase(), int(GeneralConditionWidget::CaseNone));
        QVERIFY(banner.conditionLabel()->text().isEmpty());
        // Shown, it refreshes at once.
        banner.show();
        QCOMPARE(banner.colourCase(), 1);
        QCOMPARE(banner.conditionLabel()->styleSheet(), White);
        // Its own timer keeps it current.
        apply("666=6");
        QTRY_COMPARE(banner.colourCase(), 6);
    }

    void regimes_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << "" << "";
        QTest::newRow("periodic and guaranteed start")
            << "447=1 669=1" << QString::fromUtf8("Периодический + Гарант. пуск");
        QTest::newRow("guaranteed start alone") << "669=1" << "";
        QTest::newRow("voltage optimisation lowering") << "494=1 961=203" << QString::fromUtf8("Опт.U(-)");
        QTest::newRow("voltage optimisation raising") << "494=1 961=206" << QString::fromUtf8("Опт.U(+)");
        QTest::newRow("voltage optimisation unknown state") << "494=1 961=300" << QString::fromUtf8("Опт.U");
        QTest::newRow("alternation on F1") << "455=1 687=200" << QString::fromUtf8("Черед. F.(F1)");
        QTest::newRow("maintenance, unknown quantity") << "474=1 475=10" << QString::fromUtf8("Поддерж.");
        QTest::newRow("maintenance of flow") << "474=1 475=9" << QString::fromUtf8("Поддерж.Расход");
        QTest::newRow("delayed start needs start mode") << "955=1 15=0" << "";
        QTest::newRow("all of them")
            << "447=1 455=1 687=201 464=1 474=1 1683=1 475=3 494=1 961=400 503=1 483=1 873=201 499=1 1116=101 "
               "1599=1 1606=206 955=1 15=1"
            << QString::fromUtf8("Периодический + Черед. F.(F2) + ВНР + Следов.Ан. вх. 1 + Опт.U(П) + Токоогр. + "
                                 "Встряхивание(F1) + ПркчЗ + Пркч РН(К) + Отложенный пуск");
        QTest::newRow("pushing states") << "499=1 1116=210 1599=1 1606=101"
                                        << QString::fromUtf8("ПркчК + Пркч РН(З)");
        QTest::newRow("shaking without periodic") << "483=1 873=100" << QString::fromUtf8("Встряхивание(П)");
    }

    void regimes()
    {
        QFETCH(QString, setup);
        QFETCH(QString, text);
        apply(setup);
        m_regimes->slotUpdateValue();
        QCOMPARE(m_regimes->valueLabel()->text(), text);
    }

    void regimesRefreshOncePerBurst()
    {
        QTRY_VERIFY(!m_regimes->refreshTimer()->isActive());
        QSignalSpy refreshes(m_regimes->refreshTimer(), &QTimer::timeout);
        m_station->drive.report(464, 1.f);
        QVERIFY(m_regimes->refreshTimer()->isActive());
        const int timer = m_regimes->refreshTimer()->timerId();
        m_station->drive.report(503, 1.f);
        m_station->drive.report(464, 1.f);
        QCOMPARE(m_regimes->refreshTimer()->timerId(), timer); // not restarted
        QTRY_COMPARE(refreshes.size(), 1);
        QCOMPARE(m_regimes->valueLabel()->text(), QString::fromUtf8("ВНР + Токоогр."));
        QTest::qWait(700);
        QCOMPARE(refreshes.size(), 1);
        // An id the row does not show starts nothing.
        m_station->drive.report(13, 1.f);
        QVERIFY(!m_regimes->refreshTimer()->isActive());
        // Hidden, the row does not refresh; shown, at once.
        m_host->hide();
        m_station->drive.report(464, 0.f);
        QVERIFY(!m_regimes->refreshTimer()->isActive());
        m_host->show();
        QCOMPARE(m_regimes->valueLabel()->text(), QString::fromUtf8("Токоогр."));
    }

    void timeState_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("running");
        QTest::newRow("stopped") << "0" << false;
        QTest::newRow("state 1") << "1" << false;
        QTest::newRow("running") << "2" << true;
        QTest::newRow("state -1") << "-1" << true;
        QTest::newRow("never received") << "nan" << false;
    }

    void timeState()
    {
        QFETCH(QString, motor);
        QFETCH(bool, running);
        apply(QStringLiteral("13=%1 528=3700 529=125").arg(motor));
        m_time->slotUpdateValue();
        QCOMPARE(m_time->nameLabel()->text(),
                 running ? QString::fromUtf8("В работе") : QString::fromUtf8("Останов"));
        QCOMPARE(m_time->valueLabel()->text(), valueText(running ? 528 : 529));
        QVERIFY(!m_time->valueLabel()->text().isEmpty());
    }

    void timeStateRefreshOncePerBurst()
    {
        apply("13=2");
        QTRY_VERIFY(!m_time->refreshTimer()->isActive());
        QSignalSpy refreshes(m_time->refreshTimer(), &QTimer::timeout);
        m_station->drive.report(528, 10.f);
        m_station->drive.report(528, 11.f);
        m_station->drive.report(529, 12.f);
        QTRY_COMPARE(refreshes.size(), 1);
        QCOMPARE(m_time->valueLabel()->text(), valueText(528));
        QTest::qWait(700);
        QCOMPARE(refreshes.size(), 1);
    }

    // The cell shows the sensor's status, wide and without unit, in place of
    // its value; one oil company names the sensor's channel instead.
    void sensorCell()
    {
        apply("1330=0 15010=12.5 15011=0");
        BaseStatusCheckPswWidget cell(15010, 15011);
        QCOMPARE(cell.unitLabel()->text(), store()->getTextUnit(store()->getParameter(15010)));
        cell.show();
        const ParameterDef* def = store()->getParameter(15010);
        unTypeData shown;
        shown.f = store()->convertFrom(def->valueFloat(), def, false, true);
        const QString value = Common::getTextValue(shown, def, true, false);
        const struct
        {
            const char* setup;
            QString text; // empty: the value
        } steps[] = {{"15011=0", ""},
                     {"15011=1", "Нет датчика"},
                     {"15011=2", "Отказ датчика"},
                     {"15011=7", "Отказ датчика"}, // another status leaves the cell as it is
                     {"1330=1 15011=2", "Q"},
                     {"15011=0", ""}};
        for (const auto& step : steps) {
            apply(step.setup);
            cell.slotUpdateValue();
            QCOMPARE(cell.valueLabel()->text(), step.text.isEmpty() ? value : step.text);
            QCOMPARE(cell.valueLabel()->width(), step.text.isEmpty() ? 93 : 169);
            QCOMPARE(cell.unitLabel()->isHidden(), !step.text.isEmpty());
        }
        QCOMPARE(BaseStatusCheckPswWidget::channelLabel(15113), QString("P2"));
        // A sensor without a channel keeps the status texts.
        QCOMPARE(BaseStatusCheckPswWidget::channelLabel(15001), QString());
        apply("1330=1 15001=1 15011=1");
        BaseStatusCheckPswWidget other(15001, 15011);
        other.show();
        QCOMPARE(other.valueLabel()->text(), QString::fromUtf8("Нет датчика"));
    }

    void sensorCellRefreshesOnEitherId()
    {
        apply("1330=0 15010=1 15011=0");
        BaseStatusCheckPswWidget cell(15010, 15011);
        m_station->drive.report(15011, 1.f);
        QVERIFY(!cell.refreshTimer()->isActive()); // hidden
        cell.show();
        QCOMPARE(cell.valueLabel()->text(), QString::fromUtf8("Нет датчика"));
        QSignalSpy refreshes(cell.refreshTimer(), &QTimer::timeout);
        m_station->drive.report(15011, 2.f);
        m_station->drive.report(15010, 3.f);
        QTRY_COMPARE(refreshes.size(), 1);
        QCOMPARE(cell.valueLabel()->text(), QString::fromUtf8("Отказ датчика"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestRowsStatus)
#include "tst_rows_status.moc"
