#include "dialog_driver.h"

#include "mainapplication.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

const char* const OpeningProperty = "vrxTestOpening";

bool isWatched(const QObject* object)
{
    return object->isWidgetType() && qobject_cast<const QDialog*>(object)
           && static_cast<const QWidget*>(object)->isWindow() && !object->inherits("SplashScreen");
}

// The program's own dialogs take queued answers; other dialogs (the virtual
// keyboard) are only watched.
bool takesAnswers(const QObject* object)
{
    return object->inherits("Dialog") && !object->inherits("SplashScreen");
}

QString describe(QDialog* dialog)
{
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(dialog->metaObject()->className()),
                                            DialogDriver::dialogText(dialog));
}

void fail(const QString& message)
{
    qWarning().noquote() << "DialogDriver:" << message;
    if (QTest::currentTestFunction())
        QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
}

class DialogWatcher : public QObject
{
public:
    static DialogWatcher* instance;

    QList<QList<int>> queue;
    QStringList texts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && isWatched(watched))
            opened(static_cast<QDialog*>(watched));
        return false;
    }

private:
    void opened(QDialog* dialog)
    {
        const int opening = ++m_openings;
        dialog->setProperty(OpeningProperty, opening);
        QPointer<QDialog> guard(dialog);
        auto stillOpen = [guard, opening]() {
            return guard && guard->isVisible() && guard->property(OpeningProperty).toInt() == opening;
        };

        if (takesAnswers(dialog) && !queue.isEmpty()) {
            const QList<int> keys = queue.takeFirst();
            // After the show has finished: the dialog gives its button the
            // focus in its own show handling.
            QTimer::singleShot(0, this, [this, guard, keys, stillOpen]() {
                if (!stillOpen())
                    return;
                texts.append(DialogDriver::dialogText(guard));
                for (int key : keys) {
                    if (!stillOpen())
                        break;
                    DialogDriver::pressOn(guard, key);
                }
            });
        }
        QTimer::singleShot(DialogDriver::UnansweredMs, this, [guard, stillOpen]() {
            if (!stillOpen())
                return;
            fail(QStringLiteral("dialog left open for %1 ms, nobody answered it: %2")
                     .arg(DialogDriver::UnansweredMs)
                     .arg(describe(guard)));
            guard->reject();
        });
    }

    int m_openings = 0;
};

DialogWatcher* DialogWatcher::instance = nullptr;

DialogWatcher* watcher()
{
    if (!DialogWatcher::instance)
        DialogDriver::install();
    return DialogWatcher::instance;
}

QString keyText(int key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period)
        return QString(QChar(key));
    return QString();
}

} // namespace

void DialogDriver::install()
{
    if (DialogWatcher::instance)
        return;
    DialogWatcher::instance = new DialogWatcher;
    DialogWatcher::instance->setParent(qApp);
    qApp->installEventFilter(DialogWatcher::instance);
}

DialogDriver::DialogDriver()
{
    watcher()->queue.clear();
    m_firstText = watcher()->texts.size();
}

DialogDriver::~DialogDriver()
{
    DialogWatcher* w = watcher();
    if (!w->queue.isEmpty()) {
        fail(QStringLiteral("%1 queued answer(s) left: the dialog the test expected never opened")
                 .arg(w->queue.size()));
        w->queue.clear();
    }
}

void DialogDriver::answerWith(const QList<int>& keys)
{
    watcher()->queue.append(keys);
}

int DialogDriver::pending() const
{
    return watcher()->queue.size();
}

QStringList DialogDriver::texts() const
{
    return watcher()->texts.mid(m_firstText);
}

QList<QDialog*> DialogDriver::openDialogs()
{
    QList<QDialog*> dialogs;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        if (isWatched(widget) && widget->isVisible())
            dialogs.append(static_cast<QDialog*>(widget));
    }
    return dialogs;
}

QString DialogDriver::dialogText(QWidget* dialog)
{
    // The message label when the dialog names it, else every label that is
    // not part of a button.
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    for (QLabel* label : labels) {
        const QString name = label->objectName();
        if (name == QLatin1String("dialogMessageLabel_") || name == QLatin1String("messageLabel_"))
            return label->text();
    }
    QStringList parts;
    for (QLabel* label : labels) {
        if (label->text().isEmpty() || label->objectName() == QLatin1String("textButton_"))
            continue;
        if (label->parentWidget() && label->parentWidget()->objectName() == QLatin1String("button"))
            continue;
        parts.append(label->text());
    }
    return parts.join(QLatin1Char('\n'));
}

void DialogDriver::pressOn(QWidget* dialog, int key)
{
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, keyText(key));
    QCoreApplication::sendEvent(target, &event);
}

void DialogDriver::pressKey(int key, const QString& text)
{
    QDialog* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const QList<QDialog*> dialogs = openDialogs();
    if (!modal && !dialogs.isEmpty())
        modal = dialogs.last();
    if (modal) {
        pressOn(modal, key);
        return;
    }
    if (MainApplication* app = MainApplication::getInstance())
        app->getEvent(key, text.isEmpty() ? keyText(key) : text);
}

void DialogDriver::closeAll()
{
    for (QDialog* dialog : openDialogs())
        dialog->reject();
}
