#include "splashscreen.h"

#include <QLabel>
#include <QVBoxLayout>

SplashScreen::SplashScreen(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
}

void SplashScreen::slotSyncBegin(int count)
{
    Q_UNUSED(count);
}

void SplashScreen::slotSyncCount(int count)
{
    Q_UNUSED(count);
}
