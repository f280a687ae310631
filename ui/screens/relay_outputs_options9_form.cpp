#include "relay_outputs_options9_form.h"

RelayOutputsOptions9Form::RelayOutputsOptions9Form(QWidget* parent)
    : RelayOutputsOptionsForm(1734, 1746, 1758, 1770, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 9"));
}

void RelayOutputsOptions9Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
