// Parameter rows: the refresh after the randomised delay, the read-only rows,
// the entry reading of the base, and the numeric edit row's begin, type, end
// and break cycle driven with the keypad's keys.
#include "baseeditwidget.h"
#include "baseform.h"
#include "baseparamlabel.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "parameterdef.h"
#include "rawbits.h"
#include "test_application.h"
#include "ui_station.h"

#include <QLabel>

namespace {

// Integer (mask 99999), three decimals (99.999), never reported, time h:m:s.
const quint16 IntId = 515;
const quint16 DecId = 479;
const quint16 FreshId = 516;
const quint16 TimeId = 47;
const quint16 StatusId = 480;
const quint16 TextId = 1001;

class EditForm : public BaseForm
{
    Q_OBJECT
public:
    EditForm()
        : BaseForm(nullptr, true)
    {
        setObjectName(QLatin1String(metaObject()->className()));
        setInfo(QStringLiteral("hint"));
    }
    void createForm() override
    {
        addEdit(QStringLiteral("int"), IntId);
        addEdit(QStringLiteral("dec"), DecId);
        addEdit(QStringLiteral("fresh"), FreshId);
        addEdit(QStringLiteral("time"), TimeId);
        addStatusNum(QStringLiteral("status"), StatusId);
        PairList list;
        list.append(0, QStringLiteral("zero"));
        list.append(2, QStringLiteral("two"));
        addStatusText(QStringLiteral("text"), TextId, list);
    }
    void returnBackForm() override { ++backs; }
    int backs = 0;
};

} // namespace

class TestUiEdit : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EditForm* m_form = nullptr;

    Parameters* store() { return UiStation::store(); }
    MainWindow* window() { return UiStation::window(); }
    BaseEditWidget* edit(int row) { return qobject_cast<BaseEditWidget*>(m_form->rowWidget(row)); }
    QLabel* statusLabel() { return qobject_cast<BaseStatusWidget*>(m_form->rowWidget(4))->valueLabel(); }
    QLabel* textLabel() { return qobject_cast<BaseStatusTextWidget*>(m_form->rowWidget(5))->valueTextLabel(); }
    void report(const QString& reports) { m_station->drive.reportAll(reports); }
    // Types an entry into the row and ends it with endKey.
    void enter(int row, const QString& keys, int endKey = Qt::Key_F4)
    {
        selectRow(m_form, row);
        pressKey(Qt::Key_F4);
        typeKeys(keys);
        pressKey(endKey);
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        // Passwords off: levels 1 and 2 need none.
        report("571=0 1372=0 515=7 515:min=0 515:max=5000 479=1.5 479:min=0 479:max=50 516:min=0 516:max=100 "
               "480=2.5 1001=2");
        m_form = new EditForm;
        m_station->showWindow(m_form);
    }

    void cleanupTestCase() { delete m_station; }

    void rowsShowValuesAndTheirDefinition()
    {
        QCOMPARE(edit(0)->lineEdit()->text(), QString("7"));
        QCOMPARE(edit(1)->lineEdit()->text(), QString("1.500"));
        QCOMPARE(edit(2)->lineEdit()->text(), QString("---"));
        QCOMPARE(statusLabel()->text(), QString("2.500"));
        QCOMPARE(textLabel()->text(), QString("two"));
        QCOMPARE(edit(1)->lineEdit()->decimals(), 3);
        QCOMPARE(edit(0)->lineEdit()->decimals(), 0);
        QCOMPARE(edit(0)->lineEdit()->minText(), QString("0"));
        QCOMPARE(edit(0)->lineEdit()->maxText(), QString("5000"));
        QCOMPARE(edit(0)->lineEdit()->maxLength(), 4);
        QVERIFY(edit(0)->lineEdit()->validator());
        // Time in hours, minutes and seconds is masked, with no validator.
        QVERIFY(edit(3)->lineEdit()->storedMask().endsWith(";0"));
        QVERIFY(edit(3)->lineEdit()->storedMask().contains(':'));
        QVERIFY(!edit(3)->lineEdit()->validator());
    }

    void editCycleWritesExactBits()
    {
        selectRow(m_form, 0);
        BaseEditWidget* row = edit(0);
        QCOMPARE(row->state(), 1);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseEditWidget::signalEditingEnd);
        pressKey(Qt::Key_F4);
        QVERIFY(row->isEditing());
        QCOMPARE(row->state(), 2);
        QVERIFY(row->lineEdit()->hasFocus());
        QCOMPARE(window()->textInfo(), QString::fromUtf8("Диапазон допустимых значений [0 ... 5000]"));
        typeKeys("1020"); // the first digit replaces the old value, real zeros stay
        QCOMPARE(row->lineEdit()->displayText(), QString("1020"));
        pressKey(Qt::Key_F4);
        checkEnded(row, ends, true);
        QCOMPARE(writesOf(writes), (Writes{{IntId, bitsFromFloat(1020.0f)}}));
        QCOMPARE(writes.at(0).at(2).toInt(), 1);
        QVERIFY(!row->isWarning());
        QCOMPARE(window()->textInfo(), QString("hint"));
        QTRY_VERIFY(row->hasFocus());
        QCOMPARE(row->state(), 1);
        QCOMPARE(row->lineEdit()->property("state").toInt(), 1);
    }

    void outOfRangeKeepsOldValueInWarning()
    {
        BaseEditWidget* row = edit(0);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseEditWidget::signalEditingEnd);
        enter(0, "6000", Qt::Key_Enter);
        checkEnded(row, ends, false);
        QCOMPARE(writes.size(), 0);
        QVERIFY(row->isWarning());
        QCOMPARE(row->lineEdit()->text(), QString("7"));
        QCOMPARE(row->lineEdit()->property("state").toInt(), 4); // warning and selected
        // Moving away shows the plain warning state.
        pressKey(Qt::Key_F8);
        QTRY_VERIFY(!row->hasFocus());
        QCOMPARE(row->lineEdit()->property("state").toInt(), 3);
        // The next accepted entry clears it.
        enter(0, "8");
        QCOMPARE(writes.size(), 1);
        QVERIFY(!row->isWarning());
    }

    void breakRestoresAndSecondEscGoesBack()
    {
        BaseEditWidget* row = edit(0);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseEditWidget::signalEditingEnd);
        enter(0, "5", Qt::Key_F3);
        checkEnded(row, ends, false);
        QCOMPARE(writes.size(), 0);
        QCOMPARE(row->lineEdit()->text(), QString("7"));
        QCOMPARE(window()->textInfo(), QString("hint"));
        QTRY_VERIFY(row->hasFocus());
        QCOMPARE(m_form->backs, 0);
        pressKey(Qt::Key_Escape);
        QCOMPARE(m_form->backs, 1);
    }

    void refusedAccessChangesNothing()
    {
        report("571=1 572=0");
        m_station->answer = 0;
        const int prompts = m_station->prompts;
        selectRow(m_form, 0);
        pressKey(Qt::Key_F4);
        QCOMPARE(m_station->prompts, prompts + 1);
        QVERIFY(!edit(0)->isEditing());
        QCOMPARE(edit(0)->state(), 1);
        m_station->answer = 1;
        report("571=0");
    }

    void updateNeverOverwritesFieldBeingEdited()
    {
        selectRow(m_form, 0);
        BaseEditWidget* row = edit(0);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        pressKey(Qt::Key_F4);
        typeKeys("3");
        report("515=42");
        row->slotUpdateValueStart(); // what the refresh timer runs
        QCOMPARE(row->lineEdit()->displayText(), QString("3"));
        pressKey(Qt::Key_F4);
        QCOMPARE(writesOf(writes), (Writes{{IntId, bitsFromFloat(3.0f)}}));
        // After the edit the row shows the store again.
        row->slotUpdateValueStart();
        QCOMPARE(row->lineEdit()->text(), QString("42"));
    }

    void entriesAndTheirWrites_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Writes>("writes");
        // A zero to a parameter never received is a change; an equal value is none.
        QTest::newRow("zero, never received") << 2 << "0" << "0" << Writes{{FreshId, bitsFromFloat(0.0f)}};
        QTest::newRow("equal value") << 1 << "1.5" << "1.5" << Writes{};
        // A period only where there are decimals.
        QTest::newRow("period, no decimals") << 0 << "1.5" << "15" << Writes{{IntId, bitsFromFloat(15.0f)}};
        QTest::newRow("period, decimals") << 1 << "2.25" << "2.25" << Writes{{DecId, bitsFromFloat(2.25f)}};
    }

    void entriesAndTheirWrites()
    {
        QFETCH(int, row);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(Writes, writes);
        QSignalSpy spy(store(), &Parameters::signalParamWrite);
        QSignalSpy sets(edit(row), &BaseParamWidget::signalSetValue);
        QSignalSpy ends(edit(row), &BaseEditWidget::signalEditingEnd);
        selectRow(m_form, row);
        pressKey(Qt::Key_F4);
        typeKeys(keys);
        QCOMPARE(edit(row)->lineEdit()->displayText(), shown);
        pressKey(Qt::Key_F4);
        checkEnded(edit(row), ends, true);
        QCOMPARE(sets.size(), 1);
        QCOMPARE(writesOf(spy), writes);
    }

    void cursorKeysInsideTheField()
    {
        selectRow(m_form, 0);
        pressKey(Qt::Key_F4);
        LineEdit* field = edit(0)->lineEdit();
        pressKey(Qt::Key_F5); // the first key clears, even a cursor key
        QCOMPARE(field->displayText(), QString());
        typeKeys("1234");
        for (int i = 0; i < 5; ++i)
            pressKey(Qt::Key_F5);
        QCOMPARE(field->cursorPosition(), 0);
        for (int i = 0; i < 6; ++i)
            pressKey(Qt::Key_F7);
        QCOMPARE(field->cursorPosition(), field->maxLength() - 1);
        pressKey(Qt::Key_F8); // Up and Down stay inside the edit
        QVERIFY(edit(0)->isEditing());
        pressKey(Qt::Key_F3);
    }

    void autoMoveAfterGoodEdit()
    {
        report("1372=1");
        enter(0, "9");
        QCOMPARE(m_form->currentRow(), 1);
        report("1372=0");
    }

    void limitReportRefreshesRange()
    {
        report("515:max=900");
        edit(0)->slotUpdateValueStart();
        QCOMPARE(edit(0)->lineEdit()->maxText(), QString("900"));
        report("515:max=5000");
        edit(0)->slotUpdateValueStart();
    }

    // --- the base and the read-only rows ------------------------------------------------

    void refreshIsDelayedMergedAndOnlyWhileVisible()
    {
        auto* status = qobject_cast<BaseStatusWidget*>(m_form->rowWidget(4));
        QVERIFY(status->refreshInterval() >= 400 && status->refreshInterval() <= 580);
        QCOMPARE(status->refreshInterval() % 20, 0);
        report("480=3");
        QVERIFY(status->isRefreshPending());
        report("480=4 480=5");
        QCOMPARE(statusLabel()->text(), QString("2.500"));
        QTRY_COMPARE(statusLabel()->text(), QString("5.000"));
        QVERIFY(!status->isRefreshPending());
        // Hidden: no refresh is even scheduled; shown again: current at once.
        m_form->hide();
        report("480=6");
        QVERIFY(!status->isRefreshPending());
        m_form->show();
        QCOMPARE(statusLabel()->text(), QString("6.000"));
    }

    void bitModeAndInvalid()
    {
        BaseStatusWidget row(StatusId, 0);
        row.setBitEnabled(true);
        report("480=0x5");
        row.slotUpdateValue();
        QCOMPARE(row.valueLabel()->text(), QString("0000000000000101b"));
        report("480=nan");
        row.slotUpdateValue();
        QCOMPARE(row.valueLabel()->text(), QString("---"));
    }

    // A code outside the list keeps the text shown; so does a label's.
    void unknownCodeKeepsText()
    {
        auto* text = qobject_cast<BaseStatusTextWidget*>(m_form->rowWidget(5));
        report("1001=0");
        text->slotUpdateValue();
        QCOMPARE(textLabel()->text(), QString("zero"));
        report("1001=1");
        text->slotUpdateValue();
        QCOMPARE(textLabel()->text(), QString("zero"));

        BaseParamLabel label(TextId, QStringList() << "a" << "b" << "c");
        for (const char* code : {"1001=1", "1001=3", "1001=-1"}) {
            report(code);
            label.slotUpdateValue();
            QCOMPARE(label.label()->text(), QString("b"));
        }
        BaseParamLabel plain(DecId, QStringList());
        plain.slotUpdateValue();
        QCOMPARE(plain.label()->text(), QString("1.500"));
    }

    void unsignedEntries()
    {
        BaseStatusWidget row(FreshId, 0);
        QSignalSpy writes(&row, &BaseParamWidget::signalParamWrite);
        QVERIFY(row.setValue(500u)); // above the maximum: written
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.at(0).at(1).value<quint32>(), 500u);
        report("516:min=10");
        QVERIFY(!row.setValue(5u));
        QCOMPARE(writes.size(), 1);
        report("516:min=0");
    }

    void timeAndDateEntries_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<quint32>("raw");
        const quint16 date = 534;
        QTest::newRow("minutes") << int(TimeId) << 5 << "02:30" << true << bitsFromFloat(150.f);
        QTest::newRow("hours") << int(TimeId) << 7 << "02:30" << true << bitsFromFloat(9000.f);
        QTest::newRow("h:m:s") << int(TimeId) << 8 << "01:02:03" << true << bitsFromFloat(3723.f);
        QTest::newRow("date") << int(date) << 2 << "24.02.29" << true << 1709164800u;
        QTest::newRow("no such date") << int(date) << 2 << "23.02.29" << false << 0u;
        QTest::newRow("date and time") << int(date) << 1 << "2024.02.29 01:00:05" << true << 1709168405u;
        QTest::newRow("date without time") << int(date) << 1 << "2024.02.29" << false << 0u;
    }

    void timeAndDateEntries()
    {
        QFETCH(int, id);
        QFETCH(int, unit);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(quint32, raw);
        report("47:min=0 47:max=1e6");
        BaseStatusWidget row(quint16(id), 0);
        ParameterDef* def = store()->getParameter(quint16(id));
        const quint8 before = def->unitOut;
        def->unitOut = quint8(unit);
        // Times are set as quantities, dates written as they are.
        QSignalSpy sets(&row, id == TimeId ? &BaseParamWidget::signalSetValue : &BaseParamWidget::signalParamWrite);
        QCOMPARE(row.setValue(text), accepted);
        def->unitOut = before;
        QCOMPARE(sets.size(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(sets.last().at(1).value<quint32>(), raw);
    }
};

VRX_TEST_APPLICATION_MAIN(TestUiEdit)
#include "tst_ui_edit.moc"
