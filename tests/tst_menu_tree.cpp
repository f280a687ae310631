// The menu tree as the operator walks it with the keypad: every screen opened
// from its parent, Back to the entry one came from, no screen left behind; the
// conditional entries of the current-parameter and equipment menus; and the
// menus that follow the parameters their entries depend on.
#include "base_status_form.h"
#include "baseform.h"
#include "current_params_menu.h"
#include "equipment_menu.h"
#include "headerwidget.h"
#include "log_event_form.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "parameters.h"
#include "pushbutton.h"
#include "stackedform.h"
#include "test_application.h"
#include "ui_station.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QSignalBlocker>

namespace {

const quint16 TechnologModeId = 1666;
const quint16 ModelPagesId = 1518;
const quint16 ExtensionBoardId = 1644;
const quint16 DriveTypeId = 685;
const quint16 BypassId = 10504;

// The values the conditional entries depend on.
struct Station
{
    float technologMode;
    float modelPages;
    float extensionBoard;
    float driveType;
    float bypass;
};

struct Entry
{
    QString className;
    QString text;
};

Entry entry(const char* className, const char* text)
{
    return Entry{QString::fromLatin1(className), QString::fromUtf8(text)};
}

// The tree as the station's documentation lays it out, written down here
// independently of the menus under test.
QList<Entry> expectedEntries(const QString& menu, const Station& s)
{
    QList<Entry> list;
    if (menu == QLatin1String("MainMenu")) {
        list << entry("CurrentParamsMenu", "Текущие параметры") << entry("LogMenu", "Архивы")
             << entry("EquipmentMenu", "Оборудование") << entry("ProtectionsMenu", "Защиты")
             << entry("TechnologParamsMenu", "Технологические настройки") << entry("NotebookMenu", "Записная книжка")
             << entry("OptionsMenu", "Настройки");
    } else if (menu == QLatin1String("CurrentParamsMenu")) {
        const Entry technolog = entry("CurrentMenuTechnologForm", "Текущие параметры технолога");
        if (s.technologMode == 3)
            return list << technolog;
        list << (s.technologMode == 2 ? technolog : entry("CurrentMainParamsForm", "Состояние"));
        list << entry("CurrentVsdParamsForm", "Текущие параметры ЧРП")
             << entry("CurrentOutputAndTransParamsForm", "Текущие параметры выхода СУ и ТМПН");
        if (s.modelPages != 0)
            list << entry("CurrentOutputAndTransParamsModelForm", "Текущие параметры выхода СУ и ТМПН по модели");
        list << entry("CurrentMotorParamsForm", "Текущие параметры двигателя");
        if (s.modelPages != 0)
            list << entry("CurrentMotorModelParamsForm", "Текущие параметры двигателя по модели");
        list << entry("CurrentSupplyParamsForm", "Текущие параметры сети")
             << entry("CurrentDhsParamsForm", "Текущие параметры ТМС")
             << entry("CurrentInputsParamsForm", "Текущие параметры входов");
        if (s.extensionBoard != 0)
            list << entry("CurrentExtendedParamsForm", "Текущие параметры платы расширений");
        if (s.technologMode == 1)
            list << technolog;
    } else if (menu == QLatin1String("EquipmentMenu")) {
        list << entry("MotorForm", "Двигатель") << entry("TransForm", "ТМПН") << entry("VsdMenu", "ЧРП")
             << entry("DhsMenu", "ТМС") << entry("EmForm", "Счётчик электроэнергии") << entry("FiltersForm", "Фильтры")
             << entry("PumpForm", "Насос") << entry("RelayOutputsOptionsMenu", "Релейные выходы");
        if (s.extensionBoard != 0)
            list << entry("AnalogOutputsMenu", "Аналоговые выходы");
        if (s.driveType == 2 || (s.driveType == 3 && s.bypass != 5))
            list << entry("BypassContactorsForm", "Байпасные контакторы");
    } else if (menu == QLatin1String("TechnologParamsMenu")) {
        list << entry("ModesMenu", "Режимы") << entry("CorrectionsForm", "Корректировки")
             << entry("MenuTechnologForm", "Настройка меню технолога");
    } else if (menu == QLatin1String("NotebookMenu")) {
        list << entry("HoleForm", "Скважина") << entry("CountersForm", "Счётчики")
             << entry("StatisticsForm", "Статистика") << entry("StationForm", "Станция управления")
             << entry("EnergyConsumptionForm", "Потребление активной электоэнергии");
    } else if (menu == QLatin1String("OptionsMenu")) {
        list << entry("SystemForm", "Система") << entry("PasswordsForm", "Пароли")
             << entry("TelemechanicsForm", "Телемеханика") << entry("UnitsMeasureForm", "Единицы измерения")
             << entry("InterfaceForm", "Интерфейс") << entry("ConfigurationsForm", "Конфигурации")
             << entry("UpsForm", "ИБП");
    }
    return list;
}

QStringList classesOf(const QList<Entry>& entries)
{
    QStringList names;
    for (const Entry& e : entries)
        names << e.className;
    return names;
}

QStringList textsOf(const QList<Entry>& entries)
{
    QStringList texts;
    for (const Entry& e : entries)
        texts << e.text;
    return texts;
}

QStringList classesOf(const QList<BaseForm*>& forms)
{
    QStringList names;
    for (BaseForm* form : forms)
        names << QString::fromLatin1(form->metaObject()->className());
    return names;
}

QStringList buttonTexts(BaseForm* form)
{
    QStringList texts;
    const QList<int> rows = form->subFormButtons();
    for (int row : rows) {
        auto* button = qobject_cast<PushButton*>(form->rowWidget(row));
        texts << (button ? button->text() : QString());
    }
    return texts;
}

int treeSize(const QString& menu, const Station& s)
{
    int size = 1;
    const QList<Entry> entries = expectedEntries(menu, s);
    for (const Entry& e : entries)
        size += treeSize(e.className, s);
    return size;
}

const Station Maximal{1, 1, 1, 2, 0};
const Station Minimal{3, 0, 0, 0, 0};

} // namespace

class TestMenuTree : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    int m_reached = 0;

    MainWindow* window() { return UiStation::window(); }
    BaseForm* current() { return UiStation::currentForm(); }
    QString currentClass() { return UiStation::currentClass(); }
    int entryRow(int k) { return current()->subFormButtons().value(k, -1); }
    void report(quint16 id, float value) { m_station->drive.report(id, value); }
    void setStation(const Station& s)
    {
        report(TechnologModeId, s.technologMode);
        report(ModelPagesId, s.modelPages);
        report(ExtensionBoardId, s.extensionBoard);
        report(DriveTypeId, s.driveType);
        report(BypassId, s.bypass);
    }
    void showMainMenu()
    {
        window()->addForm(QList<BaseForm*>() << new MainMenu, 0, -1);
        settle();
    }
    // Opens entry k of the menu shown, from its first entry.
    void openEntry(int k)
    {
        for (int i = 0; i < k; ++i)
            pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F4);
        settle();
    }
    // Every screen alive is one of the list the form stack shows.
    void checkNoScreenLeft()
    {
        settle();
        int forms = 0;
        const QWidgetList widgets = QApplication::allWidgets();
        for (QWidget* widget : widgets) {
            if (qobject_cast<BaseForm*>(widget))
                ++forms;
        }
        QCOMPARE(forms, window()->stackedForm()->formsList().size());
    }

    // Opens every entry of the menu shown (cursor on its first entry), checks
    // the screen, walks below it, goes Back and checks where the cursor is.
    void walk(const QString& menu, const Station& s)
    {
        const QList<Entry> entries = expectedEntries(menu, s);
        QCOMPARE(currentClass(), menu);
        QCOMPARE(buttonTexts(current()), textsOf(entries));
        for (int k = 0; k < entries.size(); ++k) {
            QCOMPARE(current()->currentRow(), entryRow(k));
            pressKey(Qt::Key_F4);
            const Entry& e = entries.at(k);
            BaseForm* child = current();
            QVERIFY(child);
            QCOMPARE(currentClass(), e.className);
            QCOMPARE(child->objectName(), e.className);
            QCOMPARE(child->title(), e.text.toUpper());
            QCOMPARE(window()->headerWidget()->title(), e.text.toUpper());
            QCOMPARE(classesOf(window()->stackedForm()->formsList()), classesOf(entries));
            QCOMPARE(window()->stackedForm()->currentIndexForm(), k);
            ++m_reached;
            if (!expectedEntries(e.className, s).isEmpty()) {
                walk(e.className, s);
                if (QTest::currentTestFailed())
                    return;
            }

            pressKey(Qt::Key_F3);
            if (menu == QLatin1String("CurrentParamsMenu")) {
                // Back from a current-parameter page goes to the main menu, on
                // "Текущие параметры"; open this menu again on the next entry.
                QCOMPARE(currentClass(), QString("MainMenu"));
                QCOMPARE(current()->currentRow(), entryRow(0));
                checkNoScreenLeft();
                if (QTest::currentTestFailed())
                    return;
                pressKey(Qt::Key_F4);
                QCOMPARE(currentClass(), menu);
                for (int i = 0; i < k; ++i)
                    pressKey(Qt::Key_F8);
            } else {
                QCOMPARE(currentClass(), menu);
                QCOMPARE(current()->currentRow(), entryRow(k));
                checkNoScreenLeft();
                if (QTest::currentTestFailed())
                    return;
            }
            QTRY_VERIFY(current()->rowWidget(entryRow(k))->hasFocus());
            if (k + 1 < entries.size())
                pressKey(Qt::Key_F8);
        }
    }

    void walkTree(const Station& s)
    {
        setStation(s);
        showMainMenu();
        m_reached = 1;
        QCOMPARE(current()->title(), QString::fromUtf8("МЕНЮ"));
        walk(QStringLiteral("MainMenu"), s);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_reached, treeSize(QStringLiteral("MainMenu"), s));

        // Back from the main menu: the first current-parameter page.
        pressKey(Qt::Key_F3);
        QVERIFY(qobject_cast<BaseStatusForm*>(current()));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        checkNoScreenLeft();
    }

private slots:
    void initTestCase()
    {
        // The screens log every show and build; the walk makes thousands.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_station = new UiStation;
        report(762, 0.f); // no carousel
        setStation(Minimal);
        m_station->showWindow();
    }

    void cleanupTestCase()
    {
        showMainMenu();
        delete m_station;
    }

    void rowsOnFirstShow()
    {
        const QList<BaseForm*> forms = MainMenu::createNextForm();
        QCOMPARE(forms.size(), 7);
        for (BaseForm* form : forms) {
            QVERIFY(!form->isCreated());
            QCOMPARE(form->rowCount(), 0);
            QVERIFY(!form->parent());
        }
        window()->addForm(forms, QStringLiteral("NotebookMenu"));
        settle();
        QCOMPARE(current(), forms.at(5));
        QVERIFY(forms.at(5)->isCreated());
        QCOMPARE(forms.at(5)->rowCount(), 5);
        // The others are built when they are first shown.
        QVERIFY(!forms.at(4)->isCreated());
        pressKey(Qt::Key_F5);
        QVERIFY(forms.at(4)->isCreated());
        QCOMPARE(forms.at(4)->rowCount(), 3);
    }

    void mainMenuIcons()
    {
        showMainMenu();
        BaseForm* menu = current();
        QCOMPARE(menu->rowCount(), 7);
        for (int row = 0; row < 7; ++row) {
            auto* icon = menu->rowWidget(row)->findChild<QLabel*>(QStringLiteral("iconButton_"));
            QVERIFY2(icon, qPrintable(QString::number(row)));
            const QPixmap pixmap = icon->property("pixmap").value<QPixmap>();
            QVERIFY(!pixmap.isNull());
            QCOMPARE(pixmap.size(), QSize(32, 32));
        }
        // The first-level menus have none.
        openEntry(2);
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QVERIFY(!current()->rowWidget(0)->findChild<QLabel*>(QStringLiteral("iconButton_")));
    }

    // Every combination of the values the two menus' entries depend on.
    void conditionalEntries()
    {
        // Every class the two menus can open, with the text of its entry.
        QHash<QString, QString> textOf;
        for (const char* menu : {"CurrentParamsMenu", "EquipmentMenu"})
            for (const Entry& e : expectedEntries(menu, Maximal))
                textOf.insert(e.className, e.text);
        for (int i = 0; i < 4 * 2 * 2 * 5 * 2; ++i) {
            const Station s{float(i % 4), float(i / 4 % 2), float(i / 8 % 2), float(i / 16 % 5), float(i / 80 * 5)};
            setStation(s);
            for (bool equipment : {false, true}) {
                const QString menuClass = QLatin1String(equipment ? "EquipmentMenu" : "CurrentParamsMenu");
                QScopedPointer<BaseForm> menu(equipment ? static_cast<BaseForm*>(new EquipmentMenu)
                                                        : new CurrentParamsMenu);
                menu->createForm(-1);
                const QList<BaseForm*> children =
                    equipment ? EquipmentMenu::createNextForm() : CurrentParamsMenu::createNextForm();
                const QStringList classes = classesOf(children);
                qDeleteAll(children);
                QStringList texts;
                for (const QString& c : classes)
                    texts << textOf.value(c, c);
                const QByteArray label = QStringLiteral("1666=%1 1518=%2 1644=%3 685=%4 10504=%5 %6")
                                             .arg(s.technologMode).arg(s.modelPages).arg(s.extensionBoard)
                                             .arg(s.driveType).arg(s.bypass).arg(menuClass).toUtf8();
                QVERIFY2(buttonTexts(menu.data()) == texts, label.constData());
                QVERIFY2(classes == classesOf(expectedEntries(menuClass, s)), label.constData());
            }
        }
    }

    void driveTypeIsTakenAsA16BitInteger()
    {
        setStation(Minimal);
        auto hasBypass = [this](float drive, float bypass) {
            report(DriveTypeId, drive);
            report(BypassId, bypass);
            const QList<BaseForm*> forms = EquipmentMenu::createNextForm();
            const bool found = classesOf(forms).contains(QStringLiteral("BypassContactorsForm"));
            qDeleteAll(forms);
            return found;
        };
        QVERIFY(hasBypass(2, 5));
        QVERIFY(hasBypass(2.7f, 0));      // the fraction is dropped
        QVERIFY(hasBypass(65538, 0));     // low 16 bits: 2
        QVERIFY(hasBypass(65539, 4));     // low 16 bits: 3
        QVERIFY(!hasBypass(65539, 5));
        QVERIFY(!hasBypass(-2, 0));       // a negative value counts as 0
        QVERIFY(!hasBypass(1, 0));
        QVERIFY(hasBypass(3, 5.5f));      // 10504 is compared as it is
    }

    void walkMaximal() { walkTree(Maximal); }
    void walkMinimal() { walkTree(Minimal); }

    // A change of the entries while the menu is shown rebuilds it; the cursor
    // stays on its entry and button k still opens child k.
    void rebuildWhileShown()
    {
        setStation(Station{0, 0, 0, 2, 0});
        showMainMenu();
        openEntry(2);
        QPointer<BaseForm> before = current();
        QCOMPARE(buttonTexts(current()).size(), 9);
        // Cursor on "Байпасные контакторы", the last entry.
        pressKey(Qt::Key_F6);
        QCOMPARE(current()->currentRow(), entryRow(8));

        report(ExtensionBoardId, 1);
        settle();
        QVERIFY(before.isNull());
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 2);
        QCOMPARE(buttonTexts(current()), textsOf(expectedEntries("EquipmentMenu", Station{0, 0, 1, 2, 0})));
        // The analog outputs came in before it: the cursor moved with its entry.
        QCOMPARE(current()->currentRow(), entryRow(9));
        QTRY_VERIFY(current()->rowWidget(entryRow(9))->hasFocus());
        pressKey(Qt::Key_F6);
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("AnalogOutputsMenu"));
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(current()->currentRow(), entryRow(8));

        // Its entry gone, the cursor stays on a row of the menu.
        pressKey(Qt::Key_F8);
        report(DriveTypeId, 1);
        settle();
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(buttonTexts(current()).size(), 9);
        QVERIFY(current()->currentRow() >= 0 && current()->currentRow() < 9);
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), classesOf(expectedEntries("EquipmentMenu", Station{0, 0, 1, 1, 0})).value(
                                     window()->stackedForm()->currentIndexForm()));
        checkNoScreenLeft();
    }

    void updateLeavingTheEntriesAlone()
    {
        setStation(Station{0, 0, 1, 3, 0});
        showMainMenu();
        openEntry(2);
        QPointer<BaseForm> menu = current();
        pressKey(Qt::Key_F8);
        report(ExtensionBoardId, 2);
        report(DriveTypeId, 3.5f);
        report(BypassId, 4);
        report(TechnologModeId, 2); // not an entry of this menu
        settle();
        QCOMPARE(current(), menu.data());
        QCOMPARE(current()->currentRow(), 1);
    }

    // A menu of the list that the operator turned away from does not pull him
    // back; it catches up when it is shown next.
    void menuOutOfSightWaitsForItsShow()
    {
        setStation(Station{0, 0, 0, 0, 0});
        showMainMenu();
        openEntry(2);
        QPointer<BaseForm> equipment = current();
        pressKey(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("ProtectionsMenu"));
        QPointer<BaseForm> protections = current();

        report(DriveTypeId, 2);
        settle();
        QCOMPARE(current(), protections.data());
        QVERIFY(!equipment.isNull());
        QCOMPARE(window()->headerWidget()->title(), QString::fromUtf8("ЗАЩИТЫ"));

        pressKey(Qt::Key_F5);
        settle();
        QVERIFY(equipment.isNull());
        QVERIFY(protections.isNull());
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 2);
        QCOMPARE(buttonTexts(current()), textsOf(expectedEntries("EquipmentMenu", Station{0, 0, 0, 2, 0})));
        pressKey(Qt::Key_F6);
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("BypassContactorsForm"));
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("EquipmentMenu"));

        // The current-parameter menu, built and then turned away from.
        pressKey(Qt::Key_F5);
        pressKey(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentParamsMenu"));
        QPointer<BaseForm> currentParams = current();
        pressKey(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("LogMenu"));
        QPointer<BaseForm> log = current();
        report(TechnologModeId, 3);
        settle();
        QCOMPARE(current(), log.data());
        QVERIFY(!currentParams.isNull());
        pressKey(Qt::Key_F5);
        settle();
        QVERIFY(currentParams.isNull());
        QCOMPARE(currentClass(), QString("CurrentParamsMenu"));
        QCOMPARE(buttonTexts(current()), QStringList() << QString::fromUtf8("Текущие параметры технолога"));
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        QCOMPARE(window()->stackedForm()->formsList().size(), 1);
        checkNoScreenLeft();
    }

    void currentParamsMenuFollowsItsParameters()
    {
        setStation(Station{0, 0, 0, 0, 0});
        showMainMenu();
        openEntry(0);
        QCOMPARE(buttonTexts(current()).size(), 7);
        report(ModelPagesId, 1);
        settle();
        QCOMPARE(buttonTexts(current()), textsOf(expectedEntries("CurrentParamsMenu", Station{0, 1, 0, 0, 0})));
        report(TechnologModeId, 2);
        settle();
        QCOMPARE(buttonTexts(current()).first(), QString::fromUtf8("Текущие параметры технолога"));
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        QCOMPARE(window()->stackedForm()->formsList().size(), 9);
        // Left and Right page through the whole list.
        pressKey(Qt::Key_F5);
        QCOMPARE(currentClass(), QString("CurrentInputsParamsForm"));
        pressKey(Qt::Key_F7);
        pressKey(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("CurrentVsdParamsForm"));
    }

    // Should the values change with no update told, a button opens nothing
    // rather than the wrong screen, and the menu is laid out anew.
    void staleButtonsOpenNothing()
    {
        setStation(Station{0, 0, 0, 0, 0});
        showMainMenu();
        openEntry(2);
        QPointer<BaseForm> stale = current();
        {
            const QSignalBlocker quiet(UiStation::store());
            report(ExtensionBoardId, 1);
        }
        pressKey(Qt::Key_F6); // "Релейные выходы", now child 7 of 9
        pressKey(Qt::Key_F4);
        settle();
        QVERIFY(stale.isNull());
        QCOMPARE(currentClass(), QString("EquipmentMenu"));
        QCOMPARE(buttonTexts(current()), textsOf(expectedEntries("EquipmentMenu", Station{0, 0, 1, 0, 0})));
        QCOMPARE(current()->currentRow(), entryRow(7));
        checkNoScreenLeft();
    }

    void logEventFormBack()
    {
        window()->addForm(QList<BaseForm*>() << new LogEventForm, 0, -1);
        settle();
        QCOMPARE(current()->objectName(), QString("LogEventForm"));
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("LogMenu"));
        QCOMPARE(classesOf(window()->stackedForm()->formsList()), classesOf(expectedEntries("MainMenu", Minimal)));
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("MainMenu"));
        QCOMPARE(current()->currentRow(), entryRow(1));
        checkNoScreenLeft();
    }
};

VRX_TEST_APPLICATION_MAIN(TestMenuTree)
#include "tst_menu_tree.moc"
