#include "em_connect_form.h"

#include "em_form.h"
#include "equipment_menu.h"
#include "mainwindow.h"
#include "screen_command.h"

namespace {

// Resets the link counters; it needs no access level.
const quint16 ResetLinkCountersId = 998;

// Link quality, requests, replies, lost replies, bad replies, checksum errors, device errors.
const quint16 LinkIds[] = {987, 988, 989, 993, 990, 991, 992};

} // namespace

EmConnectForm::EmConnectForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Связь со счётчиком электроэнергии"));
}

void EmConnectForm::createForm()
{
    for (quint16 id : LinkIds)
        addStatusNum(id, false);
    addButton(QObject::tr("Сбросить счётчики"), SLOT(showResetCountersDialog()), QPixmap());
}

void EmConnectForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(EquipmentMenu::createNextForm(), QLatin1String(EmForm::staticMetaObject.className()));
}

void EmConnectForm::showResetCountersDialog()
{
    ScreenCommand::run(this, ResetLinkCountersId, 1, QObject::tr("Сбросить счётчики качества связи?"),
                       ScreenCommand::NoAccessCheck);
}
