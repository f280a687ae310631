// The application object: the function keys, key injection from the keypad,
// and the start-up values it reports to the controller.
#include "mainwindow.h"
#include "parameters.h"
#include "test_application.h"
#include "test_database.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <ctime>

namespace {

// Counts the key presses that reach a widget.
class KeySink : public QWidget
{
public:
    QList<int> keys;
    QStringList texts;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        keys << event->key();
        texts << event->text();
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    MainApplication* app() { return MainApplication::getInstance(); }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        app()->initStore();
    }

    void startStopKeys()
    {
        KeySink sink;
        sink.show();
        QSignalSpy start(app(), &MainApplication::signalKeyPressStart);
        QSignalSpy stop(app(), &MainApplication::signalKeyPressStop);
        QSignalSpy any(app(), &MainApplication::signalKeyRelease);
        QTest::keyPress(&sink, Qt::Key_F9);
        // Held down: auto-repeat presses start nothing more.
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&sink, &repeat);
        }
        QTest::keyPress(&sink, Qt::Key_F10);
        QCOMPARE(start.count(), 1);
        QCOMPARE(stop.count(), 1);
        QVERIFY(any.count() >= 5);
        // Both are consumed: no screen ever sees them.
        QVERIFY(sink.keys.isEmpty());
        QTest::keyPress(&sink, Qt::Key_F6);
        QCOMPARE(sink.keys, QList<int>{Qt::Key_F6});
    }

    void keypadInjection()
    {
        // Before the main window exists, with nothing focused: nowhere to go.
        QVERIFY(!app()->getMainWindow());
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        app()->getEvent(Qt::Key_F8, QString());

        // With a focused widget the key goes there, through the filter.
        QLineEdit edit;
        edit.show();
        edit.activateWindow();
        edit.setFocus();
        QTRY_VERIFY(QApplication::focusWidget() == &edit);
        QSignalSpy any(app(), &MainApplication::signalKeyRelease);
        app()->getEvent(Qt::Key_5, "5");
        QCOMPARE(edit.text(), QString("5"));
        QCOMPARE(any.count(), 1);
        QSignalSpy start(app(), &MainApplication::signalKeyPressStart);
        app()->getEvent(Qt::Key_F9, QString());
        QCOMPARE(start.count(), 1);
    }

    void startupValues()
    {
        QCOMPARE(MainApplication::versionNumber("3.38.0"), 3.38f);
        QCOMPARE(MainApplication::versionNumber("3.5.0"), 3.05f);
        QCOMPARE(MainApplication::revisionNumber("abcdef1234567890"), 0xABCDEF12u);
        QCOMPARE(MainApplication::revisionNumber(QString::fromUtf8("12зz5678")), 0x12005678u);
        // The compiler pads one-digit days with a blank; UTC whatever the zone.
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "America/Caracas");
        tzset();
        QCOMPARE(MainApplication::buildDateSeconds("Dec  6 2026"), 1796515200u);
        QCOMPARE(MainApplication::buildDateSeconds("May 20 2024"), 1716163200u);
        QCOMPARE(MainApplication::buildDateSeconds("garbage"), 0u);
        qputenv("TZ", oldTz);
        tzset();
    }

    void endOfSynchronisationOnce()
    {
        Parameters* p = app()->getParameters();
        QSignalSpy writes(p, &Parameters::signalParamWrite);
        emit p->signalSyncEnd();
        MainWindow* window = app()->getMainWindow();
        QVERIFY(window);
        emit p->signalSyncEnd(); // a later synchronisation (760)
        QCOMPARE(app()->getMainWindow(), window);
        QStringList ids;
        for (const QList<QVariant>& w : writes)
            if (w.at(2).toInt() == 0)
                ids << QString::number(w.at(0).value<quint16>());
        QCOMPARE(ids, QStringList() << "546" << "541" << "1103" << "546" << "541" << "1103");
        // Keys with no focus now go to the main window.
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        QSignalSpy stop(app(), &MainApplication::signalKeyPressStop);
        app()->getEvent(Qt::Key_F10, QString());
        QCOMPARE(stop.count(), 1);
    }
};

VRX_TEST_APPLICATION_MAIN(TestApplication)
#include "tst_application.moc"
