#include "station_form.h"

#include "mainmenu.h"
#include "mainwindow.h"
#include "notebook_menu.h"

namespace {

// The rated currents a station is built for, in amperes, each shown as its number.
const int RatedCurrents[] = {100, 160, 250, 400, 450, 630, 800, 1000, 1200, 1400, 1600, 1800, 2000, 2400};

PairList ratedCurrentList()
{
    PairList list;
    for (int current : RatedCurrents)
        list.append(current, QString::number(current));
    return list;
}

} // namespace

StationForm::StationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Станция управления"));
}

void StationForm::createForm()
{
    addComboBox(884, ratedCurrentList());
    addStatusNum(538, false);       // controller type
    addEdit(539);                   // controller manufacturer
    addDoubleParamEdit(540, 885);   // controller serial number
    addStatusNum(541, false);       // controller software
    addEdit(542);
    addStatusNum(543, false);       // drive software
    addEdit(544);                   // controller manufacturing date
    addStatusNum(545, false);       // controller software installation date
    addStatusNum(546, false);       // controller software build date
    addEdit(547);                   // drive software installation date
    addEdit(548);                   // station type
    addEdit(549);                   // station manufacturer
    addDoubleParamEdit(550, 886);   // station serial number
    addEdit(551);                   // station manufacturing date
    addEdit(552);                   // note
    addStatusNum(820, false);       // controller temperature
    addStatusNum(819, false);       // processor temperature
}

void StationForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(NotebookMenu::staticMetaObject.className()));
}
