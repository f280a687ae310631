#ifndef ACCESSDIALOG_H
#define ACCESSDIALOG_H

#include <QDialog>

// Asks for the password of an access level (until the dialog framework lands).
class AccessDialog : public QDialog
{
    Q_OBJECT
public:
    AccessDialog(unsigned char level, const QString& prompt, QWidget* parent, bool resetMode);
    int showLoop();
};

#endif // ACCESSDIALOG_H
