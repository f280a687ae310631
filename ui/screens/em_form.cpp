#include "em_form.h"

#include "common.h"
#include "em_connect_form.h"
#include "equipment_menu.h"
#include "mainapplication.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "menu_form.h"
#include "messagedialog.h"
#include "parameters.h"
#include "screen_rebuild.h"

#include <QLabel>

namespace {

// The meter type: it chooses the rows.
const quint16 MeterTypeId = 705;
// Where the supply voltages are measured: 0 the controller, 1 the meter.
const quint16 VoltageSourceId = 1482;
const int VoltageSourceMeter = 1;
const int LastMeterType = 4;

PairList meterTypeList()
{
    PairList list;
    for (int code = 0; code <= LastMeterType; ++code)
        list.append(code, Common::getTextEmType(static_cast<unsigned short>(code)));
    return list;
}

PairList voltageSourceList()
{
    PairList list;
    list.append(0, Common::getTextSourceVoltage(0));
    list.append(1, Common::getTextSourceVoltage(1));
    return list;
}

QString voltageSourceWarning()
{
    return QObject::tr("Внимание!\nОтключена запись аварийных архивов\nи защита чередования фаз");
}

} // namespace

EmForm::EmForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Счётчик электроэнергии"));
}

QList<BaseForm*> EmForm::createNextForm()
{
    return QList<BaseForm*>() << new EmConnectForm;
}

void EmForm::createForm()
{
    addComboBox(MeterTypeId, meterTypeList());
    if (MenuForm::value16(MeterTypeId) != 0) {
        addEdit(20049); // current-transformer ratio
        addComboBox(VoltageSourceId, voltageSourceList());
        addButton(QObject::tr("Параметры связи счётчика электроэнергии"), QPixmap());
    }

    MainApplication* app = MainApplication::getInstance();
    if (Parameters* parameters = app ? app->getParameters() : nullptr)
        connect(parameters, &Parameters::signalParamUpdated, this, &EmForm::slotParamUpdated);
}

void EmForm::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void EmForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(EquipmentMenu::staticMetaObject.className()));
}

void EmForm::slotParamUpdated(quint16 id)
{
    if (id == MeterTypeId) {
        ScreenRebuild::request(this, &EquipmentMenu::createNextForm);
        return;
    }
    if (id != VoltageSourceId || MenuForm::value(VoltageSourceId) != float(VoltageSourceMeter))
        return;
    // Measuring the supply voltages by the meter stops the emergency archives
    // and the phase-sequence protection: say so on every such update. One
    // warning open at a time is enough; it stays until the operator closes it.
    const QString text = voltageSourceWarning();
    const QList<MessageDialog*> open = findChildren<MessageDialog*>();
    for (MessageDialog* dialog : open) {
        if (dialog->isVisible() && dialog->messageLabel() && dialog->messageLabel()->text() == text)
            return;
    }
    auto* dialog = new MessageDialog(text, MessageDialog::Information, this);
    dialog->show();
}
