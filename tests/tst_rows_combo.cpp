// Combo box rows: the popup list driven by the keypad's keys and by touch,
// the code written for a choice, values outside the list, and the one end
// signal every edit gives its screen.
#include "basecombobox.h"
#include "basecombobox2.h"
#include "baseform.h"
#include "combobox.h"
#include "itemview.h"
#include "mainwindow.h"
#include "rawbits.h"
#include "test_application.h"
#include "ui_station.h"

namespace {

const quint16 ComboId = 515;
const quint16 OtherId = 516;

PairList pairs(const QList<QPair<int, QString>>& items)
{
    PairList list;
    for (const auto& item : items)
        list.append(item.first, item.second);
    return list;
}

class ComboForm : public BaseForm
{
    Q_OBJECT
public:
    ComboForm()
        : BaseForm(nullptr, false)
    {
        setObjectName(QLatin1String(metaObject()->className()));
        setInfo(QStringLiteral("hint"));
    }
    void createForm() override
    {
        bound = new BaseComboBox(ComboId, 0);
        bound->setName(QStringLiteral("bound"));
        bound->setValuesList(pairs({{0, QString::fromUtf8("0 Гц")}, {5, "5 Гц"}, {10, "10 Гц"}}));
        addWidget(bound);
        sparse = new BaseComboBox(OtherId, 1);
        sparse->setValuesList(pairs({{0, QString::fromUtf8("0 Гц")}, {5, "5 Гц"}}));
        addWidget(sparse);
        unbound = new BaseComboBox2(2);
        unbound->setName(QStringLiteral("unbound"));
        unbound->setValuesList(pairs({{3, "three"}, {4, "four"}, {8, "eight"}}), 4);
        addWidget(unbound);
    }
    void returnBackForm() override { ++backs; }

    BaseComboBox* bound = nullptr;
    BaseComboBox* sparse = nullptr;
    BaseComboBox2* unbound = nullptr;
    int backs = 0;
};

} // namespace

class TestRowsCombo : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    ComboForm* m_form = nullptr;

    Parameters* store() { return UiStation::store(); }
    MainWindow* window() { return UiStation::window(); }
    // Opens the popup of a row with the keypad.
    void begin(int row, ComboBox* combo)
    {
        selectRow(m_form, row);
        pressKey(Qt::Key_F4);
        QVERIFY(combo->isPopupVisible());
        QTRY_VERIFY(combo->itemView()->hasFocus());
    }
    // The popup is gone, the screen's hint back, the row selected, and no
    // second end signal follows.
    template <typename Row>
    void checkClosed(Row* row, const QSignalSpy& ends, bool ok)
    {
        checkEnded(row, ends, ok);
        QVERIFY(!row->comboBox()->isPopupVisible());
        QCOMPARE(window()->textInfo(), QString("hint"));
        QTRY_VERIFY(row->hasFocus());
        QTest::qWait(50);
        QCOMPARE(ends.size(), 1);
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        // Passwords off: levels 1 and 2 need none.
        m_station->drive.reportAll("571=0 1372=0 515=5 515:min=0 515:max=100 516=7 516:min=0 516:max=100");
        m_form = new ComboForm;
        m_station->showWindow(m_form);
        QTRY_VERIFY(m_form->bound->isVisible());
    }

    void cleanupTestCase() { delete m_station; }

    void rowShowsStoredChoice()
    {
        ComboBox* combo = m_form->bound->comboBox();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentText(), QString::fromUtf8("5 Гц"));
    }

    void valueOutsideListIsAppendedWithUnitWord()
    {
        ComboBox* combo = m_form->sparse->comboBox();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(combo->currentText(), QString::fromUtf8("7 Гц"));
        QCOMPARE(combo->itemData(2).toInt(), 7);
        // The next refresh finds the item: no second copy.
        m_form->sparse->slotUpdateValue();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 2);
    }

    void popupEnds_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<float>("max");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<QString>("shown");
        using L = QList<int>;
        QTest::newRow("stored item") << L{Qt::Key_Enter} << 100.f << true << Writes{} << "5 Гц";
        QTest::newRow("other item") << L{Qt::Key_F8, Qt::Key_F4} << 100.f << true
                                    << Writes{{ComboId, bitsFromFloat(10.0f)}} << "10 Гц";
        QTest::newRow("Esc") << L{Qt::Key_F6, Qt::Key_Escape} << 100.f << false << Writes{} << "5 Гц";
        QTest::newRow("F3") << L{Qt::Key_F6, Qt::Key_F3} << 100.f << false << Writes{} << "5 Гц";
        // 10 is beyond a maximum of 8: refused, nothing written.
        QTest::newRow("beyond the maximum") << L{Qt::Key_F8, Qt::Key_F4} << 8.f << false << Writes{} << "5 Гц";
    }

    void popupEnds()
    {
        QFETCH(QList<int>, keys);
        QFETCH(float, max);
        QFETCH(bool, ok);
        QFETCH(Writes, writes);
        QFETCH(QString, shown);
        BaseComboBox* row = m_form->bound;
        m_station->drive.report(ComboId, max, Parameters::KindMax);
        row->slotUpdateValue();
        QSignalSpy spy(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseComboBox::signalEditingEnd);
        begin(0, row->comboBox());
        QVERIFY(row->isEditing());
        QCOMPARE(row->state(), 2);
        QCOMPARE(window()->textInfo(), QString());
        for (int key : keys)
            pressKey(key);
        checkClosed(row, ends, ok);
        QCOMPARE(row->state(), 1);
        QCOMPARE(writesOf(spy), writes);
        if (!writes.isEmpty())
            QCOMPARE(spy.at(0).at(2).toInt(), 1);
        QCOMPARE(row->comboBox()->currentText(), shown);
        QCOMPARE(m_form->backs, 0);
        // The controller has not confirmed: the row shows the stored value again.
        row->slotUpdateValue();
        QCOMPARE(row->comboBox()->currentText(), QString::fromUtf8("5 Гц"));
        m_station->drive.report(ComboId, 100.f, Parameters::KindMax);
    }

    void listDoesNotWrapAndEscGoesBackWhenIdle()
    {
        BaseComboBox* row = m_form->bound;
        ItemView* view = row->comboBox()->itemView();
        begin(0, row->comboBox());
        pressKey(Qt::Key_Up);
        pressKey(Qt::Key_F6);
        QCOMPARE(view->currentIndex().row(), 0);
        pressKey(Qt::Key_F6); // Up on the first item stays there
        QCOMPARE(view->currentIndex().row(), 0);
        pressKey(Qt::Key_Down);
        pressKey(Qt::Key_F8);
        QCOMPARE(view->currentIndex().row(), 2);
        pressKey(Qt::Key_F8); // Down on the last item stays there
        QCOMPARE(view->currentIndex().row(), 2);
        pressKey(Qt::Key_Escape);
        QVERIFY(!row->isEditing());
        // Not editing, Esc is the screen's: it goes back.
        QTRY_VERIFY(row->hasFocus());
        pressKey(Qt::Key_Escape);
        QCOMPARE(m_form->backs, 1);
    }

    void touchOnItemEndsWithIt()
    {
        BaseComboBox* row = m_form->sparse;
        ItemView* view = row->comboBox()->itemView();
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseComboBox::signalEditingEnd);
        begin(1, row->comboBox());
        emit view->pressed(view->model()->index(1, 0));
        QCoreApplication::processEvents();
        checkClosed(row, ends, true);
        QCOMPARE(row->comboBox()->currentIndex(), 1);
        QCOMPARE(writesOf(writes), (Writes{{OtherId, bitsFromFloat(5.0f)}}));
    }

    void keysFromKeyboardReachTheList()
    {
        // A desktop keyboard sends a shortcut override first; the popup's
        // container must not take Enter from the list.
        BaseComboBox* row = m_form->bound;
        ItemView* view = row->comboBox()->itemView();
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseComboBox::signalEditingEnd);
        begin(0, row->comboBox());
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(view->currentIndex().row(), 0);
        QTest::keyClick(view, Qt::Key_Return);
        checkEnded(row, ends, true);
        QCOMPARE(writesOf(writes), (Writes{{ComboId, bitsFromFloat(0.0f)}}));

        begin(0, row->comboBox());
        QTest::keyClick(view, Qt::Key_Escape);
        QCOMPARE(ends.size(), 2);
        QCOMPARE(ends.at(1).at(0).toBool(), false);
        QCOMPARE(writes.size(), 1);
        QVERIFY(!row->comboBox()->isPopupVisible());
    }

    void refusedAccessOpensNothing()
    {
        m_station->drive.reportAll("571=1 572=0");
        m_station->answer = 0;
        const int prompts = m_station->prompts;
        selectRow(m_form, 0);
        pressKey(Qt::Key_F4);
        QCOMPARE(m_station->prompts, prompts + 1);
        QVERIFY(!m_form->bound->isEditing());
        QVERIFY(!m_form->bound->comboBox()->isPopupVisible());
        m_station->answer = 1;
        m_station->drive.reportAll("571=0");
    }

    void mouseOnComboSelectsRowAndWheelIsIgnored()
    {
        selectRow(m_form, 0);
        BaseComboBox* row = m_form->sparse;
        QSignalSpy presses(row, &BaseComboBox::mousePress);
        QTest::mousePress(row->comboBox(), Qt::LeftButton);
        QCOMPARE(presses.size(), 1);
        QCOMPARE(presses.at(0).at(0).toInt(), 1);
        QVERIFY(!row->comboBox()->isPopupVisible());
        const int before = row->comboBox()->currentIndex();
#if QT_VERSION >= QT_VERSION_CHECK(5, 12, 0)
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(0, -120), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
#else
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(0, -120), QPoint(0, -120), -120, Qt::Vertical,
                          Qt::NoButton, Qt::NoModifier);
#endif
        QCoreApplication::sendEvent(row->comboBox(), &wheel);
        QCOMPARE(row->comboBox()->currentIndex(), before);
    }

    void losingFocusWhileIdleGivesNormalState()
    {
        selectRow(m_form, 0);
        QCOMPARE(m_form->bound->state(), 1);
        QCOMPARE(m_form->bound->comboBox()->property("state").toInt(), 1);
        selectRow(m_form, 1);
        QCOMPARE(m_form->bound->state(), 0);
        QCOMPARE(m_form->bound->comboBox()->property("state").toInt(), 0);
    }

    void unboundComboKeepsChosenCode()
    {
        BaseComboBox2* row = m_form->unbound;
        QCOMPARE(row->currentCode(), 4);
        QCOMPARE(row->comboBox()->currentText(), QString("four"));
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseComboBox2::signalEditingEnd);
        const int prompts = m_station->prompts;
        begin(2, row->comboBox());
        QCOMPARE(m_station->prompts, prompts); // no access asked
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_Return);
        QCOMPARE(row->currentCode(), 8);
        checkClosed(row, ends, true);
        QCOMPARE(writes.size(), 0);

        // A break keeps the code and tells the screen nothing.
        begin(2, row->comboBox());
        pressKey(Qt::Key_F6);
        pressKey(Qt::Key_F3);
        QVERIFY(!row->isEditing());
        QCOMPARE(row->currentCode(), 8);
        QTest::qWait(50);
        QCOMPARE(ends.size(), 1);
        QCOMPARE(window()->textInfo(), QString("hint"));
    }

    void emptyListOrUnknownCurrent()
    {
        BaseComboBox2 row(0);
        row.setValuesList(PairList(), 3);
        row.slotEditingBegin();
        QVERIFY(!row.isEditing());
        BaseComboBox bound(ComboId, 0);
        bound.slotEditingBegin();
        QVERIFY(!bound.isEditing());
        // An unknown current code reports the first.
        row.setValuesList(pairs({{11, "a"}, {12, "b"}}), 99);
        QCOMPARE(row.comboBox()->currentIndex(), 0);
        QCOMPARE(row.currentCode(), 11);
    }
};

VRX_TEST_APPLICATION_MAIN(TestRowsCombo)
#include "tst_rows_combo.moc"
