#include "relay_outputs_options11_form.h"

RelayOutputsOptions11Form::RelayOutputsOptions11Form(QWidget* parent)
    : RelayOutputsOptionsForm(1736, 1748, 1760, 1772, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 11"));
}

void RelayOutputsOptions11Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
