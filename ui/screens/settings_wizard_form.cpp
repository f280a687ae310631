#include "settings_wizard_form.h"

#include "baseeditwidget.h"
#include "mainapplication.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "parameters.h"
#include "parameterscheck.h"
#include "saturate.h"

namespace {

// The confirmation a row's mark was last taken from.
const char* const ConfirmedProperty = "confirmed";

ParametersCheck* parametersCheck()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParametersCheck() : nullptr;
}

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

bool isCritical(quint16 id)
{
    for (quint16 critical : ParametersCheck::generalIdList) {
        if (critical == id)
            return true;
    }
    for (quint16 critical : ParametersCheck::filterIdList) {
        if (critical == id)
            return true;
    }
    return false;
}

} // namespace

SettingsWizardForm::SettingsWizardForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Мастер настроек"));
}

bool SettingsWizardForm::isConfirmed(quint16 id)
{
    ParametersCheck* check = parametersCheck();
    return check && check->isConfirmed(id);
}

void SettingsWizardForm::createForm()
{
    Parameters* parameters = store();
    if (!parameters)
        return;

    // The inductance calculation needs only one of the two inductances.
    const quint16 source = ParametersCheck::inductanceSource(parameters);
    for (quint16 id : ParametersCheck::generalIdList) {
        if ((id == 697 && source == 0) || (id == 696 && source == 1))
            continue;
        addCheckedRow(id);
    }
    if (parameters->get(IdFilterPresent) != 0.0f) {
        for (quint16 id : ParametersCheck::filterIdList)
            addCheckedRow(id);
    }
    // Connected after the check's own connection, so the check has taken
    // every report in before the marks are read again.
    connect(parameters, SIGNAL(signalParamUpdated(quint16)), this, SLOT(slotParamUpdated(quint16)));
}

void SettingsWizardForm::addCheckedRow(quint16 id)
{
    BaseEditWidget* row = addEdit(id);
    const bool confirmed = isConfirmed(id);
    row->setProperty(ConfirmedProperty, confirmed);
    row->setWarning(!confirmed);
    if (ParametersCheck* check = parametersCheck())
        connect(row, &BaseParamWidget::signalSetValue, check, &ParametersCheck::slotSetValueParam);
    // The row clears its mark for any accepted entry, but an entry the check
    // does not take (0) leaves the setting unconfirmed: the mark says so. A
    // refused entry keeps the row's own mark.
    connect(row, &BaseEditWidget::signalEditingEnd, row, [row](bool accepted) {
        if (accepted)
            takeMark(row);
    });
}

void SettingsWizardForm::takeMark(BaseEditWidget* row)
{
    const bool confirmed = isConfirmed(row->id());
    row->setProperty(ConfirmedProperty, confirmed);
    row->setWarning(!confirmed);
}

void SettingsWizardForm::slotParamUpdated(quint16 id)
{
    // Every report of the store passes here: a cheap test first.
    if (!isCritical(id))
        return;
    // One report may withdraw every confirmation; a row whose confirmation
    // did not change keeps its mark (a refused entry stays marked).
    for (int i = 0; i < rowCount(); ++i) {
        auto* row = qobject_cast<BaseEditWidget*>(rowWidget(i));
        if (row && row->property(ConfirmedProperty).toBool() != isConfirmed(row->id()))
            takeMark(row);
    }
}

void SettingsWizardForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(new MainMenu, 0);
}
