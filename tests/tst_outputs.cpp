// Relay and analog outputs: the menus (4 or 12 relays), the rows of a relay
// page by its function and of an analog page by its type and source, the
// scale ends in the source's unit, and the rebuilds the choosing values cause
// as the controller reports them.
#include "analog_outputs_form.h"
#include "analog_outputs_menu.h"
#include "basecombobox.h"
#include "baseeditwidget.h"
#include "baseform.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "dialog_driver.h"
#include "echo_controller.h"
#include "equipment_menu.h"
#include "itemview.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "parameterdef.h"
#include "parameters.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "relay_outputs_options_form.h"
#include "relay_outputs_options_menu.h"
#include "stackedform.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>

namespace {

QString describe(BaseForm* form, int row)
{
    QWidget* w = form->rowWidget(row);
    if (auto* edit = qobject_cast<BaseEditWidget*>(w))
        return QStringLiteral("edit:%1").arg(edit->id());
    if (auto* combo = qobject_cast<BaseComboBox*>(w))
        return QStringLiteral("combo:%1").arg(combo->id());
    if (auto* status = qobject_cast<BaseStatusWidget*>(w))
        return QStringLiteral("num:%1").arg(status->id());
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

QStringList classesOf(const QList<BaseForm*>& forms)
{
    QStringList names;
    for (BaseForm* form : forms)
        names << QString::fromLatin1(form->metaObject()->className());
    return names;
}

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// The ids of relay n, as the station numbers them.
struct Relay
{
    int n;
    quint16 function;
    quint16 reason;
    quint16 delay;
    quint16 hold;
};

Relay relay(int n)
{
    const quint16 function = static_cast<quint16>(n <= 4 ? 962 + n - 1 : 1730 + n - 5);
    return Relay{n, function, static_cast<quint16>(1738 + n - 1), static_cast<quint16>(1750 + n - 1),
                 static_cast<quint16>(1762 + n - 1)};
}

struct Analog
{
    int n;
    quint16 type;
    quint16 source;
    quint16 minimum;
    quint16 maximum;
    quint16 value;
};

Analog analog(int n)
{
    return Analog{n, static_cast<quint16>(1615 + n - 1), static_cast<quint16>(1625 + n - 1),
                  static_cast<quint16>(1629 + n - 1), static_cast<quint16>(1633 + n - 1),
                  static_cast<quint16>(1619 + n - 1)};
}

// The stop reasons offered for the station alarm, as the documentation lists them.
const int AlarmReasons[] = {0,   6,   5,   21,  112, 119, 30,  4,   3,   20,  104, 105, 13,  116,
                            14,  16,  115, 41,  26,  42,  27,  100, 102, 101, 103, 107, 108, 109,
                            110, 120, 121, 122, 123, 2,   114, 9,   106, 111, 117, 129};

const quint16 AnalogSources[] = {10001, 2,     3,     4,     5,     6,     9,     7,     11,    10,    10013,
                                 10014, 1162,  10012, 1163,  1164,  1165,  709,   710,   711,   16,    10246,
                                 10004, 10011, 15002, 15004, 15048, 15011, 15007, 15008, 15009, 15010};

} // namespace

class TestOutputs : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    EchoController* m_echo = nullptr;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    Parameters* store() { return app()->getParameters(); }
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
    void show(QList<BaseForm*> level, const QString& className)
    {
        window()->addForm(level, className);
        settle();
        QCOMPARE(currentClass(), className);
        // Shown as from Back, the cursor may stand on a button: start from the top.
        current()->setCurrentWidget(0);
        QTRY_VERIFY(current()->rowCount() == 0 || current()->rowWidget(0)->hasFocus());
    }
    void showRelay(int n) { show(RelayOutputsOptionsMenu::createNextForm(), QStringLiteral("RelayOutputsOptions%1Form").arg(n)); }
    void showAnalog(int n) { show(AnalogOutputsMenu::createNextForm(), QStringLiteral("AnalogOutput%1Form").arg(n)); }
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
    QStringList buttonTexts(BaseForm* form)
    {
        QStringList texts;
        const QList<int> rows = form->subFormButtons();
        for (int row : rows)
            texts << qobject_cast<PushButton*>(form->rowWidget(row))->text();
        return texts;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = store();
        m_echo = new EchoController(store());
        m_drive.report(762, 0.f);
        m_drive.report(1372, 0.f);
        m_drive.report(571, 0.f);
        m_drive.report(572, 0.f);
        app()->setAccessPrompt([](unsigned char, const QString&, QWidget*) { return 1; });
        app()->showMainWindow();
        QVERIFY(window());
        QApplication::setActiveWindow(window());
        settle();
    }

    void cleanupTestCase()
    {
        window()->addForm(new MainMenu, 0);
        settle();
        delete m_echo;
        delete m_db;
    }

    // --- relays ---------------------------------------------------------------------

    void relayMenu_data()
    {
        QTest::addColumn<float>("board");
        QTest::addColumn<int>("relays");
        QTest::newRow("no extension board") << 0.f << 4;
        QTest::newRow("extension board") << 1.f << 12;
        QTest::newRow("any value but 0") << 0.5f << 12;
    }

    void relayMenu()
    {
        QFETCH(float, board);
        QFETCH(int, relays);
        m_drive.report(1644, board);
        QStringList classes;
        QStringList texts;
        for (int n = 1; n <= relays; ++n) {
            classes << QStringLiteral("RelayOutputsOptions%1Form").arg(n);
            texts << utf8("Релейный выход ") + QString::number(n);
        }
        const QList<BaseForm*> pages = RelayOutputsOptionsMenu::createNextForm();
        QCOMPARE(classesOf(pages), classes);
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(pages.at(i)->title(), texts.at(i).toUpper());
        qDeleteAll(pages);

        show(EquipmentMenu::createNextForm(), QStringLiteral("RelayOutputsOptionsMenu"));
        QCOMPARE(current()->title(), utf8("Релейные выходы").toUpper());
        QCOMPARE(buttonTexts(current()), texts);
        // Button k opens relay k; Back returns to its button.
        for (int k = 0; k < relays; ++k) {
            QCOMPARE(current()->currentRow(), k);
            key(Qt::Key_F4);
            settle();
            QCOMPARE(currentClass(), classes.at(k));
            QCOMPARE(window()->stackedForm()->currentIndexForm(), k);
            QCOMPARE(classesOf(window()->stackedForm()->formsList()), classes);
            key(Qt::Key_F3);
            settle();
            QCOMPARE(currentClass(), QString("RelayOutputsOptionsMenu"));
            QCOMPARE(current()->currentRow(), k);
            QTRY_VERIFY(current()->rowWidget(k)->hasFocus());
            key(Qt::Key_F8);
        }
        // Back from the menu: its entry of the equipment menu.
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(7));
    }

    // The menu follows the extension board while it is shown.
    void relayMenuFollowsTheBoard()
    {
        m_drive.report(1644, 0.f);
        show(EquipmentMenu::createNextForm(), QStringLiteral("RelayOutputsOptionsMenu"));
        key(Qt::Key_F8);
        m_drive.report(1644, 1.f);
        settle();
        QCOMPARE(currentClass(), QString("RelayOutputsOptionsMenu"));
        QCOMPARE(current()->subFormButtons().size(), 12);
        QCOMPARE(current()->currentRow(), 1);
        key(Qt::Key_F6);
        key(Qt::Key_F6);
        key(Qt::Key_F4);
        settle();
        QCOMPARE(currentClass(), QString("RelayOutputsOptions12Form"));
    }

    void relayRows_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("function");
        QTest::addColumn<bool>("reason");
        QTest::addColumn<bool>("timing");
        for (int n : {1, 4, 5, 12}) {
            const QByteArray r = "relay " + QByteArray::number(n);
            QTest::newRow(r + ", function 0") << n << 0.f << false << false;
            QTest::newRow(r + ", function 8") << n << 8.f << true << true;
            for (float f : {1.f, 7.f, 9.f, 10.f})
                QTest::newRow(r + ", function " + QByteArray::number(int(f))) << n << f << false << true;
        }
        QTest::newRow("16-bit reading of 8") << 2 << 65544.f << true << true;
        QTest::newRow("16-bit reading of 0") << 2 << 65536.f << false << false;
        QTest::newRow("fraction dropped") << 3 << 8.9f << true << true;
        QTest::newRow("negative counts as 0") << 3 << -3.f << false << false;
    }

    void relayRows()
    {
        QFETCH(int, n);
        QFETCH(float, function);
        QFETCH(bool, reason);
        QFETCH(bool, timing);
        m_drive.report(1644, 1.f);
        const Relay r = relay(n);
        m_drive.report(r.function, function);
        showRelay(n);
        QStringList rows;
        rows << QStringLiteral("combo:%1").arg(r.function);
        if (reason)
            rows << QStringLiteral("combo:%1").arg(r.reason);
        if (timing)
            rows << QStringLiteral("edit:%1").arg(r.delay) << QStringLiteral("edit:%1").arg(r.hold);
        QCOMPARE(rowsOf(current()), rows);
        auto* page = qobject_cast<RelayOutputsOptionsForm*>(current());
        QVERIFY(page);
        QCOMPARE(page->functionId(), r.function);
        QCOMPARE(page->reasonId(), r.reason);
        QCOMPARE(page->delayId(), r.delay);
        QCOMPARE(page->holdId(), r.hold);
        // Labels are the short names.
        for (int row = 0; row < current()->rowCount(); ++row) {
            QWidget* w = current()->rowWidget(row);
            const QString label = qobject_cast<BaseComboBox*>(w) ? qobject_cast<BaseComboBox*>(w)->nameLabel()->text()
                                                                 : qobject_cast<BaseEditWidget*>(w)->nameLabel()->text();
            const quint16 id = qobject_cast<BaseParamWidget*>(w)->id();
            QCOMPARE(label, Common::getTextFromId(id));
        }
    }

    void relayLists()
    {
        m_drive.report(962, 8.f);
        showRelay(1);
        auto* function = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        QCOMPARE(function->valuesList().size(), 11);
        for (int code = 0; code <= 10; ++code) {
            QCOMPARE(function->valuesList().key(code), code);
            QCOMPARE(function->valuesList().value(code), Common::getTextRoAction(code));
        }
        auto* reason = qobject_cast<BaseComboBox*>(current()->rowWidget(1));
        const PairList reasons = reason->valuesList();
        QCOMPARE(reasons.size(), 40);
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(reasons.key(i), AlarmReasons[i]);
            QCOMPARE(reasons.value(i), i == 0 ? utf8("Любая") : Common::getTextReasonStop(AlarmReasons[i]));
        }
    }

    // A new function rebuilds the page (written by the operator, reported
    // back by the controller); the delay and the hold do not.
    void relayRebuild()
    {
        m_drive.report(1644, 1.f);
        const Relay r = relay(7);
        m_drive.report(r.function, 0.f);
        showRelay(7);
        QCOMPARE(current()->rowCount(), 1);
        QPointer<BaseForm> before = current();
        m_echo->clearWrites();
        choose(8);
        settle();
        QCOMPARE(m_echo->writesOf(r.function).size(), 1);
        QCOMPARE(m_echo->writesOf(r.function).at(0).value, bitsFromFloat(8.f));
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("RelayOutputsOptions7Form"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 6);
        QCOMPARE(current()->rowCount(), 4);
        QCOMPARE(current()->currentRow(), 0);

        before = current();
        m_drive.report(r.delay, 5.f);
        m_drive.report(r.hold, 6.f);
        m_drive.report(r.reason, 4.f);
        m_drive.report(relay(6).function, 8.f); // another relay's function
        settle();
        QCOMPARE(current(), before.data());

        // Reported by the controller alone (a SCADA write, say).
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        m_drive.report(r.function, 3.f);
        settle();
        QVERIFY(before.isNull());
        QCOMPARE(rowsOf(current()), QStringList() << QStringLiteral("combo:%1").arg(r.function)
                                                  << QStringLiteral("edit:%1").arg(r.delay)
                                                  << QStringLiteral("edit:%1").arg(r.hold));
        QCOMPARE(current()->currentRow(), 2);

        // Back: the relay menu on this relay's button.
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("RelayOutputsOptionsMenu"));
        QCOMPARE(current()->currentRow(), 6);
    }

    // --- analog outputs -------------------------------------------------------------------

    void analogMenu()
    {
        m_drive.report(1644, 1.f);
        const QList<BaseForm*> pages = AnalogOutputsMenu::createNextForm();
        QStringList classes;
        QStringList texts;
        for (int n = 1; n <= 4; ++n) {
            classes << QStringLiteral("AnalogOutput%1Form").arg(n);
            texts << utf8("Аналоговый выход ") + QString::number(n);
        }
        QCOMPARE(classesOf(pages), classes);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pages.at(i)->title(), texts.at(i).toUpper());
            auto* page = qobject_cast<AnalogOutputsForm*>(pages.at(i));
            const Analog a = analog(i + 1);
            QCOMPARE(page->typeId(), a.type);
            QCOMPARE(page->sourceId(), a.source);
            QCOMPARE(page->minimumId(), a.minimum);
            QCOMPARE(page->maximumId(), a.maximum);
            QCOMPARE(page->valueId(), a.value);
        }
        qDeleteAll(pages);

        show(EquipmentMenu::createNextForm(), QStringLiteral("AnalogOutputsMenu"));
        QCOMPARE(current()->title(), utf8("Аналоговые выходы").toUpper());
        QCOMPARE(buttonTexts(current()), texts);
        for (int k = 0; k < 4; ++k) {
            key(Qt::Key_F4);
            settle();
            QCOMPARE(currentClass(), classes.at(k));
            key(Qt::Key_F3);
            settle();
            QCOMPARE(currentClass(), QString("AnalogOutputsMenu"));
            QCOMPARE(current()->currentRow(), k);
            QTRY_VERIFY(current()->rowWidget(k)->hasFocus());
            key(Qt::Key_F8);
        }
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(8));
    }

    void analogLists()
    {
        m_drive.report(1615, 1.f);
        m_drive.report(1625, 0.f);
        showAnalog(1);
        auto* type = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        QCOMPARE(type->valuesList().size(), 3);
        for (int code = 0; code <= 2; ++code)
            QCOMPARE(type->valuesList().value(code), Common::getTextTypeAO(code));
        auto* source = qobject_cast<BaseComboBox*>(current()->rowWidget(1));
        const PairList sources = source->valuesList();
        QCOMPARE(sources.size(), 33);
        QCOMPARE(sources.key(0), 0);
        QCOMPARE(sources.value(0), Common::getTextParamAO(0));
        for (int i = 0; i < 32; ++i) {
            QCOMPARE(sources.key(i + 1), int(AnalogSources[i]));
            QCOMPARE(sources.value(i + 1), Common::getTextFromId(AnalogSources[i]));
        }
    }

    void analogRows_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("type");
        QTest::addColumn<float>("source");
        QTest::addColumn<QStringList>("rows");
        for (int n : {1, 4}) {
            const Analog a = analog(n);
            const QString type = QStringLiteral("combo:%1").arg(a.type);
            const QString source = QStringLiteral("combo:%1").arg(a.source);
            const QStringList ends = QStringList() << QStringLiteral("edit:%1").arg(a.minimum)
                                                   << QStringLiteral("edit:%1").arg(a.maximum);
            const QByteArray o = "output " + QByteArray::number(n);
            QTest::newRow(o + ", off") << n << 0.f << 10013.f << (QStringList() << type);
            QTest::newRow(o + ", no source") << n << 1.f << 0.f << (QStringList() << type << source);
            QTest::newRow(o + ", 4-20 mA, power") << n << 2.f << 10013.f
                                                  << (QStringList() << type << source << "num:10013" << ends);
            QTest::newRow(o + ", pressure") << n << 1.f << 15002.f
                                            << (QStringList() << type << source << "num:15002" << ends);
            // A parameter of the store that is not in the list still names a value.
            QTest::newRow(o + ", unlisted parameter") << n << 1.f << 530.f
                                                      << (QStringList() << type << source << "num:530" << ends);
            // No parameter at all: no value, the scale ends alone.
            QTest::newRow(o + ", unknown source") << n << 1.f << 5000.f << (QStringList() << type << source << ends);
        }
        QTest::newRow("16-bit source") << 2 << 65537.f << 65536.f + 10013.f
                                       << (QStringList() << "combo:1616" << "combo:1626" << "num:10013"
                                                         << "edit:1630" << "edit:1634");
        QTest::newRow("16-bit type 0") << 2 << 65536.f << 10013.f << (QStringList() << "combo:1616");
    }

    void analogRows()
    {
        QFETCH(int, n);
        QFETCH(float, type);
        QFETCH(float, source);
        QFETCH(QStringList, rows);
        const Analog a = analog(n);
        m_drive.report(a.type, type);
        m_drive.report(a.source, source);
        showAnalog(n);
        QCOMPARE(rowsOf(current()), rows);
    }

    // The scale ends are source values: shown and entered in the source's unit.
    void analogScaleInTheSourceUnit()
    {
        const Analog a = analog(3);
        Parameters* p = store();
        // The controller gives the scale ends the quantity of the source.
        m_drive.report(a.minimum, 10.f, Parameters::KindPhysic);
        m_drive.report(a.maximum, 10.f, Parameters::KindPhysic);
        m_drive.report(a.minimum, 0.f, Parameters::KindMin);
        m_drive.report(a.minimum, 100000.f, Parameters::KindMax);
        m_drive.report(a.minimum, 2500.f);
        m_drive.report(a.type, 1.f);
        m_drive.report(a.source, 10013.f);
        const ParameterDef* power = p->getParameter(10013);
        QVERIFY(power->unitOut != p->getParameter(a.minimum)->unitOut);
        showAnalog(3);
        QCOMPARE(p->getParameter(a.minimum)->unitOut, power->unitOut);
        QCOMPARE(p->getParameter(a.maximum)->unitOut, power->unitOut);
        auto* minimum = qobject_cast<BaseEditWidget*>(current()->rowWidget(3));
        auto* maximum = qobject_cast<BaseEditWidget*>(current()->rowWidget(4));
        auto* value = qobject_cast<BaseStatusWidget*>(current()->rowWidget(2));
        QCOMPARE(minimum->unitLabel()->text(), p->getTextUnit(power));
        QCOMPARE(maximum->unitLabel()->text(), p->getTextUnit(power));
        QCOMPARE(value->unitLabel()->text(), p->getTextUnit(power));
        QCOMPARE(minimum->unitLabel()->text(), value->unitLabel()->text());

        // An entry is taken in that unit and written in the controller's.
        m_echo->clearWrites();
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        QTRY_VERIFY(minimum->hasFocus());
        key(Qt::Key_F4);
        QVERIFY(minimum->isEditing());
        for (const char* digit : {"3", "0"})
            DialogDriver::pressKey(Qt::Key_0 + (digit[0] - '0'), QLatin1String(digit));
        key(Qt::Key_F4);
        QCOMPARE(m_echo->writesOf(a.minimum).size(), 1);
        const float written = floatFromBits(m_echo->writesOf(a.minimum).at(0).value);
        QCOMPARE(written, p->convertTo(30.f, power, false));

        // The unit stays with the scale ends after the page is gone.
        window()->addForm(new MainMenu, 0);
        settle();
        QCOMPARE(p->getParameter(a.minimum)->unitOut, power->unitOut);
    }

    void analogUnknownSourceKeepsTheUnits()
    {
        const Analog a = analog(4);
        Parameters* p = store();
        const quint8 minimumUnit = p->getParameter(a.minimum)->unitOut;
        const quint8 maximumUnit = p->getParameter(a.maximum)->unitOut;
        const QString minimumText = p->getTextUnit(p->getParameter(a.minimum));
        m_drive.report(a.type, 2.f);
        m_drive.report(a.source, 5000.f);
        QVERIFY(!p->getParameter(5000));
        showAnalog(4);
        QCOMPARE(current()->rowCount(), 4);
        QCOMPARE(p->getParameter(a.minimum)->unitOut, minimumUnit);
        QCOMPARE(p->getParameter(a.maximum)->unitOut, maximumUnit);
        QCOMPARE(qobject_cast<BaseEditWidget*>(current()->rowWidget(2))->unitLabel()->text(), minimumText);
        // The source row names the value as a number.
        auto* source = qobject_cast<BaseComboBox*>(current()->rowWidget(1));
        QCOMPARE(source->comboBox()->currentData().toInt(), 5000);
        // A later valid source rebuilds the page with the value row.
        m_drive.report(a.source, 15008.f);
        settle();
        QCOMPARE(rowsOf(current()), QStringList() << "combo:1618" << "combo:1628" << "num:15008" << "edit:1632"
                                                  << "edit:1636");
    }

    void analogRebuild()
    {
        const Analog a = analog(2);
        m_drive.report(1644, 1.f);
        m_drive.report(a.type, 0.f);
        m_drive.report(a.source, 0.f);
        showAnalog(2);
        QPointer<BaseForm> before = current();
        QCOMPARE(current()->rowCount(), 1);

        // The type, chosen with the keypad and reported back.
        m_echo->clearWrites();
        choose(2);
        settle();
        QCOMPARE(m_echo->writesOf(a.type).size(), 1);
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("AnalogOutput2Form"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 1);
        QCOMPARE(current()->rowCount(), 2);

        // The source, from the controller.
        key(Qt::Key_F8);
        before = current();
        m_drive.report(a.source, 6.f);
        settle();
        QVERIFY(before.isNull());
        QCOMPARE(rowsOf(current()), QStringList() << "combo:1616" << "combo:1626" << "num:6" << "edit:1630"
                                                  << "edit:1634");
        QCOMPARE(current()->currentRow(), 1);

        // The scale ends and the output's value do not rebuild.
        before = current();
        m_drive.report(a.minimum, 1.f);
        m_drive.report(a.maximum, 2.f);
        m_drive.report(a.value, 3.f);
        m_drive.report(analog(1).type, 2.f);
        settle();
        QCOMPARE(current(), before.data());

        // Back: the analog menu on this output's button.
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("AnalogOutputsMenu"));
        QCOMPARE(current()->currentRow(), 1);
    }
};

VRX_TEST_APPLICATION_MAIN(TestOutputs)
#include "tst_outputs.moc"
