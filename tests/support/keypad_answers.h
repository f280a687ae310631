#ifndef KEYPAD_ANSWERS_H
#define KEYPAD_ANSWERS_H

#include "dialog_driver.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

// Answers the program's dialogs as the operator does, with keys through the
// keypad's path, each dialog once it has the focus: offscreen, a dialog is
// activated from the event loop, which under load comes after its show.
class KeypadAnswers : public QObject
{
public:
    KeypadAnswers()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &KeypadAnswers::poll);
    }
    // The keys for the next dialog that takes the focus.
    void answerWith(const QList<int>& keys)
    {
        m_queue.append(keys);
        m_timer.start();
    }
    void answerWith(int key) { answerWith(QList<int>() << key); }
    // The texts of the dialogs answered, oldest first.
    QStringList texts() const { return m_texts; }

private:
    void poll()
    {
        if (m_queue.isEmpty()) {
            m_timer.stop();
            return;
        }
        QWidget* focus = QApplication::focusWidget();
        QPointer<QDialog> dialog = focus ? qobject_cast<QDialog*>(focus->window()) : nullptr;
        if (!dialog || !dialog->isVisible())
            return;
        for (const QPointer<QDialog>& done : qAsConst(m_done)) {
            if (done == dialog)
                return;
        }
        m_done.append(dialog);
        m_texts.append(DialogDriver::dialogText(dialog));
        const QList<int> keys = m_queue.takeFirst();
        for (int key : keys) {
            if (!dialog || !dialog->isVisible())
                break;
            DialogDriver::pressKey(key);
        }
    }

    QTimer m_timer;
    QList<QList<int>> m_queue;
    QList<QPointer<QDialog>> m_done;
    QStringList m_texts;
};

#endif // KEYPAD_ANSWERS_H
