// The restart screen: shown while the controller waits to restart the pump,
// its two panels, which lines it shows for the program pause, the reason of
// the stop, a guaranteed start and a prevented start, and how it is left.
#include "base_status_form.h"
#include "baseparamlabel.h"
#include "common.h"
#include "headerwidget.h"
#include "mainwindow.h"
#include "parameters.h"
#include "restartform.h"
#include "stackedform.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>

class TestRestartForm : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};

    MainApplication* app() { return MainApplication::getInstance(); }
    MainWindow* window() { return app()->getMainWindow(); }
    BaseForm* current() { return window()->currentForm(); }
    QString currentClass() { return current() ? QString::fromLatin1(current()->metaObject()->className()) : QString(); }
    RestartForm* restart() { return qobject_cast<RestartForm*>(current()); }

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
    }
    // The controller reports a pending restart with the motor stopped.
    void waitForRestart()
    {
        m_drive.report(13, 0.f);
        m_drive.report(633, 2.f);
        QTRY_VERIFY(restart());
        settle();
    }
    void endRestart()
    {
        m_drive.report(633, 0.f);
        QTRY_VERIFY(!window()->isRestartPending());
        settle();
    }
    void setPrevented(bool prevented)
    {
        // A start is prevented, among others, while parameter 635 is set.
        m_drive.report(702, 1.f);
        m_drive.report(685, 1.f);
        m_drive.report(1360, 0.f);
        m_drive.report(635, prevented ? 1.f : 0.f);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        m_drive.report(762, 0.f);
        m_drive.report(633, 0.f);
        setPrevented(false);
        app()->showMainWindow();
        QVERIFY(window());
        QApplication::setActiveWindow(window());
        settle();
    }

    void cleanupTestCase()
    {
        delete m_db;
    }

    void panels()
    {
        waitForRestart();
        RestartForm* form = restart();
        QCOMPARE(form->title(), QString::fromUtf8("Ожидание АПВ").toUpper());
        QCOMPARE(window()->headerWidget()->title(), QString::fromUtf8("Ожидание АПВ").toUpper());
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        QCOMPARE(form->textInfo(), QString());
        QCOMPARE(window()->textInfo(), QString());
        QVERIFY(form->hasFocus());

        QGridLayout* grid = form->widget()->findChild<QGridLayout*>();
        QVERIFY(grid);
        QWidget* left = grid->itemAtPosition(0, 0)->widget();
        QWidget* right = grid->itemAtPosition(0, 1)->widget();
        QCOMPARE(left->objectName(), QString("widgetRestartForm"));
        QCOMPARE(right->objectName(), QString("widgetRestartForm"));
        QCOMPARE(right->width(), 220);
        QCOMPARE(grid->rowStretch(0), 1);
        QCOMPARE(grid->columnStretch(0), 1);
        // The panels fill the screen.
        QVERIFY(left->height() > form->viewport()->height() - 20);

        QStringList leftTexts;
        for (QLabel* label : left->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            leftTexts << label->text();
        QCOMPARE(leftTexts.first(), QString::fromUtf8("СТОП"));
        for (const char* text : {"АПВ ЗАПРЕЩЕНО", "Запрещ. параметр:", "Работа по программе. Режим:", "ПЕРИОДИЧЕСКИЙ",
                                 "текущее состояние:", "ПАУЗА", "ГАРАНТИРОВАННЫЙ ПУСК"})
            QVERIFY2(leftTexts.contains(QString::fromUtf8(text)), text);
        QStringList rightTexts;
        for (QLabel* label : right->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            rightTexts << label->text();
        QCOMPARE(rightTexts, QStringList() << QString::fromUtf8("Прошло:") << QString::fromUtf8("Осталось:")
                                           << QString::fromUtf8("Количество АПВ:"));
        QCOMPARE(form->elapsedLabel()->id(), quint16(529));
        QCOMPARE(form->remainingLabel()->id(), quint16(531));
        QCOMPARE(form->restartCountLabel()->id(), quint16(715));
        QCOMPARE(form->elapsedLabel()->parentWidget(), right);
        QVERIFY(form->refreshTimer()->isActive());
        QCOMPARE(form->refreshTimer()->interval(), 500);
        QCOMPARE(form->line(RestartForm::PreventTextLine)->styleSheet(), QString("* {color: red;}"));

        m_drive.report(529, 125.f);
        QTRY_VERIFY(form->elapsedLabel()->label()->text() != QLatin1String("---"));
        QVERIFY(!form->elapsedLabel()->label()->text().isEmpty());
        endRestart();
    }

    // Which lines show for the program pause (448 = 400), the reason of the
    // last stop (535; 30 is a loss of the mains), a guaranteed start (669) and
    // a prevented start.
    void visibility_data()
    {
        QTest::addColumn<float>("program");
        QTest::addColumn<float>("reason");
        QTest::addColumn<float>("guaranteed");
        QTest::addColumn<bool>("prevented");
        QTest::addColumn<bool>("reasonShown");
        QTest::addColumn<bool>("programShown");
        QTest::addColumn<bool>("guaranteedShown");
        QTest::addColumn<bool>("countShown");

        QTest::newRow("protection stop") << 0.f << 5.f << 0.f << false << true << false << false << true;
        QTest::newRow("program pause") << 400.f << 5.f << 0.f << false << false << true << false << false;
        QTest::newRow("program pause after mains loss") << 400.f << 30.f << 0.f << false << false << true << false
                                                        << false;
        QTest::newRow("mains loss") << 0.f << 30.f << 0.f << false << true << false << false << false;
        QTest::newRow("other program state") << 401.f << 7.f << 1.f << false << true << false << true << true;
        QTest::newRow("program state as integer") << 400.6f << 7.f << 0.f << false << false << true << false << false;
        QTest::newRow("guaranteed start") << 0.f << 5.f << 1.f << false << true << false << true << true;
        QTest::newRow("prevented") << 0.f << 5.f << 0.f << true << true << false << false << true;
        QTest::newRow("prevented in the pause") << 400.f << 30.f << 1.f << true << false << true << true << false;
    }

    void visibility()
    {
        QFETCH(float, program);
        QFETCH(float, reason);
        QFETCH(float, guaranteed);
        QFETCH(bool, prevented);
        QFETCH(bool, reasonShown);
        QFETCH(bool, programShown);
        QFETCH(bool, guaranteedShown);
        QFETCH(bool, countShown);

        setPrevented(false);
        waitForRestart();
        RestartForm* form = restart();
        m_drive.report(448, program);
        m_drive.report(535, reason);
        m_drive.report(669, guaranteed);
        setPrevented(prevented);
        QVERIFY(window()->isPrevent() == prevented);

        // Within one refresh of the screen.
        auto shown = [form](RestartForm::Line line) { return !form->line(line)->isHidden(); };
        QTRY_COMPARE(shown(RestartForm::PreventTitleLine), prevented);
        QTRY_COMPARE(shown(RestartForm::ReasonLine), reasonShown);
        QTRY_COMPARE(shown(RestartForm::ProgramLine), programShown);
        QTRY_COMPARE(shown(RestartForm::GuaranteedLine), guaranteedShown);
        QTRY_COMPARE(shown(RestartForm::RestartCountCaptionLine), countShown);

        QCOMPARE(shown(RestartForm::PreventCaptionLine), prevented);
        QCOMPARE(shown(RestartForm::PreventTextLine), prevented);
        QCOMPARE(form->line(RestartForm::PreventTextLine)->text(),
                 prevented ? Common::getTextPrevent() : QString());
        for (RestartForm::Line line :
             {RestartForm::ProgramModeLine, RestartForm::ProgramStateLine, RestartForm::ProgramPauseLine})
            QCOMPARE(shown(line), programShown);
        QCOMPARE(!form->restartCountLabel()->isHidden(), countShown);
        if (reasonShown)
            QCOMPARE(form->line(RestartForm::ReasonLine)->text(), Common::getTextReasonStop(int(reason)));
        // Always there: the stop and the two times.
        QVERIFY(!form->elapsedLabel()->isHidden());
        QVERIFY(!form->remainingLabel()->isHidden());

        // The prevent goes: its lines go with the next refresh.
        if (prevented) {
            setPrevented(false);
            QTRY_VERIFY(!shown(RestartForm::PreventTitleLine));
            QCOMPARE(form->line(RestartForm::PreventTextLine)->text(), QString());
        }
        endRestart();
        m_drive.report(448, 0.f);
        m_drive.report(669, 0.f);
    }

    void backLeavesTheHeaderOrange()
    {
        waitForRestart();
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        QVERIFY(!window()->restartForm());
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        // The end of the wait puts the header back.
        endRestart();
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Normal);
    }

    void endOfTheWaitClosesTheScreen()
    {
        waitForRestart();
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        endRestart();
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Normal);
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        QVERIFY(!window()->restartForm());
    }
};

VRX_TEST_APPLICATION_MAIN(TestRestartForm)
#include "tst_restart_form.moc"
