// Parameter rows. Editing: one edit cycle run through the keypad on every
// kind of editable row (begin, end and its writes, a refused entry, break by
// Esc, F3 or loss of focus), no list turned outside it (a touch selects its
// row, the wheel turns nothing), an update never overwriting a field being
// edited, a value shown whole however short the entry its limits allow, an
// end with nothing typed or chosen writing nothing on every kind of row, a
// part of a value never received written only when typed, an end writing
// what the field shows (a change of one step, the parts of an address or a
// long number not typed into), the reading of entries, the virtual keyboard the text row is typed on. Showing: a text up
// to its first zero byte, one refresh per burst of updates, the read-only
// rows, the condition banner's cases and rule order, the modes, run-time and
// sensor rows.
#include "basecombobox.h"
#include "basecombobox2.h"
#include "baseeditwidget.h"
#include "baseform.h"
#include "basemultiparameditwidget.h"
#include "baseparamlabel.h"
#include "basestatuscheckpswwidget.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "baseuuidwidget.h"
#include "combobox.h"
#include "common.h"
#include "generalconditionwidget.h"
#include "itemview.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "regimeswidget.h"
#include "saturate.h"
#include "test_application.h"
#include "timestatewidget.h"
#include "ui_station.h"
#include "units.h"
#include "virtualkeyboard.h"

#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QtEndian>
#include <memory>

namespace {

enum Row {
    IntRow, DecRow, FreshRow, PassRow, AddrRow, LongRow, TextRow, ComboRow, ListRow, SparseRow, TimeRow,
    TenthRow, DigitRow, HoursRow, SecondsRow, ClockRow
};

// Integer (format 99999), three decimals (99.999), never reported, password
// (9999), the octets of an address, a long number of 11 digits, a text of two
// words, a bound combo, an unbound one, a combo whose value is not a choice,
// a time in hours, minutes and seconds; a tenth (99.9) holding a value beyond
// its maximum, one digit (9) never received, a time in hours (999999) that is
// zero-padded to six digits once begun, a time in seconds (9999), a date and
// time; passwords off.
const quint16 IntId = 515, DecId = 479, FreshId = 516, PassId = 573, ComboId = 517;
const char* const Baseline =
    "571=0 572=0 1372=0 515=7 515:min=0 515:max=5000 479=1.5 479:min=0 479:max=50 516:min=0 516:max=100 "
    "573=1234 573:max=9999 864=10 865=0 866=0 867=1 864:max=255 865:max=255 866:max=255 867:max=255 "
    "540=0x75BCD15 885=0x2A 1657=0x4241 1658=0 517=5 517:max=100 518=7 47:min=0 47:max=359999 "
    "790:min=0 790:max=99.9 790=100 44:min=0 44:max=5 44=nan 526:min=0 526:max=360000 526=7200";

const QString White = QStringLiteral("background: #FFFFFF; color: #000000;");
const QString Green = QStringLiteral("background: #00C600; color: #FFFFFF;");
const QString Orange = QStringLiteral("background: #FF8000; color: #FFFFFF;");
const QString Red = QStringLiteral("background: #FF0000; color: #FFFFFF;");

// Everything the banner and the modes row read, at rest: no mode on, no delay
// running, a drive chosen and linked, nothing preventing a start.
const quint16 restIds[] = {666, 447, 452, 455, 456, 460, 10001, 1391, 1392, 669, 531, 955, 15, 878, 844, 845, 846,
                           847, 848, 337, 352, 367, 382, 1248, 1265, 1282, 1299, 1799, 1821, 1843, 1865, 1887, 1909,
                           1931, 1953, 1975, 2084, 843, 1231, 1232, 1233, 1234, 1235, 1236, 1237, 1238, 1788, 1810,
                           1832, 1854, 1876, 1898, 1920, 1942, 1964, 1986, 2008, 2030, 1359, 1360, 464, 474, 483, 494,
                           499, 503, 687, 873, 961, 1116, 1599, 1606, 475, 1683, 13};
const int Reason = 3; // a reason of stop with a text of its own

PairList pairs(const QStringList& texts)
{
    PairList list;
    for (const QString& text : texts)
        list.append(text.section(QLatin1Char(' '), 0, 0).toInt(), text);
    return list;
}

QString valueText(quint16 id)
{
    const ParameterDef* def = UiStation::store()->getParameter(id);
    unTypeData data;
    data.u = def->value.load();
    return Common::getTextValue(data, def, def->validity.load() != 0, false);
}

class EditForm : public BaseForm
{
    Q_OBJECT
public:
    EditForm()
        : BaseForm(nullptr, false)
    {
        setInfo(QStringLiteral("hint"));
    }
    static PairList listChoices() { return pairs({"3 three", "4 four", "8 eight"}); }
    void createForm() override
    {
        addEdit(QStringLiteral("int"), IntId);
        addEdit(QStringLiteral("dec"), DecId);
        addEdit(QStringLiteral("fresh"), FreshId);
        addPassEdit(QStringLiteral("password"), PassId);
        addAddrEdit(QStringLiteral("address"), 864, 865, 866, 867);
        addDoubleParamEdit(QStringLiteral("long"), 540, 885);
        addStringEdit(QStringLiteral("text"), 1657, 1658);
        addComboBox(QStringLiteral("combo"), ComboId, pairs({"0 Гц", "5 Гц", "10 Гц", "200 Гц"}));
        addComboBox(QStringLiteral("list"), listChoices(), 4);
        addComboBox(QStringLiteral("sparse"), 518, pairs({"0 Гц", "5 Гц"}));
        addEdit(QStringLiteral("time"), 47);
        addEdit(QStringLiteral("tenth"), 790);
        addEdit(QStringLiteral("digit"), 44);
        addEdit(QStringLiteral("hours"), 526);
        addEdit(QStringLiteral("seconds"), 28);
        addDateTimeEdit(534);
    }
    void returnBackForm() override { ++backs; }
    int backs = 0;
};

} // namespace

class TestRows : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EditForm* m_form = nullptr;
    Parameters* m_textStore = nullptr;

    static QString hint() { return UiStation::window()->textInfo(); }
    QWidget* row(int index) { return m_form->rowWidget(index); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    static QString range(const char* min, const char* max)
    {
        return QString::fromUtf8("Диапазон допустимых значений [%1 ... %2]").arg(min, max);
    }
    static quint32 word(const char* bytes) { return qFromLittleEndian<quint32>(bytes); }
    static quint32 f(float value) { return bitsFromFloat(value); }
    Writes ip(float a, float b, float c, float d) { return {{864, f(a)}, {865, f(b)}, {866, f(c)}, {867, f(d)}}; }
    // The style state of a row's name and of its value field, the text shown.
    static int nameState(QWidget* row) { return row->findChild<QLabel*>("nameLabel_")->property("state").toInt(); }
    static int fieldState(QWidget* row) { return field(row)->property("state").toInt(); }
    static QWidget* field(QWidget* row)
    {
        QWidget* line = row->findChild<QLineEdit*>();
        return line ? line : row->findChild<QComboBox*>();
    }
    static QString shown(QWidget* row)
    {
        auto* line = qobject_cast<QLineEdit*>(field(row));
        if (!line)
            return static_cast<ComboBox*>(field(row))->shownText();
        // A password shows bullets while it is not edited.
        return line->echoMode() == QLineEdit::Normal ? line->displayText() : line->text();
    }

    // Keys by name ("F4", "Esc", "Backspace"), digits and lower-case letters as
    // typed. "Touch2" touches the open list's third item; "Lose" takes the
    // focus from the edit.
    void press(const QString& keys)
    {
        for (const QString& token : keys.split(QLatin1Char(' '))) {
            if (token == QLatin1String("Lose")) {
                if (QWidget* focus = QApplication::focusWidget())
                    focus->clearFocus();
            } else if (token.startsWith(QLatin1String("Touch"))) {
                ItemView* view = static_cast<ComboBox*>(field(row(m_form->currentRow())))->itemView();
                emit view->pressed(view->model()->index(token.mid(5).toInt(), 0));
            } else if (token.at(0).isUpper()) {
                pressKey(QKeySequence(token)[0]);
            } else {
                for (QChar c : token) {
                    if (c.isLetter())
                        QTest::keyClick(DialogDriver::openDialog<VirtualKeyboard>(), c.toLatin1());
                    else
                        typeKeys(QString(c));
                }
            }
            QCoreApplication::processEvents();
        }
        // A closed keyboard hands the activation back to no window offscreen.
        if (DialogDriver::openDialogs().isEmpty())
            QApplication::setActiveWindow(UiStation::window());
    }

    void resetStatus()
    {
        Common::setParameters(nullptr);
        for (StoreDriver drive : {m_station->drive, StoreDriver{m_textStore}}) {
            for (int id : Common::preventIdsList() + Common::delayIdsList())
                drive.report(static_cast<quint16>(qMax(id, 0)), 0.f);
            for (quint16 id : restIds)
                drive.report(id, 0.f);
            // The catalogue's placeholder id 0 names no delay: a value there is no running one.
            drive.reportAll(QStringLiteral("685=1 702=1 535=%1 0=1 1330=0").arg(Reason));
        }
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        m_textStore = new Parameters;
        report(Baseline);
        m_form = new EditForm;
        m_station->showWindow(m_form);
        QTRY_VERIFY(row(TimeRow)->isVisible());
    }

    void cleanupTestCase()
    {
        Common::setParameters(nullptr);
        delete m_textStore;
        delete m_station;
    }

    void cleanup()
    {
        // No edit left open, no warning, the list's own choices, the
        // baseline's values: each case stands alone.
        for (int i = 0; i < m_form->rowCount(); ++i)
            QMetaObject::invokeMethod(row(i), "slotEditingBreak");
        report(Baseline);
        for (int i = 0; i < m_form->rowCount(); ++i) {
            if (row(i)->metaObject()->indexOfSlot("slotUpdateValue()") >= 0)
                QMetaObject::invokeMethod(row(i), "slotUpdateValue");
        }
        DialogDriver::closeAll();
        for (BaseEditWidget* edit : m_form->findChildren<BaseEditWidget*>())
            edit->setWarning(false);
        for (BaseMultiParamEditWidget* edit : m_form->findChildren<BaseMultiParamEditWidget*>())
            edit->setWarning(false);
        qobject_cast<BaseComboBox2*>(row(ListRow))->setValuesList(EditForm::listChoices(), 4);
    }

    void rowsShowTheirValues()
    {
        const QStringList texts = {"7", "1.500", "---", "1234", "010.000.000.001", "42123456789", "AB",
                                   "5 Гц", "4 four", "7 Гц"};
        for (int i = IntRow; i <= SparseRow; ++i)
            QCOMPARE(shown(row(i)), texts.at(i));
        // A text is its bytes up to the first zero, whatever follows it; eight
        // bytes without a zero are all of it.
        const QList<QPair<const char*, const char*>> words = {
            {"1657=0x44004241 1658=0x48474645", "AB"}, {"1657=0 1658=0x48474645", ""},
            {"1657=0x44434241 1658=0x48474645", "ABCDEFGH"}, {"1657=0x4241 1658=0", "AB"}};
        for (const auto& text : words) {
            report(text.first);
            QMetaObject::invokeMethod(row(TextRow), "slotUpdateValue");
            QCOMPARE(shown(row(TextRow)), QString(text.second));
        }
        QVERIFY(!static_cast<LineEdit*>(field(row(TextRow)))->validator()); // letters are typed there
        // A part never received shows the mask's fill in its own places, a
        // list whose value never came no item of it.
        report("865=nan 885=nan 517=nan");
        for (int i : {AddrRow, LongRow, ComboRow})
            QMetaObject::invokeMethod(row(i), "slotUpdateValue");
        QCOMPARE(shown(row(AddrRow)), QString("010.000.000.001"));
        QCOMPARE(shown(row(LongRow)), QString("00123456789"));
        QCOMPARE(shown(row(ComboRow)), QString("---"));
        report(Baseline);
        QMetaObject::invokeMethod(row(ComboRow), "slotUpdateValue");
        BaseComboBox fresh(FreshId, 0);
        fresh.setValuesList(pairs({"0 Гц", "5 Гц"}));
        QCOMPARE(fresh.comboBox()->shownText(), QString("---"));
        QCOMPARE(fresh.comboBox()->currentIndex(), -1);
        // It paints "---" as an item of that text would be painted.
        ComboBox blank;
        ComboBox dashes;
        blank.addItem(QStringLiteral("5 Гц"));
        blank.setCurrentIndex(-1);
        dashes.addItem(QStringLiteral("---"));
        for (ComboBox* list : {&blank, &dashes})
            list->setFixedSize(198, 37);
        QCOMPARE(blank.grab().toImage(), dashes.grab().toImage());
        // A value outside the choices is one item more; a refresh does not add it again.
        QMetaObject::invokeMethod(row(SparseRow), "slotUpdateValue");
        QCOMPARE(static_cast<QComboBox*>(field(row(SparseRow)))->count(), 3);
        // Times with colons are masked from the maximum's digits, without a validator.
        auto* time = static_cast<LineEdit*>(field(row(TimeRow)));
        QCOMPARE(time->storedMask(), QString("00:00:00;0"));
        QVERIFY(!time->validator());
        // A report of a limit reaches the range the field shows.
        report("515:max=900");
        QMetaObject::invokeMethod(row(IntRow), "slotUpdateValue");
        QCOMPARE(static_cast<LineEdit*>(field(row(IntRow)))->maxText(), QString("900"));
        report(Baseline);
        QMetaObject::invokeMethod(row(IntRow), "slotUpdateValue");
        // An unbound list: a code not among the choices takes the first; no choices, no edit.
        auto* list = qobject_cast<BaseComboBox2*>(row(ListRow));
        list->setValuesList(pairs({"11 a", "12 b"}), 99);
        QCOMPARE(list->currentCode(), 11);
        list->setValuesList(PairList(), 3);
        list->slotEditingBegin();
        QVERIFY(!list->isEditing());
    }

    // Every case begins with F4 on the selected row.
    void editCycle_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("ended"); // 1 good, 0 refused or broken off, -1 not reported
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<QString>("after"); // empty: not checked
        QTest::addColumn<int>("state");     // of the field afterwards
        const auto add = [](const char* name, int row, const char* keys, int ended, const Writes& writes,
                            const char* after, int state) {
            QTest::newRow(name) << row << QString(keys) << ended << writes << QString(after) << state;
        };
        add("int", IntRow, "1020 F4", 1, {{IntId, f(1020)}}, "", 1);
        add("int beyond max: warning", IntRow, "6000 Enter", 0, {}, "7", 4);
        add("int F3", IntRow, "5 F3", 0, {}, "7", 1);
        add("int focus lost", IntRow, "5 Lose", 0, {}, "7", 0);
        add("int, no period", IntRow, "1.5 F4", 1, {{IntId, f(15)}}, "", 1);
        add("dec equal", DecRow, "1.5 F4", 1, {}, "", 1);
        add("dec", DecRow, "2.25 Return", 1, {{DecId, f(2.25f)}}, "", 1);
        add("zero, never received", FreshRow, "0 F4", 1, {{FreshId, f(0)}}, "", 1);
        add("password", PassRow, "12 F4", 1, {{PassId, f(1200)}}, "", 1);
        add("address", AddrRow, "192168001010 Enter", 1, ip(192, 168, 1, 10), "", 1);
        add("address unchanged", AddrRow, "010000000001 F4", 1, ip(10, 0, 0, 1), "", 1);
        add("last octet beyond: warning", AddrRow, "192168001256 F4", 0, {}, "010.000.000.001", 4);
        add("first octet beyond: warning", AddrRow, "256000000001 F4", 0, {}, "010.000.000.001", 4);
        add("address Esc", AddrRow, "111 Esc", 0, {}, "010.000.000.001", 1);
        add("long number", LongRow, "98765432101 Enter", 1, {{540, 765432101u}, {885, 98u}}, "", 1);
        // The keyboard's Enter: down to its last row, one to the left.
        add("text", TextRow, "ax Backspace b7 Down Down Down Left Enter", 1, {{1657, word("AB7\0")}, {1658, 0}}, "", 1);
        add("text of nine", TextRow, "well12345 Down Down Down Left Enter", 1,
            {{1657, word("WELL")}, {1658, word("1234")}}, "", 1);
        add("text, keyboard closed", TextRow, "q Esc Enter", 1, {{1657, word("Q\0\0\0")}, {1658, 0}}, "", 1);
        add("combo, stored item", ComboRow, "Enter", 1, {}, "5 Гц", 1);
        add("combo", ComboRow, "F8 F4", 1, {{ComboId, f(10)}}, "", 1);
        add("combo, top stops", ComboRow, "F6 F6 F6 Enter", 1, {{ComboId, f(0)}}, "", 1);
        add("combo, bottom stops, beyond max", ComboRow, "F8 F8 F8 F8 F4", 0, {}, "5 Гц", 1);
        add("combo touch", ComboRow, "Touch2", 1, {{ComboId, f(10)}}, "", 1);
        add("combo Esc", ComboRow, "F6 Esc", 0, {}, "5 Гц", 1);
        add("combo focus lost", ComboRow, "F6 Lose", 0, {}, "5 Гц", 1);
        add("list", ListRow, "F8 Return", 1, {}, "8 eight", 1);
        add("list F3", ListRow, "F6 F3", -1, {}, "4 four", 1);
    }

    void editCycle()
    {
        QFETCH(int, index);
        QFETCH(QString, keys);
        QFETCH(int, ended);
        QFETCH(Writes, writes);
        QFETCH(QString, after);
        QFETCH(int, state);
        const QStringList ranges = {range("0", "5000"), range("0.000", "50.000"), range("0", "100"),
                                    range("0000", "9999")};
        QSignalSpy spy(UiStation::store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row(index), SIGNAL(signalEditingEnd(bool)));
        selectRow(m_form, index);
        press("F4");
        QCOMPARE(nameState(row(index)), 2);
        QCOMPARE(hint(), ranges.value(index));
        press(keys);
        QCOMPARE(ends.size(), ended < 0 ? 0 : 1);
        QCOMPARE(ends.value(0).value(0).toInt(), qMax(ended, 0));
        QCOMPARE(writesOf(spy), writes);
        for (const QList<QVariant>& write : qAsConst(spy))
            QCOMPARE(write.at(2).toInt(), 1); // a screen's write
        if (!after.isEmpty())
            QCOMPARE(shown(row(index)), after);
        QCOMPARE(hint(), QString("hint"));
        QTRY_COMPARE(fieldState(row(index)), state);
        QCOMPARE(m_form->backs, 0);
    }

    void refusedAccessBeginsNothing()
    {
        report("571=1");
        m_station->answer = 0;
        for (int i = IntRow; i <= ListRow; ++i) {
            const int prompts = m_station->prompts;
            selectRow(m_form, i);
            press("F4");
            // The unbound list writes nothing and asks nothing.
            QCOMPARE(m_station->prompts, prompts + (i == ListRow ? 0 : 1));
            QCOMPARE(nameState(row(i)), i == ListRow ? 2 : 1);
        }
        m_station->answer = 1;
        report("571=0");
        press("F3"); // breaks the unbound list's edit
        // Outside the edit a touch on a list selects its row and opens
        // nothing, and the wheel turns no list either way.
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        for (int i : {ComboRow, ListRow, SparseRow}) {
            selectRow(m_form, IntRow);
            auto* list = static_cast<ComboBox*>(field(row(i)));
            const QString before = shown(row(i));
            QTest::mouseClick(list, Qt::LeftButton);
            QCOMPARE(m_form->currentRow(), i);
            QVERIFY(!list->isPopupVisible());
            for (int delta : {120, -120}) {
#if QT_VERSION >= QT_VERSION_CHECK(5, 12, 0)
                QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, delta),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
#else
                QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, delta), delta,
                                  Qt::Vertical, Qt::NoButton, Qt::NoModifier);
#endif
                QCoreApplication::sendEvent(list, &wheel);
                QCOMPARE(shown(row(i)), before);
            }
            QVERIFY(!list->isPopupVisible());
        }
        QCOMPARE(writes.size(), 0);
    }

    // An update while the field is edited is not shown; the break shows it.
    void updateNeverOverwritesEdit()
    {
        // Row (number, address, combo), keys, update, shown during the edit and after its break.
        const QList<QStringList> cases = {{"0", "F4 3", "515=42", "3", "42"},
                                          {"4", "F4 1", "867=3", "100.000.000.000", "010.000.000.003"},
                                          {"7", "F4 F8", "517=0", "5 Гц", "0 Гц"}};
        for (const QStringList& c : cases) {
            selectRow(m_form, c.at(0).toInt());
            press(c.at(1));
            report(c.at(2));
            QMetaObject::invokeMethod(row(c.at(0).toInt()), "slotUpdateValue"); // what the refresh runs
            QCOMPARE(shown(row(c.at(0).toInt())), c.at(3));
            press("F3");
            QCOMPARE(shown(row(c.at(0).toInt())), c.at(4));
        }
        report(Baseline);
    }

    // The warning stays until the next accepted entry. The field's keys: the
    // first clears, Left and Right stop at the ends, Up and Down stay inside.
    void warningAndKeysInsideTheField()
    {
        selectRow(m_form, IntRow);
        press("F4 6000 F4 F8");
        QTRY_COMPARE(fieldState(row(IntRow)), 3);
        selectRow(m_form, IntRow);
        QCOMPARE(fieldState(row(IntRow)), 4);
        press("F4 8 F4");
        QCOMPARE(fieldState(row(IntRow)), 1);
        auto* line = static_cast<LineEdit*>(field(row(IntRow)));
        press("F4 F5"); // the first key clears, even a cursor key
        QCOMPARE(line->displayText(), QString());
        press("1234 F5 F5 F5 F5 F5");
        QCOMPARE(line->cursorPosition(), 0);
        press("F7 F7 F7 F7 F7 F7 F8 F6"); // Right stops before the maximum length; Up and Down stay
        QCOMPARE(line->cursorPosition(), line->maxLength() - 1);
        QCOMPARE(nameState(row(IntRow)), 2);
        press("F3 Esc"); // the second Esc goes back from the screen
        QCOMPARE(m_form->backs, 1);
        m_form->backs = 0;
        report("1372=1"); // asked to, a good edit moves the cursor on
        press("F4 9 F4");
        QCOMPARE(m_form->currentRow(), int(DecRow));
        report("1372=0");
    }

    // A value is shown whole, however short an entry of the row's limits
    // is, and an end with nothing typed writes nothing: a value beyond the
    // maximum, one never received in a one-digit field, times in hours or
    // minutes, which the begin puts in zero-padded, and times with colons in
    // the layout of the mask, one wider than the maximum's under a mask
    // widened for it.
    void fieldShowsTheWholeValue_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("unit"); // 0: the database's
        QTest::addColumn<QString>("value"); // reported first; empty: the baseline's
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<QString>("begun");
        QTest::addColumn<bool>("ok");
        QTest::newRow("beyond the maximum") << int(TenthRow) << 0 << "" << "100.0" << "100.0" << false;
        QTest::newRow("never received, one digit") << int(DigitRow) << 0 << "" << "---" << "---" << false;
        QTest::newRow("hours") << int(HoursRow) << 0 << "" << "2" << "000002" << true;
        QTest::newRow("minutes") << int(HoursRow) << 4 << "" << "120" << "000120" << true;
        QTest::newRow("hh:mm:ss beyond the maximum")
            << int(TimeRow) << 0 << "47=360000" << "100:00:00" << "100:00:00" << false;
        QTest::newRow("ss:ms, a field narrower than the maximum's")
            << int(TimeRow) << 3 << "47=61005" << "61:005" << "061:005" << true;
    }
    void fieldShowsTheWholeValue()
    {
        QFETCH(int, index);
        QFETCH(int, unit);
        QFETCH(QString, value);
        QFETCH(QString, shownText);
        QFETCH(QString, begun);
        QFETCH(bool, ok);
        report(value);
        auto* edit = static_cast<BaseEditWidget*>(row(index));
        ParameterDef* def = UiStation::store()->getParameter(edit->id());
        struct UnitBack
        {
            ParameterDef* def;
            quint8 unit;
            ~UnitBack() { def->unitOut = unit; }
        } back{def, def->unitOut};
        if (unit)
            def->unitOut = quint8(unit);
        edit->slotUpdateValue();
        QCOMPARE(shown(edit), shownText);
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        QSignalSpy ends(edit, &BaseEditWidget::signalEditingEnd);
        selectRow(m_form, index);
        press("F4");
        QVERIFY(edit->isEditing());
        QCOMPARE(shown(edit), begun);
        press("Enter");
        checkEnded(edit, ends, ok);
        QCOMPARE(writesOf(writes), Writes());
        edit->slotUpdateValue();
        QCOMPARE(shown(edit), shownText);
    }

    // Every row that ends an edit, four cases each. A value within its
    // limits, one beyond its maximum and one never received (shown so, ended
    // after a cursor key, and reported while the field is edited) end with
    // nothing typed and write nothing, whatever the field holds then: a value
    // it cannot show whole, a mask's fill, a value changed meanwhile. The
    // values within the limits are ones the field shows rounded or cut where
    // it can; the text's maximum is its format's length. One digit typed over
    // a value beyond the maximum writes what was typed, bounded by the limits
    // again.
    void untouchedEndWritesNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("setup"); // "unit=N" or "format=X": the row's (first) definition for the case
        // Edits run one after the other: "reported before the begin (the row
        // refreshed)|reported while the field is edited|keys after the begin".
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<bool>("ok"); // how every edit ends
        struct Kind
        {
            const char* name;
            int row;
            const char* setup;
            const char* within;
            const char* beyond;
            bool beyondOk; // rows that check no maximum keep such a value as good
            const char* never;
            const char* end;
            const char* digit;
            Writes typed;
            const char* changed; // reported while the list is open; nullptr: no such case
        };
        const char* const keyboardEnter = "Down Down Down Left Enter";
        const Kind kinds[] = {
            {"number", IntRow, "", "515=7.6", "515=12345", false, "515=nan", "Enter", "1", {{515, f(1)}}, nullptr},
            {"time 3 ss:ms", TimeRow, "unit=3", "47=61005.4", "47=1000000", false, "47=nan", "Enter", "1",
             {{47, f(100000)}}, nullptr},
            {"time 4 minutes", SecondsRow, "unit=4", "28=125", "28=360030", false, "28=nan", "Enter", "1",
             {{28, f(60)}}, nullptr},
            {"time 5 mm:ss", TimeRow, "unit=5", "47=125.4", "47=6000000", false, "47=nan", "Enter", "1",
             {{47, f(60000)}}, nullptr},
            {"time 6 hours", SecondsRow, "unit=6", "28=3725", "28=360060", false, "28=nan", "Enter", "1",
             {{28, f(3600)}}, nullptr},
            {"time 7 hh:mm", TimeRow, "unit=7", "47=3725", "47=360000", false, "47=nan", "Enter", "1",
             {{47, f(36000)}}, nullptr},
            {"time 8 hh:mm:ss", TimeRow, "", "47=3725.4", "47=360000", false, "47=nan", "Enter", "1",
             {{47, f(36000)}}, nullptr},
            {"hours", HoursRow, "", "526=7260", "526=363600", false, "526=nan", "Enter", "1", {{526, f(3600)}},
             nullptr},
            {"minutes", HoursRow, "unit=4", "526=7230", "526=360030", false, "526=nan", "Enter", "1",
             {{526, f(60)}}, nullptr},
            {"password", PassRow, "", "573=42.6", "573=12345", false, "573=nan", "Enter", "1", {{PassId, f(1000)}},
             nullptr},
            // The value beyond is in the part the first digit is typed into;
            // it takes the whole text away, and the mask's fill is written.
            {"address", AddrRow, "", "864=10 865=0 866=0 867=1", "864=1000 865=0 866=0 867=1", false,
             "864=10 865=nan 866=0 867=1", "Enter", "1", ip(100, 0, 0, 0), nullptr},
            {"long number", LongRow, "", "540=0x75BCD15 885=0x2A", "540=0x75BCD15 885=0x3E8", true,
             "540=nan 885=0x2A", "Enter", "1", {{540, 0u}, {885, 10u}}, nullptr},
            {"text", TextRow, "format=nnnn", "1657=0x4241 1658=0", "1657=0x44434241 1658=0x48474645", true,
             "1657=nan 1658=0", keyboardEnter, "b", {{1657, word("B\0\0\0")}, {1658, 0u}}, nullptr},
            {"date and time", ClockRow, "", "534=0x65E078C8", "534=0x77359401", true, "534=nan", "Enter", "Left 2",
             {{534, 2000000002u}}, nullptr},
            {"date", ClockRow, "unit=2", "534=0x65E078C8", "534=0x77359401", true, "534=nan", "Enter", "Left 1",
             {{534, 1999382400u}}, nullptr},
            // A choice is a move of the list's cursor or a touch.
            {"combo", ComboRow, "", "517=5", "517=200", false, "517=nan", "Enter", "F6", {{ComboId, f(10)}},
             "517=0"},
        };
        for (const Kind& kind : kinds) {
            const auto edit = [&](const char* before, const char* during, const QString& keys) {
                return QStringLiteral("%1|%2|%3").arg(QLatin1String(before), QLatin1String(during), keys);
            };
            const auto add = [&](const char* name, const QStringList& edits, const Writes& writes, bool ok) {
                QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(kind.name), QLatin1String(name))))
                    << kind.row << QString(kind.setup) << edits << writes << ok;
            };
            const QString end = QString::fromLatin1(kind.end);
            add("within its limits", {edit(kind.within, "", end)}, {}, true);
            add("beyond its maximum", {edit(kind.beyond, "", end)}, {}, kind.beyondOk);
            // A cursor key moves or clears, but types nothing (the text row's
            // keyboard is reached by cursor keys anyway).
            QStringList never{edit(kind.never, "", end), edit(kind.within, kind.never, end)};
            if (kind.row == ComboRow)
                never << edit(kind.never, "", QStringLiteral("F6 ") + end); // no item to move from
            else if (kind.row != TextRow)
                never << edit(kind.never, "", QStringLiteral("Right ") + end);
            add("never received", never, {}, false);
            add("one digit typed", {edit(kind.beyond, "", QString::fromLatin1(kind.digit) + QLatin1Char(' ') + end)},
                kind.typed, true);
            if (kind.changed)
                add("changed by the controller during the edit", {edit(kind.within, kind.changed, end)}, {}, true);
        }
        // A part never received is written only when the operator typed it.
        // A cursor key first leaves the field as shown, the mask's fill in
        // that part: one digit typed into another part is refused. Typed
        // into that part, it is written, and the parts not typed into as the
        // field shows them, also one the controller changed during the edit.
        const auto parts = [](const char* name, int row, const char* before, const char* during, const char* keys,
                              const Writes& writes, bool ok) {
            QTest::newRow(name) << row << QString() << QStringList{QStringLiteral("%1|%2|%3").arg(before, during, keys)}
                                << writes << ok;
        };
        const char* const secondOctetNever = "864=10 865=nan 866=0 867=1";
        const char* const highNever = "540=0x75BCD15 885=nan";
        parts("address: one part never received, a digit typed into another", AddrRow, secondOctetNever, "",
              "Left 5 Enter", {}, false);
        parts("address: one part never received and typed", AddrRow, secondOctetNever, "867=3",
              "Left Left Left Left Left Left Left Left Left 1 Enter", ip(10, 100, 0, 1), true);
        parts("long number: one part never received, a digit typed into another", LongRow, highNever, "",
              "Left 5 Enter", {}, false);
        parts("long number: one part never received and typed", LongRow, highNever, "540=0x3ADE68B1",
              "Left Left Left Left Left Left Left Left Left Left 7 Enter", {{540, 123456789u}, {885, 7u}}, true);
        // The edit begins with the whole field selected: the first digit
        // takes the selection away, but is typed into the first part alone.
        parts("address: one part never received, the first digit typed", AddrRow, secondOctetNever, "", "1 Enter", {},
              false);
        parts("long number: the low part never received, the first digit typed", LongRow, "540=nan 885=0x2A", "",
              "1 Enter", {}, false);
    }
    void untouchedEndWritesNothing()
    {
        QFETCH(int, index);
        QFETCH(QString, setup);
        QFETCH(QStringList, edits);
        QFETCH(Writes, writes);
        QFETCH(bool, ok);
        QWidget* edit = row(index);
        auto* single = qobject_cast<BaseParamWidget*>(edit);
        auto* multi = qobject_cast<BaseMultiParamEditWidget*>(edit);
        ParameterDef* def = UiStation::store()->getParameter(single ? single->id() : multi->ids().first());
        struct DefinitionBack
        {
            ParameterDef* def;
            quint8 unit;
            QString format;
            ~DefinitionBack()
            {
                def->unitOut = unit;
                def->mask = format;
            }
        } back{def, def->unitOut, def->mask};
        if (setup.startsWith(QLatin1String("unit=")))
            def->unitOut = quint8(setup.mid(5).toUInt());
        else if (setup.startsWith(QLatin1String("format=")))
            def->mask = setup.mid(7);
        QSignalSpy sent(UiStation::store(), &Parameters::signalParamWrite);
        QSignalSpy ends(edit, SIGNAL(signalEditingEnd(bool)));
        std::unique_ptr<QSignalSpy> told(single ? new QSignalSpy(single, &BaseParamWidget::signalSetValue) : nullptr);
        for (const QString& step : qAsConst(edits)) {
            // The limits of the rows that have none in the baseline; the
            // clock's edit follows a declined deletion of the archives at level 3.
            report("28:min=0 28:max=360000 534:min=0 534:max=2000000000 572=3");
            report(step.section(QLatin1Char('|'), 0, 0));
            QMetaObject::invokeMethod(edit, "slotUpdateValue");
            selectRow(m_form, index);
            {
                DialogDriver driver;
                if (index == ClockRow)
                    driver.answerWith(Qt::Key_Return); // "Нет" has the focus
                press("F4");
            }
            QVERIFY2(nameState(edit) == 2, "the edit to begin");
            report(step.section(QLatin1Char('|'), 1, 1));
            press(step.section(QLatin1Char('|'), 2));
            QVERIFY2(nameState(edit) != 2, qPrintable("the edit to end: " + step));
        }
        const quint32 held = def->value.load();
        report(Baseline);
        QCOMPARE(writesOf(sent), writes);
        QCOMPARE(ends.size(), edits.size());
        for (const QList<QVariant>& end : qAsConst(ends))
            QCOMPARE(end.at(0).toBool(), ok);
        // A good end with nothing typed confirms the value held then, as
        // entering it again would (the settings wizard counts on it); a
        // date and time is never told.
        if (single && ok && writes.isEmpty() && Units::quantity(def->physic.load()) != 1) {
            QCOMPARE(told->size(), edits.size());
            QCOMPARE(told->last().at(1).value<quint32>(), held);
        }
        // A refusal shows in red on the rows that have a warning state.
        if (!ok && index != PassRow && index != ComboRow)
            QCOMPARE(fieldState(edit), 4);
    }

    // Enter writes what the field shows then, once. A change of one step, up
    // or down, on a row of three decimals and on one of one decimal: a float
    // lies a little off its decimal (1.402 is 1.40199995...), and cut to the
    // step below, it fell on the stored value's step. On an address and a
    // long number the parts not typed into too: the first digit takes the
    // whole selected text away and leaves the mask's fill; after a cursor key
    // the other parts keep the stored value.
    void enterWritesWhatTheFieldShows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("keys"); // after F4
        QTest::addColumn<QString>("atEnter");
        QTest::addColumn<Writes>("writes");
        const auto step = [](const char* name, int row, const char* stored, const char* typed) {
            QTest::newRow(name) << row << QString(stored) << QString(typed) << QString(typed)
                                << Writes{{row == DecRow ? DecId : quint16(790), f(QString(typed).toFloat())}};
        };
        step("three decimals, 1.401 to 1.402", DecRow, "479=1.401", "1.402");
        step("three decimals, 1.402 to 1.401", DecRow, "479=1.402", "1.401");
        step("one decimal, 50.2 to 50.3", TenthRow, "790=50.2", "50.3");
        step("one decimal, 50.3 to 50.2", TenthRow, "790=50.3", "50.2");
        const char* const address = "864=10 865=20 866=30 867=1";
        const char* const number = "540=0x75BCD15 885=0x2A";
        QTest::newRow("address, one digit") << int(AddrRow) << address << "1"
                                            << "100.000.000.000" << ip(100, 0, 0, 0);
        QTest::newRow("address, a cursor key and a digit")
            << int(AddrRow) << address << "Left 7" << "010.020.030.007" << ip(10, 20, 30, 7);
        QTest::newRow("long number, one digit")
            << int(LongRow) << number << "1" << "10000000000" << Writes{{540, 0u}, {885, 10u}};
        QTest::newRow("long number, a cursor key and a digit")
            << int(LongRow) << number << "Left 5" << "42123456785" << Writes{{540, 123456785u}, {885, 42u}};
    }
    void enterWritesWhatTheFieldShows()
    {
        QFETCH(int, index);
        QFETCH(QString, stored);
        QFETCH(QString, keys);
        QFETCH(QString, atEnter);
        QFETCH(Writes, writes);
        QWidget* edit = row(index);
        report(stored);
        QMetaObject::invokeMethod(edit, "slotUpdateValue");
        QSignalSpy sent(UiStation::store(), &Parameters::signalParamWrite);
        QSignalSpy ends(edit, SIGNAL(signalEditingEnd(bool)));
        selectRow(m_form, index);
        press("F4 " + keys);
        QCOMPARE(shown(edit), atEnter);
        press("Enter");
        QVERIFY2(nameState(edit) != 2, "the edit to end");
        QCOMPARE(ends.size(), 1);
        QVERIFY(ends.at(0).at(0).toBool());
        QCOMPARE(writesOf(sent), writes);
    }

    // Once the first key has cleared a widened field, the entry is bounded by
    // the limits again: Right stops before the fourth place of 0 ... 99.9;
    // limits reported later bound the next entry.
    void entryBoundedByTheLimitsAgain()
    {
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        selectRow(m_form, TenthRow);
        press("F4 99.95");
        QCOMPARE(shown(row(TenthRow)), QString("99.9"));
        press("F5 F5 F5 F5 F7 F7 F7 F7 F7");
        QCOMPARE(static_cast<LineEdit*>(field(row(TenthRow)))->cursorPosition(), 3);
        press("F4");
        QCOMPARE(writesOf(writes), (Writes{{790, f(99.9f)}}));
        report("790=100");
        QMetaObject::invokeMethod(row(TenthRow), "slotUpdateValue");
        QCOMPARE(shown(row(TenthRow)), QString("100.0"));
        // A maximum reported meanwhile bounds the next entry.
        report("790:max=999.9");
        QMetaObject::invokeMethod(row(TenthRow), "slotUpdateValue");
        press("F4 999.9 F4");
        report("790:max=99.9");
        QCOMPARE(writesOf(writes).value(1), qMakePair(quint16(790), f(999.9f)));
    }

    // Times and dates as the operator types them, by display unit; unsigned
    // numbers above the maximum are written, below the minimum refused.
    void entries()
    {
        report("534:min=10 534:max=1000");
        // Id, display unit, entry, the value written (empty: refused).
        const QList<QStringList> cases = {
            {"47", "5", "02:30", "150"}, {"47", "7", "02:30", "9000"}, {"47", "8", "01:02:03", "3723"},
            {"534", "2", "24.02.29", "1709164800"}, {"534", "2", "23.02.29", ""}, {"534", "1", "2024.02.29", ""},
            {"534", "1", "2024.02.29 01:00:05", "1709168405"}, {"534", "3", "4000000000", "4000000000"},
            {"534", "3", "5", ""}};
        for (const QStringList& c : cases) {
            BaseEditWidget edit(quint16(c.at(0).toUInt()), 0);
            ParameterDef* def = UiStation::store()->getParameter(edit.id());
            const quint8 before = def->unitOut;
            def->unitOut = quint8(c.at(1).toUInt());
            QSignalSpy writes(&edit, &BaseParamWidget::signalParamWrite);
            QCOMPARE(edit.setValue(c.at(2)), !c.at(3).isEmpty());
            def->unitOut = before;
            // Times are written as floats, dates and unsigned numbers as they are.
            const quint32 raw = edit.id() == 47 ? bitsFromFloat(c.at(3).toFloat()) : c.at(3).toUInt();
            QCOMPARE(writes.value(0).value(1).value<quint32>(), c.at(3).isEmpty() ? 0u : raw);
            QCOMPARE(writes.size(), c.at(3).isEmpty() ? 0 : 1);
        }
    }

    // Moves wrap, stop once on each wide key and keep the column through one;
    // keys are typed and touched.
    void virtualKeyboard()
    {
        QPointer<VirtualKeyboard> keyboard = new VirtualKeyboard(UiStation::window());
        keyboard->show();
        // From row and column, keys, the keys reached.
        const QList<QStringList> moves = {{"35", "F7 F7 F7", "Del Enter U"}, {"30", "F5 F5 Left", "Enter Del Z"},
                                          {"00", "Left F7 F6 F8", "9 0 U 0"},
                                          {"09", "Down F8 F8 F5 F6", "J T Enter Del R"}};
        for (const QStringList& move : moves) {
            keyboard->mousePress(move.at(0).at(0).digitValue(), move.at(0).at(1).digitValue());
            QStringList seen;
            for (const QString& key : move.at(1).split(QLatin1Char(' '))) {
                press(key);
                seen << keyboard->currentKey()->text();
            }
            QCOMPARE(seen.join(QLatin1Char(' ')), move.at(2));
            QCOMPARE(keyboard->focusWidget(), static_cast<QWidget*>(keyboard->currentKey()));
        }
        QSignalSpy entered(keyboard.data(), &VirtualKeyboard::entered);
        for (char c : {'a', 'z', '0', '9', '-'})
            QTest::keyClick(keyboard, c);
        press("Backspace");
        QTest::mouseClick(keyboard->key(2, 3), Qt::LeftButton);
        QTest::mouseClick(keyboard->key(3, 7), Qt::LeftButton); // the second cell of a wide key
        QStringList texts;
        for (const QList<QVariant>& args : qAsConst(entered))
            texts << args.at(0).toString();
        QCOMPARE(texts, (QStringList{"A", "Z", "0", "9", "Del", "N", "Del"}));
        press("F3");
        QTRY_VERIFY2(!keyboard, "the keyboard deletes itself when closed");
    }

    // Each row refreshes once per burst of updates, after its own delay, not
    // while hidden, and at once when shown.
    void refreshOncePerBurst()
    {
        const QStringList bursts = {"480=3 480=4 480=5", "464=1 503=1 464=0", "528=10 13=2 529=11",
                                    "15011=1 15010=3 15011=2", "1313=0x9abcdef0 1312=0xab0001"};
        for (int kind = 0; kind < bursts.size(); ++kind) {
            resetStatus();
            report("1312=0 15011=0");
            QWidget host;
            const QTimer* timer = nullptr;
            QLabel* label = nullptr;
            const auto take = [&](auto* widget) { timer = widget->refreshTimer(); label = widget->valueLabel(); };
            if (kind == 0)
                take(new BaseStatusWidget(480, 0, &host));
            else if (kind == 1)
                take(new RegimesWidget(&host));
            else if (kind == 2)
                take(new TimeStateWidget(&host));
            else if (kind == 3)
                take(new BaseStatusCheckPswWidget(15010, 15011, &host));
            else
                take(new BaseUuidWidget(1312, 1313, 1314, 1315, &host));
            QWidget* row = label->parentWidget();
            (new QVBoxLayout(&host))->addWidget(row);
            QVERIFY(timer->interval() >= 400 && timer->interval() <= 580 && timer->interval() % 20 == 0);
            host.show();
            const QString before = label->text();
            QSignalSpy refreshes(timer, &QTimer::timeout);
            const QStringList reports = bursts.at(kind).split(QLatin1Char(' '));
            report(reports.first());
            QVERIFY2(timer->isActive(), qPrintable("an update starts the refresh of " + bursts.at(kind)));
            report(QStringList(reports.mid(1)).join(QLatin1Char(' ')));
            QCOMPARE(label->text(), before);
            // Updates go on every 50 ms: the refresh follows the first, not the last.
            QElapsedTimer stream;
            stream.start();
            // The refresh may come inside a report as well as in the wait.
            while (refreshes.isEmpty() && stream.elapsed() < 3000 && !refreshes.wait(50))
                report(reports.last());
            QVERIFY2(refreshes.size() == 1, qPrintable("a stream of updates held back " + bursts.at(kind)));
            QVERIFY(!timer->isActive() && label->text() != before);
            const QString shownText = label->text();
            QMetaObject::invokeMethod(row, "slotUpdateValue");
            QCOMPARE(label->text(), shownText); // the refresh saw the whole burst
            host.hide();
            report(reports.first() + QStringLiteral(" 13=0 15011=0 1312=0x1"));
            QVERIFY(!timer->isActive());
            host.show();
            QVERIFY(label->text() != shownText);
            QCOMPARE(refreshes.size(), 1);
        }
    }

    void readOnlyRows()
    {
        BaseStatusWidget bits(480, 0);
        bits.setBitEnabled(true);
        report("480=0x5");
        bits.slotUpdateValue();
        QCOMPARE(bits.valueLabel()->text(), QString("0000000000000101b"));
        report("480=nan");
        bits.slotUpdateValue();
        QCOMPARE(bits.valueLabel()->text(), QString("---"));
        // A code outside the list keeps the text shown, on a text row and on a label.
        BaseStatusTextWidget text(1001, 0);
        text.setValuesList(pairs({"0 zero"}));
        BaseParamLabel label(1001, QStringList() << "a" << "b" << "c");
        BaseUuidWidget uuid(1312, 1313, 1314, 1315);
        for (const char* words : {"1312=0x00ab0001 1313=0x9abcdef0 1314=0x0fedcba9 1315=0x21", "1312=0"}) {
            report(words);
            uuid.slotUpdateValue(); // a first word of 0 keeps the text
            QCOMPARE(uuid.valueLabel()->text(), QString("00AB0001-9ABC-DEF0-0FED-CBA900000021"));
        }
        for (const char* code : {"1001=0", "1001=3", "1001=-1", "1001=nan"}) {
            report(code);
            text.slotUpdateValue();
            label.slotUpdateValue();
            QCOMPARE(text.valueTextLabel()->text(), QString("0 zero"));
            QCOMPARE(label.label()->text(), QString("a"));
        }
    }

    void bannerCases_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("preventFree"); // texts from a store in which nothing prevents a start
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("text"); // {c} condition, {r} reason, {prevent}, {v:id} a value
        const auto add = [](const char* name, const char* setup, bool free, const QString& colour,
                            const QString& text) {
            QTest::newRow(name) << QString(setup) << free << colour << text;
        };
        const auto delay = [](int id) {
            return "{c}<br>" + Common::protectionNamesList().at(Common::delayIdsList().indexOf(id));
        };
        add("braking", "666=1", false, White, "{c}");
        add("start, periodic", "666=2 447=1 452=3725", false, Green, "{c}<br>До останова: {v:452}");
        add("run, F1 equal to F2", "666=3 455=1 10001=50 456=50 460=50 1391=1 1392=2", false, Green,
            "{c}<br>До перехода на F2: {v:1391}<br>До перехода на F1: {v:1392}");
        add("delay, none running", "666=4", false, Orange, "{c}<br>");
        add("first running delay wins", "666=4 731=1 755=1", false, Orange, delay(731));
        add("delay of the drive", "666=4 755=5 844=7", false, Orange,
            delay(755) + ". " + Common::getTextVsdWarning(7, true));
        add("delay of input 21, low 16 bits", "666=4 1982=1 1975=65538", false, Orange,
            delay(1982) + " " + Common::getTextDiParameter(2));
        add("waiting for restart", "666=5 531=125", false, Orange, "{c}<br>{r}<br>До пуска: {v:531}");
        add("waiting for guaranteed restart", "666=5 669=1 531=125", false, Orange,
            "{c}<br>{r}<br>До гарант. пуска: {v:531}");
        add("blocked", "666=6", false, Red, "{c}<br>{r}");
        add("prevented, even with no drive type", "666=0 44=1 685=0", false, Red, "ПУСК ЗАПРЕЩЕН<br>{prevent}");
        add("no drive type, low 16 bits", "666=0 685=65536", true, Red, "ПУСК ЗАПРЕЩЕН<br>Не выбран тип ЧРП");
        add("no drive type before no link", "666=0 685=0 702=0", true, Red, "ПУСК ЗАПРЕЩЕН<br>Не выбран тип ЧРП");
        add("no link before delayed start", "666=0 702=0 955=1 15=1", true, Red, "ПУСК ЗАПРЕЩЕН<br>Нет связи с ЧРП");
        add("delayed before guaranteed start", "666=0 955=1 669=1 15=2 878=60", false, Orange, "{c}<br>{r}");
        add("guaranteed start", "666=0 669=1 15=2 878=60", false, Orange, "{c}<br>{r}<br>Запуск: {v:878}");
        add("guaranteed start needs mode 2", "666=0 669=1 15=1", false, White, "{c}<br>{r}");
        add("condition never received", "666=nan", false, White, "{c}<br>{r}");
    }

    void bannerCases()
    {
        QFETCH(QString, setup);
        QFETCH(bool, preventFree);
        QFETCH(QString, colour);
        QFETCH(QString, text);
        resetStatus();
        report(setup);
        if (preventFree)
            Common::setParameters(m_textStore);
        text.replace("{c}", Common::getTextCondition(saturatingInt(UiStation::store()->get(666))));
        text.replace("{r}", Common::getTextReasonStop(Reason)).replace("{prevent}", Common::getTextPrevent());
        const QRegularExpression value(QStringLiteral("\\{v:(\\d+)\\}"));
        for (QRegularExpressionMatch m = value.match(text); m.hasMatch(); m = value.match(text))
            text.replace(m.capturedStart(), m.capturedLength(), valueText(quint16(m.captured(1).toUInt())));
        GeneralConditionWidget banner;
        banner.show();
        QCOMPARE(banner.conditionLabel()->styleSheet(), colour);
        QCOMPARE(banner.conditionLabel()->text(), "<div style=\"line-height:90%\"><center>" + text + "</center></div>");
    }

    // The style sheet is set at the first refresh and then only when the case
    // changes; every condition code and every rule is a case of its own.
    void bannerStyleOnlyOnChangeOfCase()
    {
        resetStatus();
        GeneralConditionWidget banner;
        QVERIFY(banner.refreshTimer()->isActive() && !banner.refreshTimer()->isSingleShot());
        banner.show();
        QLabel* label = banner.conditionLabel();
        // Setup, and whether it sets the style: a new code of the same colour does, two rules of one colour too.
        const QStringList steps = {"666=3 447=1 452=10 +", "452=20 -", "666=2 +", "666=0 447=0 955=1 15=1 +",
                                   "955=0 669=1 15=2 +", "878=5 -"};
        for (const QString& step : steps) {
            label->setStyleSheet(QStringLiteral("/* kept */"));
            report(step.section(QLatin1Char(' '), 0, -2));
            banner.slotUpdateValue();
            QCOMPARE(label->styleSheet() != QLatin1String("/* kept */"), step.endsWith(QLatin1Char('+')));
        }
        report("666=6"); // its own timer keeps it current
        QTRY_COMPARE(label->styleSheet(), Red);
    }

    void regimesAndRunTime()
    {
        resetStatus();
        // Each step adds to the last; guaranteed start shows only with periodic
        // mode, a delayed start only with a start mode.
        const QList<QPair<const char*, const char*>> modes = {
            {"447=1 669=1", "Периодический + Гарант. пуск"}, {"447=0 955=1", ""},
            {"669=0 494=1 961=203", "Опт.U(-)"}, {"494=0 474=1 475=10", "Поддерж."},
            {"447=1 455=1 687=201 464=1 474=1 1683=1 475=3 494=1 961=400 503=1 483=1 873=201 499=1 1116=101 1599=1 "
             "1606=206 15=1",
             "Периодический + Черед. F.(F2) + ВНР + Следов.Ан. вх. 1 + Опт.U(П) + Токоогр. + Встряхивание(F1) + "
             "ПркчЗ + Пркч РН(К) + Отложенный пуск"}};
        RegimesWidget regimes;
        regimes.show();
        for (const auto& mode : modes) {
            report(mode.first);
            regimes.slotUpdateValue();
            QCOMPARE(regimes.valueLabel()->text(), QString(mode.second));
        }
        TimeStateWidget time;
        time.show();
        for (const char* motor : {"0", "1", "2", "-1", "nan"}) {
            report(QStringLiteral("13=%1 528=3700 529=125").arg(motor));
            time.slotUpdateValue();
            const bool running = QByteArray(motor) == "2" || QByteArray(motor) == "-1";
            QCOMPARE(time.nameLabel()->text(), running ? QString("В работе") : QString("Останов"));
            QCOMPARE(time.valueLabel()->text(), valueText(running ? 528 : 529));
        }
    }

    // The cell shows the sensor's status, wide and without unit, in place of
    // its value; one oil company names the sensor's channel instead.
    void sensorCell()
    {
        report("1330=0 15010=12.5 15011=0");
        BaseStatusCheckPswWidget cell(15010, 15011);
        cell.show();
        const QString value = cell.valueLabel()->text();
        // Another status leaves the cell as it is; status 0 shows the value again.
        const QList<QPair<const char*, QString>> steps = {
            {"15011=1", "Нет датчика"}, {"15011=2", "Отказ датчика"}, {"15011=7", "Отказ датчика"},
            {"1330=1 15011=2", "Q"},    {"15011=0", value}};
        for (const auto& step : steps) {
            report(step.first);
            cell.slotUpdateValue();
            QCOMPARE(cell.valueLabel()->text(), step.second);
            QCOMPARE(cell.valueLabel()->width(), step.second == value ? 93 : 169);
            QCOMPARE(cell.unitLabel()->isHidden(), step.second != value);
        }
    }
};

VRX_TEST_APPLICATION_MAIN(TestRows)
#include "tst_rows.moc"
