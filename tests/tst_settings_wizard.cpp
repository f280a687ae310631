// The settings wizard: its rows by the inductance source (1329) and the output
// filter (713), and the warning marks of the rows, which always say what the
// confirmation check holds, after entries of the operator (0 among them) and
// after reports of the controller.
#include "baseeditwidget.h"
#include "baseform.h"
#include "common.h"
#include "dialog_driver.h"
#include "echo_controller.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "parameters.h"
#include "parameterscheck.h"
#include "settings_wizard_form.h"
#include "stackedform.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>

namespace {

const quint16 InductanceSource = 1329;
const quint16 FilterPresent = 713;
const quint16 PolePairs = 10024;
const quint16 PowerFactor = 10020;

// The critical settings in the order the wizard lists them.
QList<quint16> generalIds()
{
    return QList<quint16>() << 10015 << 10016 << 10017 << 10018 << 10019 << 10020 << 32 << 35 << 773 << 721 << 38
                            << 696 << 697 << 10283 << 1051 << 10024 << 33 << 698 << 1213 << 1172 << 1173 << 1339
                            << 1176 << 1174;
}

QList<quint16> filterIds()
{
    return QList<quint16>() << 695 << 714 << 1340;
}

} // namespace

class TestSettingsWizard : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    EchoController* m_echo = nullptr;
    int m_prompts = 0;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    Parameters* store() { return app()->getParameters(); }
    ParametersCheck* check() { return app()->getParametersCheck(); }
    BaseForm* current() { return window()->currentForm(); }

    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void key(int k, const QString& text = QString())
    {
        DialogDriver::pressKey(k, text);
        settle();
    }
    void openWizard()
    {
        window()->addForm(new SettingsWizardForm, 0);
        settle();
        QCOMPARE(QString::fromLatin1(current()->metaObject()->className()), QString("SettingsWizardForm"));
        QTRY_VERIFY(current()->isVisible());
    }
    BaseEditWidget* row(int index) { return qobject_cast<BaseEditWidget*>(current()->rowWidget(index)); }
    int rowOf(quint16 id)
    {
        for (int i = 0; i < current()->rowCount(); ++i)
            if (row(i) && row(i)->id() == id)
                return i;
        return -1;
    }
    QList<quint16> rowIds()
    {
        QList<quint16> ids;
        for (int i = 0; i < current()->rowCount(); ++i)
            ids << (row(i) ? row(i)->id() : quint16(0));
        return ids;
    }
    // Every mark says what the check holds.
    void verifyMarks()
    {
        for (int i = 0; i < current()->rowCount(); ++i) {
            const quint16 id = row(i)->id();
            QVERIFY2(row(i)->isWarning() == !check()->isConfirmed(id), qPrintable(QString::number(id)));
        }
    }
    void enter(quint16 id, const QString& digits)
    {
        const int index = rowOf(id);
        QVERIFY(index >= 0);
        QApplication::setActiveWindow(window());
        current()->setCurrentWidget(index);
        QTRY_VERIFY(row(index)->hasFocus());
        QCoreApplication::processEvents();
        key(Qt::Key_F4);
        QVERIFY(row(index)->isEditing());
        for (QChar c : digits)
            key(int(Qt::Key_0) + c.digitValue(), QString(c));
        key(Qt::Key_F4);
        QVERIFY(!row(index)->isEditing());
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = store();
        m_drive.report(571, 1.f);
        m_drive.report(572, 0.f);
        m_drive.report(13, 0.f);
        m_drive.report(1372, 0.f);
        m_drive.report(InductanceSource, 2.f);
        m_drive.report(FilterPresent, 0.f);
        // Every critical setting has a value, but the station has not had
        // them confirmed (1418 = 0): the check starts with none confirmed.
        for (quint16 id : generalIds() + filterIds())
            m_drive.report(id, 1.f);
        m_drive.report(1418, 0.f);
        for (quint16 id : {PolePairs, PowerFactor}) {
            m_drive.report(id, 0.f, Parameters::KindMin);
            m_drive.report(id, 10.f, Parameters::KindMax);
        }
        app()->setAccessPrompt([this](unsigned char, const QString&, QWidget*) {
            ++m_prompts;
            return 1;
        });
        app()->showMainWindow();
        QApplication::setActiveWindow(window());
        QVERIFY(check());
        for (quint16 id : generalIds() + filterIds())
            QVERIFY(!check()->isConfirmed(id));
        m_echo = new EchoController(store());
        settle();
    }

    void cleanupTestCase()
    {
        delete m_echo;
        delete m_db;
    }

    void rowsFollowInductanceSourceAndFilter_data()
    {
        QTest::addColumn<float>("source");
        QTest::addColumn<float>("filter");
        QTest::addColumn<QList<quint16>>("ids");
        QList<quint16> without697 = generalIds();
        without697.removeAll(697);
        QList<quint16> without696 = generalIds();
        without696.removeAll(696);
        QTest::newRow("source 0") << 0.f << 0.f << without697;
        QTest::newRow("source 1") << 1.f << 0.f << without696;
        QTest::newRow("source 2") << 2.f << 0.f << generalIds();
        QTest::newRow("source 7") << 7.f << 0.f << generalIds();
        QTest::newRow("source 0, filter") << 0.f << 1.f << (without697 + filterIds());
        QTest::newRow("source 1, filter") << 1.f << 2.f << (without696 + filterIds());
        QTest::newRow("source 2, filter") << 2.f << 1.f << (generalIds() + filterIds());
    }
    void rowsFollowInductanceSourceAndFilter()
    {
        QFETCH(float, source);
        QFETCH(float, filter);
        QFETCH(QList<quint16>, ids);
        m_drive.report(InductanceSource, source);
        m_drive.report(FilterPresent, filter);
        openWizard();
        QCOMPARE(current()->title(), QString::fromUtf8("Мастер настроек").toUpper());
        QCOMPARE(rowIds(), ids);
        QCOMPARE(ids.size(), (source == 0.f || source == 1.f ? 23 : 24) + (filter != 0.f ? 3 : 0));
        for (int i = 0; i < current()->rowCount(); ++i)
            QCOMPARE(row(i)->nameLabel()->text(), Common::getTextFromId(ids.at(i)));
        verifyMarks();
        m_drive.report(InductanceSource, 2.f);
        m_drive.report(FilterPresent, 0.f);
    }

    void entryConfirmsAndClearsTheMark()
    {
        openWizard();
        QVERIFY(!check()->isConfirmed(PolePairs));
        QVERIFY(row(rowOf(PolePairs))->isWarning());
        enter(PolePairs, QStringLiteral("3"));
        QVERIFY(check()->isConfirmed(PolePairs));
        QVERIFY(!row(rowOf(PolePairs))->isWarning());
        QCOMPARE(store()->get(PolePairs), 3.f);
        verifyMarks();
    }

    void enteringZeroLeavesTheMark()
    {
        openWizard();
        // A setting never confirmed: 0 is accepted by the row but confirms nothing.
        QVERIFY(!check()->isConfirmed(PowerFactor));
        enter(PowerFactor, QStringLiteral("0"));
        QVERIFY(!check()->isConfirmed(PowerFactor));
        QVERIFY(row(rowOf(PowerFactor))->isWarning());
        // A confirmed one: the 0 the controller reports back withdraws it.
        enter(PolePairs, QStringLiteral("4"));
        QVERIFY(check()->isConfirmed(PolePairs));
        QVERIFY(!row(rowOf(PolePairs))->isWarning());
        enter(PolePairs, QStringLiteral("0"));
        QVERIFY(!check()->isConfirmed(PolePairs));
        QVERIFY(row(rowOf(PolePairs))->isWarning());
        verifyMarks();
    }

    void reportsMoveTheMarks()
    {
        openWizard();
        enter(PolePairs, QStringLiteral("2"));
        QVERIFY(!row(rowOf(PolePairs))->isWarning());
        // The controller reports the setting gone to 0: the check withdraws it.
        m_drive.report(PolePairs, 0.f);
        QVERIFY(!check()->isConfirmed(PolePairs));
        QVERIFY(row(rowOf(PolePairs))->isWarning());
        verifyMarks();
    }

    void rebuiltWizardTakesMarksFromTheCheck()
    {
        openWizard();
        enter(PolePairs, QStringLiteral("5"));
        QVERIFY(check()->isConfirmed(PolePairs));
        openWizard();
        QVERIFY(!row(rowOf(PolePairs))->isWarning());
        QVERIFY(row(rowOf(PowerFactor))->isWarning());
        verifyMarks();
    }

    void backShowsTheMainMenu()
    {
        openWizard();
        key(Qt::Key_F3);
        QCOMPARE(QString::fromLatin1(current()->metaObject()->className()), QString("MainMenu"));
        QCOMPARE(window()->stackedForm()->formsList().size(), 1);
    }
};

VRX_TEST_APPLICATION_MAIN(TestSettingsWizard)
#include "tst_settings_wizard.moc"
