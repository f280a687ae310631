#include "relay_outputs_options10_form.h"

RelayOutputsOptions10Form::RelayOutputsOptions10Form(QWidget* parent)
    : RelayOutputsOptionsForm(1735, 1747, 1759, 1771, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 10"));
}

void RelayOutputsOptions10Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
