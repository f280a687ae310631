#include "filters_form.h"

#include "common.h"
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

const quint16 DriveTypeId = 685;
const quint16 InputFilterId = 712;
const quint16 OutputFilterId = 713;
const quint16 FilterSensorId = 1101;
// Asks the drive for its auto-adaptation.
const quint16 AdaptationId = 783;
// The drive type whose filter-overheat protection rests on the input filter and the sensor.
const quint16 DriveWithFilterProtection = 2;
// The drive type that measures the input (or DC) filter and a second output filter temperature.
const quint16 DriveWithFilterTemperatures = 3;

PairList onOffList()
{
    PairList list;
    list.append(0, Common::getTextOnOff(0));
    list.append(1, Common::getTextOnOff(1));
    return list;
}

// Shows a notice on the main window, unless the same one is open there already.
void showNotice(MainWindow* window, const QString& text)
{
    const QList<MessageDialog*> open = window->findChildren<MessageDialog*>();
    for (MessageDialog* dialog : open) {
        if (dialog->isVisible() && dialog->messageLabel() && dialog->messageLabel()->text() == text)
            return;
    }
    auto* dialog = new MessageDialog(text, MessageDialog::Information, window);
    dialog->show();
}

} // namespace

FiltersForm::FiltersForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Фильтры"));
}

void FiltersForm::createForm()
{
    const quint16 drive = MenuForm::value16(DriveTypeId);
    const PairList onOff = onOffList();

    addComboBox(InputFilterId, onOff);
    if (MenuForm::value16(InputFilterId) != 0) {
        addEdit(1684); // contactor switch-on set point
        addEdit(1685); // contactor switch-off set point
        if (drive == DriveWithFilterTemperatures)
            addStatusNum(10552, false); // input or DC filter temperature
    }

    addComboBox(OutputFilterId, onOff);
    if (MenuForm::value16(OutputFilterId) != 0) {
        addEdit(695);  // inductance
        addEdit(714);  // capacitance
        addEdit(1340); // phase resistance
        addStatusNum(786, false); // voltage drop on the filter
        addComboBox(FilterSensorId, onOff);
        addStatusNum(10327, false); // output filter temperature
        if (drive == DriveWithFilterTemperatures)
            addStatusNum(10328, false); // output filter temperature 2
    }

    MainApplication* app = MainApplication::getInstance();
    if (Parameters* parameters = app ? app->getParameters() : nullptr)
        connect(parameters, &Parameters::signalParamUpdated, this, &FiltersForm::slotParamUpdated);
}

void FiltersForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(EquipmentMenu::staticMetaObject.className()));
}

void FiltersForm::slotParamUpdated(quint16 id)
{
    MainWindow* window = mainWindow();
    if (window && MenuForm::value16(DriveTypeId) == DriveWithFilterProtection
        && (id == FilterSensorId || id == InputFilterId) && MenuForm::value16(InputFilterId) == 0
        && MenuForm::value16(FilterSensorId) == 0)
        showNotice(window, QObject::tr("Защита по перегреву фильтра отключена"));

    if (id == InputFilterId || id == OutputFilterId)
        ScreenRebuild::request(this, &EquipmentMenu::createNextForm);
    else if (id == AdaptationId && window)
        window->showMessageAdaptation();
}
