#ifndef HEADERMAINWINDOW_H
#define HEADERMAINWINDOW_H

#include <QFrame>
#include <QTimer>

class QLabel;
class QMovie;

// The top bar of the window: logo, well name, the letters of lost links, the
// busy indicator, the USB icon and the station clock.
class HeaderMainWindow : public QFrame
{
    Q_OBJECT
public:
    explicit HeaderMainWindow(QWidget* parent = nullptr);

    int busyCount() const { return m_busyCount; }

    // The well name as parameters 1663 and 1657 to 1662 (or 515 to 517) give it.
    static QString wellName();

public slots:
    void slotUpdateValue();
    void showProgress(bool on);

private:
    void updateWellName();
    void updateLinks();
    void updateClock();
    QLabel* addConnectLabel();

    QLabel* m_wellLabel = nullptr;
    QLabel* m_connectLabels[4] = {};
    QLabel* m_progressLabel = nullptr;
    QMovie* m_movie = nullptr;
    QLabel* m_usbLabel = nullptr;
    QFrame* m_dateTimeWidget = nullptr;
    QLabel* m_timeLabel = nullptr;
    QLabel* m_dateLabel = nullptr;
    QLabel* m_logoLabel = nullptr;
    int m_busyCount = 0;
    QTimer m_timer;
};

#endif // HEADERMAINWINDOW_H
