// The password dialog against a controller that echoes its writes: levels
// from 576 down to 573, full-length entries only, the lock-out after three
// failures kept in 722/723, the reset code and the factory passwords.
#include "accessdialog.h"
#include "echo_controller.h"
#include "lineedit.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QRegExp>
#include <QSignalSpy>

namespace {

const QString Prompt = QStringLiteral("Введите пароль");
const QString Wrong = QStringLiteral("Неверный пароль!\nПовторите попытку");
const QString Locked = QStringLiteral("Неверный пароль!\nПовторите попытку через");
const QString TooLow = QStringLiteral("Недостаточный уровень доступа!");

quint32 utcNow()
{
    return static_cast<quint32>(QDateTime::currentDateTimeUtc().toSecsSinceEpoch());
}

// The seconds a countdown message shows; -1 when it shows none.
int countdownSeconds(const QString& message)
{
    QRegExp re(QRegExp::escape(Locked) + " (\\d\\d):(\\d\\d)");
    if (!re.exactMatch(message))
        return -1;
    return re.cap(1).toInt() * 60 + re.cap(2).toInt();
}

} // namespace

class TestAccessDialog : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    EchoController* m_echo = nullptr;
    StoreDriver m_drive{nullptr};
    MainApplication* app() { return MainApplication::getInstance(); }
    Parameters* store() { return app()->getParameters(); }
    int level() { return static_cast<int>(store()->get(572)); }
    int failures() { return static_cast<int>(store()->get(722)); }

    void type(AccessDialog* dialog, const QString& entry)
    {
        QTest::keyClicks(dialog->passEdit(), entry);
        QTest::keyClick(dialog->passEdit(), Qt::Key_Return);
    }

    QString message(AccessDialog* dialog) { return dialog->messageLabel()->text(); }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = store();
        m_echo = new EchoController(store());
    }

    void cleanupTestCase()
    {
        delete m_echo;
        m_echo = nullptr;
    }

    void init()
    {
        m_drive.reportAll("571=1 572=0 573=1111 574=2222 575=3333 576=4444 722=0 723=0x0");
        m_echo->clearWrites();
    }

    void field()
    {
        AccessDialog dialog(1, QString(), nullptr, false);
        QCOMPARE(message(&dialog), Prompt);
        QCOMPARE(dialog.passEdit()->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog.passEdit()->maxLength(), 4);
        QCOMPARE(dialog.buttonCount(), 0);
        QVERIFY(dialog.closeTimer()->isActive());
        QCOMPARE(dialog.closeTimer()->interval(), 300000);
        QVERIFY(!dialog.lockTimer()->isActive());
        AccessDialog asked(1, "Введите пароль для запуска СУ", nullptr, false);
        QCOMPARE(message(&asked), QString("Введите пароль для запуска СУ"));
    }

    void correctPasswordGrantsItsLevel_data()
    {
        QTest::addColumn<int>("required");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("granted");
        QTest::addColumn<QString>("passwords");
        QTest::newRow("level 1") << 1 << "1111" << 1 << "";
        QTest::newRow("level 2") << 2 << "2222" << 2 << "";
        QTest::newRow("level 3") << 3 << "3333" << 3 << "";
        QTest::newRow("level 4") << 4 << "4444" << 4 << "";
        QTest::newRow("higher than asked") << 1 << "4444" << 4 << "";
        QTest::newRow("password of two levels: the higher") << 2 << "4444" << 4 << "574=4444";
        // Even a full-length 0123 when the password is 123 as a number.
        QTest::newRow("leading zero") << 1 << "0123" << 1 << "573=123";
    }

    void correctPasswordGrantsItsLevel()
    {
        QFETCH(int, required);
        QFETCH(QString, entry);
        QFETCH(int, granted);
        QFETCH(QString, passwords);
        m_drive.reportAll("722=1 " + passwords);
        QPointer<AccessDialog> dialog = new AccessDialog(static_cast<unsigned char>(required), QString(), nullptr, false);
        dialog->show();
        QSignalSpy accepted(dialog.data(), &QDialog::accepted);
        type(dialog, entry);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(level(), granted);
        QCOMPARE(failures(), 0);
        QCOMPARE(m_echo->writesOf(572).last().flag, 1);
        QCOMPARE(m_echo->writesOf(722).last().flag, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }

    // Shorter than four digits, even when it equals a password as a number;
    // and an empty entry does nothing at all.
    void shortOrEmptyEntry()
    {
        m_drive.report(573, 123.0f);
        AccessDialog dialog(1, QString(), nullptr, false);
        dialog.show();
        QTest::keyClick(dialog.passEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(m_echo->writes().isEmpty());
        type(&dialog, "123");
        QVERIFY(dialog.isVisible());
        QCOMPARE(failures(), 1);
        QCOMPARE(level(), 0);
        QCOMPARE(message(&dialog), Wrong);
        QVERIFY(dialog.passEdit()->text().isEmpty());
    }

    void tooLowALevelKeepsTheDialogOpen()
    {
        AccessDialog dialog(3, QString(), nullptr, false);
        dialog.show();
        type(&dialog, "2222");
        QVERIFY(dialog.isVisible());
        QCOMPARE(message(&dialog), TooLow);
        QVERIFY(dialog.passEdit()->text().isEmpty());
        // The lower level is recorded all the same, and is not a failure.
        QCOMPARE(level(), 2);
        QCOMPARE(failures(), 0);
        type(&dialog, "3333");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(level(), 3);
    }

    void thirdFailureLocksOut()
    {
        QElapsedTimer clock;
        clock.start();
        const quint32 before = utcNow();
        QPointer<AccessDialog> dialog = new AccessDialog(1, QString(), nullptr, false);
        dialog->show();
        type(dialog, "9999");
        QCOMPARE(failures(), 1);
        QCOMPARE(message(dialog), Wrong);
        type(dialog, "9998");
        QCOMPARE(failures(), 2);
        QCOMPARE(message(dialog), Wrong);
        QVERIFY(m_echo->writesOf(723).isEmpty());
        type(dialog, "9997");
        QCOMPARE(failures(), 3);
        const quint32 after = utcNow();

        const quint32 lockTime = store()->getU32(723);
        QVERIFY(lockTime >= before && lockTime <= after);
        QCOMPARE(m_echo->writesOf(723).size(), 1);
        QVERIFY(dialog->passEdit()->isHidden());
        QVERIFY(!dialog->passEdit()->isEnabled());
        QVERIFY(dialog->lockTimer()->isActive());
        QCOMPARE(dialog->lockTimer()->interval(), 1000);
        const int shown = countdownSeconds(message(dialog));
        QVERIFY2(shown <= 300 && shown >= 300 - (clock.elapsed() / 1000 + 1), qPrintable(message(dialog)));

        // Enter while locked checks nothing.
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(failures(), 3);

        // Closing does not end the lock-out.
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(dialog->result(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QCOMPARE(failures(), 3);
    }

    void reopenedDialogShowsTheTimeLeft()
    {
        m_drive.report(722, 3.0f);
        QElapsedTimer clock;
        clock.start();
        m_drive.reportRaw(723, utcNow() - 100);
        AccessDialog dialog(1, QString(), nullptr, false);
        dialog.show();
        QVERIFY(dialog.lockTimer()->isActive());
        QVERIFY(dialog.passEdit()->isHidden());
        const int shown = countdownSeconds(message(&dialog));
        QVERIFY2(shown <= 200 && shown >= 200 - (clock.elapsed() / 1000 + 1), qPrintable(message(&dialog)));

        // A tick still inside the 300 s changes nothing but the countdown.
        QMetaObject::invokeMethod(dialog.lockTimer(), "timeout");
        QVERIFY(dialog.passEdit()->isHidden());
        QCOMPARE(failures(), 3);

        // The first tick after the 300 s clears the count and gives the field back.
        m_drive.reportRaw(723, utcNow() - 300);
        QMetaObject::invokeMethod(dialog.lockTimer(), "timeout");
        QVERIFY(!dialog.lockTimer()->isActive());
        QVERIFY(!dialog.passEdit()->isHidden());
        QVERIFY(dialog.passEdit()->isEnabled());
        QCOMPARE(message(&dialog), Prompt);
        QCOMPARE(failures(), 0);
        type(&dialog, "1111");
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(level(), 1);
    }

    // A lock-out over (301 s ago) or impossible (in the future) is over.
    void lockOverOpensReady()
    {
        for (qint64 offset : {-301, 3600}) {
            m_drive.report(722, 3.0f);
            m_drive.reportRaw(723, quint32(utcNow() + offset));
            AccessDialog dialog(1, QString(), nullptr, false);
            QVERIFY(!dialog.lockTimer()->isActive());
            QVERIFY(!dialog.passEdit()->isHidden());
            QCOMPARE(failures(), 0);
            QCOMPARE(message(&dialog), Prompt);
        }
    }

    void resetModeRestoresTheFactoryPasswords()
    {
        m_drive.report(564, 12.0f);
        m_drive.report(565, 31.0f);
        m_drive.reportRaw(540, 123456);
        const float code = float((12 * 31 + 123456 + AccessDialog::ResetCodeConstant) % 10000);
        AccessDialog dialog(0, QString(), nullptr, true);
        QCOMPARE(dialog.calcCodeResetPass(), code);
        dialog.show();

        // An ordinary password is no reset code.
        type(&dialog, "4444");
        QVERIFY(dialog.isVisible());
        QCOMPARE(failures(), 1);

        type(&dialog, QString("%1").arg(int(code), 4, 10, QChar('0')));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(store()->get(573), float(AccessDialog::FactoryPasswordLevel1));
        QCOMPARE(store()->get(574), 5193.0f);
        QCOMPARE(store()->get(575), 7406.0f);
        QCOMPARE(store()->get(576), 4444.0f);
        QCOMPARE(level(), 3);
        QCOMPARE(failures(), 0);
        for (quint16 id : {573, 574, 575})
            QCOMPARE(m_echo->writesOf(id).last().flag, 1);
    }

    void resetCodeHasAtMostFourDigits()
    {
        // Month and day count by their low 8 bits; the serial by its 32 bits.
        m_drive.report(564, 255.0f + 256.0f);
        m_drive.report(565, 255.0f);
        m_drive.reportRaw(540, 0xFFFFFFFFu);
        AccessDialog dialog(0, QString(), nullptr, true);
        const quint64 expected = (quint64(255) * 255 + 0xFFFFFFFFull + AccessDialog::ResetCodeConstant) % 10000;
        QCOMPARE(dialog.calcCodeResetPass(), float(expected));
        QVERIFY(dialog.calcCodeResetPass() < 10000.0f);
    }

    void theAccessRuleRunsTheDialog()
    {
        // The rule keeps the dialog on its stack and runs showLoop(): the
        // self-deleting dialog must not be freed twice.
        const int id = 575; // level 3
        QTimer::singleShot(0, this, [this]() {
            auto* dialog = qobject_cast<AccessDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            type(dialog, "3333");
        });
        QVERIFY(app()->isAccess(nullptr, id, 0, QString()));
        QCOMPARE(level(), 3);

        m_drive.report(572, 0.0f);
        QTimer::singleShot(0, this, []() {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!app()->isAccess(nullptr, id, 0, QString()));
        QCOMPARE(level(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void unansweredDialogRejectsItself()
    {
        auto* dialog = new AccessDialog(1, QString(), nullptr, false);
        QTimer::singleShot(0, dialog, [dialog]() { dialog->closeTimer()->start(1); });
        QCOMPARE(dialog->showLoop(), 0);
        QCOMPARE(failures(), 0);
    }
};

VRX_TEST_APPLICATION_MAIN(TestAccessDialog)
#include "tst_access_dialog.moc"
