#include "mainwindow.h"

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName("MainWindow");
    setFixedSize(640, 480);
}
