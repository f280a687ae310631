// The access rule and the password dialog against a controller that echoes
// its writes: protection, level and mode, the motor-stopped rule with the
// oil-company exemption, the block release, the idle reset; levels from 576
// down to 573, full-length entries only, the lock-out after three failures
// kept in 722/723, and the reset code that restores the factory passwords.
#include "accessdialog.h"
#include "echo_controller.h"
#include "lineedit.h"
#include "mainwindow.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QLabel>
#include <QRegExp>

namespace {

const QString Prompt = QStringLiteral("Введите пароль");
const QString Wrong = QStringLiteral("Неверный пароль!\nПовторите попытку");

// The seconds a lock-out countdown shows; -1 when it shows none.
int countdown(AccessDialog* dialog)
{
    QRegExp re(QRegExp::escape(Wrong) + " через (\\d\\d):(\\d\\d)");
    return re.exactMatch(dialog->messageLabel()->text()) ? re.cap(1).toInt() * 60 + re.cap(2).toInt() : -1;
}

void type(AccessDialog* dialog, const QString& entry)
{
    QTest::keyClicks(dialog->passEdit(), entry);
    QTest::keyClick(dialog->passEdit(), Qt::Key_Return);
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    EchoController* m_echo = nullptr;
    StoreDriver m_drive{nullptr};
    MainApplication* app() { return MainApplication::getInstance(); }
    float value(quint16 id) { return app()->getParameters()->get(id); }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        app()->initStore();
        m_drive.store = app()->getParameters();
        m_echo = new EchoController(m_drive.store);
    }

    void init()
    {
        m_drive.reportAll("571=1 572=0 573=1111 574=2222 575=3333 576=4444 722=0 723=0x0 13=0 1330=0");
        m_echo->clearWrites();
    }

    void rule_data()
    {
        QTest::addColumn<int>("id"); // 574 level 2, 575 level 3, 32 level 3 changed only stopped
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("outcome"); // of a refused password, then of an accepted one
        QTest::newRow("off, level 2") << 574 << "571=0" << 0 << "granted, granted";
        QTest::newRow("off, level 2, mode 1") << 574 << "571=0" << 1 << "granted, granted";
        QTest::newRow("off, level 3 asks") << 575 << "571=0" << 0 << "asked, refused, asked, granted";
        QTest::newRow("off, level 3, current 3") << 575 << "571=0 572=3" << 0 << "granted, granted";
        QTest::newRow("mode 2 always asks") << 573 << "571=0 572=4" << 2 << "asked, refused, asked, granted";
        QTest::newRow("on, mode 1 ignores current") << 573 << "572=4" << 1 << "asked, refused, asked, granted";
        QTest::newRow("on, current reaches") << 574 << "572=2" << 0 << "granted, granted";
        QTest::newRow("on, current below") << 574 << "572=1" << 0 << "asked, refused, asked, granted";
        QTest::newRow("running, stopped only") << 32 << "572=4 13=1" << 0 << "notice, refused, notice, refused";
        QTest::newRow("running, company 4") << 32 << "572=4 13=1 1330=4" << 0 << "granted, granted";
        QTest::newRow("stopped") << 32 << "572=4" << 0 << "granted, granted";
    }

    void rule()
    {
        QFETCH(int, id);
        QFETCH(QString, state);
        QFETCH(int, mode);
        QFETCH(QString, outcome);
        m_drive.reportAll(state);
        QStringList seen;
        int answer = 0;
        app()->setAccessPrompt([&](unsigned char, const QString&, QWidget*) { seen << "asked"; return answer; });
        app()->setNotice([&](const QString& text, QWidget*) { seen << (text == "Для изменения остановите двигатель!" ? "notice" : text); });
        seen << (app()->isAccess(nullptr, id, mode) ? "granted" : "refused");
        answer = 1; // the password accepted
        seen << (app()->isAccess(nullptr, id, mode) ? "granted" : "refused");
        app()->setAccessPrompt(MainApplication::AccessPrompt());
        app()->setNotice(MainApplication::Notice());
        QCOMPARE(seen.join(", "), outcome);
    }

    void blockReleaseAndIdleReset()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not in the store"));
        QVERIFY(!app()->isAccess(nullptr, 65000, 0));
        // Blocked: a level-1 or level-2 password also releases the block.
        app()->showMainWindow();
        app()->getMainWindow()->slotCcsBlock(true);
        m_echo->clearWrites();
        app()->setAccessPrompt([](unsigned char, const QString&, QWidget*) { return 1; });
        QVERIFY(app()->isAccess(nullptr, 574, 2));
        app()->setAccessPrompt(MainApplication::AccessPrompt());
        QCOMPARE(m_echo->writesOf(774).value(0).value, 0x3F800000u);
        app()->getMainWindow()->slotCcsBlock(false);
        // Idle: the level goes back to 0, written once.
        m_drive.report(572, 3.f);
        app()->resetAccess();
        app()->resetAccess();
        QCOMPARE(m_echo->writesOf(572).size(), 1);
    }

    // Through the rule (mode 2 always asks) and the dialog, typed as on the keypad.
    void entries_data()
    {
        QTest::addColumn<int>("id"); // 599 level 1, 574 level 2, 575 level 3
        QTest::addColumn<QString>("passwords");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("granted");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("failures");
        QTest::newRow("level 1") << 599 << "" << "1111" << true << 1 << 0;
        QTest::newRow("level 3") << 575 << "" << "3333" << true << 3 << 0;
        QTest::newRow("higher than asked") << 599 << "" << "4444" << true << 4 << 0;
        QTest::newRow("password of two levels") << 574 << "574=4444" << "4444" << true << 4 << 0;
        QTest::newRow("leading zero") << 599 << "573=123" << "0123" << true << 1 << 0;
        // The lower level is recorded all the same, and is no failure.
        QTest::newRow("too low a level") << 575 << "" << "2222" << false << 2 << 0;
        QTest::newRow("short, though equal as a number") << 599 << "573=123" << "123" << false << 0 << 1;
        QTest::newRow("empty") << 599 << "" << "" << false << 0 << 0;
    }

    void entries()
    {
        QFETCH(int, id);
        QFETCH(QString, passwords);
        QFETCH(QString, entry);
        QFETCH(bool, granted);
        QFETCH(int, level);
        QFETCH(int, failures);
        m_drive.reportAll(passwords);
        QList<int> keys;
        for (QChar c : entry)
            keys << c.unicode();
        DialogDriver driver;
        driver.answerWith(keys << Qt::Key_Return << Qt::Key_Escape); // Escape when it stays open
        QCOMPARE(app()->isAccess(nullptr, id, 2), granted);
        QCOMPARE(value(572), float(level));
        QCOMPARE(value(722), float(failures));
        QCOMPARE(driver.texts(), QStringList{Prompt});
    }

    void thirdFailureLocksOutForFiveMinutes()
    {
        auto* dialog = new AccessDialog(1, QString(), nullptr, false);
        dialog->show();
        const quint32 before = AccessDialog::now();
        for (const char* entry : {"9999", "9998", "9997"})
            type(dialog, entry);
        QCOMPARE(value(722), 3.f);
        QCOMPARE(m_echo->writesOf(723).size(), 1);
        QVERIFY(app()->getParameters()->getU32(723) - before <= 2);
        QVERIFY(dialog->passEdit()->isHidden());
        QVERIFY2(countdown(dialog) >= 297 && countdown(dialog) <= 300, qPrintable(dialog->messageLabel()->text()));
        QTest::keyClick(dialog, Qt::Key_Return); // checks nothing while locked
        QCOMPARE(value(722), 3.f);
        delete dialog;

        // A dialog opened later shows the time left; the first tick after the 300 s gives the field back.
        m_drive.reportRaw(723, AccessDialog::now() - 100);
        AccessDialog reopened(1, QString(), nullptr, false);
        QVERIFY2(countdown(&reopened) >= 197 && countdown(&reopened) <= 200, qPrintable(reopened.messageLabel()->text()));
        m_drive.reportRaw(723, AccessDialog::now() - 300);
        QMetaObject::invokeMethod(reopened.lockTimer(), "timeout");
        QVERIFY(!reopened.passEdit()->isHidden());
        QCOMPARE(value(722), 0.f);

        // Over as well: a lock-out dated in the future, after the clock was set
        // back, rather than one that locks the operator out for good.
        for (qint64 offset : {-301, 3600}) {
            m_drive.reportAll(QString("722=3 723=0x%1").arg(quint32(AccessDialog::now() + offset), 0, 16));
            AccessDialog later(1, QString(), nullptr, false);
            QVERIFY2(!later.lockTimer()->isActive() && !later.passEdit()->isHidden(), qPrintable(QString::number(offset)));
            QCOMPARE(later.messageLabel()->text(), Prompt);
            QCOMPARE(value(722), 0.f);
        }
    }

    void resetCodeRestoresTheFactoryPasswords()
    {
        m_drive.reportAll("564=12 565=31 540=0x0001E240"); // serial 123456
        AccessDialog dialog(0, QString(), nullptr, true);
        const int code = (12 * 31 + 123456 + int(AccessDialog::ResetCodeConstant)) % 10000;
        QCOMPARE(dialog.calcCodeResetPass(), float(code));
        dialog.show();
        type(&dialog, "4444"); // a password is no reset code
        QCOMPARE(value(722), 1.f);
        type(&dialog, QString("%1").arg(code, 4, 10, QChar('0')));
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(QVector<float>({value(573), value(574), value(575), value(576), value(572), value(722)}),
                 QVector<float>({1, 5193, 7406, 4444, 3, 0}));
        // The sum needs 64 bits with the highest serial; month and day count
        // by their low 8 bits (0x1FF as 255: the high bit changes the code).
        m_drive.reportAll("564=511 565=511 540=0xFFFFFFFF");
        QCOMPARE(dialog.calcCodeResetPass(), float((255u * 255u + 0xFFFFFFFFull + AccessDialog::ResetCodeConstant) % 10000u));
    }
};

VRX_TEST_APPLICATION_MAIN(TestAccess)
#include "tst_access.moc"
