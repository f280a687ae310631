#include "relay_outputs_options1_form.h"

RelayOutputsOptions1Form::RelayOutputsOptions1Form(QWidget* parent)
    : RelayOutputsOptionsForm(962, 1738, 1750, 1762, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 1"));
}

void RelayOutputsOptions1Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
