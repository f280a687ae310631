// The menu tree as the operator walks it with the keypad: every screen opened
// from its parent with the cursor keys and Enter (the current-parameter pages
// also turned with Right and Left), its class and title, Back to the entry one
// came from, no screen left behind. The walk runs in English and in Spanish: no
// title or row label may stay Russian, and a translator standing behind the
// program's catalogue hears every text the catalogue lacks (the texts that are
// plain in every language among them), which fails the walk as it fails a
// sweep of the text functions. Then the cursor and the carousel, the menus
// whose entries follow parameters, and a protection page's reset. Last, the
// screens of their own kind: the restart screen shown while the controller
// waits to restart the pump (which lines it shows, how it is left), the
// technologist's set-up page (the fourteen slots, each offering the candidates
// that fit the voltages shown) and his page.
#include "basecombobox.h"
#include "baseparamlabel.h"
#include "baseprotectionform.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "current_params_menu.h"
#include "echo_controller.h"
#include "equipment_menu.h"
#include "headerwidget.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "pushbutton.h"
#include "restartform.h"
#include "stackedform.h"
#include "statuspushbutton.h"
#include "test_application.h"
#include "ui_station.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QSignalBlocker>
#include <QTranslator>

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

bool hasCyrillic(const QString& text)
{
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

// Installed before the program's catalogue, so asked only for what that
// catalogue does not translate.
class RecordingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        // The program's texts: its context, or Russian; Qt's own texts aside.
        if (source && *source && (qstrcmp(context, "QObject") == 0 || hasCyrillic(u(source))))
            heard.insert(QStringLiteral("[%1] \"%2\"").arg(u(context), u(source)));
        return QString();
    }
    mutable QSet<QString> heard;
};

QString translated(const QString& source)
{
    return QCoreApplication::translate("QObject", source.toUtf8().constData());
}

// The values the conditional entries depend on.
struct Station
{
    float technologMode, modelPages, extensionBoard, driveType, bypass, meter;
};

struct Screen
{
    QString className, entry, title;
};

Screen screen(const QString& className, const QString& entry, const QString& title = QString())
{
    return Screen{className, entry, title.isEmpty() ? entry : title};
}

enum When { Always, Board, Bypass, Meter };

// The tree as the station's documentation lays it out, written down here
// independently of the menus under test: parent, class, entry text, title
// where it differs from the entry, condition.
struct Node
{
    const char *parent, *className, *entry, *title = nullptr;
    When when = Always;
};
const Node Tree[] = {
    {"MainMenu", "CurrentParamsMenu", "Текущие параметры"}, {"MainMenu", "LogMenu", "Архивы"},
    {"MainMenu", "EquipmentMenu", "Оборудование"}, {"MainMenu", "ProtectionsMenu", "Защиты"},
    {"MainMenu", "TechnologParamsMenu", "Технологические настройки"},
    {"MainMenu", "NotebookMenu", "Записная книжка"}, {"MainMenu", "OptionsMenu", "Настройки"},
    {"EquipmentMenu", "MotorForm", "Двигатель"}, {"EquipmentMenu", "TransForm", "ТМПН"},
    {"EquipmentMenu", "VsdMenu", "ЧРП"}, {"EquipmentMenu", "DhsMenu", "ТМС"},
    {"EquipmentMenu", "EmForm", "Счётчик электроэнергии"}, {"EquipmentMenu", "FiltersForm", "Фильтры"},
    {"EquipmentMenu", "PumpForm", "Насос"}, {"EquipmentMenu", "RelayOutputsOptionsMenu", "Релейные выходы"},
    {"EquipmentMenu", "AnalogOutputsMenu", "Аналоговые выходы", nullptr, Board},
    {"EquipmentMenu", "BypassContactorsForm", "Байпасные контакторы", nullptr, Bypass},
    {"EmForm", "EmConnectForm", "Параметры связи счётчика электроэнергии", "Связь со счётчиком электроэнергии", Meter},
    {"TechnologParamsMenu", "ModesMenu", "Режимы"}, {"TechnologParamsMenu", "CorrectionsForm", "Корректировки"},
    {"TechnologParamsMenu", "MenuTechnologForm", "Настройка меню технолога"},
    {"NotebookMenu", "HoleForm", "Скважина"}, {"NotebookMenu", "CountersForm", "Счётчики"},
    {"NotebookMenu", "StatisticsForm", "Статистика"}, {"NotebookMenu", "StationForm", "Станция управления"},
    {"NotebookMenu", "EnergyConsumptionForm", "Потребление активной электоэнергии"},
    {"OptionsMenu", "SystemForm", "Система"}, {"OptionsMenu", "PasswordsForm", "Пароли"},
    {"OptionsMenu", "TelemechanicsForm", "Телемеханика"}, {"OptionsMenu", "UnitsMeasureForm", "Единицы измерения"},
    {"OptionsMenu", "InterfaceForm", "Интерфейс"}, {"OptionsMenu", "ConfigurationsForm", "Конфигурации"},
    {"OptionsMenu", "UpsForm", "ИБП"},
    {"ConfigurationsForm", "SaveConfigurationForm", "Сохранить уставки в профиль", "Сохранение уставок в профиль"},
    {"ConfigurationsForm", "LoadConfigurationForm", "Загрузить уставки из профиля", "Загрузка уставок из профиля"},
};

QList<Screen> entriesOf(const QString& menu, const Station& s)
{
    QList<Screen> list;
    if (menu == QLatin1String("CurrentParamsMenu")) {
        const QString page = u("Текущие параметры %1");
        const Screen technolog = screen("CurrentMenuTechnologForm", page.arg(u("технолога")));
        if (s.technologMode == 3)
            return list << technolog;
        list << (s.technologMode == 2 ? technolog : screen("CurrentMainParamsForm", u("Состояние")))
             << screen("CurrentVsdParamsForm", page.arg(u("ЧРП")))
             << screen("CurrentOutputAndTransParamsForm", page.arg(u("выхода СУ и ТМПН")));
        if (s.modelPages != 0)
            list << screen("CurrentOutputAndTransParamsModelForm", page.arg(u("выхода СУ и ТМПН по модели")));
        list << screen("CurrentMotorParamsForm", page.arg(u("двигателя")));
        if (s.modelPages != 0)
            list << screen("CurrentMotorModelParamsForm", page.arg(u("двигателя по модели")));
        list << screen("CurrentSupplyParamsForm", page.arg(u("сети")))
             << screen("CurrentDhsParamsForm", page.arg(u("ТМС")))
             << screen("CurrentInputsParamsForm", page.arg(u("входов")));
        if (s.extensionBoard != 0)
            list << screen("CurrentExtendedParamsForm", page.arg(u("платы расширений")));
        if (s.technologMode == 1)
            list << technolog;
    }
    // Relays 5 to 12 and the analog outputs come with the extension board.
    for (int n = 1; menu == QLatin1String("RelayOutputsOptionsMenu") && n <= (s.extensionBoard != 0 ? 12 : 4); ++n)
        list << screen(QStringLiteral("RelayOutputsOptions%1Form").arg(n), u("Релейный выход %1").arg(n));
    for (int n = 1; menu == QLatin1String("AnalogOutputsMenu") && n <= 4; ++n)
        list << screen(QStringLiteral("AnalogOutput%1Form").arg(n), u("Аналоговый выход %1").arg(n));
    // Entry "Корректировка тока на входе" opens "Корректировка токов на входе".
    const char* const places[][2] = {{"In", "на входе"}, {"Out", "на выходе"}, {"Trans", "трансформатора"},
                                     {"Motor", "двигателя"}};
    for (int i = 0; menu == QLatin1String("CorrectionsForm") && i < 8; ++i) {
        const QString text = u("Корректировка %2 %1").arg(u(places[i / 2][1]));
        list << screen(QStringLiteral("Corrections%1%2").arg(i % 2 ? "Voltage" : "Current", places[i / 2][0]),
                       text.arg(u(i % 2 ? "напряжения" : "тока")), text.arg(u(i % 2 ? "напряжений" : "токов")));
    }
    if (menu == QLatin1String("CorrectionsForm"))
        list << screen("CorrectionAI", u("Корректировка аналоговых входов"));
    // The drive type counts as a 16-bit integer, a negative value as 0.
    const quint32 drive = s.driveType < 0 ? 0 : quint32(s.driveType) & 0xFFFF;
    const bool present[] = {true, s.extensionBoard != 0, drive == 2 || (drive == 3 && s.bypass != 5), s.meter != 0};
    for (const Node& n : Tree) {
        if (menu == QLatin1String(n.parent) && present[n.when])
            list << screen(n.className, u(n.entry), u(n.title));
    }
    return list;
}

int treeSize(const QString& menu, const Station& s)
{
    int size = 1;
    for (const Screen& e : entriesOf(menu, s))
        size += treeSize(e.className, s);
    return size;
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
    for (int row : form->subFormButtons())
        texts << qobject_cast<PushButton*>(form->rowWidget(row))->text();
    return texts;
}

QStringList entryTexts(const QList<Screen>& entries, bool classes = false)
{
    QStringList texts;
    for (const Screen& e : entries)
        texts << (classes ? e.className : translated(e.entry));
    return texts;
}

// English with every conditional screen; Spanish with the technologist's
// page first, the bypass by the other condition (the drive type's low 16
// bits 3, 10504 not 5) and the other row variants.
const Station English{1, 1, 1, 2, 5, 1};
const Station Spanish{2, 1, 1, 65539, 4, 2};

// The candidates in the order offered, as the station's documentation lists them.
const QList<int> AllCandidates = {
    10008, 10009, 10010, 10514, 10004, 10011, 10012, 10013, 10014, 9, 10246, 10260, 10499, 10261, 10247, 10327,
    10056, 10109, 10149, 10347,                                                       // drive
    1148, 1149, 1150, 1151, 1144, 1145, 1146, 1147, 1163, 1164, 1165, 1166,           // station output
    1156, 1157, 1158, 632, 1152, 1153, 1154, 1155, 1167, 1168, 1169, 1170,            // transformer
    1159, 1160, 1161, 1162, 716, 717, 718, 8, 719, 2, 3, 4, 5, 7, 1171,               // motor
    709, 710, 711, 706, 707, 708, 16, 857, 858, 859, 17, 20007, 20009,               // supply network
    15002, 15004, 15003, 15011, 15007, 15052, 15008, 15009, 15010, 15056, 15053,      // downhole sensors
};
const QList<int> PhaseIds = {8, 706, 707, 708, 716, 717, 718, 1144, 1145, 1146, 1147, 1152, 1153, 1154, 1155};
const QList<int> LineIds = {632, 709, 710, 711, 1148, 1149, 1150, 1151, 1156, 1157, 1158, 1159, 1160, 1161, 1162};

// The protection pages stand in their own suite; one with its reset button.
class ProtectionPage : public BaseProtectionForm
{
public:
    void createForm() override { addButtonResetDefault(1001); }
    void returnBackForm() override {}
};

// One row of every builder: a command button, then the sub-form buttons; the
// status button's images by position, its codes reversed, the third no image.
class BuilderPage : public BaseForm
{
public:
    BuilderPage()
        : BaseForm(nullptr, true)
    {
    }
    void createForm() override
    {
        PairList list;
        list.append(0, QStringLiteral("off"));
        list.append(1, QStringLiteral("on"));
        PairList images;
        for (const char* image : {"off_protection", "on_protection", "no_such_image", "block_protection"})
            images.append(3 - images.size(), QStringLiteral(":/images/") + QLatin1String(image));
        addButton(QStringLiteral("command"), "showScrollBar()");
        addButton(QStringLiteral("sub-form"));
        status = addStatusButton(1001, QStringLiteral("status"), images);
        addEdit(515);
        addDateTimeEdit(534);
        addPassEdit(573);
        addAddrEdit(864, 865, 866, 867);
        addDoubleParamEdit(540, 885);
        addStringEdit(1657, 1658);
        addComboBox(1002, list);
        addComboBox(QStringLiteral("choice"), list, 1);
        addStatusNum(480);
        addStatusText(1003, list);
        addUuidText(QStringLiteral("uuid"), 1312, 1313, 1314, 1315);
        addWidget(new QLabel(QStringLiteral("label")));
    }
    void returnBackForm() override {}
    StatusPushButton* status = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(Station)

class TestMenuTree : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EchoController* m_echo = nullptr;
    RecordingTranslator m_recorder;
    Station m_s = English;
    int m_reached = 0;
    int m_total = 0;

    MainWindow* window() { return UiStation::window(); }
    StackedForm* stack() { return window()->stackedForm(); }
    BaseForm* current() { return UiStation::currentForm(); }
    QString currentClass() { return UiStation::currentClass(); }
    int entryRow(int k) { return current()->subFormButtons().value(k, -1); }
    void report(quint16 id, float value) { m_station->drive.report(id, value); }
    void setStation(const Station& s)
    {
        m_s = s;
        const float values[] = {s.technologMode, s.modelPages, s.extensionBoard, s.driveType, s.bypass, s.meter};
        const quint16 ids[] = {1666, 1518, 1644, 685, 10504, 705};
        for (int i = 0; i < 6; ++i)
            report(ids[i], values[i]);
    }
    void setLanguage(int language)
    {
        if (UiStation::app()->getLanguage() != language) {
            report(570, float(language));
            QTRY_COMPARE(UiStation::app()->getLanguage(), language);
        }
        m_recorder.heard.clear();
    }
    void checkNothingHeard()
    {
        QStringList heard = m_recorder.heard.values();
        heard.sort();
        QVERIFY2(heard.isEmpty(), qPrintable("not in the catalogue:\n" + heard.join('\n')));
    }
    void show(const QList<BaseForm*>& forms, int index = 0)
    {
        window()->addForm(forms, index, -1);
        settle();
    }
    RestartForm* restart() { return qobject_cast<RestartForm*>(current()); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    BaseComboBox* comboRow(int row) { return qobject_cast<BaseComboBox*>(current()->rowWidget(row)); }
    BaseStatusWidget* cell(int row, int column)
    {
        QLayoutItem* item = current()->widget()->findChild<QGridLayout*>()->itemAtPosition(row, column);
        return item ? qobject_cast<BaseStatusWidget*>(item->widget()) : nullptr;
    }
    // The controller reports a pending restart (the motor stopped, a start not
    // prevented by the drive), then its end.
    void setRestart(bool pending)
    {
        report(pending ? "13=0 685=1 702=1 1360=0 633=2" : "633=0");
        QTRY_VERIFY2(window()->isRestartPending() == pending && (restart() != nullptr) == pending,
                     "the restart screen shown while the restart is pending");
        settle();
    }
    // "Технологические настройки", "Настройка меню технолога".
    void openSetup()
    {
        show(MainMenu::createNextForm(), 4);
        pressKey(Qt::Key_F6);
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("MenuTechnologForm"));
    }
    // Opens entry k of the menu shown: Down to it, then Enter.
    void open(int k)
    {
        for (int i = 0; i < current()->rowCount() && current()->currentRow() != entryRow(k); ++i)
            pressKey(Qt::Key_F8);
        QCOMPARE(current()->currentRow(), entryRow(k));
        pressKey(Qt::Key_F4);
    }
    void checkNoScreenLeft()
    {
        settle();
        int forms = 0;
        for (QWidget* widget : QApplication::allWidgets())
            forms += qobject_cast<BaseForm*>(widget) ? 1 : 0;
        QCOMPARE(forms, stack()->formsList().size());
    }
    // The screen shown is entry k of entries: class, title, its list with the
    // page arrows, and no Russian title or row label.
    void checkScreen(const QList<Screen>& entries, int k)
    {
        QCOMPARE(currentClass(), entries.at(k).className);
        QCOMPARE(current()->objectName(), entries.at(k).className);
        QCOMPARE(current()->title(), translated(entries.at(k).title).toUpper());
        QCOMPARE(window()->headerWidget()->title(), current()->title());
        QCOMPARE(classesOf(stack()->formsList()), entryTexts(entries, true));
        QCOMPARE(stack()->currentIndexForm(), k);
        QCOMPARE(window()->headerWidget()->isLeftVisible(), entries.size() > 1);
        QStringList texts{current()->title(), window()->textInfo()};
        for (QLabel* label : current()->findChildren<QLabel*>()) {
            if (QStringList{"nameLabel_", "textButton_"}.contains(label->objectName()))
                texts << label->text();
        }
        for (const QString& text : texts)
            QVERIFY2(!hasCyrillic(text), qPrintable(currentClass() + ": \"" + text + "\" left in Russian"));
    }

    // Opens every entry of the menu shown (those of only, and of the next
    // level those of below, where given), checks the screen, walks below it and
    // goes Back (F3 and Esc in turn) to the entry it came from.
    void walk(const QString& menu, const QList<int>& only = QList<int>(), const QList<int>& below = QList<int>())
    {
        const QList<Screen> entries = entriesOf(menu, m_s);
        QCOMPARE(currentClass(), menu);
        QCOMPARE(buttonTexts(current()), entryTexts(entries));
        if (menu == QLatin1String("CurrentParamsMenu"))
            return pageThrough(entries);
        for (int k = 0; k < entries.size() && !QTest::currentTestFailed(); ++k) {
            if (!only.isEmpty() && !only.contains(k))
                continue;
            open(k);
            checkScreen(entries, k);
            ++m_reached;
            walk(entries.at(k).className, below);
            if (QTest::currentTestFailed())
                return;
            pressKey(k % 2 ? Qt::Key_Escape : Qt::Key_F3);
            QCOMPARE(currentClass(), menu);
            QCOMPARE(current()->currentRow(), entryRow(k));
            QTRY_VERIFY2(current()->rowWidget(entryRow(k))->hasFocus(), "the focus back on the entry");
            checkNoScreenLeft();
        }
    }
    // The current-parameter pages are one list: entry k opens page k of it,
    // and Back from a page goes to the main menu, on this menu's entry (F3 and
    // Esc in turn). The pages of cells take no cursor. From the first page
    // Right turns to the others and wraps, Left wraps back.
    void pageThrough(const QList<Screen>& entries)
    {
        for (int k = 0; k < entries.size() && !QTest::currentTestFailed(); ++k) {
            open(k);
            checkScreen(entries, k);
            ++m_reached;
            QVERIFY(entries.at(k).className.contains("Technolog") || current()->rowCount() == 0);
            pressKey(k % 2 ? Qt::Key_Escape : Qt::Key_F3);
            QCOMPARE(currentClass(), QString("MainMenu"));
            QCOMPARE(current()->currentRow(), entryRow(0));
            pressKey(Qt::Key_F4);
            QCOMPARE(currentClass(), QString("CurrentParamsMenu"));
        }
        open(0);
        for (int k = 1; k < entries.size(); ++k) {
            pressKey(Qt::Key_F7);
            checkScreen(entries, k);
        }
        pressKey(Qt::Key_F7);
        QCOMPARE(stack()->currentIndexForm(), 0);
        pressKey(Qt::Key_F5);
        QCOMPARE(stack()->currentIndexForm(), entries.size() - 1);
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("MainMenu"));
        QCOMPARE(current()->currentRow(), entryRow(0));
        pressKey(Qt::Key_F4);
    }

    // Walks the subtrees of the main menu's entries only (and of their entries
    // below only), in a language (1 English, 2 Spanish) and its station.
    void walkFromMainMenu(int language, const QList<int>& only, const QList<int>& below = QList<int>())
    {
        setLanguage(language);
        setStation(language == 1 ? English : Spanish);
        // The row variants: correction mode, line voltages, relay function
        // (8 adds the reason row), analog output source.
        for (quint16 id : {2085, 1178})
            report(id, language == 1 ? 1.f : 0.f);
        for (quint16 relay = 0; relay < 12; ++relay)
            report(relay < 4 ? 962 + relay : 1726 + relay, language == 1 ? 8.f : 1.f);
        for (quint16 output = 0; output < 4; ++output) {
            report(1615 + output, 1.f);
            report(1625 + output, language == 1 ? 10001.f : 0.f);
        }
        show({new MainMenu});
        m_reached = 0;
        walk(QStringLiteral("MainMenu"), only, below);
        int expected = 0;
        for (int k : only) {
            const QString child = entriesOf(QStringLiteral("MainMenu"), m_s).at(k).className;
            expected += below.isEmpty() ? treeSize(child, m_s) : 1;
            for (int j : below)
                expected += treeSize(entriesOf(child, m_s).at(j).className, m_s);
        }
        QCOMPARE(m_reached, expected);
        m_total += m_reached;
        qInfo("%d screens reached, %d in all", m_reached, m_total);
        checkNothingHeard();
    }

    // Every text function over its codes, in a language.
    void sweepTextFunctions(int language)
    {
        setLanguage(language);
        using C = Common;
        for (QString (*f)(unsigned short) :
             {C::getTextOnOff, C::getTextProtMode, C::getTextRgmMode, C::getTextAlarmVSDMode, C::getTextConnect,
              C::getTextRgmRun, C::getTextTypeMtr, C::getTextRotation, C::getTextMotorControl, C::getTextVectType,
              C::getTextTypeStop, C::getTextPhaseRotation, C::getTextUfType, C::getTextMotorProfile,
              C::getTextMotorInductance, C::getTextUseInduct, C::getTextTypeMetal, C::getTextSourceVoltage,
              C::getTextSourceCurrent, C::getTextSourceR, C::getTextSourceTemperature, C::getTextTypeVolt,
              C::getTextSensorPosition, C::getTextSwitchingFreqCode, C::getTextChanelVsd, C::getTextVSdDoor,
              C::getTextVsdType, C::getTextEmType, C::getTextDhsInterface, C::getTextLanguage, C::getTextScadaType,
              C::getTextScadaParity, C::getTextOilCompany, C::getTextActionUsbConnect, C::getTextMenuTechnolog,
              C::getTextConfiguration, C::getTextCalibType, C::getTextTypeAI, C::getTextAiParameter,
              C::getTextPinType, C::getTextDiType, C::getTextDiParameter, C::getTextDiAction, C::getTextRoAction,
              C::getTextTypeAO, C::getTextParamAO, C::getTextMaintenanceModeParamType,
              C::getTextMaintenanceModeParamDepend, C::getTextMaintenanceModeParamTypeControl, C::getTextBacklight}) {
            for (unsigned short code : {500, 1000, 3000, 3600, 6000, 8500, 12000, 65535})
                f(code);
            for (unsigned short code = 0; code <= 40; ++code)
                f(code) + C::getTextDhsType(static_cast<typeDHS>(code));
        }
        for (int code = -3; code <= 4100; ++code) {
            for (QString (*f)(int) : {C::getTextCondition, C::getTextAiAxisZeroShift, C::getTextAiAlarmType,
                                      C::getTextReasonRun, C::getTextReasonStop, C::getTextErrorSlave})
                f(code);
            C::getTextVsdAlarm(code, true) + C::getTextVsdWarning(code, false) + C::getTextTimeZone(code % 15 * 3600);
        }
        for (unsigned char quantity = 0; quantity <= 34; ++quantity) {
            for (unsigned char unit = 0; unit <= 9; ++unit)
                C::getTextUnitOfQuantity(quantity, unit) + C::getTextAiUnit(quantity, unit)
                    + C::getTextAiParamUnits(quantity, unit) + C::getTextUnitCableCross(unit);
        }
        for (int id = 0; id <= 0xFFFF; ++id)
            C::getTextFromId(id) + C::getTextParamMenuTechnolog(static_cast<unsigned short>(id));
        for (float first : {0.f, 20.f, 40.f, 60.f, 1.f})
            for (float second : {0.f, 1.f, 110.f, 130.f, 150.f, 170.f, 210.f, 230.f, 250.f, 270.f, 300.f})
                C::getTextRgmRunSpecRN(first, second, 0) + C::getTextRgmRunSpecRN(first, second, 1);
        C::protectionNamesList();
        // Every start-prevent reason at once, then none with each drive state.
        const QList<int> prevents = C::preventIdsList() + QList<int>{685};
        for (float on : {1.f, 0.f}) {
            for (int id : prevents)
                report(quint16(id), on);
            report(702, 0.f);
            C::getTextPrevent();
        }
        checkNothingHeard();
    }

private slots:
    void initTestCase()
    {
        // The screens log every show and build; the walk makes thousands.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_station = new UiStation;
        QCoreApplication::installTranslator(&m_recorder);
        // No carousel; every profile stored (the load page warns of none); no
        // restart; a start is not prevented.
        report("762=0 1079=0x1f 633=0 702=1 685=1 1360=0 635=0");
        setStation(English);
        m_station->showWindow();
        m_echo = new EchoController(UiStation::store());
    }

    void cleanupTestCase()
    {
        QCoreApplication::removeTranslator(&m_recorder);
        show({new MainMenu});
        delete m_echo;
        delete m_station;
    }

    // Up and Down wrap; a held Down moves on, a held Enter opens nothing; a
    // row put on top keeps the cursor on its widget; a single screen does not
    // page. Every builder makes one row the cursor reaches; the sub-form
    // buttons are those of the menu model. A status button's icon is the image
    // at the position its parameter gives; a path of no image keeps the icon.
    void cursor()
    {
        report(1001, 0.f);
        show({new BuilderPage});
        BaseForm* page = current();
        QCOMPARE(page->rowCount(), 15);
        QCOMPARE(page->subFormButtons(), (QList<int>{1, 2}));
        for (int row = 1; row <= 15; ++row) {
            pressKey(Qt::Key_F8);
            QCOMPARE(page->currentRow(), row % 15);
        }
        StatusPushButton* status = static_cast<BuilderPage*>(page)->status;
        QCOMPARE(page->rowWidget(2), static_cast<QWidget*>(status));
        auto* icon = status->findChild<QLabel*>(QStringLiteral("iconButton_"));
        for (const QPair<float, const char*>& step : QList<QPair<float, const char*>>{
                 {1, "on_protection"}, {2, "on_protection"}, {3, "block_protection"}, {0, "off_protection"}}) {
            report(1001, step.first);
            const QString path = QStringLiteral(":/images/") + QLatin1String(step.second);
            QCOMPARE(status->iconPath(), path);
            QVERIFY2(icon->property("pixmap").value<QPixmap>().toImage() == QPixmap(path).toImage(),
                     qPrintable("the icon shown is " + path));
        }
        show({new MainMenu});
        BaseForm* menu = current();
        pressKey(Qt::Key_F6);
        QTRY_VERIFY2(menu->rowWidget(6)->hasFocus(), "the focus on the last row");
        for (int key : {Qt::Key_Down, Qt::Key_F8, Qt::Key_Up, Qt::Key_F7})
            pressKey(key);
        QCOMPARE(menu->currentRow(), 0);
        for (int key : {Qt::Key_F8, Qt::Key_F4}) {
            QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QCoreApplication::sendEvent(menu->rowWidget(menu->currentRow()), &held);
        }
        settle();
        QCOMPARE(current(), menu);
        menu->insertWidget(new QLabel(QStringLiteral("new")));
        QCOMPARE(menu->currentRow(), 2);
    }

    // The carousel turns at the period of parameter 762 (never at 0) until a key.
    void carousel()
    {
        show(CurrentParamsMenu::createNextForm());
        auto* timer = stack()->findChild<QTimer*>(QStringLiteral("carouselTimer"));
        stack()->setCarouselEnabled(true);
        QVERIFY(!timer->isActive());
        report(762, 3.f);
        stack()->setCarouselEnabled(true);
        QCOMPARE(timer->interval(), 3000);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(stack()->currentIndexForm(), 1);
        pressKey(Qt::Key_F8);
        QVERIFY(!timer->isActive());
        report(762, 0.f);
    }

    // The entries of the two conditional menus against the documented
    // conditions: the buttons laid out and the screens they open.
    void conditionalEntries_data()
    {
        QTest::addColumn<Station>("s");
        QTest::newRow("nothing") << Station{0, 0, 0, 0, 0, 0};
        QTest::newRow("technologist only") << Station{3, 1, 1, 1, 0, 0};
        QTest::newRow("drive 3, bypass 5") << Station{4, 1, 0, 3, 5, 0};
        QTest::newRow("drive 3.7, bypass 5.5") << Station{0, 0, 0, 3.7f, 5.5f, 0};
    }

    void conditionalEntries()
    {
        QFETCH(Station, s);
        setStation(s);
        for (bool equipment : {false, true}) {
            QScopedPointer<BaseForm> m(equipment ? static_cast<BaseForm*>(new EquipmentMenu) : new CurrentParamsMenu);
            const QList<Screen> expected = entriesOf(QLatin1String(m->metaObject()->className()), s);
            m->createForm(-1);
            QCOMPARE(buttonTexts(m.data()), entryTexts(expected));
            const QList<BaseForm*> children =
                equipment ? EquipmentMenu::createNextForm() : CurrentParamsMenu::createNextForm();
            const QStringList classes = classesOf(children);
            qDeleteAll(children);
            QCOMPARE(classes, entryTexts(expected, true));
        }
    }

    // A change of the entries rebuilds the menu on screen with the cursor on
    // its entry; a menu of the list turned away from does not pull the
    // operator back, it catches up when shown; should the values change with
    // no update told, a button opens nothing rather than the wrong screen.
    void menusFollowTheirParameters()
    {
        setStation(Station{0, 0, 0, 2, 0, 0});
        show(MainMenu::createNextForm(), 2);
        pressKey(Qt::Key_F6); // "Байпасные контакторы", the last entry
        setStation(Station{0, 0, 1, 2, 0, 0});
        settle();
        QCOMPARE(buttonTexts(current()), entryTexts(entriesOf("EquipmentMenu", m_s)));
        QCOMPARE(current()->currentRow(), entryRow(9));
        pressKey(Qt::Key_F7);
        QPointer<BaseForm> protections = current();
        setStation(Station{0, 0, 1, 1, 0, 0});
        settle();
        QCOMPARE(current(), protections.data());
        pressKey(Qt::Key_F5);
        settle();
        QCOMPARE(buttonTexts(current()), entryTexts(entriesOf("EquipmentMenu", m_s)));
        {
            const QSignalBlocker quiet(UiStation::store());
            report(1644, 0);
            m_s.extensionBoard = 0;
        }
        open(7); // "Релейные выходы", now the last of 8
        settle();
        QCOMPARE(buttonTexts(current()), entryTexts(entriesOf("EquipmentMenu", m_s)));
        QCOMPARE(current()->currentRow(), entryRow(7));
        checkNoScreenLeft();
    }

    // Reset to defaults: asked, written only on "Да"; and a page replaced
    // while its question is open is deleted safely, writing nothing.
    void protectionReset()
    {
        show({new ProtectionPage});
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        DialogDriver dialogs;
        dialogs.answerWith(Qt::Key_F4); // the focused answer: "Нет"
        pressKey(Qt::Key_F4);
        QCOMPARE(dialogs.texts(), QStringList{u("Сбросить уставки по умолчанию?")});
        dialogs.answerWith(QList<int>{Qt::Key_F5, Qt::Key_F4});
        pressKey(Qt::Key_F4);
        QCOMPARE(writesOf(writes), (Writes{{1001, bitsFromFloat(1.f)}}));
        QPointer<BaseForm> page = current();
        QTimer::singleShot(0, window(), [this]() { window()->addForm(new MainMenu, 0); });
        pressKey(Qt::Key_F4);
        settle();
        QVERIFY(page.isNull());
        QCOMPARE(writes.size(), 1);
    }

    // The title in orange, the times and the restart count; which lines show
    // for the program pause (448 = 400), the reason of the last stop (535; 30
    // is a loss of the mains), a guaranteed start (669) and a prevented start
    // (635).
    void restartLines_data()
    {
        QTest::addColumn<QString>("reports");
        // Shown or not, in this order: the reason, the three prevent lines, the
        // four program lines, the guaranteed start, the restart count.
        QTest::addColumn<QString>("shown");
        QTest::newRow("protection stop") << "448=0 535=5 669=0 635=0" << "1000000001";
        QTest::newRow("program pause") << "448=400 535=5 669=0 635=0" << "0000111100";
        QTest::newRow("program pause after mains loss") << "448=400 535=30 669=0 635=0" << "0000111100";
        QTest::newRow("mains loss") << "448=0 535=30 669=0 635=0" << "1000000000";
        QTest::newRow("other program state") << "448=401 535=7 669=1 635=0" << "1000000011";
        QTest::newRow("program state as integer") << "448=400.6 535=7 669=0 635=0" << "0000111100";
        QTest::newRow("prevented") << "448=0 535=5 669=0 635=1" << "1111000001";
        QTest::newRow("prevented in the pause") << "448=400 535=30 669=1 635=1" << "0111111110";
    }

    void restartLines()
    {
        QFETCH(QString, reports);
        QFETCH(QString, shown);
        setRestart(true);
        RestartForm* form = restart();
        QCOMPARE(window()->headerWidget()->title(), u("ОЖИДАНИЕ АПВ"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        const QList<int> ids{form->elapsedLabel()->id(), form->remainingLabel()->id(), form->restartCountLabel()->id()};
        QCOMPARE(ids, (QList<int>{529, 531, 715}));
        report(reports);
        QVERIFY(QMetaObject::invokeMethod(form, "slotUpdated")); // the next refresh
        QString lines;
        for (int line = 0; line < RestartForm::LineCount; ++line)
            lines += form->line(RestartForm::Line(line))->isHidden() ? '0' : '1';
        QCOMPARE(lines, shown);
        QCOMPARE(form->restartCountLabel()->isHidden(), shown[9] == '0');
        QCOMPARE(form->line(form->PreventTextLine)->text(), shown[1] == '1' ? Common::getTextPrevent() : QString());
        if (shown[0] == '1')
            QCOMPARE(form->line(form->ReasonLine)->text(), Common::getTextReasonStop(UiStation::store()->get(535)));
        QVERIFY(!form->elapsedLabel()->isHidden() && !form->remainingLabel()->isHidden());
        setRestart(false);
        report("448=0 669=0 635=0");
    }

    // Back leaves the title orange while the wait goes on.
    void backFromTheRestartScreen()
    {
        setRestart(true);
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("CurrentMainParamsForm"));
        QCOMPARE(window()->headerWidget()->state(), HeaderWidget::Orange);
        setRestart(false);
    }

    // The mode and fourteen slots; in each slot the 83 candidates less the
    // line voltages while phase voltages are shown, less the phase voltages
    // while line voltages are (68 either way).
    void setupRows_data()
    {
        QTest::addColumn<float>("lineVoltage");
        QTest::newRow("phase voltages") << 0.f;
        QTest::newRow("line voltages") << 1.f;
        QTest::newRow("any non-zero") << 0.5f;
    }

    void setupRows()
    {
        QFETCH(float, lineVoltage);
        m_station->drive.report(1178, lineVoltage);
        QList<int> expected;
        for (int id : AllCandidates) {
            if (!(lineVoltage != 0 ? PhaseIds : LineIds).contains(id))
                expected << id;
        }
        openSetup();
        QCOMPARE(current()->rowCount(), 15);
        QCOMPARE(comboRow(0)->id(), quint16(1666));
        for (int code = 0; code < 4; ++code)
            QCOMPARE(comboRow(0)->valuesList().value(code), Common::getTextMenuTechnolog(quint16(code)));
        for (int slot = 0; slot < 14; ++slot) {
            QCOMPARE(comboRow(1 + slot)->id(), quint16(1667 + slot));
            QCOMPARE(comboRow(1 + slot)->nameLabel()->text(), QString::fromUtf8("Параметр %1").arg(slot + 1));
            const PairList list = comboRow(1 + slot)->valuesList();
            QList<int> codes;
            for (int i = 0; i < list.size(); ++i) {
                codes << list.key(i);
                QCOMPARE(list.value(i), Common::getTextParamMenuTechnolog(quint16(list.key(i))));
            }
            QCOMPARE(codes, expected);
        }
    }

    // Enter, Down, Enter writes the next candidate; Back returns to the entry.
    void chooseBySlot()
    {
        report("1178=0 1669=10008");
        openSetup();
        BaseComboBox* slot3 = comboRow(3);
        QCOMPARE(slot3->comboBox()->currentText(), Common::getTextParamMenuTechnolog(10008));
        for (int key : {Qt::Key_F8, Qt::Key_F8, Qt::Key_F8, Qt::Key_F4})
            pressKey(key);
        QTRY_VERIFY2(slot3->comboBox()->view()->isVisible(), "the list of candidates");
        m_echo->clearWrites();
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F4);
        QTRY_VERIFY2(!slot3->isEditing(), "the end of the edit");
        QCOMPARE(m_echo->writesOf(1669).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(1669).first().value), 10009.f);
        QTRY_COMPARE(slot3->comboBox()->currentText(), Common::getTextParamMenuTechnolog(10009));
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("TechnologParamsMenu"));
        QCOMPARE(current()->currentRow(), 2);
    }

    // Under the run mode and the condition, slots 1 to 7 down the left column
    // and 8 to 14 down the right, as they were when the page was built;
    // a slot is taken as a 16-bit integer, one naming no parameter shows its
    // number and no value.
    void technologPage()
    {
        const int chosen[14] = {10008, 9, 1148, 716, 709, 15002, 15053, 10013, 5, 75544, 857, 20007, 5000, 1171};
        for (int slot = 0; slot < 14; ++slot)
            m_station->drive.report(quint16(1667 + slot), float(chosen[slot]));
        report("1666=3");
        show(CurrentParamsMenu::createNextForm());
        QCOMPARE(window()->stackedForm()->formsList().size(), 1);
        QCOMPARE(currentClass(), QString("CurrentMenuTechnologForm"));
        QCOMPARE(cell(1, 0)->id(), quint16(10001));
        report("1667=10009");
        for (int slot = 0; slot < 14; ++slot) {
            const quint16 id = quint16(chosen[slot]);
            QCOMPARE(cell(2 + slot % 7, slot / 7)->id(), id);
            QCOMPARE(cell(2 + slot % 7, slot / 7)->nameLabel()->text(), Common::getTextParamMenuTechnolog(id));
        }
        QVERIFY(!cell(9, 0));
        QVERIFY(cell(7, 1)->nameLabel()->text().startsWith(QLatin1String("5000")));
        report("5000=1");
        QTRY_COMPARE(cell(7, 1)->valueLabel()->text(), QString("---"));
    }

    // The whole tree in two languages, a few subtrees at a time.
    void englishCurrentArchivesProtections() { walkFromMainMenu(1, {0, 1, 3}); }
    void englishEquipment() { walkFromMainMenu(1, {2}, {0, 1, 2, 3, 4, 5, 6, 8, 9}); }
    void englishRelays() { walkFromMainMenu(1, {2}, {7}); }
    void englishTechnolog() { walkFromMainMenu(1, {4}); }
    void englishNotebookOptions() { walkFromMainMenu(1, {5, 6}); }
    void englishTextFunctions() { sweepTextFunctions(1); }
    void spanishCurrentArchivesProtections() { walkFromMainMenu(2, {0, 1, 3}); }
    void spanishEquipment() { walkFromMainMenu(2, {2}, {0, 1, 2, 3, 4, 5, 6, 8, 9}); }
    void spanishRelays() { walkFromMainMenu(2, {2}, {7}); }
    void spanishTechnolog() { walkFromMainMenu(2, {4}); }
    void spanishNotebookOptions() { walkFromMainMenu(2, {5, 6}); }
    void spanishTextFunctions() { sweepTextFunctions(2); }
};

VRX_TEST_APPLICATION_MAIN(TestMenuTree)
#include "tst_menu_tree.moc"
