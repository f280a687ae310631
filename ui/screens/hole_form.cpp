#include "hole_form.h"

#include "common.h"
#include "mainapplication.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "menu_form.h"
#include "notebook_menu.h"
#include "parameters.h"
#include "screen_rebuild.h"

namespace {

// Whether the names are used: it chooses the rows.
const quint16 UseNamesId = 1663;

PairList onOffList()
{
    PairList list;
    list.append(0, Common::getTextOnOff(0));
    list.append(1, Common::getTextOnOff(1));
    return list;
}

} // namespace

HoleForm::HoleForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Скважина"));
}

void HoleForm::createForm()
{
    if (MenuForm::value(UseNamesId) != 0.0f) {
        // Names of the oil-field shop, the well pad and the well, eight characters each.
        addStringEdit(1657, 1658);
        addStringEdit(1659, 1660);
        addStringEdit(1661, 1662);
    }
    addEdit(515);
    addEdit(516);
    addEdit(517);
    addComboBox(UseNamesId, onOffList());

    MainApplication* app = MainApplication::getInstance();
    if (Parameters* parameters = app ? app->getParameters() : nullptr)
        connect(parameters, &Parameters::signalParamUpdated, this, &HoleForm::slotParamUpdated);
}

void HoleForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(NotebookMenu::staticMetaObject.className()));
}

void HoleForm::slotParamUpdated(quint16 id)
{
    if (id == UseNamesId)
        ScreenRebuild::request(this, &NotebookMenu::createNextForm);
}
