#ifndef PROGRESSBARDIALOG_H
#define PROGRESSBARDIALOG_H

#include <QDialog>

// Shows that the controller is busy (until the dialog framework lands).
class ProgressBarDialog : public QDialog
{
    Q_OBJECT
public:
    ProgressBarDialog(const QString& text, QWidget* parent, unsigned short commandId, bool showTime);
    void startCloseDialogTimer();
};

#endif // PROGRESSBARDIALOG_H
