// The program's own start against the in-process controller: after the first
// synchronisation over the SPI link the main window stands, Back shows the
// carousel, and its cells follow changes made on the controller's side with
// the emulator's control language, the way a person at its control socket
// makes them.
#include "basecombobox.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "control_protocol.h"
#include "controller_model.h"
#include "current_main_params_form.h"
#include "generalconditionwidget.h"
#include "log_event.h"
#include "mainwindow.h"
#include "model_transport.h"
#include "parameters.h"
#include "spidriver.h"
#include "spithread.h"
#include "stackedform.h"
#include "test_application.h"
#include "test_database.h"

#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QSignalSpy>

namespace {

QWidget* cellAt(BaseForm* form, int row, int column)
{
    QGridLayout* grid = form->widget()->findChild<QGridLayout*>();
    QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
    return item ? item->widget() : nullptr;
}

// The number a value label shows (a comma taken as the decimal point).
double shownNumber(QLabel* label)
{
    bool ok = false;
    const double value = label->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : -1e9;
}

} // namespace

class TestProgramCarousel : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    ControllerModel* m_model = nullptr;
    ControlProtocol* m_control = nullptr;
    SpiThread* m_thread = nullptr;
    SpiDriver* m_driver = nullptr;

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    BaseForm* current() { return window() ? window()->currentForm() : nullptr; }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }

    // One line of the control language; true when answered "ok".
    bool control(const QString& line)
    {
        const QStringList answer = m_control->execute(line);
        return !answer.isEmpty() && answer.last() == QLatin1String("ok");
    }
    void key(int k)
    {
        app()->getEvent(k, QString());
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_model = new ControllerModel;
        QVERIFY(m_model->loadDatabase());
        QVERIFY(m_model->loadSeed(QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv")));
        m_model->setWireTimeSimulated(false);
        m_control = new ControlProtocol(m_model);
        // Pages turn only by key here.
        QVERIFY(control(QStringLiteral("set 762 0")));

        m_thread = new SpiThread;
        m_driver = new SpiDriver(m_thread, false);
        m_driver->setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(m_model)));
        m_driver->setPeers(app()->getParameters(), app()->getLogEvent());
        m_driver->moveToThread(m_thread);
    }

    void cleanupTestCase()
    {
        if (m_thread) {
            m_thread->requestInterruption();
            m_thread->exit(0);
            QVERIFY(m_thread->wait(10000));
            delete m_thread;
        }
        delete m_control;
        delete m_model;
        delete m_db;
    }

    void firstSynchronisation()
    {
        QSignalSpy end(app()->getParameters(), &Parameters::signalSyncEnd);
        m_thread->start(QThread::LowPriority);
        QVERIFY(end.wait(120000));
        // The main window stands with the main menu; Back shows the carousel.
        QTRY_VERIFY(window());
        QApplication::setActiveWindow(window());
        QTRY_COMPARE(currentClass(), QString("MainMenu"));
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        // The seed's station: no technologist page, no model pages, no board.
        QCOMPARE(window()->stackedForm()->formsList().size(), 7);
    }

    void cellsFollowTheController()
    {
        auto* page = qobject_cast<CurrentMainParamsForm*>(current());
        QVERIFY(page);
        auto* frequency = qobject_cast<BaseStatusWidget*>(cellAt(page, 1, 0));
        QVERIFY(frequency);
        QCOMPARE(frequency->id(), quint16(10001));

        QVERIFY(control(QStringLiteral("set 10001 42.5")));
        QTRY_COMPARE_WITH_TIMEOUT(shownNumber(frequency->valueLabel()), 42.5, 10000);
        QVERIFY(control(QStringLiteral("set 10001 13.25")));
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(shownNumber(frequency->valueLabel()) - 13.25) < 0.06, 10000);

        auto* startType = qobject_cast<BaseStatusTextWidget*>(cellAt(page, 6, 1));
        QVERIFY(startType);
        QVERIFY(control(QStringLiteral("set 14 2")));
        QTRY_COMPARE_WITH_TIMEOUT(startType->valueTextLabel()->text(), Common::getTextRgmRun(2), 10000);

        // The station starts: the load takes the turbine frequency's place.
        QVERIFY(control(QStringLiteral("set 13 3")));
        QTRY_VERIFY_WITH_TIMEOUT(page->loadCell()->isVisible(), 10000);
        QVERIFY(!page->turbineCell()->isVisible());
        QVERIFY(control(QStringLiteral("set 13 0")));
        QTRY_VERIFY_WITH_TIMEOUT(page->turbineCell()->isVisible(), 10000);

        // The banner follows the station's condition.
        auto* banner = qobject_cast<GeneralConditionWidget*>(cellAt(page, 0, 1));
        QVERIFY(banner);
        QVERIFY(control(QStringLiteral("set 666 6")));
        QTRY_VERIFY_WITH_TIMEOUT(banner->conditionLabel()->text().contains(Common::getTextCondition(6)), 10000);

        // The run mode shows what the controller holds.
        auto* runMode = qobject_cast<BaseComboBox*>(cellAt(page, 0, 0));
        QVERIFY(runMode);
        QVERIFY(control(QStringLiteral("set 15 1")));
        QTRY_COMPARE_WITH_TIMEOUT(runMode->comboBox()->currentText(), QString::fromUtf8("Автоматический"), 10000);
    }

    void pagesTurnedToFollowToo()
    {
        // The drive page, built when first turned to, shows the values of now
        // and follows later changes.
        key(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("CurrentVsdParamsForm"));
        auto* frequency = qobject_cast<BaseStatusWidget*>(cellAt(current(), 1, 0));
        QVERIFY(frequency);
        QCOMPARE(frequency->id(), quint16(10001));
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(shownNumber(frequency->valueLabel()) - 13.25) < 0.06, 10000);
        QVERIFY(control(QStringLiteral("set 10001 48.75")));
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(shownNumber(frequency->valueLabel()) - 48.75) < 0.06, 10000);
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestProgramCarousel)
#include "tst_program_carousel.moc"
