#include "units_measure_form.h"

#include "common.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "options_menu.h"
#include "parameters.h"

namespace {

const quint16 IdUnitCableCross = 1651;

PairList unitList(QString (*text)(unsigned char), int first, int last)
{
    PairList list;
    for (int code = first; code <= last; ++code)
        list.append(code, text(static_cast<unsigned char>(code)));
    return list;
}

} // namespace

UnitsMeasureForm::UnitsMeasureForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Единицы измерения"));
}

void UnitsMeasureForm::createForm()
{
    addComboBox(Parameters::IdUnitPressure, unitList(&Common::getTextUnitPressure, 0, 5));
    addComboBox(Parameters::IdUnitTemperature, unitList(&Common::getTextUnitTemperature, 0, 1));
    addComboBox(Parameters::IdUnitAcceleration, unitList(&Common::getTextUnitAcceleration, 0, 2));
    addComboBox(Parameters::IdUnitFlow, unitList(&Common::getTextUnitFlow, 0, 3));
    // Motor power is chosen between kilowatts and horsepower only.
    addComboBox(Parameters::IdUnitMotorPower, unitList(&Common::getTextUnitPowerMotor, 1, 2));
    addComboBox(IdUnitCableCross, unitList(&Common::getTextUnitCableCross, 0, 1));
}

void UnitsMeasureForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}
