// Screens, cursor and navigation as the operator drives them with the keypad:
// a three-level tree of test screens, paging through a list, the carousel,
// returning to the entry one came from, and screens deleted after replacement.
#include "base_status_form.h"
#include "baseform.h"
#include "baseprotectionform.h"
#include "dialog_driver.h"
#include "rawbits.h"
#include "headerwidget.h"
#include "mainwindow.h"
#include "pushbutton.h"
#include "stackedform.h"
#include "test_application.h"
#include "ui_station.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSlider>

namespace {

int liveForms = 0;

// A counted screen of test buttons, named after its class. Sub-form buttons
// open the children its class lists; Back goes the way the menu tree goes.
class TestForm : public BaseForm
{
    Q_OBJECT
public:
    TestForm(const QString& title, int buttons, std::function<QList<BaseForm*>()> children = nullptr)
        : BaseForm(nullptr, false)
        , m_buttons(buttons)
        , m_children(std::move(children))
    {
        ++liveForms;
        setTitle(title);
    }
    ~TestForm() override { --liveForms; }
    void createForm() override
    {
        setObjectName(QLatin1String(metaObject()->className()));
        for (int i = 0; i < m_buttons; ++i)
            addButton(QStringLiteral("%1 %2").arg(title()).arg(i));
    }
    void setFormsList() override
    {
        if (m_children)
            BaseForm::setFormsList(m_children());
    }
    void returnBackForm() override;

private:
    int m_buttons;
    std::function<QList<BaseForm*>()> m_children;
};

// Level 2: pages below menu A; level 1: menus A, B (three buttons, two
// children: the last button leads nowhere) and C; level 0: the root.
QList<BaseForm*> pagesOfA();
QList<BaseForm*> menus();

class TestPageA1 : public TestForm
{
    Q_OBJECT
public:
    TestPageA1() : TestForm(QStringLiteral("a1"), 2) {}
};

class TestPageA2 : public TestForm
{
    Q_OBJECT
public:
    TestPageA2() : TestForm(QStringLiteral("a2"), 4) {}
};

class TestMenuA : public TestForm
{
    Q_OBJECT
public:
    TestMenuA() : TestForm(QStringLiteral("a"), 2, pagesOfA) {}
};

class TestMenuB : public TestForm
{
    Q_OBJECT
public:
    TestMenuB() : TestForm(QStringLiteral("b"), 3, pagesOfA) {}
};

class TestMenuC : public TestForm
{
    Q_OBJECT
public:
    TestMenuC() : TestForm(QStringLiteral("c"), 1) {}
};

class TestRootMenu : public TestForm
{
    Q_OBJECT
public:
    TestRootMenu() : TestForm(QStringLiteral("root"), 3, menus) {}
    static int backs;
};
int TestRootMenu::backs = 0;

QList<BaseForm*> pagesOfA() { return QList<BaseForm*>() << new TestPageA1 << new TestPageA2; }
QList<BaseForm*> menus() { return QList<BaseForm*>() << new TestMenuA << new TestMenuB << new TestMenuC; }

void TestForm::returnBackForm()
{
    const QString name = QLatin1String(metaObject()->className());
    if (name == QLatin1String("TestRootMenu"))
        ++TestRootMenu::backs;
    else if (name.startsWith(QLatin1String("TestMenu")))
        mainWindow()->addForm(new TestRootMenu, -1);
    else
        mainWindow()->addForm(menus(), QStringLiteral("TestMenuA"));
}

// A status page of cells only: no cursor row.
class TestStatusPage : public BaseStatusForm
{
    Q_OBJECT
public:
    explicit TestStatusPage(const QString& title)
    {
        setObjectName(QLatin1String(metaObject()->className()));
        setTitle(title);
    }
    void createForm() override
    {
        addStatusNum(1, 0, 0);
        addStatusNum(2, 0, 1);
    }
};

// A protection page with its reset-to-defaults button.
class TestProtectionForm : public BaseProtectionForm
{
    Q_OBJECT
public:
    TestProtectionForm()
    {
        setObjectName(QLatin1String(metaObject()->className()));
        setTitle(QStringLiteral("protection"));
    }
    void createForm() override { addButtonResetDefault(1001); }
    void returnBackForm() override {}
};

// One row of every builder.
class BuilderForm : public BaseForm
{
    Q_OBJECT
public:
    BuilderForm()
        : BaseForm(nullptr, true)
    {
        setObjectName(QLatin1String(metaObject()->className()));
    }
    void createForm() override
    {
        PairList list;
        list.append(0, QStringLiteral("off"));
        list.append(1, QStringLiteral("on"));
        addButton(QStringLiteral("button"));
        addStatusButton(1001, QStringLiteral("status button"), list);
        addEdit(515);
        addDateTimeEdit(534);
        addPassEdit(573);
        addAddrEdit(515, 516, 517, 518);
        addDoubleParamEdit(515, 516);
        addStringEdit(1657, 1658);
        addComboBox(1001, list);
        addComboBox(QStringLiteral("choice"), list, 1);
        addStatusNum(480);
        addStatusText(1001, list);
        addUuidText(QStringLiteral("uuid"), 515, 516, 517, 518);
        addWidget(new QLabel(QStringLiteral("label")));
    }
    void returnBackForm() override {}
};

} // namespace

class TestUiNavigation : public QObject
{
    Q_OBJECT

private:
    UiStation* m_station = nullptr;
    MainWindow* window() { return UiStation::window(); }
    BaseForm* current() { return UiStation::currentForm(); }
    QString currentClass() { return UiStation::currentClass(); }
    void show(const QList<BaseForm*>& forms, int button = -1)
    {
        window()->addForm(forms, 0, button);
        settle();
    }
    void showRoot()
    {
        window()->addForm(new TestRootMenu, 0);
        settle();
    }

private slots:
    void initTestCase()
    {
        m_station = new UiStation;
        m_station->drive.report(762, 0.f);
        m_station->showWindow();
    }

    void cleanupTestCase()
    {
        showRoot();
        delete m_station;
    }

    void cursorWraps()
    {
        showRoot();
        auto* root = qobject_cast<TestRootMenu*>(current());
        QVERIFY(root);
        QCOMPARE(window()->headerWidget()->title(), QString("ROOT"));
        QCOMPARE(root->currentRow(), 0);
        QTRY_VERIFY(root->rowWidget(0)->hasFocus());
        pressKey(Qt::Key_F6);
        QCOMPARE(root->currentRow(), 2);
        QTRY_VERIFY(root->rowWidget(2)->hasFocus());
        QCOMPARE(qobject_cast<PushButton*>(root->rowWidget(2))->state(), 1);
        QCOMPARE(qobject_cast<PushButton*>(root->rowWidget(0))->state(), 0);
        pressKey(Qt::Key_F8);
        QCOMPARE(root->currentRow(), 0);
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_Down);
        QCOMPARE(root->currentRow(), 2);
        pressKey(Qt::Key_Up);
        QCOMPARE(root->currentRow(), 1);
        // A single screen does not page.
        pressKey(Qt::Key_F7);
        pressKey(Qt::Key_F5);
        QCOMPARE(current(), root);
        QVERIFY(!window()->stackedForm()->slider()->isVisibleTo(window()));
    }

    void autoRepeatOnlyMovesCursor()
    {
        showRoot();
        BaseForm* root = current();
        QTRY_VERIFY(root->rowWidget(0)->hasFocus());
        QKeyEvent down(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &down);
        QCOMPARE(root->currentRow(), 1);
        // A held Enter acts once: the auto-repeated press opens nothing.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &enter);
        settle();
        QCOMPARE(current(), root);
    }

    // Down a level and a second, and Back (F3 or Esc) to the entry one came
    // from at each; the replaced screen lists are deleted.
    void openChildAndReturnToEntry()
    {
        showRoot();
        QPointer<BaseForm> root = current();
        pressKey(Qt::Key_F8); // entry 1: menu B
        pressKey(Qt::Key_F4);
        QCOMPARE(currentClass(), QString("TestMenuB"));
        QCOMPARE(window()->stackedForm()->formsList().size(), 3);
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 1);
        QVERIFY(window()->headerWidget()->isLeftVisible());
        settle();
        QVERIFY2(root.isNull(), "the replaced screen list is deleted");
        QCOMPARE(current()->currentRow(), 0);
        QPointer<BaseForm> menuB = current();
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_Return); // page A2
        QCOMPARE(currentClass(), QString("TestPageA2"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 1);
        settle();
        QVERIFY(menuB.isNull());

        pressKey(Qt::Key_Escape); // back to A among its siblings, cursor on A2's entry
        QCOMPARE(currentClass(), QString("TestMenuA"));
        QCOMPARE(window()->stackedForm()->currentIndexForm(), 0);
        QCOMPARE(current()->currentRow(), 1);
        pressKey(Qt::Key_F3); // back to the root, cursor on A's entry
        QCOMPARE(currentClass(), QString("TestRootMenu"));
        QCOMPARE(current()->currentRow(), 0);
        QVERIFY(!window()->headerWidget()->isLeftVisible());
        QVERIFY(!window()->headerWidget()->isRightVisible());
        QTRY_VERIFY(current()->rowWidget(0)->hasFocus());
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F4);
        pressKey(Qt::Key_F3); // from B: on B's entry
        QCOMPARE(current()->currentRow(), 1);
        QTRY_VERIFY(current()->rowWidget(1)->hasFocus());
        pressKey(Qt::Key_F3);
        QCOMPARE(TestRootMenu::backs, 1);
    }

    void pagingThroughTheList()
    {
        showRoot();
        pressKey(Qt::Key_F4); // A of A, B, C
        QSlider* slider = window()->stackedForm()->slider();
        QVERIFY(slider->isVisibleTo(window()));
        QCOMPARE(slider->maximum(), 2);
        QCOMPARE(slider->value(), 0);
        pressKey(Qt::Key_F7);
        QCOMPARE(currentClass(), QString("TestMenuB"));
        QCOMPARE(slider->value(), 1);
        QCOMPARE(window()->headerWidget()->title(), QString("B"));
        pressKey(Qt::Key_F8); // B keeps its cursor when turned to again
        pressKey(Qt::Key_Right);
        QCOMPARE(currentClass(), QString("TestMenuC"));
        pressKey(Qt::Key_F7); // wraps to the first
        QCOMPARE(currentClass(), QString("TestMenuA"));
        pressKey(Qt::Key_F5); // and back from the first to the last
        QCOMPARE(currentClass(), QString("TestMenuC"));
        pressKey(Qt::Key_Left);
        QCOMPARE(currentClass(), QString("TestMenuB"));
        QCOMPARE(current()->currentRow(), 1);
    }

    void buttonPastTheListDeletesIt()
    {
        showRoot();
        pressKey(Qt::Key_F8);
        pressKey(Qt::Key_F4); // menu B: three buttons, two children
        settle();
        BaseForm* menuB = current();
        const int before = liveForms;
        pressKey(Qt::Key_F6); // the last button
        QCOMPARE(menuB->currentRow(), 2);
        pressKey(Qt::Key_F4);
        settle();
        QCOMPARE(current(), menuB);
        QCOMPARE(liveForms, before);
        QVERIFY(menuB->formsList().isEmpty());
    }

    void addFormByClassName()
    {
        // A class not in the list: the first form.
        window()->addForm(menus(), QStringLiteral("NoSuchForm"));
        QCOMPARE(currentClass(), QString("TestMenuA"));
        // The same class again (a screen rebuilding itself) keeps the selected row.
        pressKey(Qt::Key_F8);
        QCOMPARE(current()->currentRow(), 1);
        QPointer<BaseForm> old = current();
        window()->addForm(menus(), QStringLiteral("TestMenuA"));
        QVERIFY(current() != old.data());
        QCOMPARE(currentClass(), QString("TestMenuA"));
        QCOMPARE(current()->currentRow(), 1);
        settle();
        QVERIFY(old.isNull());
    }

    void createFormButtonIndex()
    {
        // Out-of-range and -1 button indexes put the cursor on row 0.
        for (int button : {7, 2, -1}) {
            show({new TestMenuB}, button);
            QCOMPARE(current()->currentRow(), button == 2 ? 2 : 0);
        }
    }

    void statusPagesTakeNoCursorAndBackShowsMainMenu()
    {
        show({new TestStatusPage("one"), new TestStatusPage("two")});
        BaseForm* page = current();
        QCOMPARE(page->rowCount(), 0);
        pressKey(Qt::Key_F8);
        QCOMPARE(page->currentRow(), 0);
        QTRY_VERIFY(page->hasFocus());
        pressKey(Qt::Key_F7);
        QCOMPARE(window()->headerWidget()->title(), QString("TWO"));
        QTRY_VERIFY(current()->hasFocus());
        pressKey(Qt::Key_F3);
        QCOMPARE(currentClass(), QString("MainMenu"));
        QCOMPARE(window()->headerWidget()->title(), QString::fromUtf8("МЕНЮ"));
    }

    void carousel()
    {
        show({new TestStatusPage("one"), new TestStatusPage("two"), new TestStatusPage("three")});
        StackedForm* stack = window()->stackedForm();
        auto* timer = stack->findChild<QTimer*>(QStringLiteral("carouselTimer"));
        QVERIFY(timer);

        m_station->drive.report(762, 0.f); // no period: never turns
        stack->setCarouselEnabled(true);
        QVERIFY(!timer->isActive());
        m_station->drive.report(762, 3.f);
        stack->setCarouselEnabled(true);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 3000);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(stack->currentIndexForm(), 1);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(stack->currentIndexForm(), 0);

        // Any key stops it.
        pressKey(Qt::Key_F8);
        QVERIFY(!timer->isActive());
        m_station->drive.report(762, 0.f);
    }

    void everyBuilderMakesACursorRow()
    {
        show({new BuilderForm});
        BaseForm* form = current();
        QCOMPARE(form->rowCount(), 14);
        QCOMPARE(form->subFormButtons(), (QList<int>() << 0 << 1));
        for (int row = 1; row < 14; ++row) {
            pressKey(Qt::Key_F8);
            QCOMPARE(form->currentRow(), row);
        }
        pressKey(Qt::Key_F8);
        QCOMPARE(form->currentRow(), 0);
    }

    void insertedRowKeepsCursorOnItsWidget()
    {
        show({new TestMenuB}, 2);
        BaseForm* form = current();
        QWidget* selected = form->rowWidget(2);
        form->insertWidget(new QLabel(QStringLiteral("new")));
        QCOMPARE(form->rowCount(), 4);
        QCOMPARE(form->currentRow(), 3);
        QCOMPARE(form->rowWidget(3), selected);
    }

    void resetToDefaultsAsksAndWrites()
    {
        m_station->drive.report(571, 0.f);
        show({new TestProtectionForm});
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        DialogDriver dialogs;
        dialogs.answerWith(QList<int>() << Qt::Key_F4); // the focused answer: no
        pressKey(Qt::Key_F4);
        QCOMPARE(dialogs.answered(), 1);
        QCOMPARE(dialogs.texts().first(), QString::fromUtf8("Сбросить уставки по умолчанию?"));
        QCOMPARE(writes.size(), 0);
        // The offscreen platform does not activate the window again when a
        // dialog closes (a window manager does).
        QApplication::setActiveWindow(window());
        QTRY_VERIFY(current()->rowWidget(0)->hasFocus());
        dialogs.answerWith(QList<int>() << Qt::Key_F5 << Qt::Key_F4); // yes
        pressKey(Qt::Key_F4);
        QCOMPARE(dialogs.answered(), 2);
        QCOMPARE(writesOf(writes), (Writes{{1001, bitsFromFloat(1.f)}}));
    }

    void screenReplacedWhileQuestionOpen()
    {
        show({new TestProtectionForm});
        QPointer<BaseForm> form = current();
        QSignalSpy writes(UiStation::store(), &Parameters::signalParamWrite);
        // An idle return (or any other replacement) while the question waits.
        QTimer::singleShot(0, window(), [this]() { window()->addForm(new TestRootMenu, 0); });
        pressKey(Qt::Key_F4);
        settle();
        QVERIFY(form.isNull());
        QCOMPARE(currentClass(), QString("TestRootMenu"));
        QCOMPARE(writes.size(), 0);
        QApplication::setActiveWindow(window());
    }

};

VRX_TEST_APPLICATION_MAIN(TestUiNavigation)
#include "tst_ui_navigation.moc"
