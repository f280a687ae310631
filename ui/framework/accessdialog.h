#ifndef ACCESSDIALOG_H
#define ACCESSDIALOG_H

#include "dialog.h"

#include <QTimer>

class QLabel;
class LineEdit;

// Asks for the numeric password of an access level and checks it against the
// four passwords the controller keeps. The granted level and the failed
// attempts are the controller's parameters, so the lock-out after three
// failures survives closing the dialog and restarting the program. In reset
// mode it takes the day's password-reset code and puts the factory passwords
// back.
class AccessDialog : public Dialog
{
    Q_OBJECT
public:
    enum : quint16 {
        IdAccessLevel = 572,
        IdPasswordLevel1 = 573,
        IdPasswordLevel2 = 574,
        IdPasswordLevel3 = 575,
        IdPasswordLevel4 = 576,
        IdFailedAttempts = 722,
        IdLockTime = 723,
        IdMonth = 564,
        IdDay = 565,
        IdSerialNumber = 540
    };

    // Failures in a row that lock the entry, and for how long.
    static constexpr int MaxAttempts = 3;
    static constexpr int LockSeconds = 300;

    // The factory passwords a correct reset code restores, and the level it
    // grants. Level 1's is one digit, typed with leading zeros ("0001").
    static constexpr int FactoryPasswordLevel1 = 1;
    static constexpr int FactoryPasswordLevel2 = 5193;
    static constexpr int FactoryPasswordLevel3 = 7406;
    static constexpr unsigned char ResetGrantedLevel = 3;
    // The program's own term of the reset code (see calcCodeResetPass).
    static constexpr quint32 ResetCodeConstant = 3917;

    AccessDialog(unsigned char level, const QString& prompt, QWidget* parent, bool resetMode);
    ~AccessDialog() override;

    // (month × day + the controller's serial number + ResetCodeConstant) mod
    // 10000, month and day taken as their low 8 bits: at most 4 digits,
    // compared with a full-length entry.
    float calcCodeResetPass() const;
    void passChecking();

    LineEdit* passEdit() const { return m_passEdit; }
    QTimer* lockTimer() { return &m_lockTimer; }
    unsigned char requiredLevel() const { return m_level; }
    bool isResetMode() const { return m_resetMode; }

    // Seconds since 1970, UTC: the one clock of the lock-out, for both the
    // time it writes to 723 and the time it compares 723 with.
    static quint32 now();

public slots:
    // time: the start of the lock-out in seconds since 1970; 0 for the stored one.
    void showTimer(unsigned int time);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void wrongEntry();

    unsigned char m_level = 0;
    bool m_resetMode = false;
    QLabel* m_message = nullptr;
    LineEdit* m_passEdit = nullptr;
    QTimer m_lockTimer;
};

#endif // ACCESSDIALOG_H
