#ifndef DIALOG_DRIVER_H
#define DIALOG_DRIVER_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QDialog;

// Answers the program's dialogs as an operator would, with keys through the
// keypad's path (MainApplication::getEvent). Each dialog that opens while
// answers are queued gets the next list of keys; modal loops (exec, showLoop)
// keep the event loop running, so the driver acts from inside them.
class DialogDriver : public QObject
{
    Q_OBJECT
public:
    explicit DialogDriver(QObject* parent = nullptr);

    // Queue the keys for the next dialog that opens.
    void answerWith(const QList<int>& keys);
    void answerWith(int key) { answerWith(QList<int>() << key); }
    int pending() const { return m_queue.size(); }
    int answered() const { return m_texts.size(); }
    // The texts of the dialogs answered, oldest first.
    QStringList texts() const { return m_texts; }

    // The visible dialogs, and the text of the labels of one of them.
    static QList<QDialog*> openDialogs();
    static QString dialogText(QWidget* dialog);
    // Sends one key as the keypad does.
    static void pressKey(int key, const QString& text = QString());

private slots:
    void poll();

private:
    QTimer m_timer;
    QList<QList<int>> m_queue;
    QList<QPointer<QDialog>> m_done;
    QStringList m_texts;
};

#endif // DIALOG_DRIVER_H
