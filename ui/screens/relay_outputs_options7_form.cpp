#include "relay_outputs_options7_form.h"

RelayOutputsOptions7Form::RelayOutputsOptions7Form(QWidget* parent)
    : RelayOutputsOptionsForm(1732, 1744, 1756, 1768, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 7"));
}

void RelayOutputsOptions7Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
