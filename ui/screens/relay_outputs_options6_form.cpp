#include "relay_outputs_options6_form.h"

RelayOutputsOptions6Form::RelayOutputsOptions6Form(QWidget* parent)
    : RelayOutputsOptionsForm(1731, 1743, 1755, 1767, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 6"));
}

void RelayOutputsOptions6Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
