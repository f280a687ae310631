#include "dialog_driver.h"

#include "mainapplication.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>

DialogDriver::DialogDriver(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &DialogDriver::poll);
}

void DialogDriver::answerWith(const QList<int>& keys)
{
    m_queue.append(keys);
    m_timer.start();
}

QList<QDialog*> DialogDriver::openDialogs()
{
    QList<QDialog*> dialogs;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && dialog->isVisible())
            dialogs.append(dialog);
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

void DialogDriver::pressKey(int key, const QString& text)
{
    if (MainApplication* app = MainApplication::getInstance())
        app->getEvent(key, text);
}

void DialogDriver::poll()
{
    if (m_queue.isEmpty()) {
        m_timer.stop();
        return;
    }
    QDialog* target = nullptr;
    const QList<QDialog*> dialogs = openDialogs();
    for (QDialog* dialog : dialogs) {
        bool done = false;
        for (const QPointer<QDialog>& seen : qAsConst(m_done))
            done = done || seen == dialog;
        if (!done) {
            target = dialog;
            break;
        }
    }
    if (!target)
        return;
    m_done.append(target);
    m_texts.append(dialogText(target));
    const QList<int> keys = m_queue.takeFirst();
    QPointer<QDialog> guard(target);
    for (int key : keys) {
        if (!guard || !guard->isVisible())
            break;
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() == guard) {
            pressKey(key);
        } else {
            // The dialog has not got the focus (no active window offscreen):
            // give the key to it directly.
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(guard, &event);
        }
    }
}
