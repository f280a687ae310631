#include "progressbardialog.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

ProgressBarDialog::ProgressBarDialog(const QString& text, QWidget* parent, unsigned short commandId, bool showTime)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    Q_UNUSED(commandId);
    Q_UNUSED(showTime);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
}

void ProgressBarDialog::startCloseDialogTimer()
{
    QTimer::singleShot(300000, this, &QDialog::reject);
}
