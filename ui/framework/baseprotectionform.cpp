#include "baseprotectionform.h"

#include "mainapplication.h"
#include "messagedialog.h"
#include "parameters.h"

#include <QPointer>

BaseProtectionForm::BaseProtectionForm(QWidget* parent)
    : BaseForm(parent, true)
{
}

PushButton* BaseProtectionForm::addButtonResetDefault(quint16 id)
{
    m_resetId = id;
    return addButton(QObject::tr("Сбросить уставки по умолчанию"), "showResetDefaultDialog()", QPixmap());
}

void BaseProtectionForm::showResetDefaultDialog()
{
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    const quint16 id = m_resetId;
    QPointer<BaseProtectionForm> self(this);
    if (!app->isAccess(this, id, 0, QString()) || !self)
        return;
    QPointer<MessageDialog> dialog = new MessageDialog(
        QObject::tr("Сбросить уставки по умолчанию") + QStringLiteral("?"), MessageDialog::Question, this);
    const int answer = dialog->exec();
    // The screen (and the dialog with it) may have been replaced while the
    // question was open: then the answer no longer belongs to anything shown.
    if (!self)
        return;
    if (answer == 1 && app->getParameters())
        app->getParameters()->set(id, 1, 1);
}
