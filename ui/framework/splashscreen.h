#ifndef SPLASHSCREEN_H
#define SPLASHSCREEN_H

#include "dialog.h"

#include <QElapsedTimer>

class QProgressBar;

// Shown from start-up to the end of the first synchronisation, with its
// progress: parameters read of all parameters known. Rejecting it (Esc, F3)
// quits the program.
class SplashScreen : public Dialog
{
    Q_OBJECT
public:
    SplashScreen(const QString& text, QWidget* parent);
    ~SplashScreen() override;

    int doneCount() const { return m_done; }
    int total() const { return m_total; }
    QProgressBar* progressBar() const { return m_progressBar; }

public slots:
    void slotSyncBegin(int paramsCount);
    // remaining: the parameters still to be read.
    void slotSyncCount(int remaining);
    void slotShowText();

private:
    QString m_text;
    int m_done = 0;
    int m_total = 0;
    QProgressBar* m_progressBar = nullptr;
    QElapsedTimer m_elapsed;
};

#endif // SPLASHSCREEN_H
