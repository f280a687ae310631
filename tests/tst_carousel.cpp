// The main status carousel as the operator meets it: which pages it holds for
// the technologist page mode, the model pages and the extension board; the
// main page's cells and their choices; Enter on a page to change the run mode
// or the frequency setpoint; layouts fixed until the carousel is built again;
// the analog inputs' units following their parameters.
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
#include "generalconditionwidget.h"
#include "headerwidget.h"
#include "lineedit.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "parameters.h"
#include "rawbits.h"
#include "regimeswidget.h"
#include "stackedform.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"
#include "timestatewidget.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>

namespace {

const quint16 TechnologModeId = 1666;
const quint16 ModelPagesId = 1518;
const quint16 ExtensionBoardId = 1644;

QGridLayout* gridOf(BaseForm* form)
{
    return form->widget() ? form->widget()->findChild<QGridLayout*>() : nullptr;
}

QWidget* cellAt(BaseForm* form, int row, int column)
{
    QGridLayout* grid = gridOf(form);
    QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
    return item ? item->widget() : nullptr;
}

QString nameAt(BaseForm* form, int row, int column)
{
    QWidget* cell = cellAt(form, row, column);
    if (auto* w = qobject_cast<BaseStatusWidget*>(cell))
        return w->nameLabel()->text();
    if (auto* w = qobject_cast<BaseStatusCheckPswWidget*>(cell))
        return w->nameLabel()->text();
    if (auto* w = qobject_cast<BaseStatusTextWidget*>(cell))
        return w->nameLabel()->text();
    return QString();
}

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
    void keyText(const QString& text)
    {
        for (QChar c : text)
            app()->getEvent(c.unicode(), QString(c));
        QCoreApplication::processEvents();
    }
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // The carousel as Back from the main menu shows it: from the first page.
    void showCarousel()
    {
        window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
        key(Qt::Key_F3);
        settle();
    }
    // Turns the carousel (Right) to the page of class className.
    bool turnTo(const char* className)
    {
        for (int i = 0; i < 12 && currentClass() != QLatin1String(className); ++i)
            key(Qt::Key_F7);
        return currentClass() == QLatin1String(className);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        m_drive.report(762, 0.f); // no carousel turning by itself
        m_drive.report(633, 0.f);
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

    void composition_data()
    {
        QTest::addColumn<float>("mode");
        QTest::addColumn<float>("model");
        QTest::addColumn<float>("board");
        QTest::addColumn<QStringList>("pages");

        const QString main = QStringLiteral("CurrentMainParamsForm");
        const QString technolog = QStringLiteral("CurrentMenuTechnologForm");
        const QStringList plain = QStringList() << QStringLiteral("CurrentVsdParamsForm")
                                                << QStringLiteral("CurrentOutputAndTransParamsForm")
                                                << QStringLiteral("CurrentMotorParamsForm")
                                                << QStringLiteral("CurrentSupplyParamsForm")
                                                << QStringLiteral("CurrentDhsParamsForm")
                                                << QStringLiteral("CurrentInputsParamsForm");
        const QStringList full = QStringList() << QStringLiteral("CurrentVsdParamsForm")
                                               << QStringLiteral("CurrentOutputAndTransParamsForm")
                                               << QStringLiteral("CurrentOutputAndTransParamsModelForm")
                                               << QStringLiteral("CurrentMotorParamsForm")
                                               << QStringLiteral("CurrentMotorModelParamsForm")
                                               << QStringLiteral("CurrentSupplyParamsForm")
                                               << QStringLiteral("CurrentDhsParamsForm")
                                               << QStringLiteral("CurrentInputsParamsForm")
                                               << QStringLiteral("CurrentExtendedParamsForm");
        QTest::newRow("seven pages") << 0.f << 0.f << 0.f << (QStringList(main) + plain);
        QTest::newRow("ten pages") << 0.f << 1.f << 1.f << (QStringList(main) + full);
        QTest::newRow("eleven pages") << 1.f << 1.f << 1.f << (QStringList(main) + full + QStringList(technolog));
        QTest::newRow("technologist first") << 2.f << 1.f << 1.f << (QStringList(technolog) + full);
        QTest::newRow("technologist first, seven") << 2.f << 0.f << 0.f << (QStringList(technolog) + plain);
        QTest::newRow("technologist last, eight") << 1.f << 0.f << 0.f
                                                  << (QStringList(main) + plain + QStringList(technolog));
        QTest::newRow("technologist only") << 3.f << 1.f << 1.f << QStringList(technolog);
        QTest::newRow("unknown mode") << 4.f << 0.f << 1.f
                                      << (QStringList(main) + plain + QStringList("CurrentExtendedParamsForm"));
    }

    void composition()
    {
        QFETCH(float, mode);
        QFETCH(float, model);
        QFETCH(float, board);
        QFETCH(QStringList, pages);
        m_drive.report(TechnologModeId, mode);
        m_drive.report(ModelPagesId, model);
        m_drive.report(ExtensionBoardId, board);

        const QList<BaseForm*> list = BaseStatusForm::createNextForm();
        QCOMPARE(classesOf(list), pages);
        qDeleteAll(list);

        // Back from the main menu shows them from the first page; Right pages
        // through all of them and wraps round.
        showCarousel();
        QCOMPARE(classesOf(window()->stackedForm()->formsList()), pages);
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        for (int i = 1; i <= pages.size(); ++i) {
            key(Qt::Key_F7);
            QCOMPARE(window()->stackedForm()->currentIndexForm(), i % pages.size());
            QCOMPARE(current()->objectName(), pages.at(i % pages.size()));
        }
    }

    void titles()
    {
        m_drive.report(TechnologModeId, 1.f);
        m_drive.report(ModelPagesId, 1.f);
        m_drive.report(ExtensionBoardId, 1.f);
        const QList<BaseForm*> list = BaseStatusForm::createNextForm();
        QStringList titles;
        for (BaseForm* form : list)
            titles << form->title();
        qDeleteAll(list);
        const QStringList expected = QStringList()
            << QString::fromUtf8("Состояние") << QString::fromUtf8("Текущие параметры ЧРП")
            << QString::fromUtf8("Текущие параметры выхода СУ и ТМПН")
            << QString::fromUtf8("Текущие параметры выхода СУ и ТМПН по модели")
            << QString::fromUtf8("Текущие параметры двигателя")
            << QString::fromUtf8("Текущие параметры двигателя по модели")
            << QString::fromUtf8("Текущие параметры сети") << QString::fromUtf8("Текущие параметры ТМС")
            << QString::fromUtf8("Текущие параметры входов")
            << QString::fromUtf8("Текущие параметры платы расширений")
            << QString::fromUtf8("Текущие параметры технолога");
        QStringList upper;
        for (const QString& t : expected)
            upper << t.toUpper();
        QCOMPARE(titles, upper);
        m_drive.report(TechnologModeId, 0.f);
    }

    void mainPageRows_data()
    {
        QTest::addColumn<float>("currentSource");
        QTest::addColumn<float>("temperatureSource");
        QTest::addColumn<float>("sensorType");
        QTest::addColumn<float>("company");
        QTest::addColumn<int>("row3");
        QTest::addColumn<int>("row6");
        QTest::addColumn<int>("row8");

        QTest::newRow("plain") << 0.f << 0.f << 0.f << 0.f << 6 << 11 << 15003;
        QTest::newRow("current 1547") << 1.f << 0.f << 0.f << 0.f << 1547 << 11 << 15003;
        QTest::newRow("current source as 16 bits") << 65536.f << 0.f << 0.f << 0.f << 6 << 11 << 15003;
        QTest::newRow("oil temperature") << 0.f << 1.f << 9.f << 0.f << 6 << 15092 << 15048;
        QTest::newRow("no temperature") << 0.f << 2.f << 13.f << 0.f << 6 << 15092 << 0;
        QTest::newRow("sensor 1, company 3") << 0.f << 0.f << 1.f << 3.f << 6 << 15092 << 15003;
        QTest::newRow("sensor 1, company 4") << 0.f << 0.f << 1.f << 4.f << 6 << 11 << 15003;
        QTest::newRow("sensor 25") << 0.f << 0.f << 25.f << 0.f << 6 << 15092 << 15003;
        QTest::newRow("sensor 26") << 0.f << 0.f << 26.f << 0.f << 6 << 11 << 15003;
        QTest::newRow("sensor 2") << 0.f << 0.f << 2.f << 3.f << 6 << 11 << 15003;
    }

    void mainPageRows()
    {
        m_drive.report(ModelPagesId, 0.f);
        m_drive.report(ExtensionBoardId, 0.f);
        QFETCH(float, currentSource);
        QFETCH(float, temperatureSource);
        QFETCH(float, sensorType);
        QFETCH(float, company);
        QFETCH(int, row3);
        QFETCH(int, row6);
        QFETCH(int, row8);
        m_drive.report(TechnologModeId, 0.f);
        m_drive.report(1519, currentSource);
        m_drive.report(1215, temperatureSource);
        m_drive.report(39, sensorType);
        m_drive.report(1330, company);
        showCarousel();
        BaseForm* page = current();
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));

        QVERIFY(qobject_cast<BaseComboBox*>(cellAt(page, 0, 0)));
        QCOMPARE(qobject_cast<BaseComboBox*>(cellAt(page, 0, 0))->id(), quint16(15));
        QVERIFY(qobject_cast<GeneralConditionWidget*>(cellAt(page, 0, 1)));
        QCOMPARE(cellAt(page, 1, 1), cellAt(page, 0, 1));
        QCOMPARE(nameAt(page, 1, 0), Common::getTextFromId(10001));
        QCOMPARE(nameAt(page, 2, 0), Common::getTextFromId(1));
        QVERIFY(qobject_cast<TimeStateWidget*>(cellAt(page, 2, 1)));
        QCOMPARE(nameAt(page, 3, 0), Common::getTextFromId(row3));
        QCOMPARE(nameAt(page, 3, 1), Common::getTextFromId(782));
        QCOMPARE(nameAt(page, 4, 1), Common::getTextFromId(10006));
        QCOMPARE(nameAt(page, 5, 0), Common::getTextFromId(9));
        QCOMPARE(nameAt(page, 5, 1), Common::getTextFromId(10007));
        QCOMPARE(nameAt(page, 6, 0), Common::getTextFromId(row6));
        QCOMPARE(nameAt(page, 6, 1), Common::getTextFromId(14));
        QVERIFY(qobject_cast<BaseStatusCheckPswWidget*>(cellAt(page, 7, 0)));
        QCOMPARE(nameAt(page, 7, 0), Common::getTextFromId(15002));
        QVERIFY(qobject_cast<RegimesWidget*>(cellAt(page, 7, 1)));
        QCOMPARE(cellAt(page, 8, 1), cellAt(page, 7, 1));
        if (row8 == 0) {
            QVERIFY(!cellAt(page, 8, 0));
        } else {
            QVERIFY(qobject_cast<BaseStatusCheckPswWidget*>(cellAt(page, 8, 0)));
            QCOMPARE(nameAt(page, 8, 0), Common::getTextFromId(row8));
        }
    }

    void mainPageTexts()
    {
        m_drive.report(782, 1.f);
        m_drive.report(10006, 0.f);
        m_drive.report(10007, 1.f);
        m_drive.report(14, 12.f);
        showCarousel();
        BaseForm* page = current();
        auto text = [page](int row) {
            auto* w = qobject_cast<BaseStatusTextWidget*>(cellAt(page, row, 1));
            return w ? w->valueTextLabel()->text() : QString();
        };
        QCOMPARE(text(3), Common::getTextTypeMtr(1));
        QCOMPARE(text(4), Common::getTextMotorControl(0));
        QCOMPARE(text(5), Common::getTextRotation(1));
        QCOMPARE(text(6), Common::getTextRgmRun(12));
        auto* combo = qobject_cast<BaseComboBox*>(cellAt(page, 0, 0));
        QCOMPARE(combo->valuesList().size(), 3);
        QCOMPARE(combo->valuesList().value(0), QString::fromUtf8("Ручной"));
        QCOMPARE(combo->valuesList().value(1), QString::fromUtf8("Автоматический"));
        QCOMPARE(combo->valuesList().value(2), QString::fromUtf8("По программе"));
        QCOMPARE(combo->comboBox()->width(), 169);
    }

    void loadAndTurbineSwap()
    {
        m_drive.report(13, 0.f);
        showCarousel();
        auto* page = qobject_cast<CurrentMainParamsForm*>(current());
        QVERIFY(page);
        QVERIFY(page->conditionTimer()->isActive());
        QVERIFY(page->turbineCell()->isVisible());
        QVERIFY(!page->loadCell()->isVisible());
        QCOMPARE(page->loadCell()->id(), quint16(7));
        QCOMPARE(page->turbineCell()->id(), quint16(10));

        m_drive.report(13, 3.f);
        QTRY_VERIFY_WITH_TIMEOUT(page->loadCell()->isVisible(), 5000);
        QVERIFY(!page->turbineCell()->isVisible());
        m_drive.report(13, -1.f);
        QTest::qWait(700);
        QVERIFY(page->loadCell()->isVisible());
        m_drive.report(13, 0.f);
        QTRY_VERIFY_WITH_TIMEOUT(page->turbineCell()->isVisible(), 5000);
        QVERIFY(!page->loadCell()->isVisible());
    }

    void runModeByEnter()
    {
        m_drive.report(15, 0.f);
        showCarousel();
        BaseForm* page = current();
        auto* combo = qobject_cast<BaseComboBox*>(cellAt(page, 0, 0));
        QVERIFY(combo);
        m_echo->clearWrites();
        key(Qt::Key_F4);
        QTRY_VERIFY(combo->isEditing());
        QTRY_VERIFY(combo->comboBox()->view()->isVisible());
        key(Qt::Key_F8);
        key(Qt::Key_F8);
        key(Qt::Key_F4);
        QTRY_VERIFY(!combo->isEditing());
        QCOMPARE(m_echo->writesOf(15).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(15).first().value), 2.f);
        // The page has the keys again: Right turns it.
        QTRY_VERIFY(page->hasFocus());
        key(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("CurrentVsdParamsForm"));
    }

    void setpointByEnter()
    {
        m_drive.report(10002, 10.f);
        m_drive.report(10002, 0.f, Parameters::KindMin);
        m_drive.report(10002, 70.f, Parameters::KindMax);
        showCarousel();
        QVERIFY(turnTo("CurrentVsdParamsForm"));
        auto* page = qobject_cast<CurrentVsdParamsForm*>(current());
        QVERIFY(page);
        BaseEditWidget* edit = page->setpointEdit();
        QCOMPARE(cellAt(page, 0, 0), static_cast<QWidget*>(edit));
        QCOMPARE(edit->unitLabel()->width(), 76);
        m_echo->clearWrites();
        key(Qt::Key_F4);
        QTRY_VERIFY(edit->isEditing());
        keyText(QStringLiteral("35"));
        key(Qt::Key_F4);
        QTRY_VERIFY(!edit->isEditing());
        QCOMPARE(m_echo->writesOf(10002).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(10002).first().value), 35.f);
        QTRY_VERIFY(page->hasFocus());
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
    }

    void layoutFixedUntilRebuilt()
    {
        m_drive.report(TechnologModeId, 0.f);
        m_drive.report(ModelPagesId, 0.f);
        m_drive.report(ExtensionBoardId, 0.f);
        m_drive.report(1178, 1.f);
        m_drive.report(685, 1.f);
        showCarousel();
        // Left from the first page: the pages before the supply page are not
        // built yet.
        key(Qt::Key_F5);
        key(Qt::Key_F5);
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentSupplyParamsForm"));
        BaseForm* supply = current();
        QCOMPARE(nameAt(supply, 0, 0), Common::getTextFromId(709));
        m_drive.report(1178, 0.f);
        m_drive.report(685, 2.f);
        QTest::qWait(100);
        QCOMPARE(nameAt(supply, 0, 0), Common::getTextFromId(709));
        // A page turned to for the first time is built with the values of now.
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentMotorParamsForm"));
        QCOMPARE(nameAt(current(), 0, 0), Common::getTextFromId(716));
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentOutputAndTransParamsForm"));
        QCOMPARE(nameAt(current(), 0, 0), Common::getTextFromId(1144));
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentVsdParamsForm"));
        QVERIFY(!cellAt(current(), 8, 0));
        QCOMPARE(nameAt(current(), 7, 1), Common::getTextFromId(10149));
        // Once built, a page keeps its layout.
        m_drive.report(685, 1.f);
        key(Qt::Key_F7);
        key(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentVsdParamsForm"));
        QVERIFY(!cellAt(current(), 8, 0));
        QVERIFY(turnTo("CurrentSupplyParamsForm"));
        QCOMPARE(current(), supply);
        QCOMPARE(nameAt(current(), 0, 0), Common::getTextFromId(709));
        // Back to the menu and back again: the new layouts.
        key(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("MainMenu"));
        key(Qt::Key_F3);
        QVERIFY(turnTo("CurrentSupplyParamsForm"));
        QCOMPARE(nameAt(current(), 0, 0), Common::getTextFromId(706));
        QVERIFY(turnTo("CurrentVsdParamsForm"));
        QCOMPARE(nameAt(current(), 8, 0), Common::getTextFromId(10347));
    }

    void inputs()
    {
        m_drive.report(22, 1.f);
        m_drive.report(24, 0.f);
        m_drive.report(25, 1.f);
        for (int i = 0; i < 4; ++i) {
            m_drive.report(quint16(822 + 4 * i), 1.f);
            m_drive.report(quint16(1105 + i), 0.f);
            m_drive.report(quint16(823 + 4 * i), 0.f);
        }
        showCarousel();
        QVERIFY(turnTo("CurrentInputsParamsForm"));
        auto* page = qobject_cast<CurrentInputsParamsForm*>(current());
        QVERIFY(page);
        auto text = [page](int row, int column) {
            auto* w = qobject_cast<BaseStatusTextWidget*>(cellAt(page, row, column));
            return w ? w->valueTextLabel()->text() : QString();
        };
        QTRY_COMPARE(text(4, 0), QString::fromUtf8("Закрыта"));
        QTRY_COMPARE(text(0, 1), QString::fromUtf8("Замкнут"));
        QTRY_COMPARE(text(1, 1), QString::fromUtf8("Разомкнут"));

        auto unit = [page](int i) { return page->analogInputCell(i)->unitLabel()->text(); };
        auto expected = [this](int i) {
            return window()->getTextAiUnit(quint16(822 + 4 * i), quint16(1105 + i), quint16(823 + 4 * i));
        };
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(page->analogInputCell(i)->id(), quint16(838 + i));
            QCOMPARE(unit(i), expected(i));
        }
        // The unit of input 2 alone changes: its label follows, the others stay.
        const QString before = unit(1);
        m_drive.report(1106, 1.f);
        QVERIFY(expected(1) != before);
        QCOMPARE(unit(1), expected(1));
        QCOMPARE(unit(0), expected(0));
        // What input 3 measures changes.
        const QString third = unit(2);
        m_drive.report(830, 2.f);
        QVERIFY(expected(2) != third);
        QCOMPARE(unit(2), expected(2));
        // Input 4 measures nothing known: its signal type decides.
        m_drive.report(834, 0.f);
        QCOMPARE(unit(3), expected(3));
        const QString volts = unit(3);
        m_drive.report(835, 1.f);
        QVERIFY(unit(3) != volts);
        QCOMPARE(unit(3), expected(3));
        // A value refresh leaves the unit as it is.
        m_drive.report(841, 3.f);
        QTest::qWait(700);
        QCOMPARE(unit(3), expected(3));
    }
};

VRX_TEST_APPLICATION_MAIN(TestCarousel)
#include "tst_carousel.moc"
