#include "relay_outputs_options2_form.h"

RelayOutputsOptions2Form::RelayOutputsOptions2Form(QWidget* parent)
    : RelayOutputsOptionsForm(963, 1739, 1751, 1763, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 2"));
}

void RelayOutputsOptions2Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
