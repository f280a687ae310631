#include "messagedialog.h"

#include <QLabel>
#include <QVBoxLayout>

MessageDialog::MessageDialog(const QString& text, MessageDialog::MsgType type, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    Q_UNUSED(type);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(text, this));
}
