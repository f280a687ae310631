#include "accessdialog.h"

AccessDialog::AccessDialog(unsigned char level, const QString& prompt, QWidget* parent, bool resetMode)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    Q_UNUSED(level);
    Q_UNUSED(prompt);
    Q_UNUSED(resetMode);
}

int AccessDialog::showLoop()
{
    return 0;
}
