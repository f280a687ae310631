#ifndef SPLASHSCREEN_H
#define SPLASHSCREEN_H

#include <QDialog>

// Shown until the first synchronisation ends (until the dialog framework lands).
class SplashScreen : public QDialog
{
    Q_OBJECT
public:
    SplashScreen(const QString& text, QWidget* parent);

public slots:
    void slotSyncBegin(int count);
    void slotSyncCount(int count);
};

#endif // SPLASHSCREEN_H
