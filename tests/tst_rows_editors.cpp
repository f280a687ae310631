// Rows over several parameters: the IPv4 address over four octets, the long
// number over a low and a high part, the eight-character text over two words
// typed on the virtual keyboard, and the UUID over four words.
#include "baseaddreditwidget.h"
#include "basedoubleparameditwidget.h"
#include "baseform.h"
#include "basestringeditwidget.h"
#include "baseuuidwidget.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "rawbits.h"
#include "test_application.h"
#include "ui_station.h"
#include "virtualkeyboard.h"

#include <QLabel>

namespace {

// Octets of the IP address; a long number (low part format of 11 digits) and
// one whose low part has a format of 5; the well pad name; a sensor UUID.
const quint16 Octets[] = {864, 865, 866, 867};
const quint16 LongLow = 540;
const quint16 LongHigh = 885;
const quint16 ShortLow = 515;
const quint16 TextFirst = 1657;
const quint16 TextSecond = 1658;
const quint16 Uuid[] = {1312, 1313, 1314, 1315};

class EditorsForm : public BaseForm
{
    Q_OBJECT
public:
    EditorsForm()
        : BaseForm(nullptr, false)
    {
        setObjectName(QLatin1String(metaObject()->className()));
        setInfo(QStringLiteral("hint"));
    }
    void createForm() override
    {
        address = new BaseAddrEditWidget(Octets[0], Octets[1], Octets[2], Octets[3], 0);
        address->setName(QStringLiteral("address"));
        addWidget(address);
        longNumber = new BaseDoubleParamEditWidget(LongLow, LongHigh, 1);
        addWidget(longNumber);
        shortNumber = new BaseDoubleParamEditWidget(ShortLow, 516, 2);
        addWidget(shortNumber);
        text = new BaseStringEditWidget(TextFirst, TextSecond, 3);
        addWidget(text);
        uuid = new BaseUuidWidget(Uuid[0], Uuid[1], Uuid[2], Uuid[3]);
        uuid->setName(QStringLiteral("uuid"));
        addWidget(uuid);
    }
    void returnBackForm() override { ++backs; }

    BaseAddrEditWidget* address = nullptr;
    BaseDoubleParamEditWidget* longNumber = nullptr;
    BaseDoubleParamEditWidget* shortNumber = nullptr;
    BaseStringEditWidget* text = nullptr;
    BaseUuidWidget* uuid = nullptr;
    int backs = 0;
};

quint32 word(const char* bytes)
{
    return quint32(quint8(bytes[0])) | quint32(quint8(bytes[1])) << 8 | quint32(quint8(bytes[2])) << 16
           | quint32(quint8(bytes[3])) << 24;
}

Writes octetWrites(float a, float b, float c, float d)
{
    return {{864, bitsFromFloat(a)}, {865, bitsFromFloat(b)}, {866, bitsFromFloat(c)}, {867, bitsFromFloat(d)}};
}

} // namespace

class TestRowsEditors : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    EditorsForm* m_form = nullptr;

    Parameters* store() { return UiStation::store(); }
    MainWindow* window() { return UiStation::window(); }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        // Passwords off.
        m_station->drive.reportAll("571=0 572=0 1372=0 864=10 865=0 866=0 867=1 540=0x75BCD15 885=0x2A 515=0x4D "
                                   "516=0x5 1657=0x4241 1658=0 1312=0");
        for (quint16 id : Octets)
            m_station->drive.reportAll(QStringLiteral("%1:min=0 %1:max=255").arg(id));
        m_form = new EditorsForm;
        m_station->showWindow(m_form);
        QTRY_VERIFY(m_form->address->isVisible());
    }

    void cleanupTestCase() { delete m_station; }

    void fieldsShowTheirParts()
    {
        LineEdit* address = m_form->address->lineEdit();
        QCOMPARE(address->displayText(), QString("010.000.000.001"));
        QCOMPARE(address->inputMask(), QString("000.000.000.000;0"));
        QVERIFY(!address->validator());
        // The stored definition keeps its own quantity.
        QCOMPARE(store()->getParameter(Octets[0])->physic.load(), 0u);

        QCOMPARE(BaseDoubleParamEditWidget::highDigits(11), 2);
        QCOMPARE(BaseDoubleParamEditWidget::highDigits(9), 0);
        QCOMPARE(BaseDoubleParamEditWidget::highDigits(5), 0);
        QCOMPARE(m_form->longNumber->lineEdit()->displayText(), QString("42123456789"));
        QCOMPARE(m_form->longNumber->lineEdit()->inputMask(), QString("99999999999;0"));
        QVERIFY(!m_form->longNumber->lineEdit()->validator());
        QCOMPARE(m_form->shortNumber->lineEdit()->displayText(), QString("00077"));
    }

    // Digits typed on the keypad, ended with Enter.
    void keypadEntries_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Writes>("writes");
        QTest::newRow("address") << 0 << "192168001010" << "192.168.001.010" << octetWrites(192, 168, 1, 10);
        // Every octet is written, even when unchanged.
        QTest::newRow("address unchanged") << 0 << "010000000001" << "010.000.000.001" << octetWrites(10, 0, 0, 1);
        QTest::newRow("last octet too large") << 0 << "192168001256" << "010.000.000.001" << Writes{};
        QTest::newRow("first octet too large") << 0 << "256000000001" << "010.000.000.001" << Writes{};
        QTest::newRow("long number: low and high parts")
            << 1 << "98765432101" << "98765432101" << Writes{{LongLow, 765432101u}, {LongHigh, 98u}};
        QTest::newRow("short format: no high part") << 2 << "12345" << "12345" << Writes{{ShortLow, 12345u}};
    }

    void keypadEntries()
    {
        QFETCH(int, row);
        QFETCH(QString, digits);
        QFETCH(QString, shown);
        QFETCH(Writes, writes);
        auto* widget = qobject_cast<BaseMultiParamEditWidget*>(m_form->rowWidget(row));
        QSignalSpy spy(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(widget, &BaseMultiParamEditWidget::signalEditingEnd);
        selectRow(m_form, row);
        pressKey(Qt::Key_F4);
        QVERIFY(widget->isEditing());
        QVERIFY(widget->lineEdit()->hasFocus());
        QCOMPARE(window()->textInfo(), QString());
        typeKeys(digits);
        if (!writes.isEmpty())
            QCOMPARE(widget->lineEdit()->displayText(), shown);
        pressKey(Qt::Key_Return);
        checkEnded(widget, ends, !writes.isEmpty());
        QCOMPARE(writesOf(spy), writes);
        QCOMPARE(widget->lineEdit()->displayText(), shown);
        QCOMPARE(window()->textInfo(), QString("hint"));
        QTRY_VERIFY(widget->hasFocus());
        QCOMPARE(widget->state(), 1);
    }

    void addressBreakRestores()
    {
        BaseAddrEditWidget* row = m_form->address;
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseAddrEditWidget::signalEditingEnd);
        selectRow(m_form, 0);
        pressKey(Qt::Key_F4);
        QVERIFY(row->isEditing());
        QCOMPARE(row->state(), 2);
        typeKeys("111");
        pressKey(Qt::Key_Escape);
        checkEnded(row, ends, false);
        QCOMPARE(writes.size(), 0);
        QCOMPARE(row->lineEdit()->displayText(), QString("010.000.000.001"));
        QTRY_VERIFY(row->hasFocus());
        QCOMPARE(row->state(), 1);
        QCOMPARE(m_form->backs, 0);
        pressKey(Qt::Key_Escape);
        QCOMPARE(m_form->backs, 1);
    }

    void addressRefreshesAfterUpdateButNotWhileEdited()
    {
        LineEdit* field = m_form->address->lineEdit();
        m_station->drive.report(Octets[3], 2.f);
        QTRY_COMPARE(field->displayText(), QString("010.000.000.002"));
        selectRow(m_form, 0);
        pressKey(Qt::Key_F4);
        typeKeys("1");
        m_station->drive.report(Octets[3], 3.f);
        QTest::qWait(200);
        // The first digit replaced the selected address; the update did not touch it.
        QCOMPARE(field->displayText(), QString("100.000.000.000"));
        pressKey(Qt::Key_F3);
        QCOMPARE(field->displayText(), QString("010.000.000.003"));
    }

    void textShowsBytesUpToFirstZero()
    {
        LineEdit* field = m_form->text->lineEdit();
        QCOMPARE(field->text(), QString("AB"));
        QVERIFY(!field->validator()); // letters are typed here
        QCOMPARE(field->maxLength(), 8);
        QCOMPARE(BaseStringEditWidget::wordsText(word("ABCD"), word("EFGH")), QString("ABCDEFGH"));
        QCOMPARE(BaseStringEditWidget::wordsText(word("AB\0D"), word("EFGH")), QString("AB"));
        QCOMPARE(BaseStringEditWidget::wordsText(0u, word("EFGH")), QString());
        quint32 first = 0, second = 0;
        BaseStringEditWidget::textWords(QStringLiteral("AB"), &first, &second);
        QCOMPARE(first, word("AB\0\0"));
        QCOMPARE(second, 0u);
    }

    void textTypedOnKeyboardWritesBothWords()
    {
        BaseStringEditWidget* row = m_form->text;
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseStringEditWidget::signalEditingEnd);
        selectRow(m_form, 3);
        pressKey(Qt::Key_F4);
        QVERIFY(row->isEditing());
        QPointer<VirtualKeyboard> keyboard = row->keyboard();
        QVERIFY(keyboard);
        QVERIFY(keyboard->isVisible());
        QCOMPARE(keyboard->parentWidget(), static_cast<QWidget*>(row));
        QCOMPARE(row->lineEdit()->text(), QString()); // cleared for the entry
        QCoreApplication::processEvents();
        // The keyboard has the operator's keys now; the row keeps editing.
        for (Qt::Key key : {Qt::Key_A, Qt::Key_X, Qt::Key_Backspace, Qt::Key_B, Qt::Key_7})
            QTest::keyClick(keyboard, key);
        QCOMPARE(row->lineEdit()->text(), QString("AB7"));
        QVERIFY(row->isEditing());
        QCOMPARE(writes.size(), 0);
        // A touch on "Enter" closes the keyboard and ends the edit.
        QTest::mouseClick(keyboard->key(3, 8), Qt::LeftButton);
        QCoreApplication::processEvents();
        checkEnded(row, ends, true);
        QVERIFY(!row->keyboard());
        QTRY_VERIFY(!keyboard);
        QCOMPARE(writesOf(writes), (Writes{{TextFirst, word("AB7\0")}, {TextSecond, 0u}}));
        QCOMPARE(window()->textInfo(), QString("hint"));
    }

    void textOfEightCharactersFillsBothWords()
    {
        BaseStringEditWidget* row = m_form->text;
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        selectRow(m_form, 3);
        pressKey(Qt::Key_F4);
        QPointer<VirtualKeyboard> keyboard = row->keyboard();
        QVERIFY(keyboard);
        for (const char* text : {"W", "E", "L", "L", "1", "2", "3", "4", "5"})
            emit keyboard->entered(QString::fromLatin1(text));
        QCOMPARE(row->lineEdit()->text(), QString("WELL1234")); // the ninth is cut
        emit keyboard->entered(QStringLiteral("Enter"));
        QCoreApplication::processEvents();
        QCOMPARE(writesOf(writes), (Writes{{TextFirst, word("WELL")}, {TextSecond, word("1234")}}));
    }

    void textKeyboardClosedWithEscKeepsEdit()
    {
        BaseStringEditWidget* row = m_form->text;
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QSignalSpy ends(row, &BaseStringEditWidget::signalEditingEnd);
        selectRow(m_form, 3);
        pressKey(Qt::Key_F4);
        QPointer<VirtualKeyboard> keyboard = row->keyboard();
        QVERIFY(keyboard);
        emit keyboard->entered(QStringLiteral("Q"));
        QTest::keyClick(keyboard, Qt::Key_Escape);
        QTRY_VERIFY(!keyboard);
        QVERIFY(!row->keyboard());
        QVERIFY(row->isEditing());
        QCOMPARE(ends.size(), 0);
        // The field takes the keypad's Enter and the edit ends with what it holds.
        QApplication::setActiveWindow(window());
        row->lineEdit()->setFocus();
        QTRY_VERIFY(row->lineEdit()->hasFocus());
        pressKey(Qt::Key_Enter);
        checkEnded(row, ends, true);
        QCOMPARE(writesOf(writes), (Writes{{TextFirst, word("Q\0\0\0")}, {TextSecond, 0u}}));
    }

    void uuidShowsFourWords()
    {
        BaseUuidWidget* row = m_form->uuid;
        QCOMPARE(row->valueLabel()->text(), QString()); // first word 0: nothing yet
        QCOMPARE(BaseUuidWidget::uuidText(0x12345678u, 0x9abcdef0u, 0x0fedcba9u, 0x00000021u),
                 QString("12345678-9ABC-DEF0-0FED-CBA900000021"));
        m_station->drive.reportAll("1313=0x9abcdef0 1314=0x0fedcba9 1315=0x21 1312=0x00ab0001");
        QTRY_COMPARE(row->valueLabel()->text(), QString("00AB0001-9ABC-DEF0-0FED-CBA900000021"));
        // A first word of 0 keeps the previous text.
        m_station->drive.reportRaw(Uuid[0], 0u);
        QTRY_VERIFY(!row->refreshTimer()->isActive());
        row->slotUpdateValue();
        QCOMPARE(row->valueLabel()->text(), QString("00AB0001-9ABC-DEF0-0FED-CBA900000021"));
    }
};

VRX_TEST_APPLICATION_MAIN(TestRowsEditors)
#include "tst_rows_editors.moc"
