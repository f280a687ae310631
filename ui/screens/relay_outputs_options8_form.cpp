#include "relay_outputs_options8_form.h"

RelayOutputsOptions8Form::RelayOutputsOptions8Form(QWidget* parent)
    : RelayOutputsOptionsForm(1733, 1745, 1757, 1769, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 8"));
}

void RelayOutputsOptions8Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
