#include "relay_outputs_options3_form.h"

RelayOutputsOptions3Form::RelayOutputsOptions3Form(QWidget* parent)
    : RelayOutputsOptionsForm(964, 1740, 1752, 1764, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 3"));
}

void RelayOutputsOptions3Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
