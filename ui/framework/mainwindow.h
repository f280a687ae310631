#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QWidget>

// The one top-level window (until the screen framework lands).
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void createMainMenu() {}
    void updateShowDialog() {}
    bool isBlocked() const { return m_blocked; }

public slots:
    void slotSetHlKeyboard(int enable = 0) { Q_UNUSED(enable); }
    void slotSetBacklight(bool enable = true) { Q_UNUSED(enable); }
    void slotCcsBlock(bool block = false) { m_blocked = block; }

private:
    bool m_blocked = false;
};

#endif // MAINWINDOW_H
