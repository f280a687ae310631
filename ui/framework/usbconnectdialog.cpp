#include "usbconnectdialog.h"

#include "mainapplication.h"
#include "parameters.h"

#include <QPointer>

UsbConnectDialog::UsbConnectDialog(QWidget* parent)
    : Dialog(parent, true)
{
    logCreate();
    addMessageLabel(QObject::tr("Подключен USB накопитель"));
    addButton(QObject::tr("Копировать архив"), SLOT(copyLog()));
    addButton(QObject::tr("Обновить ПО"), SLOT(updateSoft()));
    addButton(QObject::tr("Отмена"), SLOT(reject()));
}

UsbConnectDialog::~UsbConnectDialog()
{
    logDestroy();
}

void UsbConnectDialog::copyLog()
{
    accept();
    if (Parameters* store = MainApplication::getInstance()->getParameters())
        store->set(IdCopyLog, 1, 1);
}

void UsbConnectDialog::updateSoft()
{
    // The password is asked while this dialog is still open: accepting first
    // would schedule its deletion, and with it that of the password dialog
    // parented to it, in the middle of the password loop.
    QPointer<UsbConnectDialog> self(this);
    MainApplication* app = MainApplication::getInstance();
    const bool granted = app->isAccess(this, IdUpdateSoft, 0, QString());
    if (self)
        accept();
    if (granted) {
        if (Parameters* store = app->getParameters())
            store->set(IdUpdateSoft, 1, 1);
    }
}
