#ifndef DIALOG_DRIVER_H
#define DIALOG_DRIVER_H

#include <QList>
#include <QObject>
#include <QStringList>

class QDialog;
class QWidget;

// Answers the program's dialogs as an operator would, whatever window has the
// focus. One watcher per test program (made by VRX_TEST_APPLICATION_MAIN) sees
// every dialog that opens: it hands it the next queued list of keys, sent to the
// dialog's own focus widget (the button or field the keypad would reach), and
// fails the running test function when a dialog stays unanswered for
// UnansweredMs, closing it so that the modal loop behind it ends.
//
// A DialogDriver is a test's view of that watcher: the answers it queues and
// the texts of the dialogs answered while it exists. Answers still queued when
// it goes out of scope fail the test function: a dialog the test expected
// never came.
class DialogDriver
{
public:
    static constexpr int UnansweredMs = 5000;

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queue the keys for the next dialog that opens.
    void answerWith(const QList<int>& keys);
    void answerWith(int key) { answerWith(QList<int>() << key); }
    int pending() const;
    int answered() const { return texts().size(); }
    // The texts of the dialogs answered, oldest first.
    QStringList texts() const;

    // The visible dialogs, and the text of the labels of one of them.
    static QList<QDialog*> openDialogs();
    template <typename T>
    static T* openDialog()
    {
        for (QDialog* dialog : openDialogs()) {
            if (T* found = qobject_cast<T*>(dialog))
                return found;
        }
        return nullptr;
    }
    static QString dialogText(QWidget* dialog);
    // One key as the keypad sends it (digits and the period carry their text),
    // to the focus widget of the open dialog when there is one, else through
    // the program's keypad path.
    static void pressKey(int key, const QString& text = QString());
    // One key to a dialog's own focus widget.
    static void pressOn(QWidget* dialog, int key);
    // Rejects every open dialog (a test's clean-up).
    static void closeAll();

    // Creates the program-wide watcher; called once by the test main.
    static void install();

private:
    int m_firstText = 0;
};

#endif // DIALOG_DRIVER_H
