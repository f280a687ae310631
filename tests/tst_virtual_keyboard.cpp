// The on-screen keyboard: its 4 × 10 layout with the two wide keys, wrapping
// moves that stop once on each wide key, typed and touched keys, docking
// above the bottom of the window.
#include "test_application.h"
#include "virtualkeyboard.h"

#include <QGridLayout>
#include <QPointer>
#include <QSignalSpy>

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT

private:
    QWidget* m_window = nullptr;
    QPointer<VirtualKeyboard> m_keyboard;

    QString current() { return m_keyboard->currentKey()->text(); }
    void press(Qt::Key key) { QTest::keyClick(m_keyboard, key); }

private slots:
    void init()
    {
        m_window = new QWidget;
        m_window->setGeometry(0, 0, 640, 480);
        m_window->show();
        m_keyboard = new VirtualKeyboard(m_window);
        m_keyboard->show();
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        QVERIFY(m_keyboard.isNull());
    }

    void layout()
    {
        QCOMPARE(m_keyboard->objectName(), QString("VirtualKeyboard"));
        QVERIFY(m_keyboard->isModal());
        QVERIFY(m_keyboard->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(m_keyboard->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(m_keyboard->minimumWidth(), 640);
        const QString rows[] = {"0123456789", "ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZ"};
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < rows[row].size(); ++column) {
                KeyboardButton* key = m_keyboard->key(row, column);
                QCOMPARE(key->text(), QString(rows[row].at(column)));
                QCOMPARE(key->row(), row);
                QCOMPARE(key->column(), column);
                QCOMPARE(key->objectName(), QString("button"));
            }
        }
        QCOMPARE(m_keyboard->key(3, 6)->text(), QString("Del"));
        QCOMPARE(m_keyboard->key(3, 7), m_keyboard->key(3, 6));
        QCOMPARE(m_keyboard->key(3, 8)->text(), QString("Enter"));
        QCOMPARE(m_keyboard->key(3, 9), m_keyboard->key(3, 8));
        // The wide keys span two cells of the grid.
        auto* grid = m_keyboard->findChild<QGridLayout*>();
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(m_keyboard->key(3, 8)), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(column, 8);
        QCOMPARE(columnSpan, 2);
        // Opens on "0", which gets the focus once the show is done.
        QCOMPARE(current(), QString("0"));
        QCoreApplication::processEvents();
        QCOMPARE(m_keyboard->focusWidget(), static_cast<QWidget*>(m_keyboard->key(0, 0)));
    }

    // Moves wrap, stop once on each wide key, and keep the column through
    // a wide key; the key moved to takes the focus.
    void moves_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("right across the wide keys")
            << 3 << 5 << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_F7} << QStringList{"Del", "Enter", "U"};
        QTest::newRow("left across the wide keys")
            << 3 << 0 << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_F5} << QStringList{"Enter", "Del", "Z"};
        QTest::newRow("wraps in every direction")
            << 0 << 0 << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_F8, Qt::Key_F6}
            << QStringList{"9", "0", "U", "0", "U"};
        // From the second cell of a wide key one stop to the left is the other wide key.
        QTest::newRow("down into the wide keys")
            << 0 << 9 << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}
            << QStringList{"J", "T", "Enter", "Del", "R"};
    }

    void moves()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, seen);
        m_keyboard->mousePress(row, column);
        QStringList texts;
        for (int key : keys) {
            press(Qt::Key(key));
            texts << current();
        }
        QCOMPARE(texts, seen);
        QCoreApplication::processEvents();
        QCOMPARE(m_keyboard->focusWidget(), static_cast<QWidget*>(m_keyboard->currentKey()));
    }

    void autoRepeatDoesNotMove()
    {
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(m_keyboard, &repeated);
        QCOMPARE(current(), QString("0"));
    }

    void typedKeys()
    {
        QSignalSpy entered(m_keyboard.data(), &VirtualKeyboard::entered);
        QTest::keyClick(m_keyboard, 'a');
        QTest::keyClick(m_keyboard, 'z');
        QTest::keyClick(m_keyboard, '0');
        QTest::keyClick(m_keyboard, '9');
        QTest::keyClick(m_keyboard, Qt::Key_Backspace);
        QTest::keyClick(m_keyboard, Qt::Key_Delete);
        QTest::keyClick(m_keyboard, '-');
        QStringList texts;
        for (const QList<QVariant>& args : qAsConst(entered))
            texts << args.at(0).toString();
        QCOMPARE(texts, (QStringList{"A", "Z", "0", "9", "Del", "Del"}));
    }

    void enterOnAKey()
    {
        QSignalSpy entered(m_keyboard.data(), &VirtualKeyboard::entered);
        QTest::keyClick(m_keyboard->key(3, 8), Qt::Key_Return);
        QTest::keyClick(m_keyboard->key(3, 6), Qt::Key_F4);
        QTest::keyClick(m_keyboard->key(1, 1), Qt::Key_Enter);
        QCOMPARE(entered.count(), 3);
        QCOMPARE(entered.at(0).at(0).toString(), QString("Enter"));
        QCOMPARE(entered.at(1).at(0).toString(), QString("Del"));
        QCOMPARE(entered.at(2).at(0).toString(), QString("B"));
        // Keys other than Enter go on to the keyboard.
        QTest::keyClick(m_keyboard->key(1, 1), Qt::Key_Down);
        QCOMPARE(m_keyboard->currentRow(), 1);
    }

    void touch()
    {
        QSignalSpy entered(m_keyboard.data(), &VirtualKeyboard::entered);
        QTest::mouseClick(m_keyboard->key(2, 3), Qt::LeftButton);
        QCOMPARE(m_keyboard->currentRow(), 2);
        QCOMPARE(m_keyboard->currentColumn(), 3);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(0).toString(), QString("N"));
        QTest::mouseClick(m_keyboard->key(3, 7), Qt::LeftButton);
        QCOMPARE(current(), QString("Del"));
        QCOMPARE(entered.at(1).at(0).toString(), QString("Del"));
    }

    void docksAboveTheBottom()
    {
        const QRect window = m_window->geometry();
        const QRect keyboard = m_keyboard->geometry();
        QCOMPARE(keyboard.left(), window.left());
        QCOMPARE(keyboard.top() + keyboard.height(), window.top() + window.height() - 38);
    }

    void escapeCloses()
    {
        QSignalSpy rejected(m_keyboard.data(), &QDialog::rejected);
        press(Qt::Key_F3);
        QCOMPARE(rejected.count(), 1);
        QVERIFY(!m_keyboard->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_keyboard.isNull());
    }
};

VRX_TEST_APPLICATION_MAIN(TestVirtualKeyboard)
#include "tst_virtual_keyboard.moc"
