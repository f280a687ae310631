#ifndef MESSAGEDIALOG_H
#define MESSAGEDIALOG_H

#include "dialog.h"

// A question ("Да" / "Нет") or a notice with one "Ok" button; an information,
// an error (red) or a warning (orange). A dialog nobody answers rejects itself
// after five minutes, so an unanswered question counts as "Нет".
class MessageDialog : public Dialog
{
    Q_OBJECT
public:
    enum MsgType { Question = 0, Information = 1, Error = 2, Warning = 3 };

    MessageDialog(const QString& text, MessageDialog::MsgType type, QWidget* parent);
    ~MessageDialog() override;
};

#endif // MESSAGEDIALOG_H
