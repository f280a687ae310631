#ifndef DIALOG_H
#define DIALOG_H

#include <QDialog>
#include <QTimer>

class QBoxLayout;
class QLabel;
class QVBoxLayout;
class PushButton;

// The base of every pop-up window: a frameless modal box with a message area
// above a row (or column) of buttons that the keypad walks with the arrows and
// presses with Enter. Esc or F3 closes it; asked to, it rejects itself after
// five minutes without an answer.
class Dialog : public QDialog
{
    Q_OBJECT
public:
    // How long an unanswered dialog waits before it rejects itself.
    static constexpr int CloseTimeoutMs = 300000;

    explicit Dialog(QWidget* parent = nullptr, bool verticalButtons = false);
    ~Dialog() override;

    QLabel* addMessageLabel(const QString& text);
    // The new button becomes the focused one, so the last one added has the
    // focus when the dialog is shown.
    PushButton* addButton(const QString& text, const char* slot);

    // Without it, Esc and F3 only emit signalClosed(): the owner decides.
    void setDeleteOnClose(bool deleteOnClose);
    bool isDeleteOnClose() const { return m_deleteOnClose; }

    void startCloseDialogTimer();
    QTimer* closeTimer() { return &m_closeTimer; }

    // What exec() and showLoop() return for a dialog that the program's stop
    // (a stop signal, power-off, reboot) ended, or that was asked for while
    // the program stops: nobody answered it, so nothing may be done for it.
    static constexpr int Unanswered = -1;

    // QDialog's nested loop: 1 accepted, 0 rejected (also when something
    // destroyed the dialog meanwhile), Unanswered as above. A dialog that
    // deletes itself on close is gone when it returns, whatever ended it.
    int exec() override;
    // Runs the dialog modally without a nested exec(): 1 accepted, 0 rejected
    // (also when something destroyed the dialog while it was open), and
    // Unanswered as above (the dialog is then rejected).
    int showLoop();

    int buttonCount() const { return m_buttonCount; }
    int focusedButton() const { return m_focusedButton; }
    PushButton* button(int index) const;
    QLabel* messageLabel() const { return m_messageLabel; }

signals:
    void signalClosed();

public slots:
    virtual void keyLeftPress();
    virtual void keyRightPress();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    QVBoxLayout* messageLayout() const { return m_messageLayout; }
    // "create: %1" and "~%1" with the class name: called by each dialog class
    // itself, where the meta-object is already (or still) its own.
    void logCreate() const;
    void logDestroy() const;

private:
    static bool stopping();
    void focusButton(int index);

    QVBoxLayout* m_layout = nullptr;
    QLabel* m_messageLabel = nullptr;
    QVBoxLayout* m_messageLayout = nullptr;
    QBoxLayout* m_buttonLayout = nullptr;
    QTimer m_closeTimer;
    bool m_deleteOnClose = true;
    int m_focusedButton = -1;
    int m_buttonCount = 0;
    QList<PushButton*> m_buttons;
};

#endif // DIALOG_H
