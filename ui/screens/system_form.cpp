#include "system_form.h"

#include "common.h"
#include "mainapplication.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "operator_command.h"
#include "options_menu.h"
#include "parameters.h"

#include <QPointer>

namespace {

const quint16 IdClock = 562;
const quint16 IdTimeZone = 1367;
const quint16 IdNtpOn = 1353;
const quint16 IdNtpPeriod = 1354;
const quint16 IdControllerRevision = 1104;
const quint16 IdProgramRevision = 1103;
// The revision row is bound to parameter 0: it shows the text while 0 holds 0.
const quint16 IdRevisionRowBinding = 0;

// UTC-12 to UTC+14 in whole hours.
const int FirstZoneOffset = -43200;
const int LastZoneOffset = 50400;
const int ZoneStep = 3600;

PairList onOffList()
{
    PairList list;
    list.append(0, Common::getTextOnOff(0));
    list.append(1, Common::getTextOnOff(1));
    return list;
}

} // namespace

SystemForm::SystemForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Система"));
}

QString SystemForm::revisionText(quint32 revision)
{
    return QStringLiteral("%1").arg(revision, 8, 16, QLatin1Char('0'));
}

void SystemForm::createForm()
{
    addDateTimeEdit(IdClock);

    PairList zones;
    for (int offset = FirstZoneOffset; offset <= LastZoneOffset; offset += ZoneStep)
        zones.append(offset, Common::getTextTimeZone(offset));
    addComboBox(IdTimeZone, zones);

    addComboBox(IdNtpOn, onOffList());
    addEdit(IdNtpPeriod);
    addAddrEdit(1355, 1356, 1357, 1358);
    addStatusNum(IdControllerRevision, false);

    // The program's own revision, as it reported it at start; fixed for the
    // life of the screen.
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    PairList revision;
    revision.append(0, revisionText(parameters ? parameters->getU32(IdProgramRevision) : 0u));
    addStatusText(Common::getTextFromId(IdProgramRevision), IdRevisionRowBinding, revision);

    addButton(QObject::tr("Обновить ПО"), SLOT(updateSoft()), QPixmap());
    addButton(QObject::tr("Перезагрузка ПО"), SLOT(rebootSoft()), QPixmap());
}

void SystemForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}

void SystemForm::updateSoft()
{
    if (!OperatorCommand::isAccess(this, IdUpdateSoft))
        return;
    if (!OperatorCommand::ask(QObject::tr("Обновить ПО?"), this))
        return;
    OperatorCommand::write(IdUpdateSoft, 1);
}

void SystemForm::rebootSoft()
{
    if (!OperatorCommand::isAccess(this, IdRebootSoft))
        return;
    if (!OperatorCommand::ask(QObject::tr("Перезагрузить ПО?"), this))
        return;
    OperatorCommand::write(IdRebootSoft, 1);
}
