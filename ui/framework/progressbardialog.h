#ifndef PROGRESSBARDIALOG_H
#define PROGRESSBARDIALOG_H

#include "dialog.h"

#include <QElapsedTimer>

class QProgressBar;

// Shows that the controller is carrying out a long command: elapsed time and,
// when the controller reports them (724 done of 725), the progress. One that
// watches a command parameter closes when the controller returns it to 0; the
// operator cannot close it, so its wait is bounded: when the controller has
// neither finished nor reported progress for commandTimeoutMs(), the dialog
// closes (rejected) and a warning says that the command's end never came.
class ProgressBarDialog : public Dialog
{
    Q_OBJECT
public:
    // Progress of a command as the controller reports it.
    static constexpr quint16 IdProgressValue = 724;
    static constexpr quint16 IdProgressMaximum = 725;
    // How often the elapsed time and the progress are redrawn.
    static constexpr int RefreshMs = 250;
    // How long a dialog watching a command waits for the controller, counted
    // from its creation and again from every progress report.
    static constexpr int CommandTimeoutMs = 300000;

    static int commandTimeoutMs();
    // Shortens the bound (tests); 0 restores CommandTimeoutMs.
    static void setCommandTimeoutMs(int ms);
    // The warning of a command whose end the controller never reported.
    static QString timeoutText(const QString& text);

    ProgressBarDialog(const QString& text, QWidget* parent, unsigned short commandId, bool showTime);
    ~ProgressBarDialog() override;

    void setValue(int value);
    void setMaximum(int maximum);
    int value() const { return m_value; }
    int maximum() const { return m_maximum; }
    unsigned short commandId() const { return m_commandId; }
    QProgressBar* progressBar() const { return m_progressBar; }

    // value of maximum in whole percent, computed in single precision as the
    // controller's own displays do, never above 100; maximum must not be 0.
    static int percent(int value, int maximum);
    // The label under way: the text, then the percentage (when maximum is not
    // 0) and the elapsed time as "mm:ss".
    static QString progressText(const QString& text, const QString& doneWord, const QString& passedWord,
                                int value, int maximum, qint64 elapsedMs);

public slots:
    void slotParamUpdated(quint16 id);
    void slotShowText();

private slots:
    void slotCommandTimedOut();

private:
    QString m_text;
    int m_value = 0;
    int m_maximum = 0;
    unsigned short m_commandId = 0;
    // The command finished or its wait ran out: later reports change nothing.
    bool m_ended = false;
    QProgressBar* m_progressBar = nullptr;
    QElapsedTimer m_elapsed;
};

#endif // PROGRESSBARDIALOG_H
