#ifndef MESSAGEDIALOG_H
#define MESSAGEDIALOG_H

#include <QDialog>

// A message box of the station's screens (until the dialog framework lands).
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    enum MsgType { Question = 0, Information = 1, Error = 2, Warning = 3 };
    MessageDialog(const QString& text, MessageDialog::MsgType type, QWidget* parent);
};

#endif // MESSAGEDIALOG_H
