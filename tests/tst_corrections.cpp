// Calibration corrections: the menu with the correction mode, the rows of the
// eight correction screens over every combination of phase or line voltages
// (1178), the correction mode (2085) and the model pages (1518), and the
// analog-input calibration with its sign stored as -1 or 1.
#include "basecombobox.h"
#include "baseeditwidget.h"
#include "baseform.h"
#include "basestatuswidget.h"
#include "combobox.h"
#include "common.h"
#include "correction_ai.h"
#include "corrections_form.h"
#include "dialog_driver.h"
#include "echo_controller.h"
#include "itemview.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "parameters.h"
#include "pushbutton.h"
#include "rawbits.h"
#include "stackedform.h"
#include "store_driver.h"
#include "technolog_params_menu.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>

namespace {

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// A row as "kind:id:label".
QString describe(BaseForm* form, int row)
{
    QWidget* w = form->rowWidget(row);
    if (auto* edit = qobject_cast<BaseEditWidget*>(w))
        return QStringLiteral("edit:%1:%2").arg(edit->id()).arg(edit->nameLabel()->text());
    if (auto* combo = qobject_cast<BaseComboBox*>(w))
        return QStringLiteral("combo:%1:%2").arg(combo->id()).arg(combo->nameLabel()->text());
    if (auto* status = qobject_cast<BaseStatusWidget*>(w))
        return QStringLiteral("value:%1:%2").arg(status->id()).arg(status->nameLabel()->text());
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

QString row(const char* kind, int id, const QString& label = QString())
{
    return QStringLiteral("%1:%2:%3")
        .arg(QLatin1String(kind))
        .arg(id)
        .arg(label.isNull() ? Common::getTextFromId(id) : label);
}

// One correction screen as the documentation tabulates it.
struct Screen
{
    const char* className;
    const char* title;
    const char* entry;
    QList<int> coefficients;
    QList<int> measured;
    QList<int> measuredLine;
    QStringList lineLabels;
    QList<int> model;
    QList<int> modelLine;
};

QList<Screen> screens()
{
    const QStringList abc = {utf8("Коэффициент AB"), utf8("Коэффициент BC"), utf8("Коэффициент CA")};
    const QStringList uvw = {utf8("Коэффициент UV"), utf8("Коэффициент VW"), utf8("Коэффициент WU")};
    return QList<Screen>()
        << Screen{"CorrectionsCurrentIn", "Корректировка токов на входе", "Корректировка тока на входе",
                  {854, 855, 856}, {857, 858, 859}, {}, {}, {}, {}}
        << Screen{"CorrectionsVoltageIn", "Корректировка напряжений на входе", "Корректировка напряжения на входе",
                  {508, 509, 510}, {706, 707, 708}, {709, 710, 711}, abc, {}, {}}
        << Screen{"CorrectionsCurrentOut", "Корректировка токов на выходе", "Корректировка тока на выходе",
                  {511, 512, 513}, {1163, 1164, 1165}, {}, {}, {1520, 1521, 1522}, {}}
        << Screen{"CorrectionsVoltageOut", "Корректировка напряжений на выходе", "Корректировка напряжения на выходе",
                  {1403, 1404, 1405}, {1144, 1145, 1146}, {1148, 1149, 1150}, uvw, {1524, 1525, 1526},
                  {1528, 1529, 1530}}
        << Screen{"CorrectionsCurrentTrans", "Корректировка токов трансформатора",
                  "Корректировка тока трансформатора", {1406, 1407, 1408}, {1167, 1168, 1169}, {}, {},
                  {1532, 1533, 1534}, {}}
        << Screen{"CorrectionsVoltageTrans", "Корректировка напряжений трансформатора",
                  "Корректировка напряжения трансформатора", {1409, 1410, 1411}, {1152, 1153, 1154},
                  {1156, 1157, 1158}, abc, {1536, 1537, 1538}, {1540, 1541, 1542}}
        << Screen{"CorrectionsCurrentMotor", "Корректировка токов двигателя", "Корректировка тока двигателя",
                  {1412, 1413, 1414}, {2, 3, 4}, {}, {}, {1544, 1545, 1546}, {}}
        << Screen{"CorrectionsVoltageMotor", "Корректировка напряжений двигателя",
                  "Корректировка напряжения двигателя", {1415, 1416, 1417}, {716, 717, 718}, {1159, 1160, 1161},
                  abc, {1548, 1549, 1550}, {1552, 1553, 1554}};
}

// The rows the documentation gives for a screen under the three values.
QStringList expectedRows(const Screen& s, bool lineVoltage, bool valuesEntered, bool modelShown)
{
    const bool line = lineVoltage && !s.measuredLine.isEmpty();
    const QList<int> measured = line ? s.measuredLine : s.measured;
    const QList<int> model = line ? s.modelLine : s.model;
    auto coefficientLabel = [&](int phase) {
        return line ? s.lineLabels.at(phase) : Common::getTextFromId(s.coefficients.at(phase));
    };
    QStringList rows;
    if (valuesEntered) {
        for (int phase = 0; phase < 3; ++phase)
            rows << row("edit", measured.at(phase));
        for (int phase = 0; phase < 3; ++phase)
            rows << row("value", s.coefficients.at(phase), coefficientLabel(phase));
    } else {
        for (int phase = 0; phase < 3; ++phase)
            rows << row("edit", s.coefficients.at(phase), coefficientLabel(phase));
        for (int phase = 0; phase < 3; ++phase)
            rows << row("value", measured.at(phase));
    }
    if (modelShown && !model.isEmpty()) {
        for (int phase = 0; phase < 3; ++phase)
            rows << row("value", model.at(phase));
    }
    return rows;
}

} // namespace

class TestCorrections : public QObject
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
    void showCorrections()
    {
        window()->addForm(TechnologParamsMenu::createNextForm(), QStringLiteral("CorrectionsForm"));
        settle();
        QCOMPARE(currentClass(), QString("CorrectionsForm"));
        // Shown as from Back, the cursor stands on a button: start from the top.
        current()->setCurrentWidget(0);
        QTRY_VERIFY(current()->rowWidget(0)->hasFocus());
    }
    // Opens entry k (0-based) of the corrections menu with the keypad.
    void openEntry(int k)
    {
        showCorrections();
        for (int i = 0; i <= k; ++i)
            key(Qt::Key_F8);
        key(Qt::Key_F4);
        settle();
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
        m_drive.report(572, 4.f);
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

    void correctionsMenu()
    {
        m_drive.report(2085, 0.f);
        showCorrections();
        QCOMPARE(current()->title(), utf8("Корректировки").toUpper());
        QStringList rows;
        rows << row("combo", 2085);
        const QList<Screen> all = screens();
        QStringList classes;
        for (const Screen& s : all) {
            rows << utf8("sub:") + utf8(s.entry);
            classes << QLatin1String(s.className);
        }
        rows << utf8("sub:Корректировка аналоговых входов");
        classes << QStringLiteral("CorrectionAI");
        QCOMPARE(rowsOf(current()), rows);

        auto* mode = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        QCOMPARE(mode->valuesList().size(), 2);
        QCOMPARE(mode->valuesList().value(0), Common::getTextCalibType(0));
        QCOMPARE(mode->valuesList().value(1), Common::getTextCalibType(1));

        const QList<BaseForm*> children = CorrectionsForm::createNextForm();
        QStringList childClasses;
        for (BaseForm* child : children)
            childClasses << QString::fromLatin1(child->metaObject()->className());
        qDeleteAll(children);
        QCOMPARE(childClasses, classes);

        // Each button opens its screen; Back lands on the same button.
        for (int k = 0; k < classes.size(); ++k) {
            key(Qt::Key_F8);
            key(Qt::Key_F4);
            settle();
            QCOMPARE(currentClass(), classes.at(k));
            QCOMPARE(current()->objectName(), classes.at(k));
            QCOMPARE(window()->stackedForm()->currentIndexForm(), k);
            const QString title = k < all.size() ? utf8(all.at(k).title) : utf8("Корректировка аналоговых входов");
            QCOMPARE(current()->title(), title.toUpper());
            key(Qt::Key_F3);
            settle();
            QCOMPARE(currentClass(), QString("CorrectionsForm"));
            QCOMPARE(current()->currentRow(), k + 1);
            QTRY_VERIFY(current()->rowWidget(k + 1)->hasFocus());
        }
        // Back from the menu: its entry of the technologist menu.
        key(Qt::Key_F3);
        settle();
        QCOMPARE(currentClass(), QString("TechnologParamsMenu"));
        QCOMPARE(current()->currentRow(), current()->subFormButtons().value(1));
    }

    // Every screen under every combination of the three values, including
    // a mode other than 0 and 1 (it enters values) and values read as
    // 16-bit integers.
    void correctionRows()
    {
        const QList<Screen> all = screens();
        int checked = 0;
        for (int k = 0; k < all.size(); ++k) {
            const Screen& s = all.at(k);
            for (float line : {0.f, 1.f, 65536.f}) {
                for (float mode : {0.f, 1.f, 2.f, 65536.f}) {
                    for (float model : {0.f, 1.f, 65536.f}) {
                        m_drive.report(1178, line);
                        m_drive.report(2085, mode);
                        m_drive.report(1518, model);
                        const QList<BaseForm*> level = CorrectionsForm::createNextForm();
                        window()->addForm(level, QLatin1String(s.className));
                        settle();
                        const QString label = QStringLiteral("%1 1178=%2 2085=%3 1518=%4")
                                                  .arg(QLatin1String(s.className))
                                                  .arg(line)
                                                  .arg(mode)
                                                  .arg(model);
                        QVERIFY2(currentClass() == QLatin1String(s.className), qPrintable(label));
                        const QStringList expected = expectedRows(s, line == 1.f, mode == 1.f || mode == 2.f,
                                                                  model == 1.f);
                        const QStringList actual = rowsOf(current());
                        if (actual != expected)
                            qWarning() << actual << expected;
                        QVERIFY2(actual == expected, qPrintable(label));
                        ++checked;
                    }
                }
            }
        }
        QCOMPARE(checked, 8 * 36);
    }

    void documentedCases()
    {
        // Mode 0 on the input-current screen: coefficients entered.
        m_drive.report(2085, 0.f);
        openEntry(0);
        QCOMPARE(currentClass(), QString("CorrectionsCurrentIn"));
        QCOMPARE(rowsOf(current()), QStringList() << row("edit", 854) << row("edit", 855) << row("edit", 856)
                                                  << row("value", 857) << row("value", 858) << row("value", 859));

        // Line variant of the output voltages in mode 1 with the model pages.
        m_drive.report(1178, 1.f);
        m_drive.report(2085, 1.f);
        m_drive.report(1518, 1.f);
        openEntry(3);
        QCOMPARE(currentClass(), QString("CorrectionsVoltageOut"));
        QCOMPARE(rowsOf(current()), QStringList() << row("edit", 1148) << row("edit", 1149) << row("edit", 1150)
                                                  << row("value", 1403, utf8("Коэффициент UV"))
                                                  << row("value", 1404, utf8("Коэффициент VW"))
                                                  << row("value", 1405, utf8("Коэффициент WU"))
                                                  << row("value", 1528) << row("value", 1529)
                                                  << row("value", 1530));

        // Phase variant in mode 0 without them.
        m_drive.report(1178, 0.f);
        m_drive.report(2085, 0.f);
        m_drive.report(1518, 0.f);
        openEntry(3);
        QCOMPARE(rowsOf(current()), QStringList() << row("edit", 1403) << row("edit", 1404) << row("edit", 1405)
                                                  << row("value", 1144) << row("value", 1145)
                                                  << row("value", 1146));
    }

    // The mode is chosen on the menu; the screens take it when they are
    // opened and do not rebuild on later changes.
    void modeTakesEffectOnTheScreensOpenedAfter()
    {
        m_drive.report(2085, 0.f);
        m_drive.report(1178, 0.f);
        m_drive.report(1518, 0.f);
        showCorrections();
        m_echo->clearWrites();
        auto* mode = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        QTRY_VERIFY(mode->hasFocus());
        QCoreApplication::processEvents();
        key(Qt::Key_F4);
        QTRY_VERIFY(mode->comboBox()->itemView()->hasFocus());
        key(Qt::Key_F8);
        key(Qt::Key_F4);
        settle();
        QCOMPARE(m_echo->writesOf(2085).size(), 1);
        QCOMPARE(m_echo->writesOf(2085).at(0).value, bitsFromFloat(1.f));
        QCOMPARE(store()->get(2085), 1.f);

        key(Qt::Key_F8);
        key(Qt::Key_F4);
        settle();
        QCOMPARE(currentClass(), QString("CorrectionsCurrentIn"));
        QPointer<BaseForm> screen = current();
        QCOMPARE(rowsOf(current()).first(), row("edit", 857));

        m_drive.report(2085, 0.f);
        m_drive.report(1178, 1.f);
        m_drive.report(1518, 1.f);
        settle();
        QCOMPARE(current(), screen.data());
        QCOMPARE(rowsOf(current()).first(), row("edit", 857));
        QCOMPARE(current()->rowCount(), 6);
    }

    void analogInputRows()
    {
        openEntry(8);
        QCOMPARE(currentClass(), QString("CorrectionAI"));
        struct Input
        {
            int type, sign, offset, coefficient, value;
        };
        const Input inputs[] = {{1100, 1083, 1082, 1084, 821},
                                {1071, 1085, 1063, 1064, 1062},
                                {1072, 1086, 1066, 1067, 1065},
                                {1073, 1087, 1069, 1070, 1068}};
        QStringList rows;
        for (const Input& in : inputs)
            rows << row("combo", in.type) << row("combo", in.sign) << row("edit", in.offset)
                 << row("edit", in.coefficient) << row("value", in.value);
        QCOMPARE(rowsOf(current()), rows);

        auto* type = qobject_cast<BaseComboBox*>(current()->rowWidget(0));
        QCOMPARE(type->valuesList().size(), 2);
        QCOMPARE(type->valuesList().key(0), 0);
        QCOMPARE(type->valuesList().value(0), Common::getTextTypeAI(0));
        QCOMPARE(type->valuesList().key(1), 1);
        QCOMPARE(type->valuesList().value(1), Common::getTextTypeAI(1));
        auto* sign = qobject_cast<BaseComboBox*>(current()->rowWidget(1));
        QCOMPARE(sign->valuesList().size(), 2);
        QCOMPARE(sign->valuesList().key(0), -1);
        QCOMPARE(sign->valuesList().value(0), QString("-"));
        QCOMPARE(sign->valuesList().key(1), 1);
        QCOMPARE(sign->valuesList().value(1), QString("+"));
    }

    // "-" is stored as -1, never 0.
    void analogInputSign()
    {
        m_drive.report(1085, -1.f, Parameters::KindMin);
        m_drive.report(1085, 1.f, Parameters::KindMax);
        m_drive.report(1085, 1.f);
        openEntry(8);
        // Input 6's sign: row 6.
        for (int i = 0; i < 6; ++i)
            key(Qt::Key_F8);
        auto* sign = qobject_cast<BaseComboBox*>(current()->rowWidget(6));
        QVERIFY(sign);
        QCOMPARE(sign->id(), quint16(1085));
        QCOMPARE(sign->comboBox()->currentText(), QString("+"));
        QTRY_VERIFY(sign->hasFocus());
        QCoreApplication::processEvents();
        m_echo->clearWrites();
        key(Qt::Key_F4);
        QTRY_VERIFY(sign->comboBox()->itemView()->hasFocus());
        key(Qt::Key_F6);
        key(Qt::Key_F4);
        settle();
        QCOMPARE(m_echo->writesOf(1085).size(), 1);
        QCOMPARE(floatFromBits(m_echo->writesOf(1085).at(0).value), -1.f);
        QCOMPARE(sign->comboBox()->currentText(), QString("-"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestCorrections)
#include "tst_corrections.moc"
