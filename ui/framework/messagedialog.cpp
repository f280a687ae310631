#include "messagedialog.h"

#include <QLabel>

MessageDialog::MessageDialog(const QString& text, MessageDialog::MsgType type, QWidget* parent)
    : Dialog(parent, false)
{
    logCreate();
    QLabel* label = addMessageLabel(text);
    switch (type) {
    case Information:
        addButton(QStringLiteral("Ok"), SLOT(accept()));
        break;
    case Error:
        addButton(QStringLiteral("Ok"), SLOT(accept()));
        label->setStyleSheet(QStringLiteral("#dialogMessageLabel_ { background: red; }"));
        break;
    case Warning:
        addButton(QStringLiteral("Ok"), SLOT(accept()));
        label->setStyleSheet(QStringLiteral("#dialogMessageLabel_ { background: #FF8000; }"));
        break;
    case Question:
    default:
        // "Нет" is added last and so has the focus: a careless Enter refuses.
        addButton(QObject::tr("Да"), SLOT(accept()));
        addButton(QObject::tr("Нет"), SLOT(reject()));
        break;
    }
    startCloseDialogTimer();
}

MessageDialog::~MessageDialog()
{
    logDestroy();
}
